#pragma once

#include <QtGlobal>
#include <chrono>
#include <string>

// What a read or write covers: everything, the memory part or the menu part.
enum class TTransferScope { All = 0, Memory = 1, Menu = 2 };

// The exchanges with the transceiver: a read, a write, the channel display's.
enum class TExchangeKind { Read, Write, Display };

// The timers of an exchange: the reply time-out, the grace period after
// Cancel and the short delay before the wake-up.
enum class TExchangeTimer { Reply, CancelGrace, StartDelay };

inline constexpr std::chrono::milliseconds kCancelGrace{300};
inline constexpr std::chrono::milliseconds kStartDelay{50};

// A request whose replies fail their checks this many times in a row ends
// the exchange: a line that garbles every reply must not keep it asking for ever.
inline constexpr int kMostAttempts = 10;

// After a request was asked again, the transceiver may still answer the earlier
// asking: an answer that could be such a late one is let go, and the request
// waits this long for its own answer before it is asked again.
inline constexpr std::chrono::milliseconds kLateAnswerWait{1000};

// How an exchange ended.
enum class TExchangeOutcome {
    Done,         // everything was exchanged
    Refused,      // a write ended, but the transceiver refused some records
    TimedOut,     // no reply in time
    Unsupported,  // another or an unknown transceiver
    Cancelled,    // the user cancelled, or declined the market code question
    PortFailed,   // the port could not be opened
    LineFailed,   // a command could not be sent, or its replies kept failing their checks
    Differs,      // a write went through, but what was read back differs from it
};

// What an exchange asks of the window (or console) that runs it. The engine
// itself neither waits nor touches a port: it is fed replies and timer events
// and answers through these calls, so it runs the same under a dialog, the
// command-line program and a test's fake port and clock.
class TExchangeHost {
public:
    virtual ~TExchangeHost() = default;
    // Sends the command (without its carriage return) after `delay`, then
    // arms the reply time-out. Nothing waits meanwhile.
    virtual void SendCommand(const std::string& command, std::chrono::milliseconds delay) = 0;
    virtual void DiscardInput() = 0;
    virtual void StartTimer(TExchangeTimer timer, std::chrono::milliseconds interval) = 0;
    virtual void StopTimer(TExchangeTimer timer) = 0;
    virtual void ClosePort() = 0;
    virtual void SetProgressMaximum(int maximum) = 0;
    virtual void SetProgress(int position) = 0;
    // An error with the stop icon; a warning with the exclamation icon.
    virtual void ShowError(const std::string& message) = 0;
    virtual void ShowWarning(const std::string& message) = 0;
    // A question with OK and Cancel (exclamation icon); true for OK.
    virtual bool AskToContinue(const std::string& question) = 0;
    // The transceiver is another model than the data set had: show its memory.
    virtual void ModelChanged() = 0;
    // The transceiver answered its identification as the model the data set
    // is for: from here on the exchange has reached it.
    virtual void Identified() {}
    // A write is over and what it wrote is being read back.
    virtual void Verifying() {}
    // The exchange is over: the window closes.
    virtual void Finish(TExchangeOutcome outcome) = 0;
};

// One exchange with the transceiver as a state machine.
class TExchange {
public:
    virtual ~TExchange() = default;
    virtual void Start() = 0;
    virtual void Reply(const std::string& bytes) = 0;
    virtual void TimerFired(TExchangeTimer timer) = 0;
    virtual void Cancel() = 0;
    // Sending the last command failed with `message`: the exchange ends at once.
    virtual void SendFailed(const std::string& message) = 0;
    // Whether the transceiver needs the pause before every command.
    virtual std::chrono::milliseconds CommandDelay() const = 0;
};

inline constexpr char kTimeoutMessage[] =
    QT_TRANSLATE_NOOP("Messages", "Communication timeout error.");

// What every exchange, the channel display's too, does alike on its host
// (TExchangeHost or TDisplayHost) whatever its timers are called.

// Bytes on the line before the wake-up: the start delay begins anew, so that
// the wake-up goes out on a quiet line.
template <typename THost, typename TTimer>
void RestartStartDelay(THost& host, TTimer startTimer, std::chrono::milliseconds delay) {
    host.StopTimer(startTimer);
    host.DiscardInput();
    host.StartTimer(startTimer, delay);
}

// An exchange ends on the line's account: the timers named stop, the port is
// let go, and then the user learns why.
template <typename THost, typename... TTimers>
void CloseWithError(THost& host, const std::string& message, TTimers... timers) {
    (host.StopTimer(timers), ...);
    host.ClosePort();
    host.ShowError(message);
}
inline constexpr char kUnsupportedMessage[] = QT_TRANSLATE_NOOP(
    "Messages",
    "The transceiver is not supported with this software.\nPlease confirm the transceiver model "
    "name.");
