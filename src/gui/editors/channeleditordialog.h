#pragma once

#include "gui/editors/editordialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class TFrequencyGroup;
class TToneGroup;

struct TChannelDisplay;
struct TChannelEdits;

// An editor of a channel-like record: the memory channel, VFO and CALL editors. They share
// the frequency group (built by each in its own layout), the tone group and the Beat Shift
// and FM Narrow boxes of their "Option" group; the controls are named as the dialogs know them.
class TToneEditorDialog : public TEditorDialog {
public:
    TFrequencyGroup* GroupBox1 = nullptr;  // "Frequency"
    TToneGroup* GroupBox2 = nullptr;       // "Tone/CTCSS/DCS"
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QLabel* Label9 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QLabel* Label10 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QLabel* Label13 = nullptr;
    QComboBox* ComboBox5 = nullptr;
    QCheckBox* CheckBox6 = nullptr;  // Beat Shift
    QCheckBox* CheckBox7 = nullptr;  // FM Narrow

protected:
    using TEditorDialog::TEditorDialog;
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
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;  // receive frequency
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* ComboBox1 = nullptr;  // receive step
    QLabel* Label5 = nullptr;
    QLineEdit* Edit3 = nullptr;  // transmit frequency (split only)
    QLabel* Label6 = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* ComboBox2 = nullptr;  // transmit step (split only)
    QLabel* Label7 = nullptr;
    QLineEdit* Edit2 = nullptr;  // offset, in the transmit frequency's place
    QLabel* Label8 = nullptr;
    QRadioButton* RadioButton1 = nullptr;  // Split Channel
    QRadioButton* RadioButton2 = nullptr;  // Simplex
    QRadioButton* RadioButton3 = nullptr;  // Plus Shift
    QRadioButton* RadioButton4 = nullptr;  // Minus Shift
    QRadioButton* RadioButton5 = nullptr;  // -7.6MHz Shift
    QCheckBox* CheckBox1 = nullptr;        // Reverse

protected:
    using TToneEditorDialog::TToneEditorDialog;
    void BuildFrequencyGroup();
};
