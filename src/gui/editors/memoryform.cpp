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
    layout->addWidget(GroupBox1);
    BuildToneGroup();
    layout->addWidget(GroupBox2);
    layout->addWidget(BuildOptionGroup());
    layout->addLayout(BuildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    SetTabOrder();
    ConnectHandlers();
    GroupBox1->FillSteps(Workspace.Data().GetModel());
    ShowNameEdit();

    const TRadioData& data = Workspace.Data();
    UpDown1->SetRange(0, LastEditorPosition(data));
    // Without a selected row the grid's first channel is taken.
    const int row = Workspace.SelectedMemoryRow();
    LoadPosition(ClampedEditorPosition(data, row - 1));
}

QLayout* TMemoryForm::BuildChannelRow() {
    Edit5 = MakeUpperCaseEdit(this, kChannelNumberLength, kChannelNumberHelp);
    FilterKeys(Edit5, [this](QKeyEvent* key) { return ChannelKeyPress(key); });
    Label12 = MakeLabel(QT_TRANSLATE_NOOP("Editors", "Memory Channel Number"), this, Edit5);
    UpDown1 = new TUpDown(this);
    UpDown1->SetButtonHeight(Edit5->sizeHint().height() / 2);
    auto* row = new QHBoxLayout;
    row->addWidget(Label12);
    row->addWidget(Edit5);
    row->addWidget(UpDown1);
    row->addStretch();
    return row;
}

QGroupBox* TMemoryForm::BuildOptionGroup() {
    GroupBox3 = new QGroupBox(tr("Option"), this);
    Edit4 = MakeUpperCaseEdit(GroupBox3, kMemoryNameLength, kNameHelp);
    FilterKeys(Edit4, [this](QKeyEvent* key) {
        return RefuseCharacterKey(this, key, IsMemoryNameCharacter);
    });
    Label11 = MakeLabel(QT_TRANSLATE_NOOP("Editors", "Memory Name"), GroupBox3, Edit4);
    CheckBox5 =
        MakeButton<QCheckBox>(QT_TRANSLATE_NOOP("Editors", "Lock Out"), GroupBox3, kLockoutHelp);
    BuildOptionBoxes(GroupBox3);
    auto* grid = new QGridLayout(GroupBox3);
    grid->addWidget(Label11, 0, 0);
    grid->addWidget(Edit4, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(CheckBox5, 1, 0);
    grid->addWidget(CheckBox6, 1, 1);
    grid->addWidget(CheckBox7, 1, 2);
    return GroupBox3;
}

void TMemoryForm::SetTabOrder() {
    ChainTabOrder({Edit5,        Edit1,        ComboBox1,    Edit3,        Edit2,        ComboBox2,
                   RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5, CheckBox1,
                   CheckBox2,    ComboBox3,    CheckBox3,    ComboBox4,    CheckBox4,    ComboBox5,
                   Edit4,        CheckBox5,    CheckBox6,    CheckBox7,    Button2,      Button1});
}

void TMemoryForm::ShowNameEdit() {
    // Memory names exist only with the smaller channel count of each model group.
    const bool names = Workspace.Data().HasMemoryNames();
    Label11->setEnabled(names);
    Edit4->setEnabled(names);
    QPalette palette = Edit4->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base,
                     palette.color(QPalette::Disabled, QPalette::Window));
    Edit4->setPalette(palette);
}

void TMemoryForm::ConnectHandlers() {
    connect(Edit5, &QLineEdit::textChanged, this, &TMemoryForm::Edit5Change);
    UpDown1->OnChanging = [this](int) { return UpDown1Changing(); };
    connect(UpDown1, &TUpDown::Clicked, this, &TMemoryForm::UpDown1Click);
    ConnectChannelGroups();
    connect(Edit4, &QLineEdit::textChanged, this, &TMemoryForm::Edit4Change);
    connect(CheckBox5, &QCheckBox::clicked, this, &TMemoryForm::MarkChanged);
}

int TMemoryForm::Position() const {
    return UpDown1->Position();
}

QWidget* TMemoryForm::FirstFocus() const {
    return Edit1;
}

// Loading -------------------------------------------------------------------

void TMemoryForm::LoadPosition(int position) {
    // The controls' own change events must neither mark the record nor move.
    Load([this, position] {
        UpDown1->SetPosition(position);
        ShowDisplay(MemoryDisplayOf(Workspace.Data(), position));
    });
}

void TMemoryForm::ShowDisplay(const TMemoryDisplay& display) {
    Edit5->setText(TextOf(display.ChannelNumber));
    ShowChannel(display);
    CheckBox5->setEnabled(display.LockoutEnabled);
    CheckBox5->setChecked(display.Lockout);
    if (display.NameShown) Edit4->setText(TextOf(display.Name));
}

// Saving --------------------------------------------------------------------

TMemoryEdits TMemoryForm::CurrentEdits() const {
    TMemoryEdits edits;
    edits.Position = Position();
    ReadChannel(edits);
    edits.Lockout = CheckBox5->isChecked();
    edits.Name = Edit4->text().toStdString();
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
            Edit5->setText(LastTypedChannel);
            return true;
        case TChannelEntryKind::Target:
            break;
    }
    if (!ResolveChanges()) {
        const QSignalBlocker blocker(Edit5);
        Edit5->setText(TextOf(ChannelNumberText(Workspace.Data(), Position())));
        return false;
    }
    LoadPosition(entry.Position);
    LastTypedChannel = text;
    return true;
}

void TMemoryForm::Edit5Change(const QString& text) {
    if (Loading) return;
    GoToTypedChannel(text);
}

void TMemoryForm::Edit5PageKey(int step) {
    if (!GoToTypedChannel(Edit5->text())) return;
    // An empty or half-typed channel number asked nothing yet.
    if (!ResolveChanges()) return;
    LoadPosition(WrappedEditorPosition(Workspace.Data(), Position() + step));
}

bool TMemoryForm::UpDown1Changing() {
    if (!Changed) return true;
    const bool allowed = ResolveChanges();
    UpDown1->ReleaseCapture();
    return allowed;
}

void TMemoryForm::UpDown1Click() {
    LoadPosition(UpDown1->Position());
}

bool TMemoryForm::ChannelKeyPress(QKeyEvent* key) {
    if (key->key() == Qt::Key_PageUp) {
        Edit5PageKey(1);
        return true;
    }
    if (key->key() == Qt::Key_PageDown) {
        Edit5PageKey(-1);
        return true;
    }
    return false;
}

// Editing -------------------------------------------------------------------

void TMemoryForm::Edit4Change() {
    if (Loading) return;
    ClearInvalidText(Edit4, IsMemoryNameCharacter);
    MarkChanged();
}

void TMemoryForm::NormaliseFrequencies() {
    const TNormalisedTexts texts = NormaliseFrequencyTexts(Workspace.Data(), CurrentEdits());
    if (Refused(texts.Failure)) return;
    GroupBox1->ShowNormalised(texts);
    const TRadioData& data = Workspace.Data();
    GroupBox1->ShowMinus76Option(OffersMinus76Shift(data.GetModel(), data.GetMarketCode()));
    TellRounded(texts.Rounded);
}

void OpenMemoryEditor(TWorkspace& workspace) {
    TMemoryForm form(workspace);
    ExecModal(form);
}
