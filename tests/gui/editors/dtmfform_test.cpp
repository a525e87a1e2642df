#include "gui/editors/dtmfform.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/editors/editorfixture.h"

namespace {

const QString kChangeEntry = "The contents has been changed.\nDo you want to change?";

class DtmfEditor : public EditorTest<TDtmfForm> {
protected:
    TDtmfForm& OpenOn(int entry) {
        StoreConfiguration("PX-A5", "AKF0");
        Start();
        Form->Data().SetDtmf(3, "3,123A");
        Form->Data().SetDtmf(5, "5,#5");
        Form->Grids->SelectRow(TChannelGrids::kDtmfGrid, entry + 1);
        return Reopen();
    }

    const std::string& Dtmf(int entry) const { return Form->Data().GetDtmf(entry); }
};

TEST_F(DtmfEditor, OpensOnTheGridRowsEntry) {
    TDtmfForm& form = OpenOn(3);
    EXPECT_EQ(form.windowTitle(), "DTMF Memory");
    EXPECT_EQ(form.EntryCombo->currentText(), "3");
    EXPECT_EQ(form.CodeEdit->text(), "123A");
    EXPECT_TRUE(form.CodeEdit->hasFocus());
    EXPECT_FALSE(form.ContentsChanged());
}

TEST_F(DtmfEditor, ChoosingAnotherEntryKeepsTheCodeInTheEntryItWasTypedIn) {
    TDtmfForm& form = OpenOn(3);
    Retype(form.CodeEdit, "12*#");
    Messages.Answer(TMessageAnswer::Yes);
    Pick(form.EntryCombo, 5);
    EXPECT_EQ(Dtmf(3), "3,12*#");
    EXPECT_EQ(Dtmf(5), "5,#5");
    EXPECT_EQ(form.Entry(), 5);
    EXPECT_EQ(form.CodeEdit->text(), "#5");
    EXPECT_EQ(GridCell(Form->Grids->DtmfGrid, 3, 2), "12*#");

    Form->Data().Changed = false;
    Retype(form.CodeEdit, "9");
    Messages.Answer(TMessageAnswer::No);
    Pick(form.EntryCombo, 3);
    EXPECT_EQ(Dtmf(5), "5,#5");
    EXPECT_EQ(form.CodeEdit->text(), "12*#");
    EXPECT_FALSE(Form->Data().Changed);
    EXPECT_FALSE(form.ContentsChanged());
    EXPECT_EQ(Messages.Texts(), (QStringList{kChangeEntry, kChangeEntry}));
}

TEST_F(DtmfEditor, PageKeysWrapRoundTheTenEntries) {
    TDtmfForm& form = OpenOn(0);
    QTest::keyClick(form.EntryCombo, Qt::Key_PageDown);
    EXPECT_EQ(form.EntryCombo->currentText(), "9");
    EXPECT_EQ(form.Entry(), 9);
    TypeText(form.CodeEdit, "d");
    Messages.Answer(TMessageAnswer::Yes);
    QTest::keyClick(form.EntryCombo, Qt::Key_PageUp);
    EXPECT_EQ(form.EntryCombo->currentText(), "0");
    EXPECT_EQ(Dtmf(9), "9,D");
    QTest::keyClick(form.EntryCombo, Qt::Key_PageUp);
    EXPECT_EQ(form.Entry(), 1);
    EXPECT_EQ(Messages.Texts(), QStringList{kChangeEntry});
}

TEST_F(DtmfEditor, CodeTakesDtmfCharactersOnly) {
    TDtmfForm& form = OpenOn(1);
    TypeText(form.CodeEdit, "1a*# ");
    EXPECT_EQ(form.CodeEdit->text(), "1A*# ");
    Messages.Answer(TMessageAnswer::Ok);
    TypeText(form.CodeEdit, "E");
    EXPECT_EQ(form.CodeEdit->text(), "1A*# ");

    QApplication::clipboard()->setText("12E");
    Messages.Answer(TMessageAnswer::Ok);
    QTest::keyClick(form.CodeEdit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form.CodeEdit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.CodeEdit->text(), "");
    EXPECT_EQ(Messages.Texts(), (QStringList{kInvalidCharacter, kInvalidCharacter}));
    EXPECT_TRUE(form.ContentsChanged());
}

TEST_F(DtmfEditor, OkAlwaysStoresTheEntry) {
    TDtmfForm& first = OpenOn(4);
    EXPECT_EQ(first.CodeEdit->text(), "");
    Click(first.OKButton);
    EXPECT_EQ(Dtmf(4), "4,");
    EXPECT_TRUE(Form->Data().Changed);
    EXPECT_FALSE(first.isVisible());

    Form->Data().Changed = false;
    Form->Grids->SelectRow(TChannelGrids::kDtmfGrid, 6);
    TDtmfForm& second = Reopen();
    Click(second.OKButton);
    EXPECT_EQ(Dtmf(5), "5,#5");
    EXPECT_TRUE(Form->Data().Changed);
    EXPECT_TRUE(Messages.Shown().empty());
}

TEST_F(DtmfEditor, ClosingAsksAboutAnUnsavedCode) {
    TDtmfForm& first = OpenOn(2);
    TypeText(first.CodeEdit, "0");
    Messages.Answer(TMessageAnswer::Yes);
    Click(first.CloseButton);
    EXPECT_FALSE(first.isVisible());
    EXPECT_EQ(Dtmf(2), "2,0");

    TDtmfForm& second = Reopen();
    TypeText(second.CodeEdit, "1");
    Messages.Answer(TMessageAnswer::No);
    second.close();
    EXPECT_FALSE(second.isVisible());
    EXPECT_EQ(Dtmf(2), "2,0");
    EXPECT_EQ(Messages.Texts(), (QStringList{kRevise, kRevise}));
}

TEST_F(DtmfEditor, DesignNamesTraceToTheControls) {
    TDtmfForm& form = OpenOn(3);
    ExpectDesignNames(form, {{"Label2", form.EntryLabel},
                             {"ComboBox1", form.EntryCombo},
                             {"GroupBox1", form.CodeGroup},
                             {"Edit1", form.CodeEdit},
                             {"Button2", form.OKButton}});
}

TEST_F(DtmfEditor, OpenDtmfEditorRunsTheDialogForTheSelectedRow) {
    StoreConfiguration("RV-310", "MED");
    Start();
    Form->Grids->SelectRow(TChannelGrids::kDtmfGrid, 8);
    Dialogs.Then([](QDialog& dialog) {
        const auto* form = qobject_cast<TDtmfForm*>(&dialog);
        EXPECT_EQ(form ? form->Entry() : -1, 7);
        return static_cast<int>(QDialog::Rejected);
    });
    OpenDtmfEditor(*Form);
    EXPECT_EQ(Dialogs.Count(), 1);
    EXPECT_TRUE(Form->findChildren<TDtmfForm*>().isEmpty());
}

}  // namespace
