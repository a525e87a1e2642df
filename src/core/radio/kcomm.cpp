#include "core/radio/kcomm.h"

#include <QMetaObject>
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "core/ports/portmap.h"
#include "core/ports/portnames.h"
#include "core/radio/commlog.h"

namespace {

using namespace std::chrono_literals;
using TClock = std::chrono::steady_clock;

// The line error mask reported with a failed read or write: an I/O error.
constexpr int kIoErrorMask = 0x0400;
constexpr size_t kReadChunk = 256;
constexpr int kMostPendingEvents = 64;
constexpr auto kReceivePoll = 200ms;

const char kNotStarted[] = "Have not started communications";

// The port time-outs: 5 ms for every byte asked for, plus one second.
std::chrono::milliseconds TransferTimeout(uint32_t count) {
    return 5ms * count + 1000ms;
}

int BaudRateOf(TBaudRate rate) {
    static const int kRates[] = {600,   1200,  2400,  4800,  9600,   14400,
                                 19200, 38400, 56000, 57600, 115200, 128000};
    return kRates[static_cast<int>(rate)];
}

std::string DeviceNameOf(TCommPort port) {
    const int number = static_cast<int>(port) + 1;
    return number < 1 || number > kPortCount ? "COM1" : PortDeviceName(number);
}

}  // namespace

ECommError::ECommError(const char* format, int value)
    : std::runtime_error([&] {
          char message[128];
          std::snprintf(message, sizeof message, format, value);
          return std::string(message);
      }()) {}

TKComm::TKComm(QObject* owner) : QObject(owner) {}

TKComm::~TKComm() {
    CloseCommport();
}

void TKComm::SetCommPort(TCommPort port) {
    if (port == Port) return;
    Port = port;
    Name = DeviceNameOf(port);
}

void TKComm::SetBaudRate(TBaudRate rate) {
    Baud = rate;
    ApplyLineSettings();
}

void TKComm::SetParity(TParity parity) {
    ParityValue = parity;
    ApplyLineSettings();
}

void TKComm::SetByteSize(TByteSize size) {
    Size = size;
    ApplyLineSettings();
}

void TKComm::SetStopBits(TStopBits bits) {
    Stop = bits;
    ApplyLineSettings();
}

void TKComm::SetFlowControl(TFlowControl flow) {
    Flow = flow;
    ApplyLineSettings();
}

void TKComm::SetEventChar(uint16_t character) {
    EventCharacter = character;
    ApplyLineSettings();
}

// Writes every line setting to the open device; a closed port only keeps them.
void TKComm::ApplyLineSettings() {
    if (!Handle) return;
    TLineSettings settings;
    settings.BaudRate = BaudRateOf(Baud);
    settings.DataBits = 5 + static_cast<int>(Size);
    settings.Parity = "NOEMS"[static_cast<int>(ParityValue)];
    settings.StopBits = 10 + 5 * static_cast<int>(Stop);
    settings.Flow = static_cast<TLineSettings::TFlow>(static_cast<int>(Flow));
    Handle->Apply(settings);
}

bool TKComm::CheckCommportValid(const std::string& name) {
    return CommportProblem(name).empty();
}

std::string TKComm::CommportProblem(const std::string& name) {
    if (GetPortStatus() && name == Name) return {};
    std::string error;
    if (OpenSerialDevice(ResolvePortName(name), error)) return {};
    return error;
}

void TKComm::OpenCommport() {
    if (Handle) return;
    std::string error;
    std::unique_ptr<TSerialDevice> device = OpenSerialDevice(ResolvePortName(Name), error);
    if (!device) throw ECommError("CommOpen Error,invalid HANDLE:0xFFFFFFFF");
    Handle = std::move(device);
    ApplyLineSettings();
    Handle->DiscardInput();
    Handle->DiscardOutput();
    StartReceiving();
}

void TKComm::CloseCommport() {
    if (!Handle) return;
    StopReceiving();
    Handle->DiscardInput();
    Handle->DiscardOutput();
    Handle.reset();
}

bool TKComm::GetPortStatus() const {
    return Handle != nullptr;
}

void TKComm::StartReceiving() {
    std::lock_guard guard(Lock);
    InQueue.clear();
    Stopping = false;
    Lost = false;
    Receiver = std::thread(&TKComm::ReceiveLoop, this);
}

void TKComm::StopReceiving() {
    {
        std::lock_guard guard(Lock);
        Stopping = true;
    }
    RoomMade.notify_all();
    Handle->Wake();
    Receiver.join();
    std::lock_guard guard(Lock);
    InQueue.clear();
}

// The receive thread: moves what arrives into the receive queue, holding back
// while the queue is full (the driver then stops the sender with XOFF).
void TKComm::ReceiveLoop() {
    unsigned char buffer[kReadChunk];
    for (;;) {
        size_t room = 0;
        {
            std::unique_lock lock(Lock);
            RoomMade.wait_for(lock, kReceivePoll,
                              [this] { return Stopping || InQueue.size() < InSize; });
            if (Stopping) return;
            room = InSize > InQueue.size() ? std::min(InSize - InQueue.size(), kReadChunk) : 0;
        }
        if (room == 0 || !Handle->WaitReadable(kReceivePoll)) continue;
        size_t received = 0;
        const TIoResult result = Handle->Read(buffer, room, received);
        if (result == TIoResult::Done) {
            Receive(buffer, received);
        } else if (result != TIoResult::WouldBlock) {
            std::lock_guard guard(Lock);
            Lost = true;
            InputArrived.notify_all();
            QMetaObject::invokeMethod(
                this, [this] { emit OnCommLost(this); }, Qt::QueuedConnection);
            return;
        }
    }
}

void TKComm::Receive(const unsigned char* bytes, size_t count) {
    {
        std::lock_guard guard(Lock);
        InQueue.insert(InQueue.end(), bytes, bytes + count);
    }
    InputArrived.notify_all();
    const auto eventChar = static_cast<unsigned char>(EventCharacter & 0xFF);
    const long events =
        Event == TEventType::CharEvent ? std::count(bytes, bytes + count, eventChar) : 1;
    for (long event = 0; event < events && PendingEvents < kMostPendingEvents; ++event) {
        ++PendingEvents;
        QMetaObject::invokeMethod(this, &TKComm::CreateCommEvent, Qt::QueuedConnection);
    }
}

// Runs on the owner's thread for every event the receive thread saw.
void TKComm::CreateCommEvent() {
    --PendingEvents;
    if (!GetPortStatus()) return;
    const auto waiting = static_cast<uint32_t>(CountInBuff());
    if (waiting == 0) return;
    if (Event == TEventType::RxEvent && waiting < Threshold) return;
    emit OnCommEvent(this, waiting);
}

void TKComm::RequireOpen() const {
    if (!Handle) throw ECommError(kNotStarted);
}

bool TKComm::WaitForInput(std::unique_lock<std::mutex>& lock, uint32_t count) {
    return InputArrived.wait_for(lock, TransferTimeout(count),
                                 [this, count] { return Lost || InQueue.size() >= count; });
}

void TKComm::ReadData(unsigned char* buffer, uint32_t count) {
    RequireOpen();
    std::unique_lock lock(Lock);
    try {
        if (!WaitForInput(lock, count)) throw ECommError("Read data Timeout");
        if (InQueue.size() < count) {
            throw ECommError("Communication Read Error  ErrorMask=%d", kIoErrorMask);
        }
    } catch (const ECommError& error) {
        LogFailure(error);
        throw;
    }
    std::copy_n(InQueue.begin(), count, buffer);
    InQueue.erase(InQueue.begin(), InQueue.begin() + count);
    lock.unlock();
    RoomMade.notify_all();
    if (CommLog) CommLog->Received({reinterpret_cast<const char*>(buffer), count});
}

std::string TKComm::ReadStringData(uint32_t count) {
    unsigned char buffer[4096];
    count = std::min<uint32_t>(count, sizeof buffer);
    ReadData(buffer, count);
    return std::string(reinterpret_cast<const char*>(buffer), count);
}

void TKComm::WriteData(const unsigned char* buffer, uint32_t count) {
    RequireOpen();
    if (static_cast<int64_t>(count) >= static_cast<int64_t>(OutSize) - Handle->OutputQueued()) {
        throw ECommError("Too much write data");
    }
    if (CommLog) CommLog->Sent({reinterpret_cast<const char*>(buffer), count});
    try {
        WriteAll(buffer, count);
    } catch (const ECommError& error) {
        LogFailure(error);
        throw;
    }
}

void TKComm::LogFailure(const ECommError& error) {
    if (CommLog) CommLog->Note(QString::fromStdString(error.what()));
}

void TKComm::AttachLog(std::unique_ptr<TCommLog> log) {
    CommLog = std::move(log);
}

void TKComm::WriteAll(const unsigned char* buffer, uint32_t count) {
    const auto deadline = TClock::now() + TransferTimeout(count);
    for (size_t written = 0; written < count;) {
        {
            std::lock_guard guard(Lock);
            if (Lost) throw ECommError("Communication Write Error  ErrorMask=%d", kIoErrorMask);
        }
        size_t sent = 0;
        const TIoResult result = Handle->Write(buffer + written, count - written, sent);
        if (result == TIoResult::Failed || result == TIoResult::Closed) {
            throw ECommError("Communication Write Error  ErrorMask=%d", kIoErrorMask);
        }
        written += sent;
        if (written == count) break;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TClock::now());
        if (left <= 0ms) throw ECommError("Write data Timeout");
        Handle->WaitWritable(left);
    }
}

void TKComm::WriteStringData(const std::string& text) {
    WriteData(reinterpret_cast<const unsigned char*>(text.data()),
              static_cast<uint32_t>(text.size()));
}

void TKComm::WriteStop() {
    if (Handle) Handle->SetBreak(true);
}

void TKComm::WriteRestart() {
    if (Handle) Handle->SetBreak(false);
}

void TKComm::ClearInBuff() {
    if (!Handle) return;
    Handle->DiscardInput();
    std::string dropped;
    {
        std::lock_guard guard(Lock);
        if (CommLog) dropped.assign(InQueue.begin(), InQueue.end());
        InQueue.clear();
    }
    RoomMade.notify_all();
    if (CommLog) CommLog->Discarded(dropped);
}

void TKComm::ClearOutBuff() {
    if (Handle) Handle->DiscardOutput();
}

int32_t TKComm::CountInBuff() const {
    if (!Handle) return -1;
    std::lock_guard guard(Lock);
    return static_cast<int32_t>(InQueue.size());
}

int32_t TKComm::CountOutBuff() const {
    return Handle ? Handle->OutputQueued() : -1;
}
