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
    grid->setColumnMinimumWidth(2, RxUnitLabel->sizeHint().width() + kUnitRoom);
    ConnectHandlers();
}

void TFrequencyGroup::BuildReceiveRow(QGridLayout& grid) {
    RxFrequencyEdit = MakeEdit(this, kFrequencyLength, kFrequencyHelp);
    RxFrequencyLabel =
        MakeLabel(QT_TRANSLATE_NOOP("Editors", "Rx Frequency"), this, RxFrequencyEdit);
    RxUnitLabel = MakeLabel("MHz", this);
    StepCombo = MakeList(this, kStepHelp);
    StepLabel = MakeLabel(QT_TRANSLATE_NOOP("Editors", "Step"), this, StepCombo);
    grid.addWidget(RxFrequencyLabel, kReceiveRow, 0);
    grid.addWidget(RxFrequencyEdit, kReceiveRow, 1);
    grid.addWidget(RxUnitLabel, kReceiveRow, 2);
    grid.addWidget(StepLabel, kReceiveRow, kStepLabelColumn, Qt::AlignRight);
    grid.addWidget(StepCombo, kReceiveRow, kStepLabelColumn + 1);
}

void TFrequencyGroup::BuildTransmitRow(QGridLayout& grid) {
    TxFrequencyEdit = MakeEdit(this, kFrequencyLength, kFrequencyHelp);
    TxFrequencyLabel =
        MakeLabel(QT_TRANSLATE_NOOP("Editors", "Tx Frequency"), this, TxFrequencyEdit);
    TxUnitLabel = MakeLabel("MHz", this);
    TxStepCombo = MakeList(this, kStepHelp);
    TxStepLabel = MakeLabel(QT_TRANSLATE_NOOP("Editors", "Step"), this, TxStepCombo);
    grid.addWidget(TxFrequencyLabel, kTransmitRow, 0);
    grid.addWidget(TxFrequencyEdit, kTransmitRow, 1);
    grid.addWidget(TxUnitLabel, kTransmitRow, 2);
    grid.addWidget(TxStepLabel, kTransmitRow, kStepLabelColumn, Qt::AlignRight);
    grid.addWidget(TxStepCombo, kTransmitRow, kStepLabelColumn + 1);
}

// The offset shares its row with the transmit frequency, shown while that is hidden.
void TFrequencyGroup::BuildOffsetRow(QGridLayout& grid) {
    OffsetEdit = MakeEdit(this, kOffsetLength, kOffsetHelp);
    OffsetEdit->setFixedWidth(RxFrequencyEdit->width());
    OffsetLabel = MakeLabel(QT_TRANSLATE_NOOP("Editors", "Offset"), this, OffsetEdit);
    OffsetUnitLabel = MakeLabel("MHz", this);
    grid.addWidget(OffsetLabel, kTransmitRow, 0);
    grid.addWidget(OffsetEdit, kTransmitRow, 1);
    grid.addWidget(OffsetUnitLabel, kTransmitRow, 2);
}

void TFrequencyGroup::BuildShiftRadios(QGridLayout& grid) {
    if (TxFrequencyEdit) {
        SplitRadio = MakeButton<QRadioButton>(QT_TRANSLATE_NOOP("Editors", "Split Channel"), this,
                                              kShiftHelp);
    }
    SimplexRadio =
        MakeButton<QRadioButton>(QT_TRANSLATE_NOOP("Editors", "Simplex"), this, kShiftHelp);
    PlusShiftRadio =
        MakeButton<QRadioButton>(QT_TRANSLATE_NOOP("Editors", "Plus Shift"), this, kShiftHelp);
    MinusShiftRadio =
        MakeButton<QRadioButton>(QT_TRANSLATE_NOOP("Editors", "Minus Shift"), this, kShiftHelp);
    Minus76ShiftRadio =
        MakeButton<QRadioButton>(QT_TRANSLATE_NOOP("Editors", "-7.6MHz Shift"), this, kShiftHelp);
    ReverseBox = MakeButton<QCheckBox>(QT_TRANSLATE_NOOP("Editors", "Reverse"), this, kReverseHelp);
    int row = kFirstRadioRow;
    for (QRadioButton* radio :
         {SplitRadio, SimplexRadio, PlusShiftRadio, MinusShiftRadio, Minus76ShiftRadio}) {
        if (radio) grid.addWidget(radio, row++, 0, 1, kStepLabelColumn);
    }
    grid.addWidget(ReverseBox, kFirstRadioRow, kStepLabelColumn, 1, 2);
}

void TFrequencyGroup::ConnectHandlers() {
    for (QLineEdit* edit : {RxFrequencyEdit, TxFrequencyEdit, OffsetEdit}) {
        if (!edit) continue;
        FilterKeys(edit, [this](QKeyEvent* key) { return FrequencyKeyPress(key); });
        connect(edit, &QLineEdit::textChanged, this, &TFrequencyGroup::Edited);
    }
    for (QComboBox* list : {StepCombo, TxStepCombo}) {
        if (list) connect(list, &QComboBox::activated, this, &TFrequencyGroup::Edited);
    }
    if (SplitRadio) {
        connect(SplitRadio, &QRadioButton::clicked, this, [this] { ShiftRadioClick(true); });
    }
    for (QRadioButton* radio : {SimplexRadio, PlusShiftRadio, MinusShiftRadio, Minus76ShiftRadio}) {
        connect(radio, &QRadioButton::clicked, this, [this] { ShiftRadioClick(false); });
    }
    connect(ReverseBox, &QCheckBox::clicked, this, &TFrequencyGroup::Edited);
}

void TFrequencyGroup::FillSteps(std::string_view model) {
    for (QComboBox* list : {StepCombo, TxStepCombo}) {
        if (list) FillList(list, StepListTexts(model));
    }
}

void TFrequencyGroup::ShowMinus76Option(bool offered) {
    Minus76ShiftRadio->setVisible(offered);
    Minus76ShiftRadio->setEnabled(true);
}

void TFrequencyGroup::Show(const TChannelDisplay& display) {
    RxFrequencyEdit->setText(TextOf(display.RxFrequency));
    StepCombo->setCurrentIndex(display.StepPosition);
    OffsetEdit->setText(TextOf(display.Offset));
    ShowMinus76Option(display.OffersMinus76);
    SelectShift(display.Shift);
    if (TxFrequencyEdit) {
        TxFrequencyEdit->setText(TextOf(display.TxFrequency));
        TxStepCombo->setCurrentIndex(display.TxStepPosition);
    }
    ReverseBox->setChecked(display.Reverse);
}

void TFrequencyGroup::SelectShift(TShiftChoice shift) {
    switch (shift) {
        case TShiftChoice::Split:
            SplitRadio->setChecked(true);
            break;
        case TShiftChoice::Plus:
            PlusShiftRadio->setChecked(true);
            break;
        case TShiftChoice::Minus:
            MinusShiftRadio->setChecked(true);
            break;
        case TShiftChoice::Minus76:
            Minus76ShiftRadio->setChecked(true);
            break;
        default:
            SimplexRadio->setChecked(true);
            break;
    }
    ShowSplitControls(shift == TShiftChoice::Split);
}

TShiftChoice TFrequencyGroup::CheckedShift() const {
    if (SplitRadio && SplitRadio->isChecked()) return TShiftChoice::Split;
    if (PlusShiftRadio->isChecked()) return TShiftChoice::Plus;
    if (MinusShiftRadio->isChecked()) return TShiftChoice::Minus;
    if (Minus76ShiftRadio->isChecked()) return TShiftChoice::Minus76;
    return TShiftChoice::Simplex;
}

void TFrequencyGroup::ReadEdits(TChannelEdits& edits) const {
    edits.RxText = RxFrequencyEdit->text().toStdString();
    edits.OffsetText = OffsetEdit->text().toStdString();
    edits.StepPosition = StepCombo->currentIndex();
    edits.TxText = TxFrequencyEdit ? TxFrequencyEdit->text().toStdString() : edits.RxText;
    edits.TxStepPosition = TxStepCombo ? TxStepCombo->currentIndex() : edits.StepPosition;
    edits.Shift = CheckedShift();
    edits.Reverse = ReverseBox->isChecked();
}

void TFrequencyGroup::ShowNormalised(const TNormalisedTexts& texts) {
    RxFrequencyEdit->setText(TextOf(texts.RxFrequency));
    if (TxFrequencyEdit) TxFrequencyEdit->setText(TextOf(texts.TxFrequency));
    OffsetEdit->setText(TextOf(texts.Offset));
}

void TFrequencyGroup::ShiftRadioClick(bool split) {
    emit Edited();
    ShowSplitControls(split);
}

void TFrequencyGroup::ShowSplitControls(bool split) {
    if (!TxFrequencyEdit) return;
    SetVisible({TxStepLabel, TxFrequencyLabel, TxUnitLabel, TxFrequencyEdit, TxStepCombo}, split);
    SetVisible({OffsetLabel, OffsetUnitLabel, OffsetEdit}, !split);
    // A split channel has no reverse.
    if (split) ReverseBox->setChecked(false);
    ReverseBox->setEnabled(!split);
}

bool TFrequencyGroup::FrequencyKeyPress(QKeyEvent* key) {
    if (IsEnterKey(key)) {
        emit EnterPressed();
        return true;
    }
    return TypesNonNumber(key);
}
