#pragma once

#include <QString>

// Where the user's settings and data live, as the desktop names them
// ($XDG_CONFIG_HOME or ~/.config, $XDG_DATA_HOME or ~/.local/share), or why
// there is no such place: without a usable home folder the program keeps
// nothing, rather than writing under the root folder.
struct TUserFolder {
    QString Path;     // empty when there is a problem
    QString Problem;  // "HOME is not set", "XDG_CONFIG_HOME (/x) is not a folder", ...
};
TUserFolder UserConfigBase();
TUserFolder UserDataBase();

// The program's own folder among the user's data (on Linux
// ~/.local/share/HALVERN/TAVRIN, or under $XDG_DATA_HOME when that is set)
// and the folders it keeps there; empty when the user's data has no place.
QString UserDataFolder();
QString BackupsFolder();
QString LogsFolder();

// Why backups and logs cannot be kept at all, for the user; empty when they can.
QString DataFolderProblem();

// Creates a folder and its parents when missing; false when it cannot.
bool EnsureFolder(const QString& folder);
