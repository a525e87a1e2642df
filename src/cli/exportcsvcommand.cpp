// `export-csv IN.tvr OUT.csv`: a data file's memory channels as a CSV channel list.
#include "cli/clicommands.h"
#include "cli/clifiles.h"
#include "core/files/csvchannelfile.h"
#include "core/files/csvchannels.h"
#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "core/model/radiodata.h"

int RunExportCsv(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    const std::optional<TCommandArguments> given =
        CommandArguments(options,
                         TCommandSyntax{QStringLiteral("export-csv"),
                                        {QStringLiteral("IN.tvr"), QStringLiteral("OUT.csv")}},
                         errors);
    if (!given) return kExitUsage;
    const QString& path = given->Operands[0];
    const QString& output = given->Operands[1];
    if (const int status = OpenForOutput(options, data, path, output, errors);
        status != kExitDone) {
        return status;
    }
    const TCsvExport exported = ExportCsvChannels(data);
    if (IsStandardOutput(output)) {
        if (const int status = PrintBytes(exported.Text, errors); status != kExitDone) {
            return status;
        }
    } else if (QString reason; !SaveCsvFile(output, exported.Text, &reason, path)) {
        ReportFileError(errors, kFileOpenErrorMessage, FileDetail(output, reason));
        return kExitUsage;
    }
    for (const std::string& note : exported.Notes) SayMessage(errors, QString::fromStdString(note));
    SayMessage(errors, QString::fromStdString(CsvExportSummary(exported)));
    return kExitDone;
}
