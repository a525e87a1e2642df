#pragma once

#include <QDialog>
#include <optional>

#include "core/radio/exchangerunner.h"
#include "core/radio/transferrecords.h"

class QLabel;
class QProgressBar;
class QPushButton;
class TWorkspace;

// What the Read and Write dialogs share: a line of text, a progress bar and
// Cancel around an exchange that runs on the event loop while the dialog is
// up. Only the exchange closes the dialog; Cancel, Escape and a close from
// the window manager all ask it to stop, and it closes once it has.
class TExchangeForm : public QDialog, public TExchangeView {
    Q_OBJECT
public:
    TExchangeForm(TWorkspace& workspace, const QString& caption, const QString& text,
                  TExchangeKind kind, TTransferScope scope);

    // How the exchange ended; nothing while it runs.
    std::optional<TExchangeOutcome> Outcome() const { return Result; }

    QLabel* StatusLabel = nullptr;  // what the exchange is doing
    QProgressBar* ProgressBar = nullptr;
    QPushButton* CancelButton = nullptr;
    TExchangeRunner Runner;

    // TExchangeView
    void SetProgressMaximum(int maximum) override;
    void SetProgress(int position) override;
    void ShowError(const std::string& message) override;
    void ShowWarning(const std::string& message) override;
    bool AskToContinue(const std::string& question) override;
    void Finished(TExchangeOutcome outcome) override;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

    TWorkspace& Workspace;
    const TExchangeKind Kind;
    const TTransferScope Scope;

private:
    void FormShow();
    void CancelClick();

    bool Shown = false;
    std::optional<TExchangeOutcome> Result;
};
