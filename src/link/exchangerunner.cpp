#include "link/exchangerunner.h"

#include "link/commlog.h"
#include "link/radiocommands.h"
#include "link/transferrecords.h"

void ConfigureRadioLine(TKComm& comm) {
    comm.SetFlowControl(TFlowControl::XonXoff);
    comm.SetEventType(TEventType::CharEvent);
    comm.SetInBuffSize(1024);
    comm.SetOutBuffSize(1024);
    comm.SetXonSendSize(256);
    comm.SetXoffSendSize(768);
    comm.SetEventChar(13);
}

std::string TakeWaitingBytes(TKComm& comm) {
    const int32_t waiting = comm.CountInBuff();
    return waiting > 0 ? comm.ReadStringData(static_cast<uint32_t>(waiting)) : std::string();
}

TExchangeRunner::TExchangeRunner(TExchangeView& view, QObject* parent) : QObject(parent), View(view) {
    ConfigureRadioLine(KComm1);
    for (QTimer* timer : {&Timer1, &Timer3, &Timer4, &PauseTimer}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(&KComm1, &TKComm::OnCommEvent, this, &TExchangeRunner::KComm1CommEvent);
    connect(&Timer1, &QTimer::timeout, this, [this] { Current->TimerFired(TExchangeTimer::Reply); });
    connect(&Timer3, &QTimer::timeout, this, [this] { Current->TimerFired(TExchangeTimer::CancelGrace); });
    connect(&Timer4, &QTimer::timeout, this, [this] { Current->TimerFired(TExchangeTimer::StartDelay); });
    connect(&PauseTimer, &QTimer::timeout, this, &TExchangeRunner::WritePending);
}

TExchangeRunner::~TExchangeRunner() { KComm1.CloseCommport(); }

void TExchangeRunner::SetExchange(std::unique_ptr<TExchange> exchange) { Current = std::move(exchange); }

bool TExchangeRunner::Begin(const std::string& deviceName) {
    KComm1.SetDeviceName(deviceName);
    try {
        KComm1.OpenCommport();
    } catch (const ECommError& error) {
        EndLog(TExchangeOutcome::PortFailed);
        View.ShowError(error.what());
        return false;
    }
    Current->Start();
    return true;
}

void TExchangeRunner::Cancel() {
    if (Current) Current->Cancel();
}

void TExchangeRunner::KComm1CommEvent() {
    std::string reply;
    try {
        reply = TakeWaitingBytes(KComm1);
    } catch (const ECommError& error) {
        // The reply time-out ends the exchange if nothing more comes.
        View.ShowError(error.what());
        return;
    }
    Current->Reply(reply);
}

void TExchangeRunner::SendCommand(const std::string& command, std::chrono::milliseconds delay) {
    PendingCommand = command;
    if (delay.count() > 0) {
        PauseTimer.start(delay);
    } else {
        WritePending();
    }
}

void TExchangeRunner::WritePending() {
    // Armed before writing: a write that fails still ends the exchange in time.
    Timer1.start(kReplyTimeout);
    try {
        KComm1.WriteStringData(FramedCommand(PendingCommand));
    } catch (const ECommError& error) {
        View.ShowError(error.what());
    }
}

void TExchangeRunner::DiscardInput() { KComm1.ClearInBuff(); }

QTimer& TExchangeRunner::TimerOf(TExchangeTimer timer) {
    switch (timer) {
        case TExchangeTimer::Reply: return Timer1;
        case TExchangeTimer::CancelGrace: return Timer3;
        default: return Timer4;
    }
}

void TExchangeRunner::StartTimer(TExchangeTimer timer, std::chrono::milliseconds interval) {
    TimerOf(timer).start(interval);
}

void TExchangeRunner::StopTimer(TExchangeTimer timer) { TimerOf(timer).stop(); }

void TExchangeRunner::ClosePort() {
    PauseTimer.stop();
    KComm1.CloseCommport();
}

void TExchangeRunner::Finish(TExchangeOutcome outcome) {
    for (QTimer* timer : {&Timer1, &Timer3, &Timer4, &PauseTimer}) timer->stop();
    KComm1.CloseCommport();
    EndLog(outcome);
    View.Finished(outcome);
}

void TExchangeRunner::EndLog(TExchangeOutcome outcome) {
    if (TCommLog* log = KComm1.Log()) log->Note(OutcomeText(outcome));
    KComm1.AttachLog(nullptr);
}
