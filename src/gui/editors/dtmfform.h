#pragma once

#include "gui/editors/editordialog.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class TWorkspace;

// "DTMF Memory": edits the ten DTMF memories one at a time.
class TDtmfForm : public TEditorDialog {
    Q_OBJECT
public:
    explicit TDtmfForm(TWorkspace& workspace);

    // The entry whose code the edit shows.
    int Entry() const { return CurrentEntry; }

    QLabel* EntryLabel = nullptr;
    QComboBox* EntryCombo = nullptr;  // "0" .. "9"
    QGroupBox* CodeGroup = nullptr;
    QLineEdit* CodeEdit = nullptr;

    // Stores the code into the entry shown; a code cannot be refused.
    bool Save() override;

protected:
    QWidget* FirstFocus() const override;

private:
    void ConnectHandlers();
    void LoadEntry(int entry);
    // Moves to another entry, asking first about unsaved edits of the one shown.
    void ChangeEntry(int entry);
    void EntryComboChange(int index);
    bool EntryComboKeyPress(QKeyEvent* key);
    void CodeEditChange();

    int CurrentEntry = 0;
};

// Opens the DTMF editor on the DTMF grid's current row and waits until it closes.
void OpenDtmfEditor(TWorkspace& workspace);
