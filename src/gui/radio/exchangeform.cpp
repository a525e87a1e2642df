#include "gui/radio/exchangeform.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/model/radiodata.h"
#include "core/ports/portnames.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/workspace.h"
#include "gui/radio/windowlog.h"

namespace {

constexpr int kProgressWidth = 280;
constexpr int kInitialProgressMaximum = 100;

QString TextOf(const std::string& message) {
    return QString::fromStdString(message);
}

}  // namespace

TExchangeForm::TExchangeForm(TWorkspace& workspace, const QString& caption, const QString& text,
                             TExchangeKind kind, TTransferScope scope)
    : QDialog(workspace.Window()), Runner(*this), Workspace(workspace), Kind(kind), Scope(scope) {
    setWindowTitle(caption);
    // No close box: the exchange decides when the dialog goes.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    auto* layout = new QVBoxLayout(this);
    StatusLabel = new QLabel(text, this);
    StatusLabel->setObjectName(QStringLiteral("Label1"));
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar->setRange(0, kInitialProgressMaximum);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressBar->setFixedWidth(kProgressWidth);
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("Button1"));
    CancelButton->setDefault(true);
    connect(CancelButton, &QPushButton::clicked, this, &TExchangeForm::CancelClick);
    layout->addWidget(StatusLabel);
    layout->addWidget(ProgressBar);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TExchangeForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (Shown) return;
    Shown = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    }
    // Started from the event loop: an exchange that ends at once must not
    // close the dialog before exec() is ready to notice.
    QTimer::singleShot(0, this, &TExchangeForm::FormShow);
}

void TExchangeForm::FormShow() {
    if (Result) return;
    ProgressBar->setValue(0);
    const std::string device = PortDeviceName(PortNumberOf(Workspace.CommPort()));
    AttachWindowLog(Workspace, Runner.Port, Kind, Scope, device);
    // The runner has said why; a dialog with nothing left to do closes.
    if (!Runner.Begin(device)) Finished(TExchangeOutcome::PortFailed);
}

void TExchangeForm::CancelClick() {
    Runner.Cancel();
}

void TExchangeForm::reject() {
    if (Result) {
        QDialog::reject();
    } else {
        Runner.Cancel();
    }
}

void TExchangeForm::SetProgressMaximum(int maximum) {
    ProgressBar->setRange(0, maximum);
}

void TExchangeForm::SetProgress(int position) {
    // A position past the end fills the bar rather than being ignored by it.
    ProgressBar->setValue(std::clamp(position, ProgressBar->minimum(), ProgressBar->maximum()));
}

void TExchangeForm::ShowError(const std::string& message) {
    // Another transceiver ends the exchange: nothing is left to cancel.
    if (message == kUnsupportedMessage) setEnabled(false);
    ShowMessage(this, TextOf(message), TMessageStyle::Error);
}

void TExchangeForm::ShowWarning(const std::string& message) {
    ShowMessage(this, TextOf(message), TMessageStyle::Warning);
}

bool TExchangeForm::AskToContinue(const std::string& question) {
    return ShowMessage(this, TextOf(question), TMessageStyle::OkCancelWarning) ==
           TMessageAnswer::Ok;
}

void TExchangeForm::Finished(TExchangeOutcome outcome) {
    Result = outcome;
    const bool completed =
        outcome == TExchangeOutcome::Done || outcome == TExchangeOutcome::Refused;
    done(completed ? QDialog::Accepted : QDialog::Rejected);
}
