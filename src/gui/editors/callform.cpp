#include "gui/editors/callform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/model/radiodata.h"
#include "gui/editors/editorcontrols.h"
#include "gui/editors/frequencygroup.h"
#include "gui/editors/tonegroup.h"
#include "gui/kit/modal.h"
#include "gui/mainwindow/mainform.h"

namespace {

// Help topics of the controls.
constexpr int kBeatShiftHelp = 550;
constexpr int kNarrowHelp = 555;

}  // namespace

TCallForm::TCallForm(TMainForm& mainForm) : TChannelEditorDialog(mainForm, "CALL Channel") {
    auto* layout = new QVBoxLayout(this);
    BuildFrequencyGroup();
    layout->addWidget(GroupBox1);
    BuildToneGroup();
    layout->addWidget(GroupBox2);
    layout->addWidget(BuildOptionGroup());
    layout->addLayout(BuildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    SetTabOrder();
    ConnectHandlers();
    GroupBox1->FillSteps(MainForm.Data().GetModel());
    LoadCall();
}

QGroupBox* TCallForm::BuildOptionGroup() {
    GroupBox3 = new QGroupBox(QStringLiteral("Option"), this);
    CheckBox6 = MakeButton<QCheckBox>("Beat Shift", GroupBox3, kBeatShiftHelp);
    CheckBox7 = MakeButton<QCheckBox>("FM Narrow", GroupBox3, kNarrowHelp);
    auto* row = new QHBoxLayout(GroupBox3);
    row->addWidget(CheckBox6);
    row->addWidget(CheckBox7);
    row->addStretch();
    return GroupBox3;
}

void TCallForm::SetTabOrder() {
    ChainTabOrder({Edit1,        ComboBox1,    Edit3,        Edit2,        ComboBox2, RadioButton1,
                   RadioButton2, RadioButton3, RadioButton4, RadioButton5, CheckBox1, CheckBox2,
                   ComboBox3,    CheckBox3,    ComboBox4,    CheckBox4,    ComboBox5, CheckBox6,
                   CheckBox7,    Button2,      Button1});
}

void TCallForm::ConnectHandlers() {
    connect(GroupBox1, &TFrequencyGroup::Edited, this, &TCallForm::MarkChanged);
    connect(GroupBox1, &TFrequencyGroup::EnterPressed, this, &TCallForm::NormaliseFrequencies);
    connect(GroupBox2, &TToneGroup::Edited, this, &TCallForm::MarkChanged);
    for (QCheckBox* box : {CheckBox6, CheckBox7}) {
        connect(box, &QCheckBox::clicked, this, &TCallForm::MarkChanged);
    }
}

QWidget* TCallForm::FirstFocus() const {
    return Edit1;
}

void TCallForm::LoadCall() {
    Load([this] {
        const TChannelDisplay display = CallDisplayOf(MainForm.Data());
        GroupBox1->Show(display);
        GroupBox2->Show(display);
        CheckBox7->setChecked(display.Narrow);
        CheckBox6->setChecked(display.BeatShift);
    });
}

TChannelEdits TCallForm::CurrentEdits() const {
    TChannelEdits edits;
    GroupBox1->ReadEdits(edits);
    GroupBox2->ReadEdits(edits);
    edits.Narrow = CheckBox7->isChecked();
    edits.BeatShift = CheckBox6->isChecked();
    return edits;
}

bool TCallForm::Save() {
    TRadioData& data = MainForm.Data();
    // Even an attempt that is then refused counts as a change of the data.
    data.Changed = true;
    const TBuiltRecord record = BuildCallRecord(data, CurrentEdits());
    if (Refused(record.Failure)) return false;
    data.SetCall(record.Text);
    MainForm.RefreshGrids();
    LoadCall();
    TellRounded(record.Rounded);
    return true;
}

void TCallForm::NormaliseFrequencies() {
    const TNormalisedTexts texts = NormaliseFrequencyTexts(MainForm.Data(), CurrentEdits());
    if (Refused(texts.Failure)) return;
    GroupBox1->ShowNormalised(texts);
    TellRounded(texts.Rounded);
}

void OpenCallEditor(TMainForm& mainForm) {
    TCallForm form(mainForm);
    ExecModal(form);
}
