#include "gui/editors/vfoform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui/editors/editorfixture.h"

namespace {

class VfoEditor : public EditorTest<TVfoForm> {
protected:
    // The RV-310 -M4, whose band is 144 to 147 MHz.
    TVfoForm& OpenNarrowBandMobile() { return Open("RV-310", "MMB"); }
    const std::string& Vfo() const { return Form->Data().GetVfo(); }
    const std::string& Range() const { return Form->Data().GetProgramVfo(); }
};

TEST_F(VfoEditor, RangeEndsAreHeldInsideTheBandAndInOrder) {
    TVfoForm& form = OpenNarrowBandMobile();
    EXPECT_EQ(form.windowTitle(), "VFO");
    EXPECT_EQ(form.LowerLimitEdit->text(), "144");
    EXPECT_EQ(form.UpperLimitEdit->text(), "147");
    EXPECT_FALSE(form.ContentsChanged());

    Retype(form.UpperLimitEdit, "150");
    EXPECT_EQ(form.UpperLimitEdit->text(), "147");
    Retype(form.LowerLimitEdit, "140");
    EXPECT_EQ(form.LowerLimitEdit->text(), "144");

    Retype(form.UpperLimitEdit, "145");
    Retype(form.LowerLimitEdit, "146");
    EXPECT_EQ(form.UpperLimitEdit->text(), "146");
    Retype(form.UpperLimitEdit, "145");
    EXPECT_EQ(form.LowerLimitEdit->text(), "145");

    // No range starts at 0: the digit goes again, and an unfinished lower end is completed
    // once the upper one is typed out.
    Retype(form.LowerLimitEdit, "0");
    EXPECT_EQ(form.LowerLimitEdit->text(), "");
    TypeText(form.LowerLimitEdit, "1x4");
    EXPECT_EQ(form.LowerLimitEdit->text(), "14");
    Retype(form.UpperLimitEdit, "146");
    EXPECT_EQ(form.LowerLimitEdit->text(), "144");
    EXPECT_TRUE(form.ContentsChanged());
    EXPECT_EQ(Range(), "0144,0147");  // nothing stored yet
}

TEST_F(VfoEditor, OkKeepsTheRangeEvenWhenTheFrequencyIsRefused) {
    TVfoForm& form = OpenNarrowBandMobile();
    const std::string vfo = Vfo();
    Retype(form.UpperLimitEdit, "146");
    Retype(form.LowerLimitEdit, "");
    Retype(form.RxFrequencyEdit, "14..5");
    Messages.Answer(TMessageAnswer::Ok);
    Click(form.OKButton);
    EXPECT_EQ(Messages.Texts(), QStringList{kInvalidFrequency});
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(Range(), "0144,0146");
    EXPECT_EQ(form.LowerLimitEdit->text(), "144");
    EXPECT_EQ(Vfo(), vfo);
    EXPECT_TRUE(Form->Data().Changed);
}

TEST_F(VfoEditor, FrequencyIsFittedIntoTheProgrammableRange) {
    TVfoForm& form = OpenNarrowBandMobile();
    Choose(form.StepCombo, 1);  // 5 kHz
    Retype(form.UpperLimitEdit, "145");
    Retype(form.RxFrequencyEdit, "146");
    Retype(form.OffsetEdit, "0.67");

    // Enter stores the range it fits into, but not the record; the new range marks the data.
    Messages.Answer(TMessageAnswer::Ok);
    QTest::keyClick(form.OffsetEdit, Qt::Key_Return);
    EXPECT_EQ(form.RxFrequencyEdit->text(), "145.995");
    EXPECT_EQ(form.OffsetEdit->text(), "0.65");
    EXPECT_EQ(Range(), "0144,0145");
    EXPECT_EQ(Vfo(), "0,0144000000,3,0,0,0,0,0,08,08,000,00600000,0,0,,,,0,");
    EXPECT_TRUE(Form->Data().Changed);
    EXPECT_TRUE(form.isVisible());

    Retype(form.RxFrequencyEdit, "146.000");
    Messages.Answer(TMessageAnswer::Ok);
    Click(form.OKButton);
    EXPECT_EQ(Messages.Texts(), (QStringList{kRounded, kRounded}));
    EXPECT_EQ(Vfo(), "0,0145995000,0,0,0,0,0,0,08,08,000,00650000,0,0,,,,0,");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(GridCell(Form->Grids->VfoGrid, 0, 2), "145.995");
}

TEST_F(VfoEditor, MobileShowsMidPowerAsLowAndSavesItAsLow) {
    StoreConfiguration("RV-350", "MC1");
    Start();
    Form->Data().SetVfo("0,0410000000,6,1,1,0,0,1,12,09,017,05000000,1,1,,,,1,");
    TVfoForm& form = Reopen();
    EXPECT_EQ(form.PowerCombo->count(), 2);
    EXPECT_EQ(form.PowerCombo->currentText(), "Low");
    EXPECT_TRUE(form.PlusShiftRadio->isChecked());
    EXPECT_TRUE(form.ReverseBox->isChecked());
    EXPECT_TRUE(form.DcsBox->isChecked());
    EXPECT_FALSE(form.Minus76ShiftRadio->isVisible());
    Click(form.OKButton);
    EXPECT_EQ(Vfo(), "0,0410000000,6,1,1,0,0,1,12,09,017,05000000,1,1,,,,2,");
    EXPECT_TRUE(Messages.Shown().empty());
}

TEST_F(VfoEditor, HandheldKeepsMidPowerAndTheMinus76Shift) {
    StoreConfiguration("PX-A7", "AEB0");
    Start();
    const std::string record = "0,0431000000,6,3,0,1,0,0,12,08,000,01600000,0,0,,,,1,";
    Form->Data().SetVfo(record);
    TVfoForm& form = Reopen();
    EXPECT_EQ(form.PowerCombo->currentText(), "Mid");
    EXPECT_TRUE(form.Minus76ShiftRadio->isVisible());
    EXPECT_TRUE(form.Minus76ShiftRadio->isChecked());
    // The shift radios hide nothing: there is no split on the VFO.
    Click(form.PlusShiftRadio);
    EXPECT_TRUE(form.OffsetEdit->isVisible());
    EXPECT_TRUE(form.ReverseBox->isEnabled());
    Click(form.Minus76ShiftRadio);

    Choose(form.PowerCombo, 2);
    Messages.Answer(TMessageAnswer::Yes);
    Click(form.CloseButton);
    EXPECT_EQ(Messages.Texts(), QStringList{kRevise});
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Vfo(), "0,0431000000,6,3,0,1,0,0,12,08,000,01600000,0,0,,,,2,");
}

TEST_F(VfoEditor, ClosingWithNoKeepsNeitherRecordNorRange) {
    TVfoForm& form = OpenNarrowBandMobile();
    const std::string vfo = Vfo();
    Retype(form.UpperLimitEdit, "145");
    Click(form.NarrowBox);
    Messages.Answer(TMessageAnswer::No);
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Vfo(), vfo);
    EXPECT_EQ(Range(), "0144,0147");
    EXPECT_FALSE(Form->Data().Changed);
}

// The VFO editor numbers some controls as the memory editor does and others not.
TEST_F(VfoEditor, DesignNamesTraceToTheControls) {
    TVfoForm& form = Open("PX-A7", "AEB0");
    ExpectDesignNames(form, {{"Edit1", form.RxFrequencyEdit},
                             {"Edit2", form.OffsetEdit},
                             {"Edit3", form.LowerLimitEdit},
                             {"Edit4", form.UpperLimitEdit},
                             {"RadioButton1", form.SimplexRadio},
                             {"RadioButton4", form.Minus76ShiftRadio},
                             {"ComboBox2", form.PowerCombo},
                             {"ComboBox3", form.ToneCombo},
                             {"CheckBox1", form.ReverseBox},
                             {"GroupBox3", form.ProgramVfoGroup},
                             {"GroupBox4", form.OptionGroup},
                             {"Label4", form.RangeDashLabel},
                             {"Label6", form.PowerLabel}});
    EXPECT_TRUE(form.findChildren<QWidget*>(QStringLiteral("RadioButton5")).isEmpty());
}

TEST_F(VfoEditor, OpenVfoEditorRunsTheDialog) {
    StoreConfiguration("PX-A5", "JJ10");
    Start();
    Dialogs.Then([](QDialog& dialog) {
        const auto* form = qobject_cast<TVfoForm*>(&dialog);
        EXPECT_EQ(form ? form->RxFrequencyEdit->text() : QString(), "145.000");
        EXPECT_EQ(form ? form->PowerCombo->count() : 0, 3);
        return static_cast<int>(QDialog::Rejected);
    });
    OpenVfoEditor(*Form);
    EXPECT_EQ(Dialogs.Count(), 1);
    EXPECT_TRUE(Form->findChildren<TVfoForm*>().isEmpty());
}

}  // namespace
