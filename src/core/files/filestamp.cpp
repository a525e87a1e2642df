#include "core/files/filestamp.h"

#include <sys/stat.h>
#include <QFile>

std::optional<TFileStamp> StampOfFile(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) return std::nullopt;
    return TFileStamp{
        static_cast<quint64>(status.st_dev), static_cast<quint64>(status.st_ino),
        static_cast<qint64>(status.st_size),
        static_cast<qint64>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}
