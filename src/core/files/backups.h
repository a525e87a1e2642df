#pragma once

#include <QDateTime>
#include <QString>

class TRadioData;

// Saves the data set in the Backups folder as a new backup named after the
// model, `when` and `kind` (such as "read" or "write-memory"), then keeps only
// the newest backups there. Returns the backup's path; on failure nothing,
// with `problem` telling the user why.
QString SaveBackup(const TRadioData& data, const QString& kind, QString& problem,
                   const QDateTime& when = QDateTime::currentDateTime());

// Keeps the bytes of the file at `path`, about to be replaced, as a backup of
// `kind` (such as "damaged") named after `model`. Returns the backup's path;
// on failure nothing, with `problem` telling the user why.
inline constexpr qint64 kLargestKeptFile = 64 << 20;
QString BackUpFileBytes(const QString& path, const QString& model, const QString& kind,
                        QString& problem, const QDateTime& when = QDateTime::currentDateTime());

// The message for a folder of ours that could not be created.
QString FolderProblem(const QString& folder);
