#include "core/radio/exchangebase.h"

#include <algorithm>

#include "core/model/messagewords.h"
#include "core/radio/exchangemessages.h"
#include "core/radio/radiocommands.h"

namespace {

constexpr size_t kMenuTextLength = 49;

}  // namespace

void TExchangeBase::Open() {
    SetBar(0);
    Request = TRequest::Start;
    Host.StartTimer(TExchangeTimer::StartDelay, kStartDelay);
}

void TExchangeBase::Send(TRequest request, const std::string& command) {
    // Every extra asking of the request answered last may still bring an answer.
    LateAnswersDue = std::min(LateAnswersDue + ExtraAskings, kMostAttempts);
    WaitingPastLateAnswer = false;
    PreviousCommand = LastCommand;
    PreviousTakenBare = TakenBare;
    TakenBare = false;
    Request = request;
    LastCommand = command;
    Attempts = 0;
    ExtraAskings = 0;
    Host.SendCommand(command, CommandDelay());
}

void TExchangeBase::AskAgain() {
    ++ExtraAskings;
    SendAgain();
}

void TExchangeBase::SendAgain() {
    if (++Attempts >= kMostAttempts) {
        Fail(BadRepliesMessage(LastCommand));
        return;
    }
    Host.SendCommand(LastCommand, CommandDelay());
}

bool TExchangeBase::LetGoAsLate(const std::string& reply) {
    if (!AwaitsAnswer()) return false;
    if (LateAnswersDue == 0) {
        if (!OutOfStep(reply)) return false;
        Fail(OutOfStepMessage(PreviousCommand));
        return true;
    }
    if (!IsSpecialReply(reply) && ReplyAnswers(LastCommand, reply)) return false;
    --LateAnswersDue;
    WaitingPastLateAnswer = true;
    Host.StartTimer(TExchangeTimer::Reply, kLateAnswerWait);
    return true;
}

bool TExchangeBase::OutOfStep(const std::string& reply) const {
    return PreviousTakenBare && !PreviousCommand.empty() && !IsSpecialReply(reply) &&
           ReplyAnswers(PreviousCommand, reply) && !ReplyAnswers(LastCommand, reply);
}

void TExchangeBase::Taken(const std::string& reply) {
    TakenBare = StoresBareAnswers && AwaitsAnswer() && IsSpecialReply(reply);
    // A reply that names the request under way comes after every answer to the
    // requests before it: none of those can arrive any more.
    if (!TakenBare && ReplyAnswers(LastCommand, reply)) LateAnswersDue = 0;
}

void TExchangeBase::SendFailed(const std::string& message) {
    if (!Finished) Fail(LineStopMessage(message, true));
}

void TExchangeBase::Fail(const std::string& message) {
    EndWithError(message, TExchangeOutcome::LineFailed);
}

void TExchangeBase::EndWithError(const std::string& message, TExchangeOutcome outcome) {
    CloseWithError(Host, message, TExchangeTimer::Reply, TExchangeTimer::StartDelay);
    End(outcome);
}

// Before the records nothing else tells the user how far the exchange came,
// so the error says it. After them the exchange's own account of how far it
// came follows in a box of its own; a lost line's error still carries the
// advice, in the same box.
std::string TExchangeBase::LineStopMessage(const std::string& error, bool lost) const {
    const std::optional<TExchangeKind> kind = AdvisedKind();
    if (!kind) return error;
    if (!ReachedRecords()) return StoppedEarlyMessage(error, StepName(), *kind);
    return lost ? WithAdvice(error, *kind) : error;
}

std::string TExchangeBase::StepName() const {
    if (Request == TRequest::VoxHold || Request == TRequest::VoxSet) return VoxHoldStepName();
    return DescribeCommand(LastCommand);
}

void TExchangeBase::TimerFired(TExchangeTimer timer) {
    if (Finished) return;
    switch (timer) {
        case TExchangeTimer::StartDelay:
            Host.StopTimer(TExchangeTimer::StartDelay);
            Host.DiscardInput();
            Send(TRequest::WakeUp, std::string(kWakeUpCommand));
            break;
        case TExchangeTimer::Reply:
            if (WaitingPastLateAnswer) {
                // What was let go was this request's own answer after all, or its
                // answer was lost: no late answers are counted on, and it is asked
                // again for the answer that was let go. That asking is counted like
                // every other: a transceiver that answers one request behind gives
                // its answer only with the next one.
                WaitingPastLateAnswer = false;
                LateAnswersDue = 0;
                Host.DiscardInput();
                AskAgain();
                break;
            }
            EndWithError(LineStopMessage(MessageText(kTimeoutMessage), false),
                         TExchangeOutcome::TimedOut);
            break;
        case TExchangeTimer::CancelGrace:
            CancelGraceOver();
            break;
    }
}

bool TExchangeBase::AwaitsAnswer() const {
    return Request != TRequest::Start && Request != TRequest::WakeUp && Request != TRequest::Stop;
}

void TExchangeBase::ActOnOpening() {
    if (Request == TRequest::Start) {
        RestartStartDelay(Host, TExchangeTimer::StartDelay, kStartDelay);
        return;
    }
    Host.DiscardInput();
    Send(TRequest::Id, "ID");
}

void TExchangeBase::SetBar(int position) {
    Progress = position;
    Host.SetProgress(Progress);
}

void TExchangeBase::KeepMenuText(const std::string& payload) {
    MenuText = payload.substr(0, kMenuTextLength);
}

char TExchangeBase::KeptVox() const {
    const size_t held = HeldMenuPosition();
    return MenuText.size() > held ? MenuText[held] : '0';
}

std::string TExchangeBase::MenuWriteWithVox(char vox) const {
    std::string text = MenuText;
    const size_t held = HeldMenuPosition();
    if (text.size() > held) text[held] = vox;
    return "MU " + text;
}
