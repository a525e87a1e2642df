#include "gui/editors/channeleditordialog.h"

#include <QCheckBox>

#include "core/model/channelediting.h"
#include "gui/editors/editorcontrols.h"
#include "gui/editors/frequencygroup.h"
#include "gui/editors/tonegroup.h"

namespace {

// Help topics of the controls.
constexpr int kBeatShiftHelp = 550;
constexpr int kNarrowHelp = 555;

}  // namespace

void TToneEditorDialog::BuildToneGroup() {
    GroupBox2 = new TToneGroup(this);
    CheckBox2 = GroupBox2->CheckBox_Tone;
    CheckBox3 = GroupBox2->CheckBox_Ctcss;
    CheckBox4 = GroupBox2->CheckBox_Dcs;
    Label9 = GroupBox2->Label_Tone;
    ComboBox3 = GroupBox2->ComboBox_Tone;
    Label10 = GroupBox2->Label_Ctcss;
    ComboBox4 = GroupBox2->ComboBox_Ctcss;
    Label13 = GroupBox2->Label_Dcs;
    ComboBox5 = GroupBox2->ComboBox_Dcs;
}

void TToneEditorDialog::BuildOptionBoxes(QWidget* group) {
    CheckBox6 =
        MakeButton<QCheckBox>(QT_TRANSLATE_NOOP("Editors", "Beat Shift"), group, kBeatShiftHelp);
    CheckBox7 =
        MakeButton<QCheckBox>(QT_TRANSLATE_NOOP("Editors", "FM Narrow"), group, kNarrowHelp);
    for (QCheckBox* box : {CheckBox6, CheckBox7}) {
        connect(box, &QCheckBox::clicked, this, &TToneEditorDialog::MarkChanged);
    }
}

void TToneEditorDialog::ShowChannel(const TChannelDisplay& display) {
    GroupBox1->Show(display);
    GroupBox2->Show(display);
    CheckBox7->setChecked(display.Narrow);
    CheckBox6->setChecked(display.BeatShift);
}

void TToneEditorDialog::ReadChannel(TChannelEdits& edits) const {
    GroupBox1->ReadEdits(edits);
    GroupBox2->ReadEdits(edits);
    edits.Narrow = CheckBox7->isChecked();
    edits.BeatShift = CheckBox6->isChecked();
}

void TToneEditorDialog::ConnectChannelGroups() {
    connect(GroupBox1, &TFrequencyGroup::Edited, this, &TToneEditorDialog::MarkChanged);
    connect(GroupBox1, &TFrequencyGroup::EnterPressed, this,
            &TToneEditorDialog::NormaliseFrequencies);
    connect(GroupBox2, &TToneGroup::Edited, this, &TToneEditorDialog::MarkChanged);
}

void TChannelEditorDialog::BuildFrequencyGroup() {
    GroupBox1 = new TFrequencyGroup(this, TFrequencyGroup::kWithSplit);
    Label1 = GroupBox1->Label_RxFrequency;
    Edit1 = GroupBox1->Edit_RxFrequency;
    Label2 = GroupBox1->Label_RxUnit;
    Label3 = GroupBox1->Label_Step;
    ComboBox1 = GroupBox1->ComboBox_Step;
    Label5 = GroupBox1->Label_TxFrequency;
    Edit3 = GroupBox1->Edit_TxFrequency;
    Label6 = GroupBox1->Label_TxUnit;
    Label4 = GroupBox1->Label_TxStep;
    ComboBox2 = GroupBox1->ComboBox_TxStep;
    Label7 = GroupBox1->Label_Offset;
    Edit2 = GroupBox1->Edit_Offset;
    Label8 = GroupBox1->Label_OffsetUnit;
    RadioButton1 = GroupBox1->RadioButton_Split;
    RadioButton2 = GroupBox1->RadioButton_Simplex;
    RadioButton3 = GroupBox1->RadioButton_Plus;
    RadioButton4 = GroupBox1->RadioButton_Minus;
    RadioButton5 = GroupBox1->RadioButton_Minus76;
    CheckBox1 = GroupBox1->CheckBox_Reverse;
}
