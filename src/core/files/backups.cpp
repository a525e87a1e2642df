#include "core/files/backups.h"

#include <QDir>

#include "core/files/datafile.h"
#include "core/files/datafolders.h"
#include "core/files/filebytes.h"
#include "core/files/filereport.h"
#include "core/files/keptfiles.h"
#include "core/model/radiodata.h"

QString FolderProblem(const QString& folder) {
    return QStringLiteral("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder));
}

namespace {

// Not saved as File > Save saves: that would write through a link planted at
// the backup's predictable name. A kept file takes only a name that is free.
QString KeepBackupBytes(const QString& model, const QString& kind, std::string_view bytes,
                        QString& problem, const QDateTime& when) {
    problem = DataFolderProblem();
    if (!problem.isEmpty()) return {};
    const QString folder = BackupsFolder();
    if (!EnsureFolder(folder)) {
        problem = FolderProblem(folder);
        return {};
    }
    QString reason;
    const QString path =
        KeepFileBytes(folder, {model, kind, when, QStringLiteral("tvr")}, bytes, reason);
    if (path.isEmpty()) {
        problem = QStringLiteral("The backup cannot be saved in %1: %2")
                      .arg(QDir::toNativeSeparators(folder), reason);
        return {};
    }
    PruneKeptFiles(folder, QStringLiteral("tvr"));
    return path;
}

}  // namespace

QString SaveBackup(const TRadioData& data, const QString& kind, QString& problem,
                   const QDateTime& when) {
    return KeepBackupBytes(QString::fromLatin1(data.GetModel()), kind, WriteDataFile(data), problem,
                           when);
}

QString BackUpFileBytes(const QString& path, const QString& model, const QString& kind,
                        QString& problem, const QDateTime& when) {
    QString reason;
    const std::optional<std::string> bytes = LoadFileBytes(path, kLargestKeptFile, &reason);
    if (!bytes) {
        problem = FileDetail(path, reason);
        return {};
    }
    return KeepBackupBytes(model, kind, *bytes, problem, when);
}
