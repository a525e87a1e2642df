// Steps the commands share: how they report usage errors, open and save data files.
#include "cli/clicommands.h"
#include "cli/clifiles.h"
#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "core/radio/commlog.h"
#include "core/radio/kcomm.h"
#include "core/radio/writechecks.h"

void SayMessage(QTextStream& errors, const QString& message) {
    errors << "tavrin-cli: " << message << "\n";
    errors.flush();
}

int UsageError(QTextStream& errors, const QString& problem, const QString& command) {
    SayMessage(errors, problem);
    errors << "Try 'tavrin-cli " << (command.isEmpty() ? QString() : command + QLatin1Char(' '))
           << "--help'.\n";
    return kExitUsage;
}

std::optional<TCommandArguments> CommandArguments(const TCliOptions& options,
                                                  const TCommandSyntax& syntax,
                                                  QTextStream& errors) {
    QString problem;
    std::optional<TCommandArguments> parsed =
        ParseCommandArguments(syntax, options.Arguments, problem);
    if (!parsed) UsageError(errors, problem, syntax.Command);
    return parsed;
}

void ReportFileError(QTextStream& errors, const char* message, const QString& detail) {
    SayMessage(errors, QString::fromUtf8(message));
    if (!detail.isEmpty()) errors << detail << "\n";
}

namespace {

// The warning for a file that opened with gaps and, when asked, with values the transceiver
// does not take; empty for a whole file.
std::string OpenWarning(const TRadioData& data, const std::string& missing, bool listRuleBreaks) {
    if (listRuleBreaks) return OpenedFileWarning(data, missing);
    return missing.empty() ? std::string() : DamagedFileMessage(missing);
}

// What Open says of a file: the warning for one that opened, the refusal for one that did not.
bool ReportOpenResult(TDataFileResult result, const TRadioData& data, const std::string& missing,
                      const QString& path, const QString& reason, QTextStream& errors,
                      bool listRuleBreaks = true) {
    if (result == TDataFileResult::Loaded) {
        if (const std::string warning = OpenWarning(data, missing, listRuleBreaks);
            !warning.empty()) {
            SayMessage(errors, QString::fromStdString(warning));
            errors << VisibleFileName(path) << "\n";
        }
        return true;
    }
    ReportFileError(errors, DataFileMessage(result), DataFileOpenDetail(path, result, reason));
    return false;
}

// The configurations a file may open with when no --radio is given: the stored
// one first (it knows the market of the user's radio), then every catalogue row.
std::vector<TRadioData> CandidateConfigurations(const TCliOptions& options) {
    std::vector<TRadioData> candidates(1);
    QString unused;
    if (!ConfigureDataSet(options, candidates.front(), unused)) candidates.clear();
    TCliOptions row = options;
    row.Channels.clear();
    for (int index = 1; index <= kCatalogueRows; ++index) {
        row.Radio = index;
        ConfigureDataSet(row, candidates.emplace_back(), unused);
    }
    return candidates;
}

// The file opened for the model its header names.
bool OpenWithOwnConfiguration(const TCliOptions& options, TRadioData& data, const QString& path,
                              QTextStream& errors) {
    QString reason;
    const std::optional<std::string> bytes = LoadDataFileBytes(path, &reason);
    TDataFileResult result = TDataFileResult::CannotOpen;
    std::string missing;
    if (bytes) {
        for (TRadioData& candidate : CandidateConfigurations(options)) {
            result = ReadDataFile(candidate, *bytes, &missing);
            if (result == TDataFileResult::WrongModel) continue;
            if (result == TDataFileResult::Loaded) data = std::move(candidate);
            break;
        }
    }
    return ReportOpenResult(result, data, missing, path, reason, errors);
}

}  // namespace

// A damaged file opens as it does in the window, with the warning on standard error.
bool OpenAsOpenDoes(TRadioData& data, const QString& path, QTextStream& errors,
                    bool listRuleBreaks) {
    std::string missing;
    QString reason;
    const TDataFileResult result = OpenDataFile(data, path, &missing, &reason);
    return ReportOpenResult(result, data, missing, path, reason, errors, listRuleBreaks);
}

int OpenInputFile(const TCliOptions& options, TRadioData& data, const QString& path,
                  QTextStream& errors) {
    if (options.Radio == 0) {
        return OpenWithOwnConfiguration(options, data, path, errors) ? kExitDone : kExitUsage;
    }
    QString problem;
    if (!ConfigureDataSet(options, data, problem)) {
        return UsageError(errors, problem, options.Command);
    }
    return OpenAsOpenDoes(data, path, errors) ? kExitDone : kExitUsage;
}

// Refused before anything is read, so `pdf club.tvr club.tvr` cannot cost the data file.
int OpenForOutput(const TCliOptions& options, TRadioData& data, const QString& input,
                  const QString& output, QTextStream& errors) {
    if (const QString problem =
            IsStandardOutput(output) ? QString() : OutputFileProblem(output, input);
        !problem.isEmpty()) {
        ReportFileError(errors, kFileOpenErrorMessage, FileDetail(output, problem));
        return kExitUsage;
    }
    return OpenInputFile(options, data, input, errors);
}

bool SaveAsSaveDoes(const TRadioData& data, const QString& path, QTextStream& errors) {
    QString reason;
    if (SaveDataFile(data, path, &reason)) return true;
    ReportFileError(errors, kFileOpenErrorMessage, FileDetail(path, reason));
    return false;
}

void ReportKeptFileProblem(const QString& problem, QTextStream& errors) {
    if (!problem.isEmpty()) SayMessage(errors, problem);
}

void AttachCliLog(const TCliOptions& options, TKComm& comm, const TExchangeLabel& label,
                  QTextStream& errors) {
    if (options.LogFile.isEmpty()) return;
    QString problem;
    std::unique_ptr<TCommLog> log = OpenExchangeLogAt(options.LogFile, label, problem);
    ReportKeptFileProblem(problem, errors);
    if (log) {
        log->SetFailureReport(
            [&errors](const QString& failure) { ReportKeptFileProblem(failure, errors); });
    }
    comm.AttachLog(std::move(log));
}
