#include "core/files/leftovers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <ctime>

namespace {

bool IsOldFileOfOurOwn(const QByteArray& path, time_t now) {
    struct stat status {};
    // lstat: a link is looked at, never followed, and so never removed.
    if (::lstat(path.constData(), &status) != 0) return false;
    return S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
           now - status.st_mtime > kLeftoverAge.count();
}

}  // namespace

void RemoveLeftovers(const QString& folder, const std::function<bool(const QString&)>& isLeftover) {
    const QDir dir(folder);
    const time_t now = std::time(nullptr);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isLeftover(name)) continue;
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        if (IsOldFileOfOurOwn(path, now)) ::unlink(path.constData());
    }
}
