#include "gui/editors/channeleditordialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "core/model/channelediting.h"
#include "gui/editors/editorcontrols.h"
#include "gui/editors/frequencygroup.h"
#include "gui/editors/tonegroup.h"

namespace {

// Help topics of the controls.
constexpr int kBeatShiftHelp = 550;
constexpr int kNarrowHelp = 555;

}  // namespace

void TToneEditorDialog::MakeFrequencyGroup(TFrequencyGroup::TSplit split) {
    FrequencyGroup = new TFrequencyGroup(this, split);
    RxFrequencyLabel = FrequencyGroup->RxFrequencyLabel;
    RxFrequencyEdit = FrequencyGroup->RxFrequencyEdit;
    RxUnitLabel = FrequencyGroup->RxUnitLabel;
    StepLabel = FrequencyGroup->StepLabel;
    StepCombo = FrequencyGroup->StepCombo;
    OffsetLabel = FrequencyGroup->OffsetLabel;
    OffsetEdit = FrequencyGroup->OffsetEdit;
    OffsetUnitLabel = FrequencyGroup->OffsetUnitLabel;
    SimplexRadio = FrequencyGroup->SimplexRadio;
    PlusShiftRadio = FrequencyGroup->PlusShiftRadio;
    MinusShiftRadio = FrequencyGroup->MinusShiftRadio;
    Minus76ShiftRadio = FrequencyGroup->Minus76ShiftRadio;
    ReverseBox = FrequencyGroup->ReverseBox;
    // The shift radios are numbered differently with and without Split: each dialog names them.
    KeepDesignNames({{FrequencyGroup, "GroupBox1"},
                     {RxFrequencyLabel, "Label1"},
                     {RxFrequencyEdit, "Edit1"},
                     {RxUnitLabel, "Label2"},
                     {StepLabel, "Label3"},
                     {StepCombo, "ComboBox1"},
                     {OffsetLabel, "Label7"},
                     {OffsetEdit, "Edit2"},
                     {OffsetUnitLabel, "Label8"},
                     {ReverseBox, "CheckBox1"}});
}

void TToneEditorDialog::BuildToneGroup() {
    ToneGroup = new TToneGroup(this);
    ToneBox = ToneGroup->ToneBox;
    CtcssBox = ToneGroup->CtcssBox;
    DcsBox = ToneGroup->DcsBox;
    ToneLabel = ToneGroup->ToneLabel;
    ToneCombo = ToneGroup->ToneCombo;
    CtcssLabel = ToneGroup->CtcssLabel;
    CtcssCombo = ToneGroup->CtcssCombo;
    DcsLabel = ToneGroup->DcsLabel;
    DcsCombo = ToneGroup->DcsCombo;
    KeepDesignNames({{ToneGroup, "GroupBox2"},
                     {ToneBox, "CheckBox2"},
                     {CtcssBox, "CheckBox3"},
                     {DcsBox, "CheckBox4"},
                     {ToneLabel, "Label9"},
                     {ToneCombo, "ComboBox3"},
                     {CtcssLabel, "Label10"},
                     {CtcssCombo, "ComboBox4"},
                     {DcsLabel, "Label13"},
                     {DcsCombo, "ComboBox5"}});
}

void TToneEditorDialog::BuildOptionBoxes(QWidget* group) {
    BeatShiftBox =
        MakeButton<QCheckBox>(QT_TRANSLATE_NOOP("Editors", "Beat Shift"), group, kBeatShiftHelp);
    NarrowBox =
        MakeButton<QCheckBox>(QT_TRANSLATE_NOOP("Editors", "FM Narrow"), group, kNarrowHelp);
    KeepDesignNames({{BeatShiftBox, "CheckBox6"}, {NarrowBox, "CheckBox7"}});
    for (QCheckBox* box : {BeatShiftBox, NarrowBox}) {
        connect(box, &QCheckBox::clicked, this, &TToneEditorDialog::MarkChanged);
    }
}

void TToneEditorDialog::ShowChannel(const TChannelDisplay& display) {
    FrequencyGroup->Show(display);
    ToneGroup->Show(display);
    NarrowBox->setChecked(display.Narrow);
    BeatShiftBox->setChecked(display.BeatShift);
}

void TToneEditorDialog::ReadChannel(TChannelEdits& edits) const {
    FrequencyGroup->ReadEdits(edits);
    ToneGroup->ReadEdits(edits);
    edits.Narrow = NarrowBox->isChecked();
    edits.BeatShift = BeatShiftBox->isChecked();
}

void TToneEditorDialog::ConnectChannelGroups() {
    connect(FrequencyGroup, &TFrequencyGroup::Edited, this, &TToneEditorDialog::MarkChanged);
    connect(FrequencyGroup, &TFrequencyGroup::EnterPressed, this,
            &TToneEditorDialog::NormaliseFrequencies);
    connect(ToneGroup, &TToneGroup::Edited, this, &TToneEditorDialog::MarkChanged);
}

void TChannelEditorDialog::BuildFrequencyGroup() {
    MakeFrequencyGroup(TFrequencyGroup::kWithSplit);
    TxFrequencyLabel = FrequencyGroup->TxFrequencyLabel;
    TxFrequencyEdit = FrequencyGroup->TxFrequencyEdit;
    TxUnitLabel = FrequencyGroup->TxUnitLabel;
    TxStepLabel = FrequencyGroup->TxStepLabel;
    TxStepCombo = FrequencyGroup->TxStepCombo;
    SplitRadio = FrequencyGroup->SplitRadio;
    KeepDesignNames({{TxFrequencyLabel, "Label5"},
                     {TxFrequencyEdit, "Edit3"},
                     {TxUnitLabel, "Label6"},
                     {TxStepLabel, "Label4"},
                     {TxStepCombo, "ComboBox2"},
                     {SplitRadio, "RadioButton1"},
                     {SimplexRadio, "RadioButton2"},
                     {PlusShiftRadio, "RadioButton3"},
                     {MinusShiftRadio, "RadioButton4"},
                     {Minus76ShiftRadio, "RadioButton5"}});
}
