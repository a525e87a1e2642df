#pragma once

#include <QString>

// The program's own folder among the user's data (on Linux
// ~/.local/share/HALVERN/TAVRIN, or under $XDG_DATA_HOME when that is set)
// and the folders it keeps there.
QString UserDataFolder();
QString BackupsFolder();
QString LogsFolder();

// Creates a folder and its parents when missing; false when it cannot.
bool EnsureFolder(const QString& folder);
