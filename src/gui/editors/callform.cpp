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
#include "gui/kit/workspace.h"

TCallForm::TCallForm(TWorkspace& workspace)
    : TChannelEditorDialog(workspace, QT_TRANSLATE_NOOP("Editors", "CALL Channel")) {
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
    GroupBox1->FillSteps(Workspace.Data().GetModel());
    LoadCall();
}

QGroupBox* TCallForm::BuildOptionGroup() {
    GroupBox3 = new QGroupBox(tr("Option"), this);
    BuildOptionBoxes(GroupBox3);
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
    ConnectChannelGroups();
}

QWidget* TCallForm::FirstFocus() const {
    return Edit1;
}

void TCallForm::LoadCall() {
    Load([this] { ShowChannel(CallDisplayOf(Workspace.Data())); });
}

TChannelEdits TCallForm::CurrentEdits() const {
    TChannelEdits edits;
    ReadChannel(edits);
    return edits;
}

bool TCallForm::Save() {
    TRadioData& data = Workspace.Data();
    // Even an attempt that is then refused counts as a change of the data.
    data.Changed = true;
    const TBuiltRecord record = BuildCallRecord(data, CurrentEdits());
    if (Refused(record.Failure)) return false;
    data.SetCall(record.Text);
    Workspace.RefreshGrids();
    LoadCall();
    TellRounded(record.Rounded);
    return true;
}

void TCallForm::NormaliseFrequencies() {
    const TNormalisedTexts texts = NormaliseFrequencyTexts(Workspace.Data(), CurrentEdits());
    if (Refused(texts.Failure)) return;
    GroupBox1->ShowNormalised(texts);
    TellRounded(texts.Rounded);
}

void OpenCallEditor(TWorkspace& workspace) {
    TCallForm form(workspace);
    ExecModal(form);
}
