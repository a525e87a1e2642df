#include "gui/editors/vfoform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include "core/model/radiodata.h"
#include "gui/editors/editorcontrols.h"
#include "gui/editors/frequencygroup.h"
#include "gui/editors/tonegroup.h"
#include "gui/kit/modal.h"
#include "gui/kit/workspace.h"

namespace {

constexpr int kRangeLength = 3;

// Help topics of the controls.
constexpr int kPowerHelp = 560;
constexpr int kProgramVfoHelp = 565;

void SetTextIfOther(QLineEdit* edit, const std::string& text) {
    if (edit->text().toStdString() != text) edit->setText(TextOf(text));
}

}  // namespace

TVfoForm::TVfoForm(TWorkspace& workspace) : TToneEditorDialog(workspace, "VFO") {
    auto* layout = new QVBoxLayout(this);
    BuildFrequencyGroup();
    layout->addWidget(FrequencyGroup);
    layout->addWidget(BuildProgramVfoGroup());
    BuildToneGroup();
    layout->addWidget(ToneGroup);
    layout->addWidget(BuildOptionGroup());
    layout->addLayout(BuildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    SetTabOrder();
    ConnectHandlers();
    FrequencyGroup->FillSteps(Workspace.Data().GetModel());
    FillList(PowerCombo, PowerListTexts(Workspace.Data()));
    LoadVfo();
}

void TVfoForm::BuildFrequencyGroup() {
    MakeFrequencyGroup(TFrequencyGroup::kWithoutSplit);
    KeepDesignNames({{SimplexRadio, "RadioButton1"},
                     {PlusShiftRadio, "RadioButton2"},
                     {MinusShiftRadio, "RadioButton3"},
                     {Minus76ShiftRadio, "RadioButton4"}});
}

QGroupBox* TVfoForm::BuildProgramVfoGroup() {
    ProgramVfoGroup = new QGroupBox(tr("Program VFO"), this);
    LowerLimitEdit = MakeEdit(ProgramVfoGroup, kRangeLength, kProgramVfoHelp);
    RangeDashLabel = MakeLabel("-", ProgramVfoGroup);
    UpperLimitEdit = MakeEdit(ProgramVfoGroup, kRangeLength, kProgramVfoHelp);
    RangeUnitLabel = MakeLabel("MHz", ProgramVfoGroup);
    KeepDesignNames({{ProgramVfoGroup, "GroupBox3"},
                     {LowerLimitEdit, "Edit3"},
                     {RangeDashLabel, "Label4"},
                     {UpperLimitEdit, "Edit4"},
                     {RangeUnitLabel, "Label5"}});
    for (QLineEdit* edit : {LowerLimitEdit, UpperLimitEdit}) FilterKeys(edit, TypesNonNumber);
    auto* row = new QHBoxLayout(ProgramVfoGroup);
    row->addWidget(LowerLimitEdit);
    row->addWidget(RangeDashLabel);
    row->addWidget(UpperLimitEdit);
    row->addWidget(RangeUnitLabel);
    row->addStretch();
    return ProgramVfoGroup;
}

QGroupBox* TVfoForm::BuildOptionGroup() {
    OptionGroup = new QGroupBox(tr("Option"), this);
    PowerCombo = MakeList(OptionGroup, kPowerHelp);
    PowerLabel = MakeLabel(QT_TRANSLATE_NOOP("Editors", "Power"), OptionGroup, PowerCombo);
    KeepDesignNames(
        {{OptionGroup, "GroupBox4"}, {PowerLabel, "Label6"}, {PowerCombo, "ComboBox2"}});
    BuildOptionBoxes(OptionGroup);
    auto* grid = new QGridLayout(OptionGroup);
    grid->addWidget(PowerLabel, 0, 0);
    grid->addWidget(PowerCombo, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(BeatShiftBox, 1, 0);
    grid->addWidget(NarrowBox, 1, 1);
    return OptionGroup;
}

void TVfoForm::SetTabOrder() {
    ChainTabOrder({RxFrequencyEdit, StepCombo,         OffsetEdit,   SimplexRadio,   PlusShiftRadio,
                   MinusShiftRadio, Minus76ShiftRadio, ReverseBox,   LowerLimitEdit, UpperLimitEdit,
                   ToneBox,         ToneCombo,         CtcssBox,     CtcssCombo,     DcsBox,
                   DcsCombo,        PowerCombo,        BeatShiftBox, NarrowBox,      OKButton,
                   CloseButton});
}

void TVfoForm::ConnectHandlers() {
    ConnectChannelGroups();
    connect(LowerLimitEdit, &QLineEdit::textChanged, this, &TVfoForm::LowerLimitEditChange);
    connect(UpperLimitEdit, &QLineEdit::textChanged, this, &TVfoForm::UpperLimitEditChange);
    connect(PowerCombo, &QComboBox::activated, this, &TVfoForm::MarkChanged);
}

QWidget* TVfoForm::FirstFocus() const {
    return RxFrequencyEdit;
}

// Loading and saving --------------------------------------------------------

void TVfoForm::LoadVfo() {
    Load([this] { ShowDisplay(VfoDisplayOf(Workspace.Data())); });
}

void TVfoForm::ShowDisplay(const TVfoDisplay& display) {
    ShowChannel(display);
    ShowRange({display.LowerLimit, display.UpperLimit});
    PowerCombo->setCurrentIndex(display.PowerPosition);
}

TVfoEdits TVfoForm::CurrentEdits() const {
    TVfoEdits edits;
    ReadChannel(edits);
    edits.PowerPosition = PowerCombo->currentIndex();
    return edits;
}

TRangeTexts TVfoForm::CurrentRange() const {
    return {LowerLimitEdit->text().toStdString(), UpperLimitEdit->text().toStdString()};
}

void TVfoForm::ShowRange(const TRangeTexts& range) {
    const QScopedValueRollback<bool> adjusting(AdjustingRange, true);
    SetTextIfOther(LowerLimitEdit, range.Lower);
    SetTextIfOther(UpperLimitEdit, range.Upper);
}

void TVfoForm::StoreRange() {
    TRadioData& data = Workspace.Data();
    const TRangeTexts range = CompletedRange(data, CurrentRange());
    ShowRange(range);
    // A range stored here changes the data set even when the VFO record is
    // not saved, so it must not go unnoticed when the program closes.
    const std::string text = ProgramVfoText(range);
    if (text != data.GetProgramVfo()) data.Changed = true;
    data.SetProgramVfo(text);
}

bool TVfoForm::Save() {
    TRadioData& data = Workspace.Data();
    // Even an attempt that is then refused counts as a change of the data.
    data.Changed = true;
    // The range is kept whether or not the frequency then passes.
    StoreRange();
    const TBuiltRecord record = BuildVfoRecord(data, CurrentEdits());
    if (Refused(record.Failure)) return false;
    data.SetVfo(record.Text);
    Workspace.RefreshGrids();
    LoadVfo();
    TellRounded(record.Rounded);
    return true;
}

// Editing -------------------------------------------------------------------

void TVfoForm::LowerLimitEditChange() {
    if (Loading || AdjustingRange) return;
    MarkChanged();
    ShowRange(LowerRangeTyped(Workspace.Data(), CurrentRange()));
}

void TVfoForm::UpperLimitEditChange() {
    if (Loading || AdjustingRange) return;
    MarkChanged();
    ShowRange(UpperRangeTyped(Workspace.Data(), CurrentRange()));
}

void TVfoForm::NormaliseFrequencies() {
    StoreRange();
    const TNormalisedTexts texts = NormaliseVfoTexts(Workspace.Data(), CurrentEdits());
    if (Refused(texts.Failure)) return;
    FrequencyGroup->ShowNormalised(texts);
    TellRounded(texts.Rounded);
}

void OpenVfoEditor(TWorkspace& workspace) {
    TVfoForm form(workspace);
    ExecModal(form);
}
