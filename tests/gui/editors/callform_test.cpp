#include "gui/editors/callform.h"

#include <QCheckBox>
#include <QComboBox>
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
    EXPECT_TRUE(form.Edit1->hasFocus());
    EXPECT_EQ(form.Edit1->text(), "430.000");
    EXPECT_EQ(form.Edit2->text(), "1.60");
    Click(form.CheckBox1);
    Click(form.RadioButton1);
    EXPECT_TRUE(form.Edit3->isVisible());
    EXPECT_FALSE(form.Edit2->isVisible());
    EXPECT_FALSE(form.CheckBox1->isChecked());
    Retype(form.Edit3, "438.5");
    Choose(form.ComboBox2, 8);  // 50 kHz
    Click(form.CheckBox3);
    Click(form.CheckBox6);
    Click(form.Button2);
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
        EXPECT_EQ(form.RadioButton5->isVisible(), c.Offered);
        EXPECT_EQ(form.RadioButton5->isChecked(), c.Offered);
        EXPECT_EQ(form.RadioButton2->isChecked(), !c.Offered);
        Click(form.Button2);
        EXPECT_EQ(Call(), c.Saved);
    }
}

TEST_F(CallEditor, EnterFitsWithoutStoringAndAnEmptyFrequencyTakesTheLowerEdge) {
    TCallForm& form = Open("RV-350", "MC1");  // 400 to 429 MHz, 25 kHz
    const std::string call = Call();
    Retype(form.Edit1, "410.0125");
    Messages.Answer(TMessageAnswer::Ok);
    QTest::keyClick(form.Edit1, Qt::Key_Enter);
    EXPECT_EQ(form.Edit1->text(), "410.000");
    EXPECT_EQ(Call(), call);
    EXPECT_FALSE(Form->Data().Changed);

    Retype(form.Edit1, "");
    Messages.Answer(TMessageAnswer::Ok);
    Click(form.Button2);
    EXPECT_EQ(Call(), "0,0400000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,,,");
    EXPECT_EQ(Messages.Texts(), (QStringList{kRounded, kRounded}));
}

TEST_F(CallEditor, ClosingAsksAndAnUnsavableAnswerKeepsTheDialogOpen) {
    TCallForm& form = Open("PX-A5", "AEB0");
    const std::string call = Call();
    Retype(form.Edit2, "0.6.0");
    Messages.Answer(TMessageAnswer::Yes);
    Messages.Answer(TMessageAnswer::Ok);
    Click(form.Button1);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(Call(), call);
    EXPECT_TRUE(Form->Data().Changed);

    Messages.Answer(TMessageAnswer::No);
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Call(), call);
    EXPECT_EQ(Messages.Texts(), (QStringList{kRevise, kInvalidOffset, kRevise}));
}

TEST_F(CallEditor, OpenCallEditorRunsTheDialog) {
    StoreConfiguration("RV-350", "MC0");
    Start();
    Dialogs.Then([](QDialog& dialog) {
        const auto* form = qobject_cast<TCallForm*>(&dialog);
        EXPECT_EQ(form ? form->Edit1->text() : QString(), "450.000");
        return static_cast<int>(QDialog::Rejected);
    });
    OpenCallEditor(*Form);
    EXPECT_EQ(Dialogs.Count(), 1);
    EXPECT_TRUE(Form->findChildren<TCallForm*>().isEmpty());
}

}  // namespace
