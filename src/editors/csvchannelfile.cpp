#include "editors/csvchannelfile.h"

#include <QFileInfo>

#include "data/datafile.h"
#include "data/filebytes.h"
#include "editors/csvchannels.h"

std::optional<std::string> LoadCsvFile(const QString& path, std::string& problem) {
    std::optional<std::string> text = LoadFileBytes(path, kLargestCsvFile);
    if (!text) {
        const QFileInfo file(path);
        problem = file.isFile() && file.size() > kLargestCsvFile ? kCsvTooLargeMessage
                                                                 : kFileOpenErrorMessage;
    }
    return text;
}

bool SaveCsvFile(const QString& path, std::string_view text) {
    return !HasDataFileExtension(path) && SaveFileBytes(path, text);
}

std::string CsvImportFailure(const TCsvImport& import) {
    if (!import.Problem.empty()) return import.Problem;
    return import.Imported == 0 ? kNothingImportedMessage : std::string();
}

std::string CsvExportSummary(const TCsvExport& exported) {
    return std::to_string(exported.Exported) +
           (exported.Exported == 1 ? " channel exported." : " channels exported.");
}
