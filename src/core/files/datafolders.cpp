#include "core/files/datafolders.h"

#include <QDir>
#include <QStandardPaths>

// Built from the generic location rather than the application's own, so the
// folder is the same whatever names the running executable gave itself.
QString UserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/HALVERN/TAVRIN");
}

QString BackupsFolder() {
    return UserDataFolder() + QStringLiteral("/Backups");
}

QString LogsFolder() {
    return UserDataFolder() + QStringLiteral("/Logs");
}

bool EnsureFolder(const QString& folder) {
    return QDir().mkpath(folder) && QDir(folder).exists();
}
