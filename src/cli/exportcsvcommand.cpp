// `export-csv IN.tvr OUT.csv`: a data file's memory channels as a CSV channel list.
#include "cli/clicommands.h"
#include "cli/clifiles.h"
#include "core/files/csvchannelfile.h"
#include "core/files/csvchannels.h"
#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "core/model/radiodata.h"

int RunExportCsv(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    if (options.Arguments.size() != 2)
        return UsageError(errors, QStringLiteral("export-csv needs IN.tvr OUT.csv"));
    const QString& path = options.Arguments[0];
    const QString& output = options.Arguments[1];
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
