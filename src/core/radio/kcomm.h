#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>

#include "core/radio/serialdevice.h"

class TCommLog;

// The failure of a serial operation, with the message the user sees.
class ECommError : public std::runtime_error {
public:
    explicit ECommError(const std::string& message) : std::runtime_error(message) {}
    ECommError(const char* format, int value);
};

enum class TCommPort {
    Com1 = 0,
    Com2,
    Com3,
    Com4,
    Com5,
    Com6,
    Com7,
    Com8,
    Com9,
    Com10,
    Com11,
    Com12,
    Com13,
    Com14,
    Com15,
    Com16,
    Com17,
    Com18,
    Com19,
    Com20
};
enum class TBaudRate {
    Bps600,
    Bps1200,
    Bps2400,
    Bps4800,
    Bps9600,
    Bps14400,
    Bps19200,
    Bps38400,
    Bps56000,
    Bps57600,
    Bps115200,
    Bps128000
};
enum class TParity { None, Odd, Even, Mark, Space };
enum class TByteSize { Bits5, Bits6, Bits7, Bits8 };
enum class TStopBits { One, OneAndHalf, Two };
enum class TFlowControl { Disable, DtrDsr, XonXoff, RtsCts };
enum class TEventType { RxEvent, CharEvent };

// One serial port: line settings, open and close, reads and writes with
// time-outs, and a receive thread that moves incoming bytes into the
// component's own receive queue. OnCommEvent is raised on the thread that
// owns the component (the user-interface thread), never on the receive
// thread, so a window's comm handler and its timer handlers never overlap.
class TKComm : public QObject {
    Q_OBJECT
public:
    explicit TKComm(QObject* owner = nullptr);
    ~TKComm() override;

    TCommPort CommPort() const { return Port; }
    void SetCommPort(TCommPort port);
    TBaudRate BaudRate() const { return Baud; }
    void SetBaudRate(TBaudRate rate);
    TParity Parity() const { return ParityValue; }
    void SetParity(TParity parity);
    TByteSize ByteSize() const { return Size; }
    void SetByteSize(TByteSize size);
    TStopBits StopBits() const { return Stop; }
    void SetStopBits(TStopBits bits);
    TFlowControl FlowControl() const { return Flow; }
    void SetFlowControl(TFlowControl flow);
    TEventType EventType() const { return Event; }
    void SetEventType(TEventType type) { Event = type; }
    uint32_t InBuffSize() const { return InSize; }
    void SetInBuffSize(uint32_t size) { InSize = size; }
    uint32_t OutBuffSize() const { return OutSize; }
    void SetOutBuffSize(uint32_t size) { OutSize = size; }
    uint32_t RxThreshold() const { return Threshold; }
    void SetRxThreshold(uint32_t threshold) { Threshold = threshold; }
    uint16_t RxStartSize() const { return XonLimit; }
    void SetXonSendSize(uint16_t size) { XonLimit = size; }
    uint16_t RxStopSize() const { return XoffLimit; }
    void SetXoffSendSize(uint16_t size) { XoffLimit = size; }
    uint16_t EventChar() const { return EventCharacter; }
    void SetEventChar(uint16_t character);

    // The name OpenCommport opens: "COM1" .. "COM9", "\\.\COM10" .. "\\.\COM20",
    // or a device path; port names go through the port map.
    const std::string& DeviceName() const { return Name; }
    void SetDeviceName(const std::string& name) { Name = name; }

    bool CheckCommportValid(const std::string& name);
    // Why the port `name` cannot be opened, as the device and the system's
    // reason ("/dev/ttyUSB0: No such file or directory"); empty when it can.
    std::string CommportProblem(const std::string& name);
    void OpenCommport();
    void CloseCommport();
    bool GetPortStatus() const;

    void ReadData(unsigned char* buffer, uint32_t count);
    std::string ReadStringData(uint32_t count);
    void WriteData(const unsigned char* buffer, uint32_t count);
    void WriteStringData(const std::string& text);
    void WriteStop();
    void WriteRestart();
    void ClearInBuff();
    void ClearOutBuff();
    int32_t CountInBuff() const;
    int32_t CountOutBuff() const;

    // While a log is attached, every byte read, written or thrown away unread
    // is recorded in it; the port owns it until another (or none) replaces it.
    void AttachLog(std::unique_ptr<TCommLog> log);
    TCommLog* Log() const { return CommLog.get(); }

signals:
    // Data is waiting: `size` is the count in the receive queue when raised.
    void OnCommEvent(TKComm* sender, uint32_t size);
    // The device went away while open (cable pulled); raised once.
    void OnCommLost(TKComm* sender);

private:
    void ApplyLineSettings();
    void StartReceiving();
    void StopReceiving();
    void ReceiveLoop();
    void Receive(const unsigned char* bytes, size_t count);
    void CreateCommEvent();
    void RequireOpen() const;
    bool WaitForInput(std::unique_lock<std::mutex>& lock, uint32_t count);
    void WriteAll(const unsigned char* buffer, uint32_t count);
    void LogFailure(const ECommError& error);

    TCommPort Port = TCommPort::Com1;
    TBaudRate Baud = TBaudRate::Bps9600;
    TParity ParityValue = TParity::None;
    TByteSize Size = TByteSize::Bits8;
    TStopBits Stop = TStopBits::One;
    TFlowControl Flow = TFlowControl::Disable;
    TEventType Event = TEventType::RxEvent;
    uint32_t InSize = 4096;
    uint32_t OutSize = 4096;
    uint32_t Threshold = 256;
    uint16_t XonLimit = 1024;
    uint16_t XoffLimit = 2048;
    uint16_t EventCharacter = 65;
    std::string Name = "\\\\.\\COM1";

    // The open device and what the receive thread shares with the callers.
    std::unique_ptr<TSerialDevice> Handle;
    std::thread Receiver;
    mutable std::mutex Lock;
    std::condition_variable InputArrived;
    std::condition_variable RoomMade;
    std::deque<unsigned char> InQueue;
    bool Stopping = false;
    bool Lost = false;
    // Comm events posted and not yet raised. Each raised event sees every byte
    // that came before it, so past a few pending ones more would add nothing
    // but a flood of empty events when the line delivers a burst of carriage returns.
    std::atomic<int> PendingEvents = 0;

    std::unique_ptr<TCommLog> CommLog;
};
