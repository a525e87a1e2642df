#include "gui/editors/memoryform.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

#include "gui/editors/editorfixture.h"

namespace {

class MemoryEditor : public MainFormTest {
protected:
    TMemoryForm& Open(const char* model, const char* type, int position) {
        StoreConfiguration(model, type);
        Start();
        return Reopen(position);
    }

    TMemoryForm& Reopen(int position) {
        Editor.reset();
        Form->Grids->SelectRow(TChannelGrids::kMemoryGrid, position + 1);
        Editor = std::make_unique<TMemoryForm>(*Form);
        Editor->show();
        // A dialog counts as active while its main window is; wait until it has the keyboard.
        Editor->activateWindow();
        EXPECT_TRUE(
            QTest::qWaitFor([this] { return QApplication::activeWindow() == Editor.get(); }));
        return *Editor;
    }

    std::string Channel(int index) const { return Form->Data().GetChannel(index); }
    QString GridCell(int position, int column) const {
        const QTableWidgetItem* item = Form->Grids->MemoryGrid->item(position, column);
        return item ? item->text() : QString();
    }

    std::unique_ptr<TMemoryForm> Editor;
};

TEST_F(MemoryEditor, OpensOnTheGridRowAndSavesAnUntouchedRecordUnchanged) {
    StoreConfiguration("PX-A7", "AEB0");
    Start();
    const std::string record =
        "02,0431250000,6,3,1,0,0,1,12,09,017,07600000,1,0,0000000000,0,1,,HOME";
    Form->Data().SetChannel(2, record);
    TMemoryForm& form = Reopen(2);
    EXPECT_EQ(form.windowTitle(), "Memory Channel");
    EXPECT_EQ(form.ChannelNumberEdit->text(), "2");
    EXPECT_TRUE(form.RxFrequencyEdit->hasFocus());
    EXPECT_TRUE(form.Minus76ShiftRadio->isVisible());
    EXPECT_TRUE(form.DcsBox->isChecked());
    EXPECT_FALSE(form.ContentsChanged());
    // Moving asks nothing: loading marked no change, nor judged a stored name.
    Form->Data().SetChannel(3, "03,0432000000,6,0,0,0,0,0,08,08,000,01600000,0,0,,,0,,N1,X");
    Click(form.ChannelUpDown->UpButton);
    EXPECT_EQ(form.NameEdit->text(), "N1,X");
    Click(form.ChannelUpDown->DownButton);
    EXPECT_EQ(form.NameEdit->text(), "HOME");
    Click(form.OKButton);
    EXPECT_EQ(Channel(2), record);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(Messages.Shown().empty());
}

TEST_F(MemoryEditor, ExampleChannelTypedAndSavedWithOk) {
    TMemoryForm& form = Open("RV-310", "MED", 5);
    Retype(form.RxFrequencyEdit, "145");
    Choose(form.StepCombo, 4);
    EXPECT_EQ(form.StepCombo->currentText(), "12.5kHz");
    Click(form.MinusShiftRadio);
    Click(form.CtcssBox);
    EXPECT_EQ(form.CtcssCombo->currentText(), "88.5Hz");
    Retype(form.NameEdit, "club");
    EXPECT_EQ(form.NameEdit->text(), "CLUB");
    Click(form.OKButton);
    EXPECT_EQ(Channel(5), "005,0145000000,3,2,0,0,1,0,08,08,000,00600000,0,0,0000000000,0,0,,CLUB");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(Form->Data().Changed);
    EXPECT_EQ(GridCell(5, 2), "145.000");
    EXPECT_EQ(GridCell(5, 3), "CLUB");
}

TEST_F(MemoryEditor, RoundingIsToldAfterEnterAndAfterOk) {
    TMemoryForm& form = Open("RV-310", "MED", 5);
    Choose(form.StepCombo, 1);  // 5 kHz
    Retype(form.RxFrequencyEdit, "145.003");
    Messages.Answer(TMessageAnswer::Ok);
    QTest::keyClick(form.RxFrequencyEdit, Qt::Key_Return);
    EXPECT_EQ(form.RxFrequencyEdit->text(), "145.000");
    EXPECT_EQ(form.TxFrequencyEdit->text(), "145.000");
    EXPECT_EQ(Messages.Texts(), QStringList{kRounded});
    EXPECT_EQ(Channel(5), "");
    EXPECT_TRUE(form.isVisible());

    Retype(form.RxFrequencyEdit, "145.0075");
    Messages.Answer(TMessageAnswer::Ok);
    Click(form.OKButton);
    EXPECT_EQ(Channel(5).substr(0, 16), "005,0145005000,0");
    EXPECT_EQ(Messages.Texts(), (QStringList{kRounded, kRounded}));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(MemoryEditor, TypedChannelAsksAboutUnsavedEditsAndStaysWhenTheSaveFails) {
    TMemoryForm& form = Open("RV-310", "MED", 5);
    Retype(form.RxFrequencyEdit, "146");
    Messages.Answer(TMessageAnswer::No);
    Retype(form.ChannelNumberEdit, "7");
    EXPECT_EQ(form.Position(), 7);
    EXPECT_EQ(Channel(5), "");
    EXPECT_EQ(form.RxFrequencyEdit->text(), "144.000");
    EXPECT_FALSE(form.ContentsChanged());

    Retype(form.RxFrequencyEdit, "147");
    Messages.Answer(TMessageAnswer::Yes);
    Retype(form.ChannelNumberEdit, "8");
    EXPECT_EQ(form.Position(), 8);
    EXPECT_EQ(Channel(7).substr(0, 15), "007,0147000000,");
    EXPECT_EQ(GridCell(7, 2), "147.000");

    Form->Data().Changed = false;
    Retype(form.RxFrequencyEdit, "1..4");
    Messages.Answer(TMessageAnswer::Yes);
    Messages.Answer(TMessageAnswer::Ok);
    Retype(form.ChannelNumberEdit, "9");
    EXPECT_EQ(form.Position(), 8);
    EXPECT_EQ(form.ChannelNumberEdit->text(), "8");
    EXPECT_EQ(form.RxFrequencyEdit->text(), "1..4");
    EXPECT_EQ(Channel(8), "");
    EXPECT_TRUE(Form->Data().Changed);
    EXPECT_EQ(Messages.Texts(), (QStringList{kRevise, kRevise, kRevise, kInvalidFrequency}));
}

TEST_F(MemoryEditor, InvalidChannelNumberPutsBackTheLastGoodOne) {
    TMemoryForm& form = Open("PX-A5", "AKF0", 3);
    Retype(form.ChannelNumberEdit, "12");
    EXPECT_EQ(form.Position(), 12);
    Messages.Answer(TMessageAnswer::Ok);
    TypeText(form.ChannelNumberEdit, "L");
    EXPECT_EQ(form.ChannelNumberEdit->text(), "12");
    Retype(form.ChannelNumberEdit, "L");
    EXPECT_EQ(Messages.Texts(), QStringList{kInvalidChannel});
    Messages.Answer(TMessageAnswer::Ok);
    TypeText(form.ChannelNumberEdit, "x");
    EXPECT_EQ(form.ChannelNumberEdit->text(), "12");
    EXPECT_EQ(form.Position(), 12);
    Retype(form.ChannelNumberEdit, "al");
    EXPECT_EQ(form.Position(), 57);
    EXPECT_EQ(form.ChannelNumberEdit->text(), "AL");
    EXPECT_EQ(form.RxFrequencyEdit->text(), "162.550");
    EXPECT_FALSE(form.ToneBox->isEnabled());
    EXPECT_FALSE(form.DcsCombo->isEnabled());
    EXPECT_FALSE(form.LockoutBox->isEnabled());
}

TEST_F(MemoryEditor, MobileLabelsAreTypedWithOrWithoutTheirLeadingSpace) {
    TMemoryForm& form = Open("RV-310", "MKF", 0);
    Retype(form.ChannelNumberEdit, " l0");
    EXPECT_EQ(form.Position(), 100);
    EXPECT_EQ(form.ChannelNumberEdit->text(), " L0");
    Retype(form.ChannelNumberEdit, "pr");
    EXPECT_EQ(form.Position(), 106);
    Messages.Answer(TMessageAnswer::Ok);
    Retype(form.ChannelNumberEdit, "PX");
    EXPECT_EQ(Messages.Texts(), QStringList{kInvalidChannel});
    EXPECT_EQ(form.Position(), 106);
    Retype(form.ChannelNumberEdit, " AL");
    EXPECT_EQ(form.Position(), 107);
}

TEST_F(MemoryEditor, PageKeysWrapAndResolveEditsFirst) {
    TMemoryForm& form = Open("PX-A5", "AKF0", 57);
    QTest::keyClick(form.ChannelNumberEdit, Qt::Key_PageUp);
    EXPECT_EQ(form.ChannelNumberEdit->text(), "0");
    QTest::keyClick(form.ChannelNumberEdit, Qt::Key_PageDown);
    QTest::keyClick(form.ChannelNumberEdit, Qt::Key_PageDown);
    EXPECT_EQ(form.ChannelNumberEdit->text(), "PR");

    Retype(form.RxFrequencyEdit, "145");
    Messages.Answer(TMessageAnswer::No);
    QTest::keyClick(form.ChannelNumberEdit, Qt::Key_PageUp);
    EXPECT_EQ(form.Position(), 57);
    EXPECT_EQ(Channel(206), "");

    // A half-typed label names no position, yet the edits are not left behind unasked.
    Retype(form.RxFrequencyEdit, "146");
    Retype(form.ChannelNumberEdit, "L");
    Messages.Answer(TMessageAnswer::Yes);
    QTest::keyClick(form.ChannelNumberEdit, Qt::Key_PageUp);
    EXPECT_EQ(Channel(207).substr(0, 14), "AL,0146000000,");
    EXPECT_EQ(form.Position(), 0);

    // Edits that cannot be saved keep the position.
    Retype(form.RxFrequencyEdit, "1..4");
    Messages.Answer(TMessageAnswer::Yes);
    Messages.Answer(TMessageAnswer::Ok);
    QTest::keyClick(form.ChannelNumberEdit, Qt::Key_PageUp);
    EXPECT_EQ(form.Position(), 0);
    EXPECT_EQ(form.RxFrequencyEdit->text(), "1..4");
    EXPECT_EQ(Messages.Texts(), (QStringList{kRevise, kRevise, kRevise, kInvalidFrequency}));
}

TEST_F(MemoryEditor, SpinButtonsWrapAskAndStopRepeatingAfterTheQuestion) {
    TMemoryForm& form = Open("PX-A7", "AEB0", 0);
    Click(form.ChannelUpDown->DownButton);
    EXPECT_EQ(form.ChannelNumberEdit->text(), "PR");
    Click(form.ChannelUpDown->UpButton);
    EXPECT_EQ(form.Position(), 0);

    Retype(form.RxFrequencyEdit, "431");
    Messages.Answer(TMessageAnswer::No);
    Click(form.ChannelUpDown->UpButton);
    EXPECT_EQ(form.Position(), 1);
    EXPECT_EQ(Channel(0), "");

    // The arrow is held down and repeats; the refused save ends the press.
    Retype(form.RxFrequencyEdit, "43..1");
    Messages.Answer(TMessageAnswer::Yes);
    Messages.Answer(TMessageAnswer::Ok);
    QToolButton* up = form.ChannelUpDown->UpButton;
    QTest::mousePress(up, Qt::LeftButton);
    emit up->clicked();
    EXPECT_FALSE(up->isDown());
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_EQ(form.Position(), 1);
    EXPECT_EQ(form.RxFrequencyEdit->text(), "43..1");

    Retype(form.RxFrequencyEdit, "432");
    Messages.Answer(TMessageAnswer::Yes);
    Click(up);
    EXPECT_EQ(Channel(1).substr(0, 14), "01,0432000000,");
    EXPECT_EQ(form.Position(), 2);
}

TEST_F(MemoryEditor, NameTakesCapitalsDigitsAndAFewSigns) {
    TMemoryForm& form = Open("PX-A5", "AEB0", 1);
    TypeText(form.NameEdit, "ab-1");
    EXPECT_EQ(form.NameEdit->text(), "AB-1");
    Messages.Answer(TMessageAnswer::Ok);
    TypeText(form.NameEdit, "#");
    EXPECT_EQ(form.NameEdit->text(), "AB-1");
    QApplication::clipboard()->setText("x,y");
    Messages.Answer(TMessageAnswer::Ok);
    QTest::keyClick(form.NameEdit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form.NameEdit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.NameEdit->text(), "");
    EXPECT_EQ(Messages.Texts(), (QStringList{kInvalidCharacter, kInvalidCharacter}));
    EXPECT_TRUE(form.ContentsChanged());
}

TEST_F(MemoryEditor, LargeMobileCountHasNoNameAndDropsTheStoredOne) {
    Temp.Set("Channel1", "199");
    StoreConfiguration("RV-350", "MC1");
    Start();
    Form->Data().SetChannel(150, "150,0410000000,6,0,0,0,0,0,08,08,000,05000000,0,0,,,0,,OLD");
    TMemoryForm& form = Reopen(150);
    EXPECT_FALSE(form.NameEdit->isEnabled());
    EXPECT_EQ(form.NameEdit->text(), "");
    Click(form.OKButton);
    EXPECT_EQ(Channel(150), "150,0410000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,0,,");
}

TEST_F(MemoryEditor, FrequencyEditsTakeDigitsAndOnePointKeysOnly) {
    TMemoryForm& form = Open("RV-380", "MM2", 4);
    Retype(form.RxFrequencyEdit, "43a1.x2-5 ");
    EXPECT_EQ(form.RxFrequencyEdit->text(), "431.25");
    Retype(form.OffsetEdit, "1,6");
    EXPECT_EQ(form.OffsetEdit->text(), "16");
}

TEST_F(MemoryEditor, SplitPutsTheTransmitFrequencyInTheOffsetsPlace) {
    TMemoryForm& form = Open("PX-A7", "AEB0", 4);
    Click(form.ReverseBox);
    Click(form.SplitRadio);
    EXPECT_TRUE(form.TxFrequencyEdit->isVisible());
    EXPECT_TRUE(form.TxStepCombo->isVisible());
    EXPECT_FALSE(form.OffsetEdit->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_EQ(form.TxFrequencyEdit->geometry().topLeft(), form.OffsetEdit->geometry().topLeft());
    EXPECT_FALSE(form.ReverseBox->isChecked());
    EXPECT_FALSE(form.ReverseBox->isEnabled());
    Click(form.PlusShiftRadio);
    EXPECT_FALSE(form.TxFrequencyEdit->isVisible());
    EXPECT_TRUE(form.OffsetEdit->isVisible());
    EXPECT_TRUE(form.ReverseBox->isEnabled());
    Click(form.SplitRadio);
    Retype(form.TxFrequencyEdit, "438.5");
    Click(form.ToneBox);
    Click(form.DcsBox);
    EXPECT_FALSE(form.ToneBox->isChecked());
    Click(form.OKButton);
    EXPECT_EQ(Channel(4), "04,0430000000,6,0,0,0,0,1,08,08,000,00000000,0,0,0438500000,6,0,,");
}

TEST_F(MemoryEditor, OkAndClosingKeepTheDialogOpenForAnUnsavableEdit) {
    TMemoryForm& first = Open("RV-350", "MC1", 10);
    Retype(first.RxFrequencyEdit, "410");
    Messages.Answer(TMessageAnswer::No);
    Click(first.CloseButton);
    EXPECT_FALSE(first.isVisible());
    EXPECT_EQ(Channel(10), "");

    TMemoryForm& second = Reopen(10);
    Retype(second.RxFrequencyEdit, "411");
    Messages.Answer(TMessageAnswer::Yes);
    QTest::keyClick(second.NameEdit, Qt::Key_Escape);  // in an edit box, as the close box
    EXPECT_FALSE(second.isVisible());
    EXPECT_EQ(Channel(10).substr(0, 15), "010,0411000000,");

    // OK stores nothing and stays; closing with Yes then cannot save either, so it stays too.
    TMemoryForm& third = Reopen(10);
    Form->Data().Changed = false;
    Retype(third.OffsetEdit, "5..0");
    Messages.Answer(TMessageAnswer::Ok);
    Click(third.OKButton);
    EXPECT_TRUE(third.isVisible());
    EXPECT_TRUE(Form->Data().Changed);
    Messages.Answer(TMessageAnswer::Yes);
    Messages.Answer(TMessageAnswer::Ok);
    Click(third.CloseButton);
    EXPECT_TRUE(third.isVisible());
    EXPECT_EQ(third.OffsetEdit->text(), "5..0");
    EXPECT_EQ(Channel(10).substr(0, 15), "010,0411000000,");
    EXPECT_EQ(Messages.Texts(),
              (QStringList{kRevise, kRevise, kInvalidOffset, kRevise, kInvalidOffset}));
}

TEST_F(MemoryEditor, DesignNamesTraceToTheControls) {
    TMemoryForm& form = Open("PX-A7", "AEB0", 2);
    ExpectDesignNames(form, {{"Edit1", form.RxFrequencyEdit},
                             {"Edit2", form.OffsetEdit},
                             {"Edit3", form.TxFrequencyEdit},
                             {"Edit4", form.NameEdit},
                             {"Edit5", form.ChannelNumberEdit},
                             {"UpDown1", form.ChannelUpDown},
                             {"RadioButton1", form.SplitRadio},
                             {"RadioButton2", form.SimplexRadio},
                             {"RadioButton5", form.Minus76ShiftRadio},
                             {"ComboBox2", form.TxStepCombo},
                             {"ComboBox5", form.DcsCombo},
                             {"CheckBox5", form.LockoutBox},
                             {"CheckBox7", form.NarrowBox},
                             {"GroupBox3", form.OptionGroup},
                             {"Label4", form.TxStepLabel},
                             {"Button1", form.CloseButton},
                             {"Button2", form.OKButton}});
}

TEST_F(MemoryEditor, OpenMemoryEditorRunsTheDialogForTheSelectedRow) {
    StoreConfiguration("RV-380", "MM2");
    Start();
    Form->Grids->SelectRow(TChannelGrids::kMemoryGrid, 13);
    Dialogs.Then([](QDialog& dialog) {
        const auto* form = qobject_cast<TMemoryForm*>(&dialog);
        EXPECT_EQ(form ? form->ChannelNumberEdit->text() : QString(), "12");
        return static_cast<int>(QDialog::Rejected);
    });
    OpenMemoryEditor(*Form);
    EXPECT_EQ(Dialogs.Count(), 1);
    EXPECT_TRUE(Form->findChildren<TMemoryForm*>().isEmpty());
}

}  // namespace
