#pragma once

#include <sys/types.h>
#include <QByteArray>
#include <QString>
#include <optional>

// The file a save through a path replaces or creates: the end of the path's
// chain of symbolic links. The links themselves stay; only their last
// target is replaced, as an editor replaces a file it opened through a link.
struct TSaveTarget {
    QByteArray Path;  // in the file system's encoding, ready for the system calls
    bool Exists = false;
    mode_t Permissions = 0;  // of the file that is there, kept by the new one
};

// Follows the links of `path` (as far as the system would) and checks that a
// save may replace what they end at. Refused, with `problem` in the system's
// words or the program's:
// - a target that is there but is not a regular file (a folder, FIFO, socket
//   or device): "not a regular file". Renaming over it would put a file in
//   the place of /dev/null, say;
// - a target whose folder the user may not write;
// - a link in a shared folder (sticky and writable by everyone, as /tmp) that
//   belongs to neither the user nor the folder's owner: another user may have
//   planted it there to have the save replace a file of the user's. The
//   kernel refuses to follow such a link for the same reason.
std::optional<TSaveTarget> ResolveSaveTarget(const QString& path, QString& problem);

// Why a save to `path` would be refused now; empty when it would not. Lets a
// command refuse before it spends time on what it would save.
QString SaveTargetProblem(const QString& path);

// Whether the target is still a thing a save may replace, checked again just
// before the new file takes its place; `problem` says why not.
bool TargetStillReplaceable(const TSaveTarget& target, QString& problem);

// The reason for a path that is a folder, FIFO, socket or device where a
// regular file is read or written.
QString NotARegularFileReason();
