#pragma once

#include <sys/mount.h>
#include <sys/stat.h>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// Things a path can be that are not a plain file to read or write.

// A FIFO at `path`: whoever opens it to read waits for a writer for ever.
inline bool MakeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
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
