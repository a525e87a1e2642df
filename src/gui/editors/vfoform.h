#pragma once

#include "gui/editors/channeleditordialog.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class TWorkspace;

// "VFO": edits the VFO record together with the programmable VFO range that holds its
// frequency. Its frequency group has no Split and no transmit frequency.
class TVfoForm : public TToneEditorDialog {
    Q_OBJECT
public:
    explicit TVfoForm(TWorkspace& workspace);

    QGroupBox* ProgramVfoGroup = nullptr;
    QLineEdit* LowerLimitEdit = nullptr;  // whole MHz
    QLabel* RangeDashLabel = nullptr;
    QLineEdit* UpperLimitEdit = nullptr;
    QLabel* RangeUnitLabel = nullptr;
    QGroupBox* OptionGroup = nullptr;
    QLabel* PowerLabel = nullptr;
    QComboBox* PowerCombo = nullptr;

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

    void LowerLimitEditChange();
    void UpperLimitEditChange();

    // Set while the dialog itself rewrites the range edits.
    bool AdjustingRange = false;
};

// Opens the VFO editor and waits until it closes.
void OpenVfoEditor(TWorkspace& workspace);
