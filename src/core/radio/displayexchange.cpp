#include "core/radio/displayexchange.h"

#include "core/model/messagewords.h"
#include "core/radio/exchange.h"
#include "core/radio/exchangemessages.h"
#include "core/radio/radiocommands.h"

bool TDisplayExchange::Query() {
    return Begin(TFlow::Query);
}

bool TDisplayExchange::Set(bool protect) {
    Protect = protect;
    return Begin(TFlow::Set);
}

bool TDisplayExchange::Begin(TFlow flow) {
    if (Busy()) return false;
    CurrentFlow = flow;
    if (!Host.OpenPort()) return false;
    Stage = TStage::Start;
    Host.StartTimer(TDisplayTimer::Start, kDisplayStartDelay);
    return true;
}

std::string TDisplayExchange::ProtectCommand() const {
    return CurrentFlow == TFlow::Query ? std::string(kProtectQuery) : BuildProtectWrite(Protect);
}

// The reply wait is armed before the command goes out; after "END" only the
// short closing pause runs.
void TDisplayExchange::Send(TStage stage, const std::string& command) {
    Stage = stage;
    switch (stage) {
        case TStage::End:
            Host.StartTimer(TDisplayTimer::Close, kDisplayCloseDelay);
            break;
        case TStage::Program1:
        case TStage::Program2:
            Host.StartTimer(TDisplayTimer::Reply, kDisplayProgramWait);
            break;
        case TStage::Wrapped:
            // The transceiver is in programming mode: a query answers at once,
            // a setting may take its time.
            Host.StartTimer(TDisplayTimer::Reply,
                            CurrentFlow == TFlow::Query ? kDisplayShortWait : kDisplayProgramWait);
            break;
        default:
            Host.StartTimer(TDisplayTimer::Reply, kDisplayShortWait);
            break;
    }
    Host.SendCommand(command);
}

void TDisplayExchange::ShowReply(const std::string& reply) {
    Host.ShowProtection(reply == BuildProtectWrite(true));
}

void TDisplayExchange::EndFlow(TDisplayOutcome outcome) {
    Stage = TStage::Idle;
    Host.FlowEnded(outcome);
}

void TDisplayExchange::Reply(const std::string& bytes) {
    if (!Busy()) return;
    Host.StopTimer(TDisplayTimer::Reply);
    ActOnReply(ReplyText(bytes).substr(0, kReplyCapacity));
}

void TDisplayExchange::ActOnReply(const std::string& reply) {
    const TDisplayOutcome done =
        CurrentFlow == TFlow::Query ? TDisplayOutcome::Queried : TDisplayOutcome::Set;
    switch (Stage) {
        case TStage::Start:
            RestartStartDelay(Host, TDisplayTimer::Start, kDisplayStartDelay);
            break;
        case TStage::Wake:
            Host.DiscardInput();
            Send(TStage::Direct, ProtectCommand());
            break;
        case TStage::Direct:
            if (CurrentFlow == TFlow::Query) ShowReply(reply);
            Host.ClosePort();
            EndFlow(done);
            break;
        case TStage::Program1:
            Send(TStage::Program2, std::string(kProgramCommand));
            break;
        case TStage::Program2:
            Send(TStage::Wrapped, ProtectCommand());
            break;
        case TStage::Wrapped:
            if (CurrentFlow == TFlow::Query) ShowReply(reply);
            Send(TStage::End, std::string(kEndCommand));
            break;
        case TStage::End:
            // However fast "END" is answered, a query still leaves the window to the user.
            Host.StopTimer(TDisplayTimer::Close);
            Host.ClosePort();
            EndFlow(done);
            break;
        case TStage::Idle:
            break;
    }
}

void TDisplayExchange::TimerFired(TDisplayTimer timer) {
    Host.StopTimer(timer);
    switch (timer) {
        case TDisplayTimer::Start:
            if (Stage == TStage::Start) Send(TStage::Wake, std::string(kWakeUpCommand));
            break;
        case TDisplayTimer::Reply:
            ActOnSilence();
            break;
        case TDisplayTimer::Close:
            if (Stage != TStage::End) break;
            Host.ClosePort();
            EndFlow(CurrentFlow == TFlow::Query ? TDisplayOutcome::Queried : TDisplayOutcome::Set);
            break;
    }
}

void TDisplayExchange::SendFailed(const std::string& message) {
    if (!Busy()) return;
    Stage = TStage::Idle;
    CloseWithError(Host, WithAdvice(message, TExchangeKind::Display), TDisplayTimer::Start,
                   TDisplayTimer::Reply, TDisplayTimer::Close);
    Host.FlowEnded(TDisplayOutcome::LineFailed);
}

void TDisplayExchange::ActOnSilence() {
    switch (Stage) {
        case TStage::Wake:
            Send(TStage::Direct, ProtectCommand());
            break;
        case TStage::Direct:
            Send(TStage::Program1, std::string(kProgramCommand));
            break;
        case TStage::Program1:
        case TStage::Program2:
        case TStage::Wrapped:
            Stage = TStage::Idle;
            CloseWithError(Host, WithAdvice(MessageText(kTimeoutMessage), TExchangeKind::Display),
                           TDisplayTimer::Start);
            Host.FlowEnded(TDisplayOutcome::TimedOut);
            break;
        default:
            break;
    }
}
