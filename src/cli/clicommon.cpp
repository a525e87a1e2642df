// Steps the commands share: how they report usage errors, open and save data files.
#include "cli/clicommands.h"
#include "cli/clifiles.h"
#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "core/model/radiodata.h"
#include "core/radio/commlog.h"
#include "core/radio/kcomm.h"

int UsageError(QTextStream& errors, const QString& problem) {
    errors << "tavrin-cli: " << problem << "\n" << UsageText();
    return kExitUsage;
}

void ReportFileError(QTextStream& errors, const char* message, const QString& detail) {
    errors << message << "\n";
    if (!detail.isEmpty()) errors << detail << "\n";
}

// A damaged file opens as it does in the window, with the warning on standard error.
bool OpenAsOpenDoes(TRadioData& data, const QString& path, QTextStream& errors) {
    std::string missing;
    QString reason;
    const TDataFileResult result = OpenDataFile(data, path, &missing, &reason);
    if (result == TDataFileResult::Loaded) {
        if (!missing.empty()) {
            errors << QString::fromStdString(DamagedFileMessage(missing)) << "\n"
                   << VisibleFileName(path) << "\n";
        }
        return true;
    }
    ReportFileError(errors, DataFileMessage(result), DataFileOpenDetail(path, result, reason));
    return false;
}

// Refused before anything is read, so `pdf club.tvr club.tvr` cannot cost the data file.
bool OpenForOutput(TRadioData& data, const QString& input, const QString& output,
                   QTextStream& errors) {
    if (const QString problem = OutputFileProblem(output, input); !problem.isEmpty()) {
        ReportFileError(errors, kFileOpenErrorMessage, FileDetail(output, problem));
        return false;
    }
    return OpenAsOpenDoes(data, input, errors);
}

bool SaveAsSaveDoes(const TRadioData& data, const QString& path, QTextStream& errors) {
    QString reason;
    if (SaveDataFile(data, path, &reason)) return true;
    ReportFileError(errors, kFileOpenErrorMessage, FileDetail(path, reason));
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
