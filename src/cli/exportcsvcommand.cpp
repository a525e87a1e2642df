// `export-csv IN.tvr OUT.csv`: a data file's memory channels as a CSV channel list.
#include "cli/clicommands.h"
#include "data/datafile.h"
#include "data/radiodata.h"
#include "editors/csvchannelfile.h"
#include "editors/csvchannels.h"

int RunExportCsv(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    if (options.Arguments.size() != 2)
        return UsageError(errors, QStringLiteral("export-csv needs IN.tvr OUT.csv"));
    if (!OpenAsOpenDoes(data, options.Arguments[0], errors)) return kExitUsage;
    const TCsvExport exported = ExportCsvChannels(data);
    if (!SaveCsvFile(options.Arguments[1], exported.Text)) {
        errors << kFileOpenErrorMessage << "\n";
        return kExitUsage;
    }
    for (const std::string& note : exported.Notes) errors << QString::fromStdString(note) << "\n";
    errors << QString::fromStdString(CsvExportSummary(exported)) << "\n";
    return kExitDone;
}
