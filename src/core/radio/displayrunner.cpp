#include "core/radio/displayrunner.h"

#include "core/radio/exchangerunner.h"
#include "core/radio/radiocommands.h"

TDisplayRunner::TDisplayRunner(TDisplayView& view, QObject* parent) : QObject(parent), View(view) {
    ConfigureRadioLine(KComm1);
    PrepareExchangeTimers({&Timer1, &Timer2, &Timer3});
    connect(&KComm1, &TKComm::OnCommEvent, this, &TDisplayRunner::KComm1CommEvent);
    connect(&Timer1, &QTimer::timeout, this, [this] { Engine.TimerFired(TDisplayTimer::Start); });
    connect(&Timer2, &QTimer::timeout, this, [this] { Engine.TimerFired(TDisplayTimer::Reply); });
    connect(&Timer3, &QTimer::timeout, this, [this] { Engine.TimerFired(TDisplayTimer::Close); });
}

TDisplayRunner::~TDisplayRunner() {
    Stop();
}

bool TDisplayRunner::Query(const std::string& deviceName) {
    KComm1.SetDeviceName(deviceName);
    return Engine.Query();
}

bool TDisplayRunner::Set(const std::string& deviceName, bool protect) {
    KComm1.SetDeviceName(deviceName);
    return Engine.Set(protect);
}

void TDisplayRunner::Stop() {
    Engine.Abandon();
    for (QTimer* timer : {&Timer1, &Timer2, &Timer3}) timer->stop();
    KComm1.CloseCommport();
}

bool TDisplayRunner::OpenPort() {
    try {
        KComm1.OpenCommport();
    } catch (const ECommError& error) {
        View.ShowError(error.what());
        return false;
    }
    return true;
}

void TDisplayRunner::ClosePort() {
    KComm1.CloseCommport();
}

void TDisplayRunner::SendCommand(const std::string& command) {
    try {
        KComm1.WriteStringData(FramedCommand(command));
    } catch (const ECommError& error) {
        Engine.SendFailed(error.what());
    }
}

void TDisplayRunner::DiscardInput() {
    KComm1.ClearInBuff();
}

void TDisplayRunner::KComm1CommEvent() {
    std::string reply;
    try {
        reply = TakeWaitingBytes(KComm1);
    } catch (const ECommError& error) {
        View.ShowError(error.what());
        return;
    }
    Engine.Reply(reply);
}

QTimer& TDisplayRunner::TimerOf(TDisplayTimer timer) {
    switch (timer) {
        case TDisplayTimer::Start:
            return Timer1;
        case TDisplayTimer::Reply:
            return Timer2;
        default:
            return Timer3;
    }
}

void TDisplayRunner::StartTimer(TDisplayTimer timer, std::chrono::milliseconds interval) {
    TimerOf(timer).start(interval);
}

void TDisplayRunner::StopTimer(TDisplayTimer timer) {
    TimerOf(timer).stop();
}
