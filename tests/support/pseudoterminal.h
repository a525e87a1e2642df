#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <string>

// The far end of a pseudo-terminal: a test talks through the master while
// the program opens the slave as its serial device.
class TPseudoTerminal {
public:
    TPseudoTerminal() {
        Master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        grantpt(Master);
        unlockpt(Master);
        SlavePath = ptsname(Master);
        termios tio{};
        tcgetattr(Master, &tio);
        cfmakeraw(&tio);
        tcsetattr(Master, TCSANOW, &tio);
    }
    ~TPseudoTerminal() { Hangup(); }
    TPseudoTerminal(const TPseudoTerminal&) = delete;
    TPseudoTerminal& operator=(const TPseudoTerminal&) = delete;

    const std::string& Path() const { return SlavePath; }
    int MasterFd() const { return Master; }

    void Send(const std::string& text) {
        [[maybe_unused]] const ssize_t sent = write(Master, text.data(), text.size());
    }

    // What arrived within the time, once `expected` bytes are in or time is up.
    std::string Receive(size_t expected,
                        std::chrono::milliseconds within = std::chrono::seconds(5)) {
        std::string received;
        const auto deadline = std::chrono::steady_clock::now() + within;
        while (received.size() < expected && std::chrono::steady_clock::now() < deadline) {
            pollfd fd{Master, POLLIN, 0};
            if (poll(&fd, 1, 20) <= 0 || !(fd.revents & POLLIN)) continue;
            char buffer[256];
            const ssize_t count = read(Master, buffer, sizeof buffer);
            if (count <= 0) break;
            received.append(buffer, static_cast<size_t>(count));
        }
        return received;
    }

    // The cable is pulled.
    void Hangup() {
        if (Master >= 0) close(Master);
        Master = -1;
    }

private:
    int Master = -1;
    std::string SlavePath;
};
