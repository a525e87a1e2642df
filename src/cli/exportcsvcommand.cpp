// `export-csv IN.tvr OUT.csv`: a data file's memory channels as a CSV channel list.
#include "cli/clicommands.h"
#include "cli/clifiles.h"
#include "core/files/csvchannelfile.h"
#include "core/files/csvchannels.h"
#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "core/model/radiodata.h"

int RunExportCsv(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    const std::optional<QStringList> files =
        CommandFiles(options, 2, "export-csv needs IN.tvr OUT.csv", errors);
    if (!files) return kExitUsage;
    const QString& path = files->at(0);
    const QString& output = files->at(1);
    if (const int status = OpenForOutput(options, data, path, output, errors);
        status != kExitDone) {
        return status;
    }
    const TCsvExport exported = ExportCsvChannels(data);
    QString reason;
    if (!SaveCsvFile(output, exported.Text, &reason, path)) {
        ReportFileError(errors, kFileOpenErrorMessage, FileDetail(output, reason));
        return kExitUsage;
    }
    for (const std::string& note : exported.Notes) errors << QString::fromStdString(note) << "\n";
    errors << QString::fromStdString(CsvExportSummary(exported)) << "\n";
    return kExitDone;
}
