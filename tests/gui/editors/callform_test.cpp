#include "gui/editors/callform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui/editors/editorfixture.h"

namespace {

class CallEditor : public EditorTest<TCallForm> {
protected:
    const std::string& Call() const { return Form->Data().GetCall(); }
};

TEST_F(CallEditor, SplitRecordEndsWithItsTransmitFrequencyAndThreeEmptyFields) {
    TCallForm& form = Open("PX-A7", "AEB0");
    EXPECT_EQ(form.windowTitle(), "CALL Channel");
    EXPECT_TRUE(form.RxFrequencyEdit->hasFocus());
    EXPECT_EQ(form.RxFrequencyEdit->text(), "430.000");
    EXPECT_EQ(form.OffsetEdit->text(), "1.60");
    Click(form.ReverseBox);
    Click(form.SplitRadio);
    EXPECT_TRUE(form.TxFrequencyEdit->isVisible());
    EXPECT_FALSE(form.OffsetEdit->isVisible());
    EXPECT_FALSE(form.ReverseBox->isChecked());
    Retype(form.TxFrequencyEdit, "438.5");
    Choose(form.TxStepCombo, 8);  // 50 kHz
    Click(form.CtcssBox);
    Click(form.BeatShiftBox);
    Click(form.OKButton);
    EXPECT_EQ(Call(), "0,0430000000,6,0,0,0,1,0,08,08,000,00000000,0,1,0438500000,8,,,");
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(Form->Data().Changed);
    EXPECT_EQ(GridCell(Form->Grids->CallGrid, 0, 2), "430.000");
    EXPECT_TRUE(Messages.Shown().empty());
}

TEST_F(CallEditor, MinusSevenSixShiftOnlyOnTheEuropeanPxA7) {
    struct TCase {
        const char* Model;
        const char* Type;
        bool Offered;
        const char* Saved;
    };
    const TCase cases[] = {
        {"PX-A7", "AEB0", true, "0,0431000000,6,3,0,0,0,0,08,08,000,07600000,0,0,0000000000,0,,,"},
        {"PX-A7", "JJ10", false, "0,0431000000,6,0,0,0,0,0,08,08,000,07600000,0,0,0000000000,0,,,"},
        {"RV-380", "MM2", false, "0,0431000000,6,0,0,0,0,0,08,08,000,07600000,0,0,0000000000,0,,,"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Type);
        Editor.reset();
        StoreConfiguration(c.Model, c.Type);
        Start();
        // A record from elsewhere with a channel number in field 1: the CALL channel has none.
        Form->Data().SetCall("7,0431000000,6,3,0,0,0,0,08,08,000,07600000,0,0,0000000000,0,,,");
        TCallForm& form = Reopen();
        EXPECT_EQ(form.Minus76ShiftRadio->isVisible(), c.Offered);
        EXPECT_EQ(form.Minus76ShiftRadio->isChecked(), c.Offered);
        EXPECT_EQ(form.SimplexRadio->isChecked(), !c.Offered);
        Click(form.OKButton);
        EXPECT_EQ(Call(), c.Saved);
    }
}

TEST_F(CallEditor, EnterFitsWithoutStoringAndAnEmptyFrequencyTakesTheLowerEdge) {
    TCallForm& form = Open("RV-350", "MC1");  // 400 to 429 MHz, 25 kHz
    const std::string call = Call();
    Retype(form.RxFrequencyEdit, "410.0125");
    Messages.Answer(TMessageAnswer::Ok);
    QTest::keyClick(form.RxFrequencyEdit, Qt::Key_Enter);
    EXPECT_EQ(form.RxFrequencyEdit->text(), "410.000");
    EXPECT_EQ(Call(), call);
    EXPECT_FALSE(Form->Data().Changed);

    Retype(form.RxFrequencyEdit, "");
    Messages.Answer(TMessageAnswer::Ok);
    Click(form.OKButton);
    EXPECT_EQ(Call(), "0,0400000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,,,");
    EXPECT_EQ(Messages.Texts(), (QStringList{kRounded, kRounded}));
}

TEST_F(CallEditor, ClosingAsksAndAnUnsavableAnswerKeepsTheDialogOpen) {
    TCallForm& form = Open("PX-A5", "AEB0");
    const std::string call = Call();
    Retype(form.OffsetEdit, "0.6.0");
    Messages.Answer(TMessageAnswer::Yes);
    Messages.Answer(TMessageAnswer::Ok);
    Click(form.CloseButton);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(Call(), call);
    EXPECT_TRUE(Form->Data().Changed);

    Messages.Answer(TMessageAnswer::No);
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Call(), call);
    EXPECT_EQ(Messages.Texts(), (QStringList{kRevise, kInvalidOffset, kRevise}));
}

TEST_F(CallEditor, DesignNamesTraceToTheControls) {
    TCallForm& form = Open("PX-A7", "AEB0");
    ExpectDesignNames(form, {{"Edit3", form.TxFrequencyEdit},
                             {"RadioButton1", form.SplitRadio},
                             {"RadioButton3", form.PlusShiftRadio},
                             {"GroupBox3", form.OptionGroup},
                             {"CheckBox6", form.BeatShiftBox},
                             {"Button1", form.CloseButton}});
}

TEST_F(CallEditor, OpenCallEditorRunsTheDialog) {
    StoreConfiguration("RV-350", "MC0");
    Start();
    Dialogs.Then([](QDialog& dialog) {
        const auto* form = qobject_cast<TCallForm*>(&dialog);
        EXPECT_EQ(form ? form->RxFrequencyEdit->text() : QString(), "450.000");
        return static_cast<int>(QDialog::Rejected);
    });
    OpenCallEditor(*Form);
    EXPECT_EQ(Dialogs.Count(), 1);
    EXPECT_TRUE(Form->findChildren<TCallForm*>().isEmpty());
}

}  // namespace
