#pragma once

#include <QGroupBox>
#include <string_view>

#include "core/model/channelediting.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

// The "Frequency" group of the channel editors: receive frequency and step, offset, the
// shift radios and Reverse. Where channels can be split it also has the Split radio and the
// transmit frequency with its own step, which take the offset's place while Split is chosen.
class TFrequencyGroup : public QGroupBox {
    Q_OBJECT
public:
    enum TSplit { kWithoutSplit, kWithSplit };
    TFrequencyGroup(QWidget* parent, TSplit split);

    // The step lists of the model.
    void FillSteps(std::string_view model);
    // "-7.6MHz Shift" is there only where the market offers it.
    void ShowMinus76Option(bool offered);
    void Show(const TChannelDisplay& display);
    // The frequency part of the edits. Without split the transmit values repeat the receive
    // ones.
    void ReadEdits(TChannelEdits& edits) const;
    // The texts an Enter has parsed and fitted.
    void ShowNormalised(const TNormalisedTexts& texts);

    QLabel* RxFrequencyLabel = nullptr;
    QLineEdit* RxFrequencyEdit = nullptr;
    QLabel* RxUnitLabel = nullptr;
    QLabel* StepLabel = nullptr;
    QComboBox* StepCombo = nullptr;
    QLabel* TxFrequencyLabel = nullptr;  // this and the transmit controls only with split
    QLineEdit* TxFrequencyEdit = nullptr;
    QLabel* TxUnitLabel = nullptr;
    QLabel* TxStepLabel = nullptr;
    QComboBox* TxStepCombo = nullptr;
    QLabel* OffsetLabel = nullptr;
    QLineEdit* OffsetEdit = nullptr;
    QLabel* OffsetUnitLabel = nullptr;
    QRadioButton* SplitRadio = nullptr;
    QRadioButton* SimplexRadio = nullptr;
    QRadioButton* PlusShiftRadio = nullptr;
    QRadioButton* MinusShiftRadio = nullptr;
    QRadioButton* Minus76ShiftRadio = nullptr;
    QCheckBox* ReverseBox = nullptr;

signals:
    // The user changed something in the group.
    void Edited();
    // Enter in the frequency or offset edit: the texts are to be normalised.
    void EnterPressed();

private:
    void BuildReceiveRow(QGridLayout& grid);
    void BuildTransmitRow(QGridLayout& grid);
    void BuildOffsetRow(QGridLayout& grid);
    void BuildShiftRadios(QGridLayout& grid);
    void ConnectHandlers();
    void SelectShift(TShiftChoice shift);
    TShiftChoice CheckedShift() const;
    void ShiftRadioClick(bool split);
    void ShowSplitControls(bool split);
    bool FrequencyKeyPress(QKeyEvent* key);
};
