#include "core/ports/portstate.h"

#include <QtGlobal>

#include "core/model/messagewords.h"

#include <fcntl.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

TPortState ClassifyProbe(const TProbeResult& probe) {
    switch (probe.OpenError) {
        case 0:
            break;
        case EBUSY:
            return TPortState::Busy;
        case EACCES:
        case EPERM:
        case EROFS:
            return TPortState::NotPermitted;
        // ENXIO and ENODEV: a node whose hardware is gone, such as a pulled cable's.
        case ENOENT:
        case ENOTDIR:
        case ENXIO:
        case ENODEV:
            return TPortState::Missing;
        default:
            return TPortState::Failed;
    }
    if (!probe.Terminal) return TPortState::NotSerial;
    return probe.LockRefused ? TPortState::Busy : TPortState::Available;
}

TProbeResult ProbeDevice(const std::string& path) {
    TProbeResult probe;
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        probe.OpenError = errno;
        return probe;
    }
    termios tio{};
    probe.Terminal = tcgetattr(fd, &tio) == 0;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        flock(fd, LOCK_UN);
    } else {
        probe.LockRefused = errno == EWOULDBLOCK;
    }
    close(fd);
    return probe;
}

std::string StateWord(TPortState state) {
    switch (state) {
        case TPortState::Available:
            return MessageText(QT_TRANSLATE_NOOP("Messages", "available"));
        case TPortState::Busy:
            return MessageText(QT_TRANSLATE_NOOP("Messages", "busy"));
        case TPortState::NotPermitted:
            return MessageText(QT_TRANSLATE_NOOP("Messages", "not permitted"));
        case TPortState::Missing:
            return MessageText(QT_TRANSLATE_NOOP("Messages", "missing"));
        case TPortState::NotSerial:
            return MessageText(QT_TRANSLATE_NOOP("Messages", "not a serial device"));
        case TPortState::Failed:
            break;
    }
    return MessageText(QT_TRANSLATE_NOOP("Messages", "failed"));
}
