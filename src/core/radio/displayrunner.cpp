#include "core/radio/displayrunner.h"

#include "core/radio/exchangerunner.h"
#include "core/radio/radiocommands.h"

TDisplayRunner::TDisplayRunner(TDisplayView& view, QObject* parent) : QObject(parent), View(view) {
    ConfigureRadioLine(Port);
    PrepareExchangeTimers({&StartDelayTimer, &ReplyTimer, &CloseDelayTimer});
    // The numbered names the Channel Display dialog's design knows them by.
    Port.setObjectName(QStringLiteral("KComm1"));
    StartDelayTimer.setObjectName(QStringLiteral("Timer1"));
    ReplyTimer.setObjectName(QStringLiteral("Timer2"));
    CloseDelayTimer.setObjectName(QStringLiteral("Timer3"));
    connect(&Port, &TKComm::OnCommEvent, this, &TDisplayRunner::PortCommEvent);
    connect(&StartDelayTimer, &QTimer::timeout, this,
            [this] { Engine.TimerFired(TDisplayTimer::Start); });
    connect(&ReplyTimer, &QTimer::timeout, this,
            [this] { Engine.TimerFired(TDisplayTimer::Reply); });
    connect(&CloseDelayTimer, &QTimer::timeout, this,
            [this] { Engine.TimerFired(TDisplayTimer::Close); });
}

TDisplayRunner::~TDisplayRunner() {
    Stop();
}

bool TDisplayRunner::Query(const std::string& deviceName) {
    Port.SetDeviceName(deviceName);
    return Engine.Query();
}

bool TDisplayRunner::Set(const std::string& deviceName, bool protect) {
    Port.SetDeviceName(deviceName);
    return Engine.Set(protect);
}

void TDisplayRunner::Stop() {
    Engine.Abandon();
    for (QTimer* timer : {&StartDelayTimer, &ReplyTimer, &CloseDelayTimer}) timer->stop();
    Port.CloseCommport();
}

bool TDisplayRunner::OpenPort() {
    try {
        Port.OpenCommport();
    } catch (const ECommError& error) {
        View.ShowError(error.what());
        return false;
    }
    return true;
}

void TDisplayRunner::ClosePort() {
    Port.CloseCommport();
}

void TDisplayRunner::SendCommand(const std::string& command) {
    try {
        Port.WriteStringData(FramedCommand(command));
    } catch (const ECommError& error) {
        Engine.SendFailed(error.what());
    }
}

void TDisplayRunner::DiscardInput() {
    Port.ClearInBuff();
}

void TDisplayRunner::PortCommEvent() {
    std::string reply;
    try {
        reply = TakeWaitingBytes(Port);
    } catch (const ECommError& error) {
        View.ShowError(error.what());
        return;
    }
    Engine.Reply(reply);
}

QTimer& TDisplayRunner::TimerOf(TDisplayTimer timer) {
    switch (timer) {
        case TDisplayTimer::Start:
            return StartDelayTimer;
        case TDisplayTimer::Reply:
            return ReplyTimer;
        default:
            return CloseDelayTimer;
    }
}

void TDisplayRunner::StartTimer(TDisplayTimer timer, std::chrono::milliseconds interval) {
    TimerOf(timer).start(interval);
}

void TDisplayRunner::StopTimer(TDisplayTimer timer) {
    TimerOf(timer).stop();
}
