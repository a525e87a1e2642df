#include "core/files/csvchannelfile.h"

#include <QFileInfo>

#include "core/files/csvchannels.h"
#include "core/files/datafile.h"
#include "core/files/filebytes.h"
#include "core/files/filereport.h"

std::optional<std::string> LoadCsvFile(const QString& path, std::string& problem, QString* detail) {
    QString reason;
    std::optional<std::string> text = LoadFileBytes(path, kLargestCsvFile, &reason);
    if (text) return text;
    const QFileInfo file(path);
    problem = file.isFile() && file.size() > kLargestCsvFile ? kCsvTooLargeMessage
                                                             : kFileOpenErrorMessage;
    const QString named = FileDetail(path, reason);
    if (detail) {
        *detail = named;
    } else {
        problem += "\n" + named.toStdString();
    }
    return text;
}

bool SaveCsvFile(const QString& path, std::string_view text, QString* reason,
                 const QString& input) {
    const QString refused = OutputFileProblem(path, input);
    if (refused.isEmpty()) return SaveFileBytes(path, text, reason);
    if (reason) *reason = refused;
    return false;
}

std::string CsvImportFailure(const TCsvImport& import) {
    if (!import.Problem.empty()) return import.Problem;
    return import.Imported == 0 ? kNothingImportedMessage : std::string();
}

std::string CsvExportSummary(const TCsvExport& exported, const TPatternText& patternText) {
    const char* pattern = exported.Exported == 1
                              ? QT_TRANSLATE_NOOP("CsvChannels", "%1 channel exported.")
                              : QT_TRANSLATE_NOOP("CsvChannels", "%1 channels exported.");
    return CsvPhraseText({pattern, {std::to_string(exported.Exported)}}, patternText);
}
