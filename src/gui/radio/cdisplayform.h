#pragma once

#include <QDialog>

#include "core/radio/displayrunner.h"

class QCheckBox;
class QPushButton;
class TWorkspace;

// Radio > Channel Display: shows the transceiver's channel display protection
// when it opens, and sends the box's setting on OK, which then closes it.
class TCDisplayForm : public QDialog, public TDisplayView {
    Q_OBJECT
public:
    explicit TCDisplayForm(TWorkspace& workspace);

    QCheckBox* ProtectBox = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    TDisplayRunner Runner;

    // TDisplayView
    void ShowProtection(bool isProtected) override;
    void ShowError(const std::string& message) override;
    void FlowEnded(TDisplayOutcome outcome) override;

    void reject() override;

signals:
    // The query has ended and the window waits for the user.
    void QueryEnded();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void FormShow();
    void OKClick();
    void UpdateButtons();

    TWorkspace& Workspace;
    bool Shown = false;
};
