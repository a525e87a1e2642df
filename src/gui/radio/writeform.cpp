#include "gui/radio/writeform.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <memory>

#include "core/model/radiodata.h"
#include "core/radio/verifiedwrite.h"
#include "core/radio/writeexchange.h"
#include "gui/kit/helpcontext.h"
#include "gui/kit/modal.h"
#include "gui/kit/reportdialog.h"
#include "gui/kit/workspace.h"

namespace {

constexpr int kNoticeMilliseconds = 20000;

std::unique_ptr<TExchange> WriteExchange(TWorkspace& workspace, TExchangeHost& host,
                                         TTransferScope scope, bool toneBurstShown, bool verify) {
    if (verify) {
        return std::make_unique<TVerifiedWrite>(workspace.Data(), host, scope, toneBurstShown);
    }
    return std::make_unique<TWriteExchange>(workspace.Data(), host, scope, toneBurstShown);
}

// VerifyFailedMessage() as the window says it, in the language shown.
QString VerifyFailedSummary(qsizetype differences) {
    const QString summary =
        differences == 1
            ? QCoreApplication::translate(
                  "Messages",
                  "The data read back from the transceiver differs from the data written in %1 "
                  "place.\nThe transceiver does not hold the data as written. Please write again.")
            : QCoreApplication::translate(
                  "Messages",
                  "The data read back from the transceiver differs from the data written in %1 "
                  "places.\nThe transceiver does not hold the data as written. Please write "
                  "again.");
    return summary.arg(differences);
}

}  // namespace

TWriteForm::TWriteForm(TWorkspace& workspace, TTransferScope scope, bool toneBurstShown,
                       bool verify)
    : TExchangeForm(workspace, tr("Write"), tr("Writing data to the transceiver."),
                    TExchangeKind::Write, scope) {
    SetHelpContext(this, 70);
    Runner.SetExchange(WriteExchange(workspace, Runner, scope, toneBurstShown, verify));
}

// While the market code question is open, its own Cancel is the way out.
bool TWriteForm::AskToContinue(const std::string& question) {
    CancelButton->setEnabled(false);
    const bool goOn = TExchangeForm::AskToContinue(question);
    if (goOn) {
        CancelButton->setEnabled(true);
        CancelButton->setFocus();
    }
    return goOn;
}

void TWriteForm::Verifying() {
    StatusLabel->setText(tr("Reading the data back from the transceiver to verify it."));
    SetProgress(0);
}

void TWriteForm::Finished(TExchangeOutcome outcome) {
    if (outcome == TExchangeOutcome::Differs) ShowDifferences();
    const bool verified = dynamic_cast<const TVerifiedWrite*>(Runner.Exchange()) != nullptr;
    if (verified && outcome == TExchangeOutcome::Done) {
        Workspace.ShowStatusNote(QCoreApplication::translate("Messages", kVerifiedMessage),
                                 kNoticeMilliseconds);
    }
    TExchangeForm::Finished(outcome);
}

// The differences may run to hundreds of lines: they scroll under the summary.
void TWriteForm::ShowDifferences() {
    const auto* verified = dynamic_cast<const TVerifiedWrite*>(Runner.Exchange());
    if (verified == nullptr) return;
    QStringList lines;
    for (const TDataDifference& difference : verified->Differences()) {
        lines << QString::fromStdString(DifferenceLine(difference, "written", "read back"));
    }
    TReportDialog report(VerifyFailedSummary(lines.size()), lines, this);
    ExecModal(report);
}

void TWriteForm::Identified() {
    QString problem;
    BackUpBeforeWrite(Workspace.Data(), Scope, problem);
    if (!problem.isEmpty()) Workspace.ShowKeptFileProblem(problem);
}
