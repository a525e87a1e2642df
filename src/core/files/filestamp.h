#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// What a file on disk is at one moment: which file (device and inode, links
// followed), how large and when its contents last changed. Taken when a
// window opens or saves a file and compared before it saves again, it tells
// whether another window, program or sync tool changed the file meanwhile.
struct TFileStamp {
    quint64 Device = 0;
    quint64 Inode = 0;
    qint64 Size = 0;
    qint64 ModifiedNs = 0;
    bool operator==(const TFileStamp&) const = default;
};

// The stamp of the file at `path`; nothing when there is no such file.
std::optional<TFileStamp> StampOfFile(const QString& path);
