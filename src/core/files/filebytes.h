#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// Writes bytes to a path through a temporary file in the folder of the file
// it replaces, so the old file stays as it was unless the new one is
// complete. Through a symbolic link the link's target is replaced and the
// link stays, where ResolveSaveTarget allows it; nothing that is not a
// regular file is ever replaced. On failure `reason` (when given) tells why
// in the system's words, such as "No space left on device", or the
// program's, such as "not a regular file". The temporary files that saves
// killed half-way left in that folder ("club.tvr.a8Zq3x") go first.
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
