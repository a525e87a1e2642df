#pragma once

#include <chrono>
#include <string>

// The three timers of the channel display exchange: the delay before the
// wake-up, the reply wait and the pause after "END".
enum class TDisplayTimer { Start, Reply, Close };

inline constexpr std::chrono::milliseconds kDisplayStartDelay{10};
inline constexpr std::chrono::milliseconds kDisplayShortWait{50};
inline constexpr std::chrono::milliseconds kDisplayProgramWait{2000};
inline constexpr std::chrono::milliseconds kDisplayCloseDelay{10};

// How a flow of the exchange ended.
enum class TDisplayOutcome {
    Queried,     // the protection is known; the window waits for the user
    Set,         // the protection was sent; the window closes
    TimedOut,    // no reply where nothing else could be tried; the window closes
    LineFailed,  // a command could not be sent; the window closes
};

// What the exchange asks of the window (or console) that runs it.
class TDisplayHost {
public:
    virtual ~TDisplayHost() = default;
    // False, after saying why, when the port cannot be opened.
    virtual bool OpenPort() = 0;
    virtual void ClosePort() = 0;
    // Writes the command with its carriage return.
    virtual void SendCommand(const std::string& command) = 0;
    virtual void DiscardInput() = 0;
    virtual void StartTimer(TDisplayTimer timer, std::chrono::milliseconds interval) = 0;
    virtual void StopTimer(TDisplayTimer timer) = 0;
    virtual void ShowProtection(bool isProtected) = 0;
    virtual void ShowError(const std::string& message) = 0;
    virtual void FlowEnded(TDisplayOutcome outcome) = 0;
};

// Reading and switching the transceiver's channel display protection. The
// command goes to the transceiver directly first; one that keeps silent for
// 50 ms gets it wrapped in programming mode ("PROGRAM", "PROGRAM", the
// command, "END"). Fed replies and timer events, it neither waits nor
// touches a port itself.
class TDisplayExchange {
public:
    enum class TFlow { Query, Set };
    enum class TStage { Idle, Start, Wake, Direct, Program1, Program2, Wrapped, End };

    explicit TDisplayExchange(TDisplayHost& host) : Host(host) {}

    // Start a flow; false when the port cannot be opened.
    bool Query();
    bool Set(bool protect);
    void Reply(const std::string& bytes);
    void TimerFired(TDisplayTimer timer);
    // Sending the last command failed with `message`: the flow ends at once,
    // rather than trying the next step on a line that is gone.
    void SendFailed(const std::string& message);
    // The window or console let the flow go (Cancel): whatever comes later is ignored.
    void Abandon() { Stage = TStage::Idle; }

    bool Busy() const { return Stage != TStage::Idle; }
    TFlow Flow() const { return CurrentFlow; }
    TStage Awaited() const { return Stage; }

    // The replies kept: carriage returns dropped, at most this many characters.
    static constexpr size_t kReplyCapacity = 9;

private:
    bool Begin(TFlow flow);
    void Send(TStage stage, const std::string& command);
    std::string ProtectCommand() const;
    void ShowReply(const std::string& reply);
    void EndFlow(TDisplayOutcome outcome);
    void ActOnReply(const std::string& reply);
    void ActOnSilence();

    TDisplayHost& Host;
    TFlow CurrentFlow = TFlow::Query;
    TStage Stage = TStage::Idle;
    bool Protect = false;
};
