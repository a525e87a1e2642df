#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <string_view>

// The files the program keeps by itself, such as backups and communication
// logs: named "<date> <time>[.<n>] <model> <kind>.<extension>", for example
// "2026-12-07 11-30-05 RV-310 read.tvr", so that they sort by time and the
// name is valid on every file system. The ".<n>" tells apart files of the
// same second.

// How many of each kind the folder keeps.
inline constexpr int kKeptFileLimit = 100;

// What names a kept file: "<when> <model> <kind>.<extension>".
struct TKeptFileName {
    QString Model;
    QString Kind;
    QDateTime When;
    QString Extension;
};

// A path in `folder` for a new kept file that no file has yet.
QString FreeKeptFilePath(const QString& folder, const QString& model, const QString& kind,
                         const QDateTime& when, const QString& extension);

// A new kept file open for writing (mode 0644). The name is created
// exclusively and never through a link: whatever already has a name, a
// file, a folder or a link planted there, the next counter is tried, so
// nothing outside `folder` is ever written. Like KeepFileBytes, it first
// removes the temporary files a killed KeepFileBytes left in `folder`.
struct TNewKeptFile {
    int Handle = -1;  // the caller owns it
    QString Path;
};
std::optional<TNewKeptFile> CreateKeptFile(const QString& folder, const TKeptFileName& name,
                                           QString& reason);

// Keeps `bytes` as a new kept file: they are written in full to a temporary
// file in `folder` first, which then takes the first free name without
// replacing anything. Returns the path; empty, with `reason`, on failure,
// when no trace of the file is left.
QString KeepFileBytes(const QString& folder, const TKeptFileName& name, std::string_view bytes,
                      QString& reason);

// Whether a file name is one the program made for a kept file of `extension`.
bool IsKeptFileName(const QString& name, const QString& extension);

// Deletes the oldest kept files of `extension` in `folder` beyond the newest
// `keep` of each kind (reads, writes, unsaved changes ... counted apart, a
// kind's scope such as "-memory" belonging to it); any other file there is
// left alone.
void PruneKeptFiles(const QString& folder, const QString& extension, int keep = kKeptFileLimit);
