// Steps the commands share: how they report usage errors, open and save data files.
#include "cli/clicommands.h"
#include "data/datafile.h"
#include "data/radiodata.h"
#include "link/commlog.h"
#include "link/kcomm.h"

int UsageError(QTextStream& errors, const QString& problem) {
    errors << "tavrin-cli: " << problem << "\n" << UsageText();
    return kExitUsage;
}

bool OpenAsOpenDoes(TRadioData& data, const QString& path, QTextStream& errors) {
    const TDataFileResult result = OpenDataFile(data, path);
    if (result == TDataFileResult::Loaded) return true;
    errors << DataFileMessage(result) << "\n";
    return false;
}

bool SaveAsSaveDoes(const TRadioData& data, const QString& path, QTextStream& errors) {
    if (SaveDataFile(data, path)) return true;
    errors << kFileOpenErrorMessage << "\n";
    return false;
}

void ReportKeptFileProblem(const QString& problem, QTextStream& errors) {
    if (problem.isEmpty()) return;
    errors << "tavrin-cli: " << problem << "\n";
    errors.flush();
}

void AttachCliLog(const TCliOptions& options, TKComm& comm, const TExchangeLabel& label,
                  QTextStream& errors) {
    if (options.LogFile.isEmpty()) return;
    QString problem;
    std::unique_ptr<TCommLog> log = OpenExchangeLogAt(options.LogFile, label, problem);
    ReportKeptFileProblem(problem, errors);
    comm.AttachLog(std::move(log));
}
