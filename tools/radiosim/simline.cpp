#include "radiosim/simline.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace {

// Raw 8N1 at 9600 bit/s; whoever opens the device sets its own flow control.
bool MakeRaw(int fd) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0) return false;
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

std::string SystemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

}  // namespace

TSimLine::~TSimLine() {
    RemoveLink();
    HangUp();
}

bool TSimLine::Open(std::string& error) {
    Master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char name[PATH_MAX] = {};
    if (Master < 0 || grantpt(Master) != 0 || unlockpt(Master) != 0 ||
        ptsname_r(Master, name, sizeof name) != 0) {
        error = SystemError("pseudo-terminal");
        return false;
    }
    Device = name;
    // Nothing the far end does may ever hold up the simulator.
    if (fcntl(Master, F_SETFL, fcntl(Master, F_GETFL) | O_NONBLOCK) != 0 || !MakeRaw(Master)) {
        error = SystemError("pseudo-terminal");
        return false;
    }
    // Raw on the device side too: an echoing line would feed every reply back as a command.
    Slave = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (Slave < 0 || !MakeRaw(Slave)) {
        error = SystemError(Device);
        return false;
    }
    return true;
}

bool TSimLine::Link(const std::string& path, std::string& error) {
    struct stat status {};
    if (lstat(path.c_str(), &status) == 0 && !S_ISLNK(status.st_mode)) {
        error = path + ": exists and is no symbolic link";
        return false;
    }
    // A new link put in place in one step, so that the path never goes missing.
    const std::string temporary = path + ".radiosim-" + std::to_string(getpid());
    unlink(temporary.c_str());
    if (symlink(Device.c_str(), temporary.c_str()) != 0) {
        error = SystemError(path);
        return false;
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        error = SystemError(path);
        unlink(temporary.c_str());
        return false;
    }
    LinkPath = path;
    return true;
}

int TSimLine::Unread() const {
    int waiting = 0;
    return Slave >= 0 && ioctl(Slave, FIONREAD, &waiting) == 0 ? waiting : 0;
}

void TSimLine::HangUp() {
    if (Slave >= 0) close(Slave);
    if (Master >= 0) close(Master);
    Slave = -1;
    Master = -1;
}

// Only a link that still leads to this line is removed; another run may have taken the path over.
void TSimLine::RemoveLink() {
    if (LinkPath.empty()) return;
    char target[PATH_MAX] = {};
    const ssize_t length = readlink(LinkPath.c_str(), target, sizeof target - 1);
    if (length > 0 && Device == std::string(target, static_cast<size_t>(length))) {
        unlink(LinkPath.c_str());
    }
    LinkPath.clear();
}
