#pragma once

#include <QObject>
#include <QTimer>
#include <string>

#include "core/radio/displayexchange.h"
#include "core/radio/kcomm.h"

// What the window or console running the channel display exchange shows of it.
class TDisplayView {
public:
    virtual ~TDisplayView() = default;
    virtual void ShowProtection(bool isProtected) = 0;
    virtual void ShowError(const std::string& message) = 0;
    virtual void FlowEnded(TDisplayOutcome outcome) = 0;
};

// Runs the channel display exchange on a serial port with the event loop's
// timers.
class TDisplayRunner : public QObject, public TDisplayHost {
    Q_OBJECT
public:
    explicit TDisplayRunner(TDisplayView& view, QObject* parent = nullptr);
    ~TDisplayRunner() override;

    // Start a flow on `deviceName`; false when the port cannot be opened.
    bool Query(const std::string& deviceName);
    bool Set(const std::string& deviceName, bool protect);
    // Stops whatever runs and lets the port go.
    void Stop();

    const TDisplayExchange& Exchange() const { return Engine; }
    TDisplayExchange& Exchange() { return Engine; }

    TKComm Port;

    // TDisplayHost
    bool OpenPort() override;
    void ClosePort() override;
    void SendCommand(const std::string& command) override;
    void DiscardInput() override;
    void StartTimer(TDisplayTimer timer, std::chrono::milliseconds interval) override;
    void StopTimer(TDisplayTimer timer) override;
    void ShowProtection(bool isProtected) override { View.ShowProtection(isProtected); }
    void ShowError(const std::string& message) override { View.ShowError(message); }
    void FlowEnded(TDisplayOutcome outcome) override { View.FlowEnded(outcome); }

private:
    void PortCommEvent();
    QTimer& TimerOf(TDisplayTimer timer);

    QTimer StartDelayTimer;  // the delay before the wake-up
    QTimer ReplyTimer;
    QTimer CloseDelayTimer;  // the pause after "END"
    TDisplayView& View;
    TDisplayExchange Engine{*this};
};
