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
    layout->addWidget(FrequencyGroup);
    BuildToneGroup();
    layout->addWidget(ToneGroup);
    layout->addWidget(BuildOptionGroup());
    layout->addLayout(BuildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    SetTabOrder();
    ConnectHandlers();
    FrequencyGroup->FillSteps(Workspace.Data().GetModel());
    LoadCall();
}

QGroupBox* TCallForm::BuildOptionGroup() {
    OptionGroup = new QGroupBox(tr("Option"), this);
    KeepDesignNames({{OptionGroup, "GroupBox3"}});
    BuildOptionBoxes(OptionGroup);
    auto* row = new QHBoxLayout(OptionGroup);
    row->addWidget(BeatShiftBox);
    row->addWidget(NarrowBox);
    row->addStretch();
    return OptionGroup;
}

void TCallForm::SetTabOrder() {
    ChainTabOrder({RxFrequencyEdit, StepCombo,         TxFrequencyEdit, OffsetEdit,
                   TxStepCombo,     SplitRadio,        SimplexRadio,    PlusShiftRadio,
                   MinusShiftRadio, Minus76ShiftRadio, ReverseBox,      ToneBox,
                   ToneCombo,       CtcssBox,          CtcssCombo,      DcsBox,
                   DcsCombo,        BeatShiftBox,      NarrowBox,       OKButton,
                   CloseButton});
}

void TCallForm::ConnectHandlers() {
    ConnectChannelGroups();
}

QWidget* TCallForm::FirstFocus() const {
    return RxFrequencyEdit;
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
    FrequencyGroup->ShowNormalised(texts);
    TellRounded(texts.Rounded);
}

void OpenCallEditor(TWorkspace& workspace) {
    TCallForm form(workspace);
    ExecModal(form);
}
