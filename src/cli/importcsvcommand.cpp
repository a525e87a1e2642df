// `import-csv IN.csv OUT.tvr [--into BASE.tvr]`: a CSV channel list into a data file.
#include "cli/clicommands.h"
#include "core/files/csvchannelfile.h"
#include "core/files/csvchannels.h"
#include "core/model/radiodata.h"

namespace {

struct TImportArguments {
    QString Csv;
    QString Out;
    std::optional<QString> Base;  // nothing: the data set as New makes it
};

std::optional<TImportArguments> ParseImportArguments(const QStringList& arguments, QString& error) {
    TImportArguments parsed;
    QStringList positional;
    const bool taken =
        SplitArguments(arguments, positional, [&](const QString& option, qsizetype& next) {
            if (option != QLatin1String("--into") || parsed.Base || next + 1 >= arguments.size()) {
                error = QStringLiteral("import-csv IN.csv OUT.tvr [--into BASE.tvr]");
                return false;
            }
            parsed.Base = arguments[++next];
            return true;
        });
    if (!taken) return std::nullopt;
    if (positional.size() != 2) {
        error = QStringLiteral("import-csv needs IN.csv OUT.tvr");
        return std::nullopt;
    }
    parsed.Csv = positional[0];
    parsed.Out = positional[1];
    return parsed;
}

}  // namespace

// The report goes to standard error; a list nothing could be taken from
// leaves no file behind.
int RunImportCsv(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    QString problem;
    const std::optional<TImportArguments> arguments =
        ParseImportArguments(options.Arguments, problem);
    if (!arguments) return UsageError(errors, problem);
    if (arguments->Base && !OpenAsOpenDoes(data, *arguments->Base, errors)) return kExitUsage;
    std::string unreadable;
    const std::optional<std::string> text = LoadCsvFile(arguments->Csv, unreadable);
    if (!text) {
        errors << QString::fromStdString(unreadable) << "\n";
        return kExitUsage;
    }
    const TCsvImport import = ImportCsvChannels(data, *text);
    errors << QString::fromStdString(CsvImportReport(import));
    if (!CsvImportFailure(import).empty()) return kExitFailed;
    return SaveAsSaveDoes(data, arguments->Out, errors) ? kExitDone : kExitUsage;
}
