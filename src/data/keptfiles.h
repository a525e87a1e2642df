#pragma once

#include <QDateTime>
#include <QString>

// The files the program keeps by itself, such as backups and communication
// logs: named "<date> <time>[.<n>] <model> <kind>.<extension>", for example
// "2026-12-07 11-30-05 RV-310 read.tvr", so that they sort by time and the
// name is valid on every file system. The ".<n>" tells apart files of the
// same second.

// How many of each the folder keeps.
inline constexpr int kKeptFileLimit = 100;

// A path in `folder` for a new kept file that no file has yet.
QString FreeKeptFilePath(const QString& folder, const QString& model, const QString& kind,
                         const QDateTime& when, const QString& extension);

// Whether a file name is one the program made for a kept file of `extension`.
bool IsKeptFileName(const QString& name, const QString& extension);

// Deletes the oldest kept files of `extension` in `folder` beyond the newest
// `keep`; any other file there is left alone.
void PruneKeptFiles(const QString& folder, const QString& extension, int keep = kKeptFileLimit);
