#include "core/files/backups.h"

#include <QDir>

#include "core/files/datafile.h"
#include "core/files/datafolders.h"
#include "core/files/keptfiles.h"
#include "core/model/radiodata.h"

QString FolderProblem(const QString& folder) {
    return QStringLiteral("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder));
}

// Not saved as File > Save saves: that would write through a link planted at
// the backup's predictable name. A kept file takes only a name that is free.
QString SaveBackup(const TRadioData& data, const QString& kind, QString& problem,
                   const QDateTime& when) {
    problem = DataFolderProblem();
    if (!problem.isEmpty()) return {};
    const QString folder = BackupsFolder();
    if (!EnsureFolder(folder)) {
        problem = FolderProblem(folder);
        return {};
    }
    const TKeptFileName name{QString::fromLatin1(data.GetModel()), kind, when,
                             QStringLiteral("tvr")};
    QString reason;
    const QString path = KeepFileBytes(folder, name, WriteDataFile(data), reason);
    if (path.isEmpty()) {
        problem = QStringLiteral("The backup cannot be saved in %1: %2")
                      .arg(QDir::toNativeSeparators(folder), reason);
        return {};
    }
    PruneKeptFiles(folder, QStringLiteral("tvr"));
    return path;
}
