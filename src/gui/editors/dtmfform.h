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

    // Controls, named as the dialog knows them.
    QLabel* Label2 = nullptr;
    QComboBox* ComboBox1 = nullptr;  // entry "0" .. "9"
    QGroupBox* GroupBox1 = nullptr;  // "DTMF Code"
    QLineEdit* Edit1 = nullptr;

    // Stores the code into the entry shown; a code cannot be refused.
    bool Save() override;

protected:
    QWidget* FirstFocus() const override;

private:
    void ConnectHandlers();
    void LoadEntry(int entry);
    // Moves to another entry, asking first about unsaved edits of the one shown.
    void ChangeEntry(int entry);
    void ComboBox1Change(int index);
    bool ComboBox1KeyPress(QKeyEvent* key);
    void Edit1Change();

    int CurrentEntry = 0;
};

// Opens the DTMF editor on the DTMF grid's current row and waits until it closes.
void OpenDtmfEditor(TWorkspace& workspace);
