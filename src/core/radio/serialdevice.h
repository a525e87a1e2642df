#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

// The serial line settings the program applies to a device.
struct TLineSettings {
    int BaudRate = 9600;
    int DataBits = 8;
    char Parity = 'N';  // 'N'one, 'O'dd, 'E'ven, 'M'ark, 'S'pace
    int StopBits = 10;  // in tenths: 10, 15 or 20
    enum class TFlow { None, DtrDsr, XonXoff, RtsCts } Flow = TFlow::None;
    unsigned char XonChar = 17;
    unsigned char XoffChar = 19;
};

// What a read or write of the device can end in.
enum class TIoResult { Done, WouldBlock, Failed, Closed };

// One open serial device: the small set of operations the serial component
// needs from the platform. Every call may come from any one thread at a time,
// except Wake, which may be called from any thread to end a Wait early.
class TSerialDevice {
public:
    virtual ~TSerialDevice() = default;

    virtual bool Apply(const TLineSettings& settings) = 0;
    // Reads what is waiting, at most `size` bytes, without blocking.
    virtual TIoResult Read(unsigned char* buffer, size_t size, size_t& received) = 0;
    // Writes as much as the device takes now, without blocking.
    virtual TIoResult Write(const unsigned char* buffer, size_t size, size_t& sent) = 0;
    // Waits until the device is readable (or writable), woken, or the time is up.
    virtual bool WaitReadable(std::chrono::milliseconds timeout) = 0;
    virtual bool WaitWritable(std::chrono::milliseconds timeout) = 0;
    virtual void Wake() = 0;
    // Bytes the driver still holds for sending.
    virtual int OutputQueued() = 0;
    virtual void DiscardInput() = 0;
    virtual void DiscardOutput() = 0;
    virtual void SetBreak(bool on) = 0;
};

// Opens a device for exclusive use. A device another program (or another
// component of this one) holds is refused. On failure returns nothing and
// tells why in `error`.
std::unique_ptr<TSerialDevice> OpenSerialDevice(const std::string& path, std::string& error);
