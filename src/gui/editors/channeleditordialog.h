#pragma once

#include "gui/editors/editordialog.h"
#include "gui/editors/frequencygroup.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class TToneGroup;

struct TChannelDisplay;
struct TChannelEdits;

// An editor of a channel-like record: the memory channel, VFO and CALL editors. They share
// the frequency group (built by each in its own layout), the tone group and the Beat Shift
// and FM Narrow boxes of their "Option" group. The groups' controls are also the dialog's own
// members, under the same names in each of the three.
class TToneEditorDialog : public TEditorDialog {
public:
    TFrequencyGroup* FrequencyGroup = nullptr;
    QLabel* RxFrequencyLabel = nullptr;
    QLineEdit* RxFrequencyEdit = nullptr;
    QLabel* RxUnitLabel = nullptr;
    QLabel* StepLabel = nullptr;
    QComboBox* StepCombo = nullptr;
    QLabel* OffsetLabel = nullptr;
    QLineEdit* OffsetEdit = nullptr;
    QLabel* OffsetUnitLabel = nullptr;
    QRadioButton* SimplexRadio = nullptr;
    QRadioButton* PlusShiftRadio = nullptr;
    QRadioButton* MinusShiftRadio = nullptr;
    QRadioButton* Minus76ShiftRadio = nullptr;
    QCheckBox* ReverseBox = nullptr;

    TToneGroup* ToneGroup = nullptr;
    QCheckBox* ToneBox = nullptr;
    QCheckBox* CtcssBox = nullptr;
    QCheckBox* DcsBox = nullptr;
    QLabel* ToneLabel = nullptr;
    QComboBox* ToneCombo = nullptr;
    QLabel* CtcssLabel = nullptr;
    QComboBox* CtcssCombo = nullptr;
    QLabel* DcsLabel = nullptr;
    QComboBox* DcsCombo = nullptr;

    QCheckBox* BeatShiftBox = nullptr;
    QCheckBox* NarrowBox = nullptr;

protected:
    using TEditorDialog::TEditorDialog;
    // The frequency group, with or without the split transmit frequency.
    void MakeFrequencyGroup(TFrequencyGroup::TSplit split);
    void BuildToneGroup();
    // The Beat Shift and FM Narrow boxes in `group`; clicking one marks the record changed.
    void BuildOptionBoxes(QWidget* group);
    // The frequency group, the tone group and the option boxes show a record.
    void ShowChannel(const TChannelDisplay& display);
    // What they hold as typed.
    void ReadChannel(TChannelEdits& edits) const;
    // Edits in the frequency and tone groups mark the record changed; Enter in a frequency
    // fits the typed frequencies.
    void ConnectChannelGroups();
    virtual void NormaliseFrequencies() = 0;
};

// An editor of a channel-like record with split transmit frequency: the memory
// channel and CALL channel editors.
class TChannelEditorDialog : public TToneEditorDialog {
public:
    // The transmit frequency and its step take the offset's place while Split is chosen.
    QLabel* TxFrequencyLabel = nullptr;
    QLineEdit* TxFrequencyEdit = nullptr;
    QLabel* TxUnitLabel = nullptr;
    QLabel* TxStepLabel = nullptr;
    QComboBox* TxStepCombo = nullptr;
    QRadioButton* SplitRadio = nullptr;

protected:
    using TToneEditorDialog::TToneEditorDialog;
    void BuildFrequencyGroup();
};
