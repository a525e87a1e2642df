#pragma once

#include <QDialog>
#include <functional>

#include "core/model/channelediting.h"

class QLayout;
class QPushButton;
class TWorkspace;

// What the editor dialogs have in common: a fixed, centred frame in the program's font, the
// OK and Close buttons, the change mark and the question about unsaved edits.
class TEditorDialog : public QDialog {
    Q_OBJECT
public:
    // Whether the dialog holds edits not yet saved.
    bool ContentsChanged() const { return Changed; }

    // Stores the edits; false (after saying why) when a typed value is refused.
    virtual bool Save() = 0;
    // OK: closes once the edits are stored.
    void OKClick();

    QPushButton* OKButton = nullptr;
    QPushButton* CloseButton = nullptr;

public slots:
    // Closing asks about unsaved edits first; edits the user wants kept but that cannot be
    // saved keep the dialog open.
    void reject() override;

protected:
    TEditorDialog(TWorkspace& workspace, const char* caption);

    // The OK and Close buttons, right-aligned.
    QLayout* BuildButtons();
    // Shows a record: the controls' own change events mark nothing, and the mark is clear
    // afterwards.
    void Load(const std::function<void()>& show);
    void MarkChanged();
    // Asks `question` (Yes/No) when there are unsaved edits: Yes saves them, No drops them.
    // False when they were to be kept but could not be saved.
    bool ResolveChanges(const char* question = kReviseChangeQuestion);
    // Says why a typed value was refused; false when nothing was.
    bool Refused(TEditFailure failure);
    // Tells that a fit moved a frequency.
    void TellRounded(bool rounded);

    // The control that has the focus when the dialog appears.
    virtual QWidget* FirstFocus() const = 0;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    TWorkspace& Workspace;
    bool Changed = false;
    bool Loading = false;

private:
    bool Shown = false;
};
