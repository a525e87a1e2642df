#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/csvchannels.h"

// Channel lists are small: a larger file is refused before it is read into memory.
inline constexpr qint64 kLargestCsvFile = qint64{4} * 1024 * 1024;
inline constexpr char kCsvTooLargeMessage[] =
    QT_TRANSLATE_NOOP("Messages", "This file is too large for a channel list (over 4 MiB).");
inline constexpr char kNothingImportedMessage[] =
    QT_TRANSLATE_NOOP("Messages", "No channels could be imported from this file.");

// The text of a CSV channel list; nothing, with the message the user reads in
// `problem`, when it cannot be read or is too large. The file's name and the
// reason ("club.csv: not a regular file") go to `detail` when given, else on
// a line of their own under the message, as the command line prints them.
std::optional<std::string> LoadCsvFile(const QString& path, std::string& problem,
                                       QString* detail = nullptr);

// Writes a CSV channel list as SaveFileBytes does. A data file is refused,
// named directly or through a link, so a slip of the name cannot replace
// one; so is `input`, the file the list is made from. `reason` tells why.
bool SaveCsvFile(const QString& path, std::string_view text, QString* reason = nullptr,
                 const QString& input = {});

// Why an import stored no channel, as the user reads it; empty when it stored some.
std::string CsvImportFailure(const TCsvImport& import);

// The line that tells how many channels an export wrote: "12 channels exported."
std::string CsvExportSummary(const TCsvExport& exported, const TPatternText& patternText = {});
