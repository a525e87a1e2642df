#include "core/files/datafolders.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A folder named by the environment: an existing folder, or a path that does
// not exist yet and will be made; anything else cannot hold our files.
QString FolderProblem(const char* variable, const QString& path) {
    const QFileInfo folder(path);
    if (folder.exists() && !folder.isDir()) {
        return QStringLiteral("%1 (%2) is not a folder").arg(QLatin1String(variable), path);
    }
    return {};
}

// $variable when it is set, else `homeRelative` inside $HOME.
TUserFolder BaseFolder(const char* variable, const QString& homeRelative) {
    const QString named = qEnvironmentVariable(variable);
    if (!named.isEmpty()) return {named, {}};
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) return {{}, QStringLiteral("HOME is not set")};
    if (!QDir::isAbsolutePath(home) || !QFileInfo(home).isDir()) {
        return {{}, QStringLiteral("HOME (%1) is not a folder").arg(home)};
    }
    return {QDir(home).filePath(homeRelative), {}};
}

TUserFolder Checked(TUserFolder folder) {
    if (!folder.Problem.isEmpty()) folder.Path.clear();
    return folder;
}

}  // namespace

// The settings would fail to be written without a word, so a settings folder
// that cannot be one is said at once; the data folders tell when they are made.
TUserFolder UserConfigBase() {
    TUserFolder folder = BaseFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
    if (folder.Problem.isEmpty()) folder.Problem = FolderProblem("XDG_CONFIG_HOME", folder.Path);
    return Checked(folder);
}

TUserFolder UserDataBase() {
    return Checked(BaseFolder("XDG_DATA_HOME", QStringLiteral(".local/share")));
}

QString UserDataFolder() {
    const TUserFolder base = UserDataBase();
    return base.Path.isEmpty() ? QString() : base.Path + QStringLiteral("/HALVERN/TAVRIN");
}

QString BackupsFolder() {
    const QString folder = UserDataFolder();
    return folder.isEmpty() ? folder : folder + QStringLiteral("/Backups");
}

QString LogsFolder() {
    const QString folder = UserDataFolder();
    return folder.isEmpty() ? folder : folder + QStringLiteral("/Logs");
}

QString DataFolderProblem() {
    const QString problem = UserDataBase().Problem;
    if (problem.isEmpty()) return problem;
    return QStringLiteral("Backups and communication logs cannot be kept: %1.").arg(problem);
}

bool EnsureFolder(const QString& folder) {
    return !folder.isEmpty() && QDir().mkpath(folder) && QDir(folder).exists();
}
