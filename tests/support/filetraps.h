#pragma once

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstring>

// Things a path can be that are not a plain file to read or write.

// A FIFO at `path`: whoever opens it to read waits for a writer for ever.
inline bool MakeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// A Unix socket at `path`; the socket file stays when the socket is closed.
inline bool MakeSocket(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<size_t>(name.size()) >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    const int handle = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        handle >= 0 && ::bind(handle, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (handle >= 0) ::close(handle);
    return bound;
}

// What is at `path` itself, a link not followed: S_IFIFO, S_IFLNK... or 0 when nothing.
inline mode_t KindOf(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

// A tiny file system of its own (a 64 KiB tmpfs), so a test can fill the disk
// for real. Mounting needs root; without it Mounted() is false and the test
// skips.
class TSmallDisk {
public:
    TSmallDisk() {
        Ready = ::mount("tmpfs", QFile::encodeName(Folder.path()).constData(), "tmpfs", 0,
                        "size=64k,mode=0777") == 0;
    }
    ~TSmallDisk() {
        if (Ready) ::umount2(QFile::encodeName(Folder.path()).constData(), MNT_DETACH);
    }
    TSmallDisk(const TSmallDisk&) = delete;
    TSmallDisk& operator=(const TSmallDisk&) = delete;

    bool Mounted() const { return Ready; }
    QString FilePath(const QString& name) const { return Folder.filePath(name); }
    QStringList Names() const {
        return QDir(Folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // Takes all but `spare` bytes of the room left.
    void Fill(qint64 spare) {
        QFile filler(FilePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size()) {
        }
        filler.resize(qMax<qint64>(0, filler.size() - spare));
    }

private:
    QTemporaryDir Folder;
    bool Ready = false;
};

inline QByteArray ContentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void PutFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

// Makes what is at `path` (a link itself, not what it points at) look `seconds` old.
inline bool MakeOld(const QString& path, int seconds) {
    timespec times[2]{};
    ::clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= seconds;
    times[1] = times[0];
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) ==
           0;
}

// Something in a folder where a save or a kept file may clear away leftovers:
// whether it is there afterwards tells whether it was taken for one.
struct TLeftoverCase {
    enum TKind { File, Link, Folder, OthersFile };
    const char* Name;
    TKind Kind;
    bool Old;  // two minutes untouched, or just made
    bool Removed;
};

// Puts the case in `folder`; false when it cannot be made (another user's
// file needs root).
inline bool PlantLeftover(const QDir& folder, const TLeftoverCase& c) {
    const QString path = folder.filePath(QLatin1String(c.Name));
    bool made = true;
    if (c.Kind == TLeftoverCase::Folder) {
        made = folder.mkdir(QLatin1String(c.Name));
    } else if (c.Kind == TLeftoverCase::Link) {
        PutFile(path + ".target", "kept");
        made = QFile::link(path + ".target", path) && MakeOld(path + ".target", 120);
    } else {
        PutFile(path, "left over");
        if (c.Kind == TLeftoverCase::OthersFile)
            made = ::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0;
    }
    return made && (!c.Old || MakeOld(path, 120));
}
