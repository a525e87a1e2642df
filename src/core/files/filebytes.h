#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// Writes bytes to a path through a temporary file in the same folder, so the
// old file stays as it was unless the new one is complete. On failure
// `reason` (when given) tells why in the system's words, such as
// "No space left on device".
bool SaveFileBytes(const QString& path, std::string_view bytes, QString* reason = nullptr);

// The bytes of a file, or nothing when it cannot be read or is larger than
// `largest` (such a file is refused rather than read into memory). Only a
// regular file is read: a FIFO, device or folder is refused at once instead
// of waiting on it. On failure `reason` (when given) tells why: the system's
// words, "not a regular file" or "larger than N MiB".
std::optional<std::string> LoadFileBytes(const QString& path, qint64 largest,
                                         QString* reason = nullptr);

// Whether two paths name the same existing file, links followed.
bool IsSameFile(const QString& first, const QString& second);
