#pragma once

#include "gui/editors/channeleditordialog.h"

class QGroupBox;
class TWorkspace;

// "CALL Channel": edits the single CALL record, a memory channel without number, name or
// lock-out.
class TCallForm : public TChannelEditorDialog {
    Q_OBJECT
public:
    explicit TCallForm(TWorkspace& workspace);

    QGroupBox* OptionGroup = nullptr;

    bool Save() override;

protected:
    QWidget* FirstFocus() const override;
    void NormaliseFrequencies() override;

private:
    QGroupBox* BuildOptionGroup();
    void SetTabOrder();
    void ConnectHandlers();

    void LoadCall();
    TChannelEdits CurrentEdits() const;
};

// Opens the CALL channel editor and waits until it closes.
void OpenCallEditor(TWorkspace& workspace);
