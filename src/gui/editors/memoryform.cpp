#include "gui/editors/memoryform.h"

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
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/model/frequencyrules.h"
#include "core/model/radiodata.h"
#include "gui/editors/editorcontrols.h"
#include "gui/editors/frequencygroup.h"
#include "gui/editors/tonegroup.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/modal.h"
#include "gui/kit/workspace.h"

namespace {

constexpr int kChannelNumberLength = 3;
constexpr int kArrowWidth = 17;

// Help topics of the controls.
constexpr int kChannelNumberHelp = 500;
constexpr int kNameHelp = 540;
constexpr int kLockoutHelp = 545;

}  // namespace

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton** button : {&UpButton, &DownButton}) {
        *button = new QToolButton(this);
        (*button)->setAutoRepeat(true);
        (*button)->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(*button);
    }
    UpButton->setArrowType(Qt::UpArrow);
    DownButton->setArrowType(Qt::DownArrow);
    connect(UpButton, &QToolButton::clicked, this, [this] { Step(1); });
    connect(DownButton, &QToolButton::clicked, this, [this] { Step(-1); });
}

void TUpDown::SetButtonHeight(int height) {
    UpButton->setFixedSize(kArrowWidth, height);
    DownButton->setFixedSize(kArrowWidth, height);
}

void TUpDown::SetRange(int minimum, int maximum) {
    Min = minimum;
    Max = std::max(minimum, maximum);
    Current = std::clamp(Current, Min, Max);
}

void TUpDown::SetPosition(int position) {
    Current = std::clamp(position, Min, Max);
}

void TUpDown::ReleaseCapture() {
    // An auto-repeating button stops repeating once it is no longer down, and the
    // release that comes later finds it up and clicks nothing.
    UpButton->setDown(false);
    DownButton->setDown(false);
}

void TUpDown::Step(int delta) {
    int next = Current + delta;
    if (next > Max) next = Min;
    if (next < Min) next = Max;
    if (OnChanging && !OnChanging(next)) return;
    Current = next;
    emit Clicked();
}

TMemoryForm::TMemoryForm(TWorkspace& workspace)
    : TChannelEditorDialog(workspace, QT_TRANSLATE_NOOP("Editors", "Memory Channel")) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildChannelRow());
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
    ShowNameEdit();

    const TRadioData& data = Workspace.Data();
    ChannelUpDown->SetRange(0, LastEditorPosition(data));
    // Without a selected row the grid's first channel is taken.
    const int row = Workspace.SelectedMemoryRow();
    LoadPosition(ClampedEditorPosition(data, row - 1));
}

QLayout* TMemoryForm::BuildChannelRow() {
    ChannelNumberEdit = MakeUpperCaseEdit(this, kChannelNumberLength, kChannelNumberHelp);
    FilterKeys(ChannelNumberEdit, [this](QKeyEvent* key) { return ChannelKeyPress(key); });
    ChannelNumberLabel =
        MakeLabel(QT_TRANSLATE_NOOP("Editors", "Memory Channel Number"), this, ChannelNumberEdit);
    ChannelUpDown = new TUpDown(this);
    ChannelUpDown->SetButtonHeight(ChannelNumberEdit->sizeHint().height() / 2);
    KeepDesignNames({{ChannelNumberLabel, "Label12"},
                     {ChannelNumberEdit, "Edit5"},
                     {ChannelUpDown, "UpDown1"}});
    auto* row = new QHBoxLayout;
    row->addWidget(ChannelNumberLabel);
    row->addWidget(ChannelNumberEdit);
    row->addWidget(ChannelUpDown);
    row->addStretch();
    return row;
}

QGroupBox* TMemoryForm::BuildOptionGroup() {
    OptionGroup = new QGroupBox(tr("Option"), this);
    NameEdit = MakeUpperCaseEdit(OptionGroup, kMemoryNameLength, kNameHelp);
    FilterKeys(NameEdit, [this](QKeyEvent* key) {
        return RefuseCharacterKey(this, key, IsMemoryNameCharacter);
    });
    NameLabel = MakeLabel(QT_TRANSLATE_NOOP("Editors", "Memory Name"), OptionGroup, NameEdit);
    LockoutBox =
        MakeButton<QCheckBox>(QT_TRANSLATE_NOOP("Editors", "Lock Out"), OptionGroup, kLockoutHelp);
    KeepDesignNames({{OptionGroup, "GroupBox3"},
                     {NameLabel, "Label11"},
                     {NameEdit, "Edit4"},
                     {LockoutBox, "CheckBox5"}});
    BuildOptionBoxes(OptionGroup);
    auto* grid = new QGridLayout(OptionGroup);
    grid->addWidget(NameLabel, 0, 0);
    grid->addWidget(NameEdit, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(LockoutBox, 1, 0);
    grid->addWidget(BeatShiftBox, 1, 1);
    grid->addWidget(NarrowBox, 1, 2);
    return OptionGroup;
}

void TMemoryForm::SetTabOrder() {
    ChainTabOrder(
        {ChannelNumberEdit, RxFrequencyEdit, StepCombo,    TxFrequencyEdit, OffsetEdit,
         TxStepCombo,       SplitRadio,      SimplexRadio, PlusShiftRadio,  MinusShiftRadio,
         Minus76ShiftRadio, ReverseBox,      ToneBox,      ToneCombo,       CtcssBox,
         CtcssCombo,        DcsBox,          DcsCombo,     NameEdit,        LockoutBox,
         BeatShiftBox,      NarrowBox,       OKButton,     CloseButton});
}

void TMemoryForm::ShowNameEdit() {
    // Memory names exist only with the smaller channel count of each model group.
    const bool names = Workspace.Data().HasMemoryNames();
    NameLabel->setEnabled(names);
    NameEdit->setEnabled(names);
    QPalette palette = NameEdit->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base,
                     palette.color(QPalette::Disabled, QPalette::Window));
    NameEdit->setPalette(palette);
}

void TMemoryForm::ConnectHandlers() {
    connect(ChannelNumberEdit, &QLineEdit::textChanged, this,
            &TMemoryForm::ChannelNumberEditChange);
    ChannelUpDown->OnChanging = [this](int) { return ChannelUpDownChanging(); };
    connect(ChannelUpDown, &TUpDown::Clicked, this, &TMemoryForm::ChannelUpDownClick);
    ConnectChannelGroups();
    connect(NameEdit, &QLineEdit::textChanged, this, &TMemoryForm::NameEditChange);
    connect(LockoutBox, &QCheckBox::clicked, this, &TMemoryForm::MarkChanged);
}

int TMemoryForm::Position() const {
    return ChannelUpDown->Position();
}

QWidget* TMemoryForm::FirstFocus() const {
    return RxFrequencyEdit;
}

// Loading -------------------------------------------------------------------

void TMemoryForm::LoadPosition(int position) {
    // The controls' own change events must neither mark the record nor move.
    Load([this, position] {
        ChannelUpDown->SetPosition(position);
        ShowDisplay(MemoryDisplayOf(Workspace.Data(), position));
    });
}

void TMemoryForm::ShowDisplay(const TMemoryDisplay& display) {
    ChannelNumberEdit->setText(TextOf(display.ChannelNumber));
    ShowChannel(display);
    LockoutBox->setEnabled(display.LockoutEnabled);
    LockoutBox->setChecked(display.Lockout);
    if (display.NameShown) NameEdit->setText(TextOf(display.Name));
}

// Saving --------------------------------------------------------------------

TMemoryEdits TMemoryForm::CurrentEdits() const {
    TMemoryEdits edits;
    edits.Position = Position();
    ReadChannel(edits);
    edits.Lockout = LockoutBox->isChecked();
    edits.Name = NameEdit->text().toStdString();
    return edits;
}

bool TMemoryForm::Save() {
    TRadioData& data = Workspace.Data();
    // Even an attempt that is then refused counts as a change of the data.
    data.Changed = true;
    const TMemoryRecord record = BuildMemoryRecord(data, CurrentEdits());
    if (Refused(record.Failure)) return false;
    data.SetChannel(record.RecordIndex, record.Text);
    Workspace.RefreshGrids();
    LoadPosition(Position());
    TellRounded(record.Rounded);
    return true;
}

// Moving --------------------------------------------------------------------

bool TMemoryForm::GoToTypedChannel(const QString& text) {
    const TChannelEntry entry = InterpretChannelEntry(Workspace.Data(), text.toStdString());
    switch (entry.Kind) {
        case TChannelEntryKind::Empty:
        case TChannelEntryKind::Partial:
            return true;
        case TChannelEntryKind::Invalid:
            ShowMessage(this, QString::fromLatin1(kInvalidChannelMessage),
                        TMessageStyle::Information);
            // Put back as if typed again: the edit and the position shown stay in step.
            ChannelNumberEdit->setText(LastTypedChannel);
            return true;
        case TChannelEntryKind::Target:
            break;
    }
    if (!ResolveChanges()) {
        const QSignalBlocker blocker(ChannelNumberEdit);
        ChannelNumberEdit->setText(TextOf(ChannelNumberText(Workspace.Data(), Position())));
        return false;
    }
    LoadPosition(entry.Position);
    LastTypedChannel = text;
    return true;
}

void TMemoryForm::ChannelNumberEditChange(const QString& text) {
    if (Loading) return;
    GoToTypedChannel(text);
}

void TMemoryForm::ChannelNumberPageKey(int step) {
    if (!GoToTypedChannel(ChannelNumberEdit->text())) return;
    // An empty or half-typed channel number asked nothing yet.
    if (!ResolveChanges()) return;
    LoadPosition(WrappedEditorPosition(Workspace.Data(), Position() + step));
}

bool TMemoryForm::ChannelUpDownChanging() {
    if (!Changed) return true;
    const bool allowed = ResolveChanges();
    ChannelUpDown->ReleaseCapture();
    return allowed;
}

void TMemoryForm::ChannelUpDownClick() {
    LoadPosition(ChannelUpDown->Position());
}

bool TMemoryForm::ChannelKeyPress(QKeyEvent* key) {
    if (key->key() == Qt::Key_PageUp) {
        ChannelNumberPageKey(1);
        return true;
    }
    if (key->key() == Qt::Key_PageDown) {
        ChannelNumberPageKey(-1);
        return true;
    }
    return false;
}

// Editing -------------------------------------------------------------------

void TMemoryForm::NameEditChange() {
    if (Loading) return;
    ClearInvalidText(NameEdit, IsMemoryNameCharacter);
    MarkChanged();
}

void TMemoryForm::NormaliseFrequencies() {
    const TNormalisedTexts texts = NormaliseFrequencyTexts(Workspace.Data(), CurrentEdits());
    if (Refused(texts.Failure)) return;
    FrequencyGroup->ShowNormalised(texts);
    const TRadioData& data = Workspace.Data();
    FrequencyGroup->ShowMinus76Option(OffersMinus76Shift(data.GetModel(), data.GetMarketCode()));
    TellRounded(texts.Rounded);
}

void OpenMemoryEditor(TWorkspace& workspace) {
    TMemoryForm form(workspace);
    ExecModal(form);
}
