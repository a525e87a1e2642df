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
    layout->addWidget(GroupBox1);
    layout->addWidget(BuildProgramVfoGroup());
    BuildToneGroup();
    layout->addWidget(GroupBox2);
    layout->addWidget(BuildOptionGroup());
    layout->addLayout(BuildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    SetTabOrder();
    ConnectHandlers();
    GroupBox1->FillSteps(Workspace.Data().GetModel());
    FillList(ComboBox2, PowerListTexts(Workspace.Data()));
    LoadVfo();
}

void TVfoForm::BuildFrequencyGroup() {
    GroupBox1 = new TFrequencyGroup(this, TFrequencyGroup::kWithoutSplit);
    Label1 = GroupBox1->Label_RxFrequency;
    Edit1 = GroupBox1->Edit_RxFrequency;
    Label2 = GroupBox1->Label_RxUnit;
    Label3 = GroupBox1->Label_Step;
    ComboBox1 = GroupBox1->ComboBox_Step;
    Label7 = GroupBox1->Label_Offset;
    Edit2 = GroupBox1->Edit_Offset;
    Label8 = GroupBox1->Label_OffsetUnit;
    RadioButton1 = GroupBox1->RadioButton_Simplex;
    RadioButton2 = GroupBox1->RadioButton_Plus;
    RadioButton3 = GroupBox1->RadioButton_Minus;
    RadioButton4 = GroupBox1->RadioButton_Minus76;
    CheckBox1 = GroupBox1->CheckBox_Reverse;
}

QGroupBox* TVfoForm::BuildProgramVfoGroup() {
    GroupBox3 = new QGroupBox(tr("Program VFO"), this);
    Edit3 = MakeEdit(GroupBox3, kRangeLength, kProgramVfoHelp);
    Label4 = MakeLabel("-", GroupBox3);
    Edit4 = MakeEdit(GroupBox3, kRangeLength, kProgramVfoHelp);
    Label5 = MakeLabel("MHz", GroupBox3);
    for (QLineEdit* edit : {Edit3, Edit4}) FilterKeys(edit, TypesNonNumber);
    auto* row = new QHBoxLayout(GroupBox3);
    row->addWidget(Edit3);
    row->addWidget(Label4);
    row->addWidget(Edit4);
    row->addWidget(Label5);
    row->addStretch();
    return GroupBox3;
}

QGroupBox* TVfoForm::BuildOptionGroup() {
    GroupBox4 = new QGroupBox(tr("Option"), this);
    ComboBox2 = MakeList(GroupBox4, kPowerHelp);
    Label6 = MakeLabel(QT_TRANSLATE_NOOP("Editors", "Power"), GroupBox4, ComboBox2);
    BuildOptionBoxes(GroupBox4);
    auto* grid = new QGridLayout(GroupBox4);
    grid->addWidget(Label6, 0, 0);
    grid->addWidget(ComboBox2, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(CheckBox6, 1, 0);
    grid->addWidget(CheckBox7, 1, 1);
    return GroupBox4;
}

void TVfoForm::SetTabOrder() {
    ChainTabOrder({Edit1,        ComboBox1, Edit2,     RadioButton1, RadioButton2, RadioButton3,
                   RadioButton4, CheckBox1, Edit3,     Edit4,        CheckBox2,    ComboBox3,
                   CheckBox3,    ComboBox4, CheckBox4, ComboBox5,    ComboBox2,    CheckBox6,
                   CheckBox7,    Button2,   Button1});
}

void TVfoForm::ConnectHandlers() {
    ConnectChannelGroups();
    connect(Edit3, &QLineEdit::textChanged, this, &TVfoForm::Edit3Change);
    connect(Edit4, &QLineEdit::textChanged, this, &TVfoForm::Edit4Change);
    connect(ComboBox2, &QComboBox::activated, this, &TVfoForm::MarkChanged);
}

QWidget* TVfoForm::FirstFocus() const {
    return Edit1;
}

// Loading and saving --------------------------------------------------------

void TVfoForm::LoadVfo() {
    Load([this] { ShowDisplay(VfoDisplayOf(Workspace.Data())); });
}

void TVfoForm::ShowDisplay(const TVfoDisplay& display) {
    ShowChannel(display);
    ShowRange({display.LowerLimit, display.UpperLimit});
    ComboBox2->setCurrentIndex(display.PowerPosition);
}

TVfoEdits TVfoForm::CurrentEdits() const {
    TVfoEdits edits;
    ReadChannel(edits);
    edits.PowerPosition = ComboBox2->currentIndex();
    return edits;
}

TRangeTexts TVfoForm::CurrentRange() const {
    return {Edit3->text().toStdString(), Edit4->text().toStdString()};
}

void TVfoForm::ShowRange(const TRangeTexts& range) {
    const QScopedValueRollback<bool> adjusting(AdjustingRange, true);
    SetTextIfOther(Edit3, range.Lower);
    SetTextIfOther(Edit4, range.Upper);
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

void TVfoForm::Edit3Change() {
    if (Loading || AdjustingRange) return;
    MarkChanged();
    ShowRange(LowerRangeTyped(Workspace.Data(), CurrentRange()));
}

void TVfoForm::Edit4Change() {
    if (Loading || AdjustingRange) return;
    MarkChanged();
    ShowRange(UpperRangeTyped(Workspace.Data(), CurrentRange()));
}

void TVfoForm::NormaliseFrequencies() {
    StoreRange();
    const TNormalisedTexts texts = NormaliseVfoTexts(Workspace.Data(), CurrentEdits());
    if (Refused(texts.Failure)) return;
    GroupBox1->ShowNormalised(texts);
    TellRounded(texts.Rounded);
}

void OpenVfoEditor(TWorkspace& workspace) {
    TVfoForm form(workspace);
    ExecModal(form);
}
