#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// Writes bytes to a path through a temporary file in the same folder, so the
// old file stays as it was unless the new one is complete.
bool SaveFileBytes(const QString& path, std::string_view bytes);

// The bytes of a file, or nothing when it cannot be read or is larger than
// `largest` (such a file is refused rather than read into memory).
std::optional<std::string> LoadFileBytes(const QString& path, qint64 largest);
