#include <QDir>
#include <QFileInfo>

#include "cli/clicommands.h"
#include "cli/clifiles.h"
#include "cli/consoleview.h"
#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "core/files/savetarget.h"
#include "core/model/radiodata.h"
#include "core/radio/readexchange.h"

namespace {

TExchangeLabel ReadLabel(const TRadioData& data, const TExchangeArguments& arguments) {
    return {TExchangeKind::Read, arguments.Scope, QString::fromStdString(data.GetModel()),
            arguments.Port};
}

// A file Save would refuse is refused before the transceiver is bothered.
QString OutputProblem(const QString& file) {
    if (!HasDataFileExtension(file)) return QStringLiteral("not a data file name (.tvr)");
    if (!QFileInfo(file).dir().exists()) return QStringLiteral("its folder does not exist");
    return SaveTargetProblem(file);
}

}  // namespace

int RunRead(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    const std::optional<TExchangeArguments> arguments =
        ParseExchangeArguments(options, false, errors);
    if (!arguments) return kExitUsage;
    if (const QString reason = OutputProblem(arguments->File); !reason.isEmpty()) {
        ReportFileError(errors, kFileOpenErrorMessage, FileDetail(arguments->File, reason));
        return kExitUsage;
    }
    TConsoleView view(errors, false);
    TExchangeRunner runner(view);
    const bool toneBurstShown = ToneBurstShown(options.ToneBurst, data);
    runner.SetExchange(
        std::make_unique<TReadExchange>(data, runner, arguments->Scope, toneBurstShown));
    AttachCliLog(options, runner.Port, ReadLabel(data, *arguments), errors);
    const TExchangeOutcome outcome = RunExchange(runner, view, arguments->Port);
    QString problem;
    BackUpAfterRead(data, arguments->Scope, outcome, problem);
    ReportKeptFileProblem(problem, errors);
    // Whatever arrived stays in the data set, but only a complete read becomes a file:
    // a partial one would pass for the transceiver's contents.
    if (outcome != TExchangeOutcome::Done) return view.ExitStatus(outcome);
    return SaveAsSaveDoes(data, arguments->File, errors) ? kExitDone : kExitUsage;
}
