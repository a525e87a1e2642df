#include "editors/memoryform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <array>

#include "app/helpcontext.h"
#include "app/mainform.h"
#include "app/messagebox.h"
#include "app/modal.h"
#include "data/radiodata.h"
#include "editors/frequencyrules.h"
#include "workspace/channelgrids.h"

namespace {

constexpr int kChannelNumberLength = 3;
constexpr int kFrequencyLength = 9;
constexpr int kOffsetLength = 5;
constexpr int kNameLength = 6;
constexpr int kArrowWidth = 17;

// Help topics of the controls.
constexpr int kChannelNumberHelp = 500;
constexpr int kFrequencyHelp = 505;
constexpr int kStepHelp = 510;
constexpr int kOffsetHelp = 515;
constexpr int kReverseHelp = 520;
constexpr int kShiftHelp = 525;
constexpr int kToneHelp = 530;
constexpr int kToneListHelp = 535;
constexpr int kNameHelp = 540;
constexpr int kLockoutHelp = 545;
constexpr int kBeatShiftHelp = 550;
constexpr int kNarrowHelp = 555;

// Shows whatever is typed, pasted or set in upper case.
class TUpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

QString TextOf(const std::string& text) {
    return QString::fromStdString(text);
}

QLineEdit* MakeEdit(QWidget* parent, int length, int help) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(length);
    // Room for the longest text and the frame around it.
    const int room = edit->fontMetrics().horizontalAdvance(QString(length + 1, QLatin1Char('0')));
    edit->setFixedWidth(room + 12);
    SetHelpContext(edit, help);
    return edit;
}

QLineEdit* MakeUpperCaseEdit(QWidget* parent, int length, int help) {
    QLineEdit* edit = MakeEdit(parent, length, help);
    edit->setValidator(new TUpperCaseValidator(edit));
    return edit;
}

QComboBox* MakeList(QWidget* parent, int help) {
    auto* list = new QComboBox(parent);
    list->setMaxVisibleItems(16);
    SetHelpContext(list, help);
    return list;
}

template <typename TButton>
TButton* MakeButton(const char* caption, QWidget* parent, int help) {
    auto* button = new TButton(QString::fromLatin1(caption), parent);
    SetHelpContext(button, help);
    return button;
}

QLabel* MakeLabel(const char* caption, QWidget* parent, QWidget* buddy = nullptr) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    if (buddy) {
        label->setBuddy(buddy);
        SetHelpContext(label, HelpContextOf(buddy));
    }
    return label;
}

// A key that types a character into an edit, as opposed to editing and moving keys
// (Backspace, Delete, arrows) and shortcuts (copy, paste).
bool TypesCharacter(const QKeyEvent* key) {
    const QString text = key->text();
    if (text.isEmpty() || !text.front().isPrint()) return false;
    return (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

bool IsEnterKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

char AsciiOf(QChar c) {
    return c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\0';
}

bool IsValidName(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return IsMemoryNameCharacter(AsciiOf(c)); });
}

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

TMemoryForm::TMemoryForm(TMainForm& mainForm) : QDialog(&mainForm), MainForm(mainForm) {
    setWindowTitle(QStringLiteral("Memory Channel"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QFont dialogFont = font();
    dialogFont.setFamilies({QStringLiteral("Times New Roman")});
    setFont(dialogFont);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildChannelRow());
    layout->addWidget(BuildFrequencyGroup());
    layout->addWidget(BuildToneGroup());
    layout->addWidget(BuildOptionGroup());
    layout->addLayout(BuildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    SetTabOrder();
    ConnectHandlers();
    ConnectChangeMarks();
    FillLists();
    ShowNameEdit();

    const TRadioData& data = MainForm.Data();
    UpDown1->SetRange(0, LastEditorPosition(data));
    // Without a selected row the grid's first channel is taken.
    const int row = MainForm.Grids->SelectedRow(TChannelGrids::kMemoryGrid);
    LoadPosition(ClampedEditorPosition(data, row - 1));
}

QLayout* TMemoryForm::BuildChannelRow() {
    Edit5 = MakeUpperCaseEdit(this, kChannelNumberLength, kChannelNumberHelp);
    Edit5->installEventFilter(this);
    Label12 = MakeLabel("Memory Channel Number", this, Edit5);
    UpDown1 = new TUpDown(this);
    UpDown1->SetButtonHeight(Edit5->sizeHint().height() / 2);
    auto* row = new QHBoxLayout;
    row->addWidget(Label12);
    row->addWidget(Edit5);
    row->addWidget(UpDown1);
    row->addStretch();
    return row;
}

QGroupBox* TMemoryForm::BuildFrequencyGroup() {
    GroupBox1 = new QGroupBox(QStringLiteral("Frequency"), this);
    Edit1 = MakeEdit(GroupBox1, kFrequencyLength, kFrequencyHelp);
    Label1 = MakeLabel("Rx Frequency", GroupBox1, Edit1);
    Label2 = MakeLabel("MHz", GroupBox1);
    ComboBox1 = MakeList(GroupBox1, kStepHelp);
    Label3 = MakeLabel("Step", GroupBox1, ComboBox1);
    Edit3 = MakeEdit(GroupBox1, kFrequencyLength, kFrequencyHelp);
    Label5 = MakeLabel("Tx Frequency", GroupBox1, Edit3);
    Label6 = MakeLabel("MHz", GroupBox1);
    ComboBox2 = MakeList(GroupBox1, kStepHelp);
    Label4 = MakeLabel("Step", GroupBox1, ComboBox2);
    // The offset takes the transmit frequency's place: both share one row of the grid.
    Edit2 = MakeEdit(GroupBox1, kOffsetLength, kOffsetHelp);
    Edit2->setFixedWidth(Edit3->width());
    Label7 = MakeLabel("Offset", GroupBox1, Edit2);
    Label8 = MakeLabel("MHz", GroupBox1);
    for (QLineEdit* edit : {Edit1, Edit3, Edit2}) edit->installEventFilter(this);

    auto* grid = new QGridLayout(GroupBox1);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(Label2, 0, 2);
    grid->addWidget(Label3, 0, 3, Qt::AlignRight);
    grid->addWidget(ComboBox1, 0, 4);
    grid->addWidget(Label5, 1, 0);
    grid->addWidget(Edit3, 1, 1);
    grid->addWidget(Label6, 1, 2);
    grid->addWidget(Label4, 1, 3, Qt::AlignRight);
    grid->addWidget(ComboBox2, 1, 4);
    grid->addWidget(Label7, 1, 0);
    grid->addWidget(Edit2, 1, 1);
    grid->addWidget(Label8, 1, 2);
    grid->setColumnMinimumWidth(2, Label2->sizeHint().width() + 12);
    BuildShiftRadios(*grid);
    return GroupBox1;
}

void TMemoryForm::BuildShiftRadios(QGridLayout& grid) {
    RadioButton1 = MakeButton<QRadioButton>("Split Channel", GroupBox1, kShiftHelp);
    RadioButton2 = MakeButton<QRadioButton>("Simplex", GroupBox1, kShiftHelp);
    RadioButton3 = MakeButton<QRadioButton>("Plus Shift", GroupBox1, kShiftHelp);
    RadioButton4 = MakeButton<QRadioButton>("Minus Shift", GroupBox1, kShiftHelp);
    RadioButton5 = MakeButton<QRadioButton>("-7.6MHz Shift", GroupBox1, kShiftHelp);
    CheckBox1 = MakeButton<QCheckBox>("Reverse", GroupBox1, kReverseHelp);
    int row = 2;
    for (QRadioButton* radio :
         {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5}) {
        grid.addWidget(radio, row++, 0, 1, 3);
    }
    grid.addWidget(CheckBox1, 2, 3, 1, 2);
}

QGroupBox* TMemoryForm::BuildToneGroup() {
    GroupBox2 = new QGroupBox(QStringLiteral("Tone/CTCSS/DCS"), this);
    CheckBox2 = MakeButton<QCheckBox>("Tone", GroupBox2, kToneHelp);
    CheckBox3 = MakeButton<QCheckBox>("CTCSS", GroupBox2, kToneHelp);
    CheckBox4 = MakeButton<QCheckBox>("DCS", GroupBox2, kToneHelp);
    ComboBox3 = MakeList(GroupBox2, kToneListHelp);
    ComboBox4 = MakeList(GroupBox2, kToneListHelp);
    ComboBox5 = MakeList(GroupBox2, kToneListHelp);
    Label9 = MakeLabel("Tone Frequency", GroupBox2, ComboBox3);
    Label10 = MakeLabel("CTCSS Frequency", GroupBox2, ComboBox4);
    Label13 = MakeLabel("DCS Code", GroupBox2, ComboBox5);
    auto* grid = new QGridLayout(GroupBox2);
    const std::array<std::array<QWidget*, 3>, 3> rows{{{CheckBox2, Label9, ComboBox3},
                                                       {CheckBox3, Label10, ComboBox4},
                                                       {CheckBox4, Label13, ComboBox5}}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            grid->addWidget(rows[static_cast<size_t>(row)][static_cast<size_t>(column)], row,
                            column);
        }
    }
    grid->setColumnStretch(0, 1);
    return GroupBox2;
}

QGroupBox* TMemoryForm::BuildOptionGroup() {
    GroupBox3 = new QGroupBox(QStringLiteral("Option"), this);
    Edit4 = MakeUpperCaseEdit(GroupBox3, kNameLength, kNameHelp);
    Edit4->installEventFilter(this);
    Label11 = MakeLabel("Memory Name", GroupBox3, Edit4);
    CheckBox5 = MakeButton<QCheckBox>("Lock Out", GroupBox3, kLockoutHelp);
    CheckBox6 = MakeButton<QCheckBox>("Beat Shift", GroupBox3, kBeatShiftHelp);
    CheckBox7 = MakeButton<QCheckBox>("FM Narrow", GroupBox3, kNarrowHelp);
    auto* grid = new QGridLayout(GroupBox3);
    grid->addWidget(Label11, 0, 0);
    grid->addWidget(Edit4, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(CheckBox5, 1, 0);
    grid->addWidget(CheckBox6, 1, 1);
    grid->addWidget(CheckBox7, 1, 2);
    return GroupBox3;
}

QLayout* TMemoryForm::BuildButtons() {
    Button2 = new QPushButton(QStringLiteral("&OK"), this);
    Button2->setDefault(true);
    Button1 = new QPushButton(QStringLiteral("&Close"), this);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(Button2);
    row->addWidget(Button1);
    return row;
}

void TMemoryForm::SetTabOrder() {
    QWidget* const order[] = {Edit5,        Edit1,        ComboBox1,    Edit3,        Edit2,
                              ComboBox2,    RadioButton1, RadioButton2, RadioButton3, RadioButton4,
                              RadioButton5, CheckBox1,    CheckBox2,    ComboBox3,    CheckBox3,
                              ComboBox4,    CheckBox4,    ComboBox5,    Edit4,        CheckBox5,
                              CheckBox6,    CheckBox7,    Button2,      Button1};
    for (size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void TMemoryForm::FillLists() {
    const std::vector<std::string> steps = StepListTexts(MainForm.Data().GetModel());
    for (QComboBox* list : {ComboBox1, ComboBox2}) {
        for (const std::string& step : steps) {
            list->addItem(TextOf(step));
        }
    }
    for (QComboBox* list : {ComboBox3, ComboBox4}) {
        for (const char* tone : ToneList()) list->addItem(QString::fromLatin1(tone));
    }
    for (const char* code : DcsList()) ComboBox5->addItem(QString::fromLatin1(code));
}

void TMemoryForm::ShowNameEdit() {
    // Memory names exist only with the smaller channel count of each model group.
    const bool names = MainForm.Data().HasMemoryNames();
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
    connect(RadioButton1, &QRadioButton::clicked, this, [this] { ShiftRadioClick(true); });
    for (QRadioButton* radio : {RadioButton2, RadioButton3, RadioButton4, RadioButton5}) {
        connect(radio, &QRadioButton::clicked, this, [this] { ShiftRadioClick(false); });
    }
    for (QCheckBox* box : {CheckBox2, CheckBox3, CheckBox4}) {
        connect(box, &QCheckBox::clicked, this, [this, box] { ToneBoxClick(box); });
    }
    connect(Edit4, &QLineEdit::textChanged, this, &TMemoryForm::Edit4Change);
    connect(Button2, &QPushButton::clicked, this, &TMemoryForm::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &QWidget::close);
}

void TMemoryForm::ConnectChangeMarks() {
    for (QLineEdit* edit : {Edit1, Edit3, Edit2}) {
        connect(edit, &QLineEdit::textChanged, this, &TMemoryForm::MarkChanged);
    }
    for (QComboBox* list : {ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5}) {
        connect(list, &QComboBox::activated, this, &TMemoryForm::MarkChanged);
    }
    for (QCheckBox* box : {CheckBox1, CheckBox5, CheckBox6, CheckBox7}) {
        connect(box, &QCheckBox::clicked, this, &TMemoryForm::MarkChanged);
    }
}

int TMemoryForm::Position() const {
    return UpDown1->Position();
}

void TMemoryForm::MarkChanged() {
    if (!Loading) Changed = true;
}

void TMemoryForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (Shown) return;
    Shown = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    }
    Edit1->setFocus();
}

// Loading -------------------------------------------------------------------

void TMemoryForm::LoadPosition(int position) {
    {
        // The controls' own change events must neither mark the record nor move.
        const QScopedValueRollback<bool> loading(Loading, true);
        UpDown1->SetPosition(position);
        ShowDisplay(MemoryDisplayOf(MainForm.Data(), position));
    }
    Changed = false;
}

void TMemoryForm::ShowDisplay(const TMemoryDisplay& display) {
    Edit5->setText(TextOf(display.ChannelNumber));
    Edit1->setText(TextOf(display.RxFrequency));
    ComboBox1->setCurrentIndex(display.StepPosition);
    Edit2->setText(TextOf(display.Offset));
    ShowMinus76Option();
    SelectShift(display.Shift);
    Edit3->setText(TextOf(display.TxFrequency));
    ComboBox2->setCurrentIndex(display.TxStepPosition);
    CheckBox1->setChecked(display.Reverse);
    for (QWidget* control :
         std::initializer_list<QWidget*>{CheckBox2, CheckBox3, CheckBox4, ComboBox3, ComboBox4,
                                         ComboBox5, Label9, Label10, Label13}) {
        control->setEnabled(display.TonesEnabled);
    }
    SelectTone(display.Tone);
    ComboBox3->setCurrentIndex(display.TonePosition);
    ComboBox4->setCurrentIndex(display.CtcssPosition);
    ComboBox5->setCurrentIndex(display.DcsPosition);
    CheckBox7->setChecked(display.Narrow);
    CheckBox6->setChecked(display.BeatShift);
    CheckBox5->setEnabled(display.LockoutEnabled);
    CheckBox5->setChecked(display.Lockout);
    if (display.NameShown) Edit4->setText(TextOf(display.Name));
}

void TMemoryForm::ShowMinus76Option() {
    const TRadioData& data = MainForm.Data();
    RadioButton5->setVisible(OffersMinus76Shift(data.GetModel(), data.GetMarketCode()));
    RadioButton5->setEnabled(true);
}

void TMemoryForm::SelectShift(TShiftChoice shift) {
    switch (shift) {
        case TShiftChoice::Split:
            RadioButton1->setChecked(true);
            break;
        case TShiftChoice::Plus:
            RadioButton3->setChecked(true);
            break;
        case TShiftChoice::Minus:
            RadioButton4->setChecked(true);
            break;
        case TShiftChoice::Minus76:
            RadioButton5->setChecked(true);
            break;
        default:
            RadioButton2->setChecked(true);
            break;
    }
    ShowSplitControls(shift == TShiftChoice::Split);
}

void TMemoryForm::SelectTone(TToneChoice tone) {
    CheckBox2->setChecked(tone == TToneChoice::Tone);
    CheckBox3->setChecked(tone == TToneChoice::Ctcss);
    CheckBox4->setChecked(tone == TToneChoice::Dcs);
}

void TMemoryForm::ShowSplitControls(bool split) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{Label4, Label5, Label6, Edit3, ComboBox2}) {
        control->setVisible(split);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{Label7, Label8, Edit2}) {
        control->setVisible(!split);
    }
    // A split channel has no reverse.
    if (split) CheckBox1->setChecked(false);
    CheckBox1->setEnabled(!split);
}

// Saving --------------------------------------------------------------------

TMemoryEdits TMemoryForm::CurrentEdits() const {
    TMemoryEdits edits;
    edits.Position = Position();
    edits.RxText = Edit1->text().toStdString();
    edits.TxText = Edit3->text().toStdString();
    edits.OffsetText = Edit2->text().toStdString();
    edits.StepPosition = ComboBox1->currentIndex();
    edits.TxStepPosition = ComboBox2->currentIndex();
    edits.Shift = CheckedShift();
    edits.Reverse = CheckBox1->isChecked();
    if (CheckBox2->isChecked()) edits.Tone = TToneChoice::Tone;
    if (CheckBox3->isChecked()) edits.Tone = TToneChoice::Ctcss;
    if (CheckBox4->isChecked()) edits.Tone = TToneChoice::Dcs;
    edits.TonePosition = ComboBox3->currentIndex();
    edits.CtcssPosition = ComboBox4->currentIndex();
    edits.DcsPosition = ComboBox5->currentIndex();
    edits.Narrow = CheckBox7->isChecked();
    edits.BeatShift = CheckBox6->isChecked();
    edits.Lockout = CheckBox5->isChecked();
    edits.Name = Edit4->text().toStdString();
    return edits;
}

TShiftChoice TMemoryForm::CheckedShift() const {
    if (RadioButton1->isChecked()) return TShiftChoice::Split;
    if (RadioButton3->isChecked()) return TShiftChoice::Plus;
    if (RadioButton4->isChecked()) return TShiftChoice::Minus;
    if (RadioButton5->isChecked()) return TShiftChoice::Minus76;
    return TShiftChoice::Simplex;
}

bool TMemoryForm::Save() {
    TRadioData& data = MainForm.Data();
    // Even an attempt that is then refused counts as a change of the data.
    data.Changed = true;
    const TMemoryRecord record = BuildMemoryRecord(data, CurrentEdits());
    if (record.Failure != TEditFailure::None) {
        ShowMessage(this, QString::fromLatin1(FailureMessage(record.Failure)),
                    TMessageStyle::Information);
        return false;
    }
    data.SetChannel(record.RecordIndex, record.Text);
    MainForm.RefreshGrids();
    LoadPosition(Position());
    if (record.Rounded) {
        ShowMessage(this, QString::fromLatin1(kRoundedMessage), TMessageStyle::Information);
    }
    return true;
}

void TMemoryForm::Button2Click() {
    if (Save()) accept();
}

bool TMemoryForm::ResolveChanges() {
    if (!Changed) return true;
    const TMessageAnswer answer =
        ShowMessage(this, QString::fromLatin1(kReviseChangeQuestion), TMessageStyle::YesNoQuestion);
    if (answer == TMessageAnswer::Yes) return Save();
    Changed = false;
    return true;
}

void TMemoryForm::reject() {
    // Edits the user wants kept but that cannot be saved keep the dialog open.
    if (!ResolveChanges()) return;
    QDialog::reject();
}

void TMemoryForm::keyPressEvent(QKeyEvent* event) {
    // Only the Close button and the close box close the dialog, not Escape.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// Moving --------------------------------------------------------------------

bool TMemoryForm::GoToTypedChannel(const QString& text) {
    const TChannelEntry entry = InterpretChannelEntry(MainForm.Data(), text.toStdString());
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
        Edit5->setText(TextOf(ChannelNumberText(MainForm.Data(), Position())));
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
    LoadPosition(WrappedEditorPosition(MainForm.Data(), Position() + step));
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

// Editing -------------------------------------------------------------------

void TMemoryForm::ShiftRadioClick(bool split) {
    MarkChanged();
    ShowSplitControls(split);
}

void TMemoryForm::ToneBoxClick(QCheckBox* box) {
    MarkChanged();
    if (!box->isChecked()) return;
    for (QCheckBox* other : {CheckBox2, CheckBox3, CheckBox4}) {
        if (other != box) other->setChecked(false);
    }
}

void TMemoryForm::Edit4Change(const QString& text) {
    if (Loading) return;
    // What the key filter cannot see: pasted text.
    if (!IsValidName(text)) {
        ShowMessage(this, QString::fromLatin1(kInvalidCharacterMessage),
                    TMessageStyle::Information);
        const QSignalBlocker blocker(Edit4);
        Edit4->clear();
    }
    MarkChanged();
}

void TMemoryForm::NormaliseFrequencies() {
    const TNormalisedTexts texts = NormaliseFrequencyTexts(MainForm.Data(), CurrentEdits());
    if (texts.Failure != TEditFailure::None) {
        ShowMessage(this, QString::fromLatin1(FailureMessage(texts.Failure)),
                    TMessageStyle::Information);
        return;
    }
    Edit1->setText(TextOf(texts.RxFrequency));
    ShowMinus76Option();
    Edit3->setText(TextOf(texts.TxFrequency));
    if (texts.Rounded) {
        ShowMessage(this, QString::fromLatin1(kRoundedMessage), TMessageStyle::Information);
    }
    Edit2->setText(TextOf(texts.Offset));
}

bool TMemoryForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == Edit5) return ChannelKeyPress(key);
    if (watched == Edit4) return NameKeyPress(key);
    if (watched == Edit1 || watched == Edit3 || watched == Edit2) return FrequencyKeyPress(key);
    return QDialog::eventFilter(watched, event);
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

bool TMemoryForm::FrequencyKeyPress(QKeyEvent* key) {
    if (IsEnterKey(key)) {
        NormaliseFrequencies();
        return true;
    }
    if (!TypesCharacter(key)) return false;
    const char c = AsciiOf(key->text().front());
    return !((c >= '0' && c <= '9') || c == '.');
}

bool TMemoryForm::NameKeyPress(QKeyEvent* key) {
    if (key->key() == Qt::Key_Escape) return true;
    if (!TypesCharacter(key)) return false;
    // Small letters are let through: the edit shows them in capitals.
    const char typed = AsciiOf(key->text().front());
    if (IsMemoryNameCharacter(typed >= 'a' && typed <= 'z' ? static_cast<char>(typed - 'a' + 'A')
                                                           : typed)) {
        return false;
    }
    ShowMessage(this, QString::fromLatin1(kInvalidCharacterMessage), TMessageStyle::Information);
    return true;
}

void OpenMemoryEditor(TMainForm& mainForm) {
    TMemoryForm form(mainForm);
    ExecModal(form);
}
