#include "data/backups.h"

#include <QDir>

#include "data/datafile.h"
#include "data/datafolders.h"
#include "data/keptfiles.h"
#include "data/radiodata.h"

QString FolderProblem(const QString& folder) {
    return QStringLiteral("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder));
}

QString SaveBackup(const TRadioData& data, const QString& kind, QString& problem,
                   const QDateTime& when) {
    const QString folder = BackupsFolder();
    if (!EnsureFolder(folder)) {
        problem = FolderProblem(folder);
        return {};
    }
    const QString model = QString::fromLatin1(data.GetModel());
    const QString path = FreeKeptFilePath(folder, model, kind, when, QStringLiteral("tvr"));
    if (!SaveDataFile(data, path)) {
        problem =
            QStringLiteral("The backup %1 cannot be saved.").arg(QDir::toNativeSeparators(path));
        return {};
    }
    PruneKeptFiles(folder, QStringLiteral("tvr"));
    return path;
}
