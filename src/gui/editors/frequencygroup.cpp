#include "gui/editors/frequencygroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <initializer_list>

#include "core/model/frequencyrules.h"
#include "gui/editors/editorcontrols.h"

namespace {

constexpr int kFrequencyLength = 9;
constexpr int kOffsetLength = 5;
constexpr int kUnitRoom = 12;

// Help topics of the controls.
constexpr int kFrequencyHelp = 505;
constexpr int kStepHelp = 510;
constexpr int kOffsetHelp = 515;
constexpr int kReverseHelp = 520;
constexpr int kShiftHelp = 525;

// Grid rows and columns: label, edit, unit, step label, step list.
constexpr int kReceiveRow = 0;
constexpr int kTransmitRow = 1;
constexpr int kFirstRadioRow = 2;
constexpr int kStepLabelColumn = 3;

void SetVisible(std::initializer_list<QWidget*> controls, bool visible) {
    for (QWidget* control : controls) control->setVisible(visible);
}

}  // namespace

TFrequencyGroup::TFrequencyGroup(QWidget* parent, TSplit split)
    : QGroupBox(tr("Frequency"), parent) {
    auto* grid = new QGridLayout(this);
    BuildReceiveRow(*grid);
    if (split == kWithSplit) BuildTransmitRow(*grid);
    BuildOffsetRow(*grid);
    BuildShiftRadios(*grid);
    grid->setColumnMinimumWidth(2, Label_RxUnit->sizeHint().width() + kUnitRoom);
    ConnectHandlers();
}

void TFrequencyGroup::BuildReceiveRow(QGridLayout& grid) {
    Edit_RxFrequency = MakeEdit(this, kFrequencyLength, kFrequencyHelp);
    Label_RxFrequency =
        MakeLabel(QT_TRANSLATE_NOOP("Editors", "Rx Frequency"), this, Edit_RxFrequency);
    Label_RxUnit = MakeLabel("MHz", this);
    ComboBox_Step = MakeList(this, kStepHelp);
    Label_Step = MakeLabel(QT_TRANSLATE_NOOP("Editors", "Step"), this, ComboBox_Step);
    grid.addWidget(Label_RxFrequency, kReceiveRow, 0);
    grid.addWidget(Edit_RxFrequency, kReceiveRow, 1);
    grid.addWidget(Label_RxUnit, kReceiveRow, 2);
    grid.addWidget(Label_Step, kReceiveRow, kStepLabelColumn, Qt::AlignRight);
    grid.addWidget(ComboBox_Step, kReceiveRow, kStepLabelColumn + 1);
}

void TFrequencyGroup::BuildTransmitRow(QGridLayout& grid) {
    Edit_TxFrequency = MakeEdit(this, kFrequencyLength, kFrequencyHelp);
    Label_TxFrequency =
        MakeLabel(QT_TRANSLATE_NOOP("Editors", "Tx Frequency"), this, Edit_TxFrequency);
    Label_TxUnit = MakeLabel("MHz", this);
    ComboBox_TxStep = MakeList(this, kStepHelp);
    Label_TxStep = MakeLabel(QT_TRANSLATE_NOOP("Editors", "Step"), this, ComboBox_TxStep);
    grid.addWidget(Label_TxFrequency, kTransmitRow, 0);
    grid.addWidget(Edit_TxFrequency, kTransmitRow, 1);
    grid.addWidget(Label_TxUnit, kTransmitRow, 2);
    grid.addWidget(Label_TxStep, kTransmitRow, kStepLabelColumn, Qt::AlignRight);
    grid.addWidget(ComboBox_TxStep, kTransmitRow, kStepLabelColumn + 1);
}

// The offset shares its row with the transmit frequency, shown while that is hidden.
void TFrequencyGroup::BuildOffsetRow(QGridLayout& grid) {
    Edit_Offset = MakeEdit(this, kOffsetLength, kOffsetHelp);
    Edit_Offset->setFixedWidth(Edit_RxFrequency->width());
    Label_Offset = MakeLabel(QT_TRANSLATE_NOOP("Editors", "Offset"), this, Edit_Offset);
    Label_OffsetUnit = MakeLabel("MHz", this);
    grid.addWidget(Label_Offset, kTransmitRow, 0);
    grid.addWidget(Edit_Offset, kTransmitRow, 1);
    grid.addWidget(Label_OffsetUnit, kTransmitRow, 2);
}

void TFrequencyGroup::BuildShiftRadios(QGridLayout& grid) {
    if (Edit_TxFrequency) {
        RadioButton_Split = MakeButton<QRadioButton>(QT_TRANSLATE_NOOP("Editors", "Split Channel"),
                                                     this, kShiftHelp);
    }
    RadioButton_Simplex =
        MakeButton<QRadioButton>(QT_TRANSLATE_NOOP("Editors", "Simplex"), this, kShiftHelp);
    RadioButton_Plus =
        MakeButton<QRadioButton>(QT_TRANSLATE_NOOP("Editors", "Plus Shift"), this, kShiftHelp);
    RadioButton_Minus =
        MakeButton<QRadioButton>(QT_TRANSLATE_NOOP("Editors", "Minus Shift"), this, kShiftHelp);
    RadioButton_Minus76 =
        MakeButton<QRadioButton>(QT_TRANSLATE_NOOP("Editors", "-7.6MHz Shift"), this, kShiftHelp);
    CheckBox_Reverse =
        MakeButton<QCheckBox>(QT_TRANSLATE_NOOP("Editors", "Reverse"), this, kReverseHelp);
    int row = kFirstRadioRow;
    for (QRadioButton* radio : {RadioButton_Split, RadioButton_Simplex, RadioButton_Plus,
                                RadioButton_Minus, RadioButton_Minus76}) {
        if (radio) grid.addWidget(radio, row++, 0, 1, kStepLabelColumn);
    }
    grid.addWidget(CheckBox_Reverse, kFirstRadioRow, kStepLabelColumn, 1, 2);
}

void TFrequencyGroup::ConnectHandlers() {
    for (QLineEdit* edit : {Edit_RxFrequency, Edit_TxFrequency, Edit_Offset}) {
        if (!edit) continue;
        FilterKeys(edit, [this](QKeyEvent* key) { return FrequencyKeyPress(key); });
        connect(edit, &QLineEdit::textChanged, this, &TFrequencyGroup::Edited);
    }
    for (QComboBox* list : {ComboBox_Step, ComboBox_TxStep}) {
        if (list) connect(list, &QComboBox::activated, this, &TFrequencyGroup::Edited);
    }
    if (RadioButton_Split) {
        connect(RadioButton_Split, &QRadioButton::clicked, this, [this] { ShiftRadioClick(true); });
    }
    for (QRadioButton* radio :
         {RadioButton_Simplex, RadioButton_Plus, RadioButton_Minus, RadioButton_Minus76}) {
        connect(radio, &QRadioButton::clicked, this, [this] { ShiftRadioClick(false); });
    }
    connect(CheckBox_Reverse, &QCheckBox::clicked, this, &TFrequencyGroup::Edited);
}

void TFrequencyGroup::FillSteps(std::string_view model) {
    for (QComboBox* list : {ComboBox_Step, ComboBox_TxStep}) {
        if (list) FillList(list, StepListTexts(model));
    }
}

void TFrequencyGroup::ShowMinus76Option(bool offered) {
    RadioButton_Minus76->setVisible(offered);
    RadioButton_Minus76->setEnabled(true);
}

void TFrequencyGroup::Show(const TChannelDisplay& display) {
    Edit_RxFrequency->setText(TextOf(display.RxFrequency));
    ComboBox_Step->setCurrentIndex(display.StepPosition);
    Edit_Offset->setText(TextOf(display.Offset));
    ShowMinus76Option(display.OffersMinus76);
    SelectShift(display.Shift);
    if (Edit_TxFrequency) {
        Edit_TxFrequency->setText(TextOf(display.TxFrequency));
        ComboBox_TxStep->setCurrentIndex(display.TxStepPosition);
    }
    CheckBox_Reverse->setChecked(display.Reverse);
}

void TFrequencyGroup::SelectShift(TShiftChoice shift) {
    switch (shift) {
        case TShiftChoice::Split:
            RadioButton_Split->setChecked(true);
            break;
        case TShiftChoice::Plus:
            RadioButton_Plus->setChecked(true);
            break;
        case TShiftChoice::Minus:
            RadioButton_Minus->setChecked(true);
            break;
        case TShiftChoice::Minus76:
            RadioButton_Minus76->setChecked(true);
            break;
        default:
            RadioButton_Simplex->setChecked(true);
            break;
    }
    ShowSplitControls(shift == TShiftChoice::Split);
}

TShiftChoice TFrequencyGroup::CheckedShift() const {
    if (RadioButton_Split && RadioButton_Split->isChecked()) return TShiftChoice::Split;
    if (RadioButton_Plus->isChecked()) return TShiftChoice::Plus;
    if (RadioButton_Minus->isChecked()) return TShiftChoice::Minus;
    if (RadioButton_Minus76->isChecked()) return TShiftChoice::Minus76;
    return TShiftChoice::Simplex;
}

void TFrequencyGroup::ReadEdits(TChannelEdits& edits) const {
    edits.RxText = Edit_RxFrequency->text().toStdString();
    edits.OffsetText = Edit_Offset->text().toStdString();
    edits.StepPosition = ComboBox_Step->currentIndex();
    edits.TxText = Edit_TxFrequency ? Edit_TxFrequency->text().toStdString() : edits.RxText;
    edits.TxStepPosition = ComboBox_TxStep ? ComboBox_TxStep->currentIndex() : edits.StepPosition;
    edits.Shift = CheckedShift();
    edits.Reverse = CheckBox_Reverse->isChecked();
}

void TFrequencyGroup::ShowNormalised(const TNormalisedTexts& texts) {
    Edit_RxFrequency->setText(TextOf(texts.RxFrequency));
    if (Edit_TxFrequency) Edit_TxFrequency->setText(TextOf(texts.TxFrequency));
    Edit_Offset->setText(TextOf(texts.Offset));
}

void TFrequencyGroup::ShiftRadioClick(bool split) {
    emit Edited();
    ShowSplitControls(split);
}

void TFrequencyGroup::ShowSplitControls(bool split) {
    if (!Edit_TxFrequency) return;
    SetVisible({Label_TxStep, Label_TxFrequency, Label_TxUnit, Edit_TxFrequency, ComboBox_TxStep},
               split);
    SetVisible({Label_Offset, Label_OffsetUnit, Edit_Offset}, !split);
    // A split channel has no reverse.
    if (split) CheckBox_Reverse->setChecked(false);
    CheckBox_Reverse->setEnabled(!split);
}

bool TFrequencyGroup::FrequencyKeyPress(QKeyEvent* key) {
    if (IsEnterKey(key)) {
        emit EnterPressed();
        return true;
    }
    return TypesNonNumber(key);
}
