// `export-csv IN.tvr OUT.csv`: a data file's memory channels as a CSV channel list.
#include "cli/clicommands.h"
#include "cli/clifiles.h"
#include "data/datafile.h"
#include "data/filereport.h"
#include "data/radiodata.h"
#include "editors/csvchannelfile.h"
#include "editors/csvchannels.h"

int RunExportCsv(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    if (options.Arguments.size() != 2)
        return UsageError(errors, QStringLiteral("export-csv needs IN.tvr OUT.csv"));
    const QString& path = options.Arguments[0];
    const QString& output = options.Arguments[1];
    if (!OpenForOutput(data, path, output, errors)) return kExitUsage;
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
