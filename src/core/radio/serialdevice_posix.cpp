// The serial device on POSIX systems: a terminal device driven through termios.
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/radio/serialdevice.h"

namespace {

speed_t SpeedOf(int baudRate) {
    switch (baudRate) {
        case 600:
            return B600;
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        default:
            return B0;  // 14400, 56000 and 128000 have no POSIX speed
    }
}

tcflag_t DataBitsOf(int dataBits) {
    switch (dataBits) {
        case 5:
            return CS5;
        case 6:
            return CS6;
        case 7:
            return CS7;
        default:
            return CS8;
    }
}

class TPosixSerialDevice final : public TSerialDevice {
public:
    TPosixSerialDevice(int fd, const termios& before, int wakeRead, int wakeWrite)
        : Fd(fd), Before(before), WakeRead(wakeRead), WakeWrite(wakeWrite) {}

    ~TPosixSerialDevice() override {
        // The device is left as it was found: a terminal someone uses (a port
        // named /dev/tty, say) must get its echo and line editing back.
        tcsetattr(Fd, TCSANOW, &Before);
        // The exclusive mark outlives this descriptor while others hold the device open.
        ioctl(Fd, TIOCNXCL);
        flock(Fd, LOCK_UN);
        close(Fd);
        close(WakeRead);
        close(WakeWrite);
    }

    bool Apply(const TLineSettings& settings) override {
        termios tio{};
        if (tcgetattr(Fd, &tio) != 0) return false;
        const speed_t speed = SpeedOf(settings.BaudRate);
        if (speed == B0) return false;
        cfmakeraw(&tio);
        cfsetispeed(&tio, speed);
        cfsetospeed(&tio, speed);
        tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
        tio.c_cflag |= CLOCAL | CREAD | DataBitsOf(settings.DataBits);
        if (settings.Parity != 'N') tio.c_cflag |= PARENB;
        if (settings.Parity == 'O' || settings.Parity == 'M') tio.c_cflag |= PARODD;
        if (settings.Parity == 'M' || settings.Parity == 'S') tio.c_cflag |= CMSPAR;
        if (settings.StopBits > 10) tio.c_cflag |= CSTOPB;
        tio.c_iflag &= ~(IXON | IXOFF | IXANY);
        if (settings.Flow == TLineSettings::TFlow::XonXoff) tio.c_iflag |= IXON | IXOFF;
        if (settings.Flow == TLineSettings::TFlow::RtsCts) tio.c_cflag |= CRTSCTS;
        tio.c_cc[VSTART] = settings.XonChar;
        tio.c_cc[VSTOP] = settings.XoffChar;
        tio.c_cc[VMIN] = 0;
        tio.c_cc[VTIME] = 0;
        if (tcsetattr(Fd, TCSANOW, &tio) != 0) return false;
        SetModemLines(settings.Flow);
        return true;
    }

    TIoResult Read(unsigned char* buffer, size_t size, size_t& received) override {
        received = 0;
        const ssize_t count = read(Fd, buffer, size);
        if (count > 0) {
            received = static_cast<size_t>(count);
            return TIoResult::Done;
        }
        if (count < 0 && (errno == EAGAIN || errno == EINTR)) return TIoResult::WouldBlock;
        return count == 0 || errno == EIO ? TIoResult::Closed : TIoResult::Failed;
    }

    TIoResult Write(const unsigned char* buffer, size_t size, size_t& sent) override {
        sent = 0;
        const ssize_t count = write(Fd, buffer, size);
        if (count >= 0) {
            sent = static_cast<size_t>(count);
            return TIoResult::Done;
        }
        if (errno == EAGAIN || errno == EINTR) return TIoResult::WouldBlock;
        return errno == EIO ? TIoResult::Closed : TIoResult::Failed;
    }

    bool WaitReadable(std::chrono::milliseconds timeout) override { return Wait(POLLIN, timeout); }

    bool WaitWritable(std::chrono::milliseconds timeout) override { return Wait(POLLOUT, timeout); }

    void Wake() override {
        const char signal = 1;
        [[maybe_unused]] const ssize_t ignored = write(WakeWrite, &signal, 1);
    }

    int OutputQueued() override {
        int queued = 0;
        return ioctl(Fd, TIOCOUTQ, &queued) == 0 ? queued : 0;
    }

    void DiscardInput() override { tcflush(Fd, TCIFLUSH); }

    void DiscardOutput() override { tcflush(Fd, TCOFLUSH); }

    // Pseudo-terminals have no modem lines and refuse these requests; that is no fault.
    void SetBreak(bool on) override { ioctl(Fd, on ? TIOCSBRK : TIOCCBRK); }

private:
    void SetModemLines(TLineSettings::TFlow flow) {
        const int dtr = TIOCM_DTR;
        const int rts = TIOCM_RTS;
        ioctl(Fd, TIOCMBIS, &dtr);
        ioctl(Fd, flow == TLineSettings::TFlow::RtsCts ? TIOCMBIS : TIOCMBIC, &rts);
    }

    bool Wait(short events, std::chrono::milliseconds timeout) {
        pollfd fds[2] = {{Fd, events, 0}, {WakeRead, POLLIN, 0}};
        const int ready = poll(fds, 2, static_cast<int>(timeout.count()));
        if (ready <= 0) return false;
        if (fds[1].revents & POLLIN) {
            char drained[64];
            while (read(WakeRead, drained, sizeof drained) > 0) {
            }
        }
        // A hang-up counts as readable, so that the next read sees it.
        return (fds[0].revents & (events | POLLHUP | POLLERR)) != 0;
    }

    int Fd;
    termios Before;
    int WakeRead;
    int WakeWrite;
};

}  // namespace

std::unique_ptr<TSerialDevice> OpenSerialDevice(const std::string& path, std::string& error) {
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = path + ": " + std::strerror(errno);
        return nullptr;
    }
    termios tio{};
    if (tcgetattr(fd, &tio) != 0) {
        error = path + ": not a serial device";
        close(fd);
        return nullptr;
    }
    // TIOCEXCL keeps other programs out, but not root; the advisory lock
    // keeps out every program that asks for it, this one included.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ioctl(fd, TIOCEXCL) != 0) {
        error = path + ": in use";
        close(fd);
        return nullptr;
    }
    int wake[2];
    if (pipe2(wake, O_NONBLOCK | O_CLOEXEC) != 0) {
        error = path + ": " + std::strerror(errno);
        close(fd);
        return nullptr;
    }
    return std::make_unique<TPosixSerialDevice>(fd, tio, wake[0], wake[1]);
}
