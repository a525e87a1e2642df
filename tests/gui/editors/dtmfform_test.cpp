#include "gui/editors/dtmfform.h"

#include <QClipboard>
#include <QComboBox>
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
    EXPECT_EQ(form.ComboBox1->currentText(), "3");
    EXPECT_EQ(form.Edit1->text(), "123A");
    EXPECT_TRUE(form.Edit1->hasFocus());
    EXPECT_FALSE(form.ContentsChanged());
}

TEST_F(DtmfEditor, ChoosingAnotherEntryKeepsTheCodeInTheEntryItWasTypedIn) {
    TDtmfForm& form = OpenOn(3);
    Retype(form.Edit1, "12*#");
    Messages.Answer(TMessageAnswer::Yes);
    Pick(form.ComboBox1, 5);
    EXPECT_EQ(Dtmf(3), "3,12*#");
    EXPECT_EQ(Dtmf(5), "5,#5");
    EXPECT_EQ(form.Entry(), 5);
    EXPECT_EQ(form.Edit1->text(), "#5");
    EXPECT_EQ(GridCell(Form->Grids->StringGrid4, 3, 2), "12*#");

    Form->Data().Changed = false;
    Retype(form.Edit1, "9");
    Messages.Answer(TMessageAnswer::No);
    Pick(form.ComboBox1, 3);
    EXPECT_EQ(Dtmf(5), "5,#5");
    EXPECT_EQ(form.Edit1->text(), "12*#");
    EXPECT_FALSE(Form->Data().Changed);
    EXPECT_FALSE(form.ContentsChanged());
    EXPECT_EQ(Messages.Texts(), (QStringList{kChangeEntry, kChangeEntry}));
}

TEST_F(DtmfEditor, PageKeysWrapRoundTheTenEntries) {
    TDtmfForm& form = OpenOn(0);
    QTest::keyClick(form.ComboBox1, Qt::Key_PageDown);
    EXPECT_EQ(form.ComboBox1->currentText(), "9");
    EXPECT_EQ(form.Entry(), 9);
    TypeText(form.Edit1, "d");
    Messages.Answer(TMessageAnswer::Yes);
    QTest::keyClick(form.ComboBox1, Qt::Key_PageUp);
    EXPECT_EQ(form.ComboBox1->currentText(), "0");
    EXPECT_EQ(Dtmf(9), "9,D");
    QTest::keyClick(form.ComboBox1, Qt::Key_PageUp);
    EXPECT_EQ(form.Entry(), 1);
    EXPECT_EQ(Messages.Texts(), QStringList{kChangeEntry});
}

TEST_F(DtmfEditor, CodeTakesDtmfCharactersOnly) {
    TDtmfForm& form = OpenOn(1);
    TypeText(form.Edit1, "1a*# ");
    EXPECT_EQ(form.Edit1->text(), "1A*# ");
    Messages.Answer(TMessageAnswer::Ok);
    TypeText(form.Edit1, "E");
    EXPECT_EQ(form.Edit1->text(), "1A*# ");

    QApplication::clipboard()->setText("12E");
    Messages.Answer(TMessageAnswer::Ok);
    QTest::keyClick(form.Edit1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form.Edit1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.Edit1->text(), "");
    EXPECT_EQ(Messages.Texts(), (QStringList{kInvalidCharacter, kInvalidCharacter}));
    EXPECT_TRUE(form.ContentsChanged());
}

TEST_F(DtmfEditor, OkAlwaysStoresTheEntry) {
    TDtmfForm& first = OpenOn(4);
    EXPECT_EQ(first.Edit1->text(), "");
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
    TypeText(first.Edit1, "0");
    Messages.Answer(TMessageAnswer::Yes);
    Click(first.CloseButton);
    EXPECT_FALSE(first.isVisible());
    EXPECT_EQ(Dtmf(2), "2,0");

    TDtmfForm& second = Reopen();
    TypeText(second.Edit1, "1");
    Messages.Answer(TMessageAnswer::No);
    second.close();
    EXPECT_FALSE(second.isVisible());
    EXPECT_EQ(Dtmf(2), "2,0");
    EXPECT_EQ(Messages.Texts(), (QStringList{kRevise, kRevise}));
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
