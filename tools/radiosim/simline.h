#pragma once

#include <string>

// The simulator's end of a pseudo-terminal. The far end (the device a
// program opens as its serial port) is held open here as well, so that the
// line stays up while the program closes its port between exchanges.
class TSimLine {
public:
    TSimLine() = default;
    ~TSimLine();
    TSimLine(const TSimLine&) = delete;
    TSimLine& operator=(const TSimLine&) = delete;

    bool Open(std::string& error);
    // Makes `path` a symbolic link to the device, replacing an older link
    // (never any other file); the link goes when the line does.
    bool Link(const std::string& path, std::string& error);

    const std::string& DevicePath() const { return Device; }
    int MasterFd() const { return Master; }
    // Bytes sent to the far end that no one has read yet.
    int Unread() const;
    // Closes the line: the far end sees the cable pulled.
    void HangUp();

private:
    void RemoveLink();

    int Master = -1;
    int Slave = -1;
    std::string Device;
    std::string LinkPath;
};
