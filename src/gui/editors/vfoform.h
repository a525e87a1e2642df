#pragma once

#include "gui/editors/channeleditordialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class TFrequencyGroup;
class TWorkspace;
class TToneGroup;

// "VFO": edits the VFO record together with the programmable VFO range that holds its
// frequency.
class TVfoForm : public TToneEditorDialog {
    Q_OBJECT
public:
    explicit TVfoForm(TWorkspace& workspace);

    // Controls, named as the dialog knows them.
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;  // frequency
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* ComboBox1 = nullptr;  // step
    QLabel* Label7 = nullptr;
    QLineEdit* Edit2 = nullptr;  // offset
    QLabel* Label8 = nullptr;
    QRadioButton* RadioButton1 = nullptr;  // Simplex
    QRadioButton* RadioButton2 = nullptr;  // Plus Shift
    QRadioButton* RadioButton3 = nullptr;  // Minus Shift
    QRadioButton* RadioButton4 = nullptr;  // -7.6MHz Shift
    QCheckBox* CheckBox1 = nullptr;        // Reverse
    QGroupBox* GroupBox3 = nullptr;        // "Program VFO"
    QLineEdit* Edit3 = nullptr;            // lower end, whole MHz
    QLabel* Label4 = nullptr;
    QLineEdit* Edit4 = nullptr;  // upper end
    QLabel* Label5 = nullptr;
    QGroupBox* GroupBox4 = nullptr;  // "Option"
    QLabel* Label6 = nullptr;
    QComboBox* ComboBox2 = nullptr;  // power

    bool Save() override;

protected:
    QWidget* FirstFocus() const override;
    void NormaliseFrequencies() override;

private:
    void BuildFrequencyGroup();
    QGroupBox* BuildProgramVfoGroup();
    QGroupBox* BuildOptionGroup();
    void SetTabOrder();
    void ConnectHandlers();

    void LoadVfo();
    void ShowDisplay(const TVfoDisplay& display);
    TVfoEdits CurrentEdits() const;
    TRangeTexts CurrentRange() const;
    void ShowRange(const TRangeTexts& range);
    // Completes the range edits and stores the range, which the frequency is then fitted into.
    void StoreRange();

    void Edit3Change();
    void Edit4Change();

    // Set while the dialog itself rewrites the range edits.
    bool AdjustingRange = false;
};

// Opens the VFO editor and waits until it closes.
void OpenVfoEditor(TWorkspace& workspace);
