#include "core/radio/exchangerunner.h"

#include "core/radio/commlog.h"
#include "core/radio/radiocommands.h"
#include "core/radio/transferrecords.h"

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

void PrepareExchangeTimers(std::initializer_list<QTimer*> timers) {
    for (QTimer* timer : timers) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
}

namespace {

// No reply is this long; a longer unfinished line is noise and only its end is kept.
constexpr size_t kLongestPartialLine = 1024;

}  // namespace

std::string LastReplyLine(const std::string& lines) {
    size_t end = lines.find_last_not_of('\r');
    if (end == std::string::npos) return "\r";
    const size_t start = lines.rfind('\r', end);
    return lines.substr(start == std::string::npos ? 0 : start + 1,
                        end - (start == std::string::npos ? 0 : start + 1) + 1) +
           '\r';
}

TExchangeRunner::TExchangeRunner(TExchangeView& view, QObject* parent)
    : QObject(parent), View(view) {
    ConfigureRadioLine(Port);
    PrepareExchangeTimers({&ReplyTimer, &CancelGraceTimer, &StartDelayTimer, &PauseTimer});
    // The numbered names the Read and Write dialogs' design knows them by.
    Port.setObjectName(QStringLiteral("KComm1"));
    ReplyTimer.setObjectName(QStringLiteral("Timer1"));
    CancelGraceTimer.setObjectName(QStringLiteral("Timer3"));
    StartDelayTimer.setObjectName(QStringLiteral("Timer4"));
    connect(&Port, &TKComm::OnCommEvent, this, &TExchangeRunner::PortCommEvent);
    connect(&ReplyTimer, &QTimer::timeout, this,
            [this] { Current->TimerFired(TExchangeTimer::Reply); });
    connect(&CancelGraceTimer, &QTimer::timeout, this,
            [this] { Current->TimerFired(TExchangeTimer::CancelGrace); });
    connect(&StartDelayTimer, &QTimer::timeout, this,
            [this] { Current->TimerFired(TExchangeTimer::StartDelay); });
    connect(&PauseTimer, &QTimer::timeout, this, &TExchangeRunner::WritePending);
}

TExchangeRunner::~TExchangeRunner() {
    Port.CloseCommport();
}

void TExchangeRunner::SetExchange(std::unique_ptr<TExchange> exchange) {
    Current = std::move(exchange);
}

bool TExchangeRunner::Begin(const std::string& deviceName) {
    Port.SetDeviceName(deviceName);
    try {
        Port.OpenCommport();
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

void TExchangeRunner::PortCommEvent() {
    std::string bytes;
    try {
        bytes = PartialLine + TakeWaitingBytes(Port);
    } catch (const ECommError& error) {
        // The reply time-out ends the exchange if nothing more comes.
        View.ShowError(error.what());
        return;
    }
    const size_t lastReturn = bytes.rfind('\r');
    const size_t partialStart = lastReturn == std::string::npos ? 0 : lastReturn + 1;
    PartialLine = bytes.substr(partialStart);
    if (PartialLine.size() > kLongestPartialLine) {
        PartialLine.erase(0, PartialLine.size() - kLongestPartialLine);
    }
    if (lastReturn == std::string::npos) return;
    const std::string lines = bytes.substr(0, lastReturn + 1);
    // Before the first command the exchange itself decides what to do with
    // early bytes; later, only a command that went out can have a reply.
    if (AnyCommandSent && !Awaiting) {
        IgnoreStray(lines);
        return;
    }
    Current->Reply(AnyCommandSent ? LastReplyLine(lines) : lines);
}

void TExchangeRunner::IgnoreStray(const std::string& lines) {
    if (TCommLog* log = Port.Log()) {
        log->Note(
            QStringLiteral("ignored %1 bytes that arrived while no command was awaiting a reply")
                .arg(lines.size()));
    }
}

void TExchangeRunner::SendCommand(const std::string& command, std::chrono::milliseconds delay) {
    PendingCommand = command;
    Awaiting = false;
    if (delay.count() > 0) {
        PauseTimer.start(delay);
    } else {
        WritePending();
    }
}

void TExchangeRunner::WritePending() {
    // Armed before writing: a write that fails still ends the exchange in time.
    ReplyTimer.start(kReplyTimeout);
    try {
        Port.WriteStringData(FramedCommand(PendingCommand));
    } catch (const ECommError& error) {
        // Part of the command may be out: the exchange cannot go on as if it had arrived.
        ReplyTimer.stop();
        Current->SendFailed(error.what());
        return;
    }
    AnyCommandSent = true;
    Awaiting = true;
}

void TExchangeRunner::DiscardInput() {
    PartialLine.clear();
    Port.ClearInBuff();
}

QTimer& TExchangeRunner::TimerOf(TExchangeTimer timer) {
    switch (timer) {
        case TExchangeTimer::Reply:
            return ReplyTimer;
        case TExchangeTimer::CancelGrace:
            return CancelGraceTimer;
        default:
            return StartDelayTimer;
    }
}

void TExchangeRunner::StartTimer(TExchangeTimer timer, std::chrono::milliseconds interval) {
    TimerOf(timer).start(interval);
}

void TExchangeRunner::StopTimer(TExchangeTimer timer) {
    TimerOf(timer).stop();
}

void TExchangeRunner::ClosePort() {
    PauseTimer.stop();
    Awaiting = false;
    Port.CloseCommport();
}

void TExchangeRunner::Finish(TExchangeOutcome outcome) {
    for (QTimer* timer : {&ReplyTimer, &CancelGraceTimer, &StartDelayTimer, &PauseTimer})
        timer->stop();
    Port.CloseCommport();
    EndLog(outcome);
    View.Finished(outcome);
}

void TExchangeRunner::EndLog(TExchangeOutcome outcome) {
    if (TCommLog* log = Port.Log()) log->Note(OutcomeText(outcome));
    Port.AttachLog(nullptr);
}
