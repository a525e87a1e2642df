#pragma once

#include <QObject>
#include <QTimer>
#include <initializer_list>
#include <memory>

#include "core/radio/exchange.h"
#include "core/radio/kcomm.h"

// The radio line's settings on a port component: XON/XOFF, small queues and
// an event for every carriage return. Every exchange with the transceiver uses them.
void ConfigureRadioLine(TKComm& comm);

// Every byte waiting in the port's receive queue.
std::string TakeWaitingBytes(TKComm& comm);

// The timers of an exchange fire once per start, and on time.
void PrepareExchangeTimers(std::initializer_list<QTimer*> timers);

// What the window or console running an exchange shows of it.
class TExchangeView {
public:
    virtual ~TExchangeView() = default;
    virtual void SetProgressMaximum(int maximum) = 0;
    virtual void SetProgress(int position) = 0;
    virtual void ShowError(const std::string& message) = 0;
    virtual void ShowWarning(const std::string& message) = 0;
    virtual bool AskToContinue(const std::string& question) = 0;
    virtual void ModelChanged() {}
    // The transceiver answered its identification.
    virtual void Identified() {}
    // The write is done and what it wrote is being read back.
    virtual void Verifying() {}
    virtual void Finished(TExchangeOutcome outcome) = 0;
};

// Runs an exchange on a serial port with the event loop's timers: the
// transceiver's replies and the timers feed the exchange, its commands go out
// on the port, and the pause before a command is a timer too, so nothing
// waits on the thread that runs it.
class TExchangeRunner : public QObject, public TExchangeHost {
    Q_OBJECT
public:
    explicit TExchangeRunner(TExchangeView& view, QObject* parent = nullptr);
    ~TExchangeRunner() override;

    void SetExchange(std::unique_ptr<TExchange> exchange);
    TExchange* Exchange() const { return Current.get(); }

    // Opens the port and starts the exchange; false (after saying why) when
    // the port cannot be opened. A log attached to Port beforehand records
    // the exchange and is closed when it ends.
    bool Begin(const std::string& deviceName);
    void Cancel();

    TKComm Port;

    // TExchangeHost
    void SendCommand(const std::string& command, std::chrono::milliseconds delay) override;
    void DiscardInput() override;
    void StartTimer(TExchangeTimer timer, std::chrono::milliseconds interval) override;
    void StopTimer(TExchangeTimer timer) override;
    void ClosePort() override;
    void SetProgressMaximum(int maximum) override { View.SetProgressMaximum(maximum); }
    void SetProgress(int position) override { View.SetProgress(position); }
    void ShowError(const std::string& message) override { View.ShowError(message); }
    void ShowWarning(const std::string& message) override { View.ShowWarning(message); }
    bool AskToContinue(const std::string& question) override {
        return View.AskToContinue(question);
    }
    void ModelChanged() override { View.ModelChanged(); }
    void Identified() override { View.Identified(); }
    void Verifying() override { View.Verifying(); }
    void Finish(TExchangeOutcome outcome) override;

private:
    void PortCommEvent();
    void IgnoreStray(const std::string& lines);
    void WritePending();
    QTimer& TimerOf(TExchangeTimer timer);
    void EndLog(TExchangeOutcome outcome);

    QTimer ReplyTimer;
    QTimer CancelGraceTimer;  // how long a cancelled exchange waits for its last reply
    QTimer StartDelayTimer;   // the delay before the wake-up
    QTimer PauseTimer;        // the pause before a command
    TExchangeView& View;
    std::unique_ptr<TExchange> Current;
    std::string PendingCommand;
    // A command went out and its reply is awaited; bytes at any other time are
    // no reply and never reach the exchange.
    bool Awaiting = false;
    bool AnyCommandSent = false;
    // The start of a line whose carriage return has not come yet.
    std::string PartialLine;
};

// The reply in what arrived up to the last carriage return: its last line
// that holds anything, with its carriage return; a lone carriage return
// when every line is empty. Lines before it are noise or stale answers.
std::string LastReplyLine(const std::string& lines);
