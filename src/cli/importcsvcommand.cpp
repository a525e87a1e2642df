// `import-csv IN.csv OUT.tvr [--into BASE.tvr]`: a CSV channel list into a data file.
#include "cli/clicommands.h"
#include "core/files/csvchannelfile.h"
#include "core/files/csvchannels.h"
#include "core/model/radiodata.h"

// The report goes to standard error; a list nothing could be taken from
// leaves no file behind.
int RunImportCsv(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    const std::optional<TCommandArguments> given =
        CommandArguments(options,
                         TCommandSyntax{QStringLiteral("import-csv"),
                                        {QStringLiteral("IN.csv"), QStringLiteral("OUT.tvr")},
                                        0,
                                        {},
                                        {QStringLiteral("--into")}},
                         errors);
    if (!given) return kExitUsage;
    const std::optional<QString> base = given->Value(QStringLiteral("--into"));
    if (base && !OpenAsOpenDoes(data, *base, errors)) return kExitUsage;
    std::string unreadable;
    const std::optional<std::string> text = LoadCsvFile(given->Operands[0], unreadable);
    if (!text) {
        SayMessage(errors, QString::fromStdString(unreadable));
        return kExitUsage;
    }
    const TCsvImport import = ImportCsvChannels(data, *text);
    errors << "tavrin-cli: " << QString::fromStdString(CsvImportReport(import));
    if (!CsvImportFailure(import).empty()) return kExitFailed;
    return SaveAsSaveDoes(data, given->Operands[1], errors) ? kExitDone : kExitUsage;
}
