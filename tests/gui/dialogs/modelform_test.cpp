#include "gui/dialogs/modelform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

#include "gui/pages/channelgrids.h"
#include "support/mainformfixture.h"

namespace {

// Opens Model Select, picks a catalogue row (or none) and presses OK.
TScriptedDialogs::THandler ChooseRow(int row) {
    return [row](QDialog& dialog) {
        auto& form = dynamic_cast<TModelForm&>(dialog);
        if (row >= 0) form.RadioButtons.Buttons[row]->click();
        form.OKButton->click();
        return form.result();
    };
}

class ModelSelect : public MainFormTest {
protected:
    TMainForm& StartChanged() {
        StoreConfiguration("PX-A5", "AKF0");
        Temp.Set("Channel", "49");
        TMainForm& form = Start();
        form.Data().SetChannel(3,
                               "03,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,");
        form.Data().SetComment("club");
        form.ShowComment();
        form.Data().Changed = true;
        return form;
    }
};

TEST_F(ModelSelect, OpensOnTheCurrentRow) {
    TMainForm& form = StartChanged();
    Dialogs.Then([](QDialog& dialog) {
        auto& model = dynamic_cast<TModelForm&>(dialog);
        EXPECT_EQ(model.windowTitle(), "Model Select");
        EXPECT_EQ(model.RadioButtons.SelectedRow(), 0);
        return static_cast<int>(QDialog::Rejected);
    });
    form.ModelCommands->ModelSelectClick();
}

TEST_F(ModelSelect, SameRowChangesNothingAndAsksNothing) {
    TMainForm& form = StartChanged();
    Dialogs.Then(ChooseRow(0));
    form.ModelCommands->ModelSelectClick();
    EXPECT_TRUE(Messages.Shown().empty());
    EXPECT_TRUE(form.Data().Changed);
    EXPECT_EQ(form.Data().GetComment(), "club");
}

TEST_F(ModelSelect, ConfigurationMatchingNoRowSelectsNone) {
    StoreConfiguration("RV-380", "MM7");
    TMainForm& form = Start();
    Dialogs.Then([](QDialog& dialog) {
        auto& model = dynamic_cast<TModelForm&>(dialog);
        EXPECT_EQ(model.RadioButtons.SelectedRow(), -1);
        model.OKButton->click();
        return model.result();
    });
    form.ModelCommands->ModelSelectClick();
    EXPECT_TRUE(Messages.Shown().empty());
    EXPECT_EQ(form.Data().GetMarketCode(), "MM7");
}

TEST_F(ModelSelect, CancelledWarningKeepsTheData) {
    TMainForm& form = StartChanged();
    Messages.Answer(TMessageAnswer::Cancel);
    Dialogs.Then(ChooseRow(14));
    form.ModelCommands->ModelSelectClick();
    ASSERT_EQ(Messages.Shown().size(), 1u);
    EXPECT_EQ(Messages.Shown()[0].Text, "You changed the model.\nThe data will be cleared.");
    EXPECT_EQ(Messages.Shown()[0].Style, TMessageStyle::OkCancelWarning);
    EXPECT_EQ(form.Data().GetModel(), "PX-A5");
    EXPECT_TRUE(form.Data().Changed);
}

TEST_F(ModelSelect, ChangedDataAskedForWithCancelKeepsEverything) {
    TMainForm& form = StartChanged();
    Messages.Answer(TMessageAnswer::Ok);
    Messages.Answer(TMessageAnswer::Cancel);
    Dialogs.Then(ChooseRow(14));
    form.ModelCommands->ModelSelectClick();
    ASSERT_EQ(Messages.Shown().size(), 2u);
    EXPECT_EQ(Messages.Shown()[1].Text, "Data has been changed.\nDo you want to save the changes?");
    EXPECT_EQ(form.Data().GetModel(), "PX-A5");
    EXPECT_EQ(form.Data().GetComment(), "club");
    EXPECT_TRUE(form.Data().Changed);
}

TEST_F(ModelSelect, OkClearsTheDataForTheNewConfiguration) {
    TMainForm& form = StartChanged();
    form.PageTabs->setCurrentWidget(form.MenuTab);
    Messages.Answer(TMessageAnswer::Ok);
    Messages.Answer(TMessageAnswer::No);
    Dialogs.Then(ChooseRow(14));
    form.ModelCommands->ModelSelectClick();
    const TRadioData& data = form.Data();
    EXPECT_EQ(data.GetModel(), "RV-380");
    EXPECT_EQ(data.GetMarketCode(), "MM2");
    EXPECT_EQ(data.GetBandLimit(), "0400,0469");
    EXPECT_EQ(data.GetMenuSlot(26), "99");
    EXPECT_EQ(data.GetMenuSlot(2), "0");
    EXPECT_EQ(data.GetChannel(3), "");
    EXPECT_EQ(data.GetChannel(207), "");
    EXPECT_EQ(data.GetVfo(), "0,0430000000,6,0,0,0,0,0,08,08,000,00500000,0,0,,,,0,");
    EXPECT_EQ(data.GetProgramVfo(), "0400,0469");
    EXPECT_FALSE(data.Changed);
    EXPECT_EQ(data.GetComment(), "");
    EXPECT_EQ(form.CommentEdit->text(), "");
    EXPECT_EQ(form.windowTitle(), "TAVRIN [RV-380]  [Untitled]");
    EXPECT_EQ(form.PageTabs->currentWidget(), form.MemoryTab);
    EXPECT_EQ(form.focusWidget(), form.Grids->MemoryGrid);
    EXPECT_EQ(form.Grids->SelectedRow(TChannelGrids::kMemoryGrid), 1);
    EXPECT_TRUE(form.PageTabs->isTabVisible(form.PageTabs->indexOf(form.Menu1Tab)));
    // The count of the configuration being left is remembered; the new one waits for closing.
    EXPECT_EQ(Temp.Value("Channel"), "49");
    EXPECT_EQ(Temp.Value("Type"), "AKF0");
}

}  // namespace
