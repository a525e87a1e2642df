#include "core/radio/writeexchange.h"

#include "core/model/modelprofile.h"
#include "core/model/radiodata.h"
#include "core/radio/exchangemessages.h"
#include "core/radio/radiocommands.h"

namespace {

using TRequest = TWriteExchange::TRequest;

constexpr size_t kReplyLength = 49;
constexpr size_t kMenuTextLength = 49;
constexpr size_t kVoxPosition = 8;
constexpr char kMarketQuestion[] =
    "The market code selected in this software does not \nmatch the market code of the connected "
    "transcevier, \nIf you continue to write to the transceiver, the Memory \nChannel data may "
    "not be written. \nDo you wish to continue writing?";

}  // namespace

TWriteExchange::TWriteExchange(const TRadioData& data, TExchangeHost& host, TTransferScope scope,
                               bool toneBurstShown)
    : Data(data), Host(host), Scope(scope), ToneBurstShown(toneBurstShown) {}

std::chrono::milliseconds TWriteExchange::CommandDelay() const {
    return ::CommandDelay(Data.GetModel());
}

void TWriteExchange::Start() {
    SetBar(0);
    Request = TRequest::Start;
    Cancelling = false;
    Host.StartTimer(TExchangeTimer::StartDelay, kStartDelay);
}

void TWriteExchange::SetBar(int position) {
    Progress = position;
    Host.SetProgress(Progress);
}

void TWriteExchange::Send(TRequest request, const std::string& command) {
    Request = request;
    LastCommand = command;
    Attempts = 0;
    Host.SendCommand(command, CommandDelay());
}

// Identification replies that answer something else are asked for again, as
// a read does, and as boundedly.
void TWriteExchange::AskAgain() {
    if (++Attempts >= kMostAttempts) {
        Fail(BadRepliesMessage(LastCommand));
        return;
    }
    Host.SendCommand(LastCommand, CommandDelay());
}

void TWriteExchange::SendFailed(const std::string& message) {
    if (!Finished) Fail(message);
}

void TWriteExchange::Fail(const std::string& message) {
    Host.StopTimer(TExchangeTimer::Reply);
    Host.StopTimer(TExchangeTimer::StartDelay);
    Host.ClosePort();
    Host.ShowError(message);
    End(TExchangeOutcome::LineFailed);
}

void TWriteExchange::TimerFired(TExchangeTimer timer) {
    if (Finished) return;
    switch (timer) {
        case TExchangeTimer::StartDelay:
            Host.StopTimer(TExchangeTimer::StartDelay);
            Host.DiscardInput();
            Send(TRequest::WakeUp, std::string(kWakeUpCommand));
            break;
        case TExchangeTimer::Reply:
            Host.StopTimer(TExchangeTimer::Reply);
            Host.StopTimer(TExchangeTimer::StartDelay);
            Host.ClosePort();
            Host.ShowError(kTimeoutMessage);
            End(TExchangeOutcome::TimedOut);
            break;
        case TExchangeTimer::CancelGrace:
            Host.StopTimer(TExchangeTimer::CancelGrace);
            Host.ClosePort();
            End(TExchangeOutcome::Cancelled);
            break;
    }
}

void TWriteExchange::Cancel() {
    if (Finished || Cancelling) return;
    Host.StopTimer(TExchangeTimer::Reply);
    Host.StopTimer(TExchangeTimer::StartDelay);
    Cancelling = true;
    StoppedAt = LastCommand;
    Host.StartTimer(TExchangeTimer::CancelGrace, kCancelGrace);
}

void TWriteExchange::Finish(TExchangeOutcome outcome) {
    Host.ClosePort();
    if (outcome == TExchangeOutcome::Done && !Cancelling &&
        (!Refused.empty() || !Unconfirmed.empty())) {
        Host.ShowWarning(RefusedRecordsMessage(Refused, Unconfirmed));
        outcome = TExchangeOutcome::Refused;
    }
    End(outcome);
}

void TWriteExchange::End(TExchangeOutcome outcome) {
    Finished = true;
    Host.StopTimer(TExchangeTimer::CancelGrace);
    if (Cancelling) outcome = TExchangeOutcome::Cancelled;
    // Whatever went out before the end stays written; the rest did not arrive.
    const bool early = outcome == TExchangeOutcome::TimedOut ||
                       outcome == TExchangeOutcome::LineFailed ||
                       outcome == TExchangeOutcome::Cancelled;
    if (early && Writing)
        Host.ShowWarning(WriteStoppedMessage(StoppedAt.empty() ? LastCommand : StoppedAt));
    Host.Finish(outcome);
}

bool TWriteExchange::AwaitsAnswer() const {
    return Request != TRequest::Start && Request != TRequest::WakeUp && Request != TRequest::Stop;
}

// The requests that only ask: their replies are examined, not just counted.
bool TWriteExchange::AsksOnly() const {
    return Request == TRequest::Id || Request == TRequest::VoxHold ||
           Request == TRequest::MarketCode;
}

void TWriteExchange::Reply(const std::string& bytes) {
    if (Finished) return;
    // A lone carriage return is noise on the line, not an answer.
    if (AwaitsAnswer() && !Cancelling && ReplyText(bytes).empty()) return;
    Host.StopTimer(TExchangeTimer::Reply);
    if (Cancelling && VoxHeld() && Request != TRequest::VoxRestore) {
        // A cancelled write on a handheld gives the transceiver its VOX setting back first.
        Host.DiscardInput();
        Send(TRequest::VoxRestore, "MU " + MenuTextWithVox(SavedVox()));
        return;
    }
    if (Cancelling) Request = TRequest::Stop;
    const std::string reply = ReplyText(bytes).substr(0, kReplyLength);
    Host.DiscardInput();
    if (AsksOnly() && !ReplyAnswers(LastCommand, reply)) {
        AskAgain();
        return;
    }
    Act(reply);
}

void TWriteExchange::Act(const std::string& reply) {
    switch (Request) {
        case TRequest::Start:
            Host.StopTimer(TExchangeTimer::StartDelay);
            Host.DiscardInput();
            Host.StartTimer(TExchangeTimer::StartDelay, kStartDelay);
            break;
        case TRequest::WakeUp:
            Host.DiscardInput();
            Counter = 0;
            Send(TRequest::Id, "ID");
            break;
        case TRequest::Id:
            ActOnIdentity(reply);
            break;
        case TRequest::VoxHold:
            MenuText = ReplyPayload(reply).substr(0, kMenuTextLength);
            Send(TRequest::VoxSet, "MU " + MenuTextWithVox('0'));
            break;
        case TRequest::VoxSet:
            NoteReply(reply);
            Send(TRequest::MarketCode, "TY");
            break;
        case TRequest::MarketCode:
            ActOnMarketCode(reply);
            break;
        case TRequest::ChannelCount:
            NoteReply(reply);
            if (Scope == TTransferScope::Menu) {
                Send(TRequest::Menu, BuildMenuWrite(Data, true));
            } else {
                Send(TRequest::VfoMode, std::string(kVfoModeCommand));
            }
            break;
        case TRequest::VfoMode:
            NoteReply(reply);
            Counter = 0;
            SendNextEntry();
            break;
        case TRequest::Memory:
        case TRequest::Name:
            NoteReply(reply);
            ActOnEntry();
            break;
        case TRequest::Stop:
            Finish(TExchangeOutcome::Cancelled);
            break;
        case TRequest::VoxRestore:
            NoteReply(reply);
            Finish(Cancelling ? TExchangeOutcome::Cancelled : TExchangeOutcome::Done);
            break;
        default:
            NoteReply(reply);
            ActOnRecord();
            break;
    }
}

void TWriteExchange::ActOnIdentity(const std::string& reply) {
    if (ModelOfId(ReplyPayload(reply)) != Data.GetModel()) {
        Host.ShowError(kUnsupportedMessage);
        Host.ClosePort();
        End(TExchangeOutcome::Unsupported);
        return;
    }
    Host.SetProgressMaximum(ProgressMaximum());
    if (Data.IsHandheld()) {
        Send(TRequest::VoxHold, "MU");
    } else {
        Send(TRequest::MarketCode, "TY");
    }
}

void TWriteExchange::ActOnMarketCode(const std::string& reply) {
    const std::string& market = Data.GetMarketCode();
    const auto at = [](const std::string& text, size_t index) {
        return index < text.size() ? text[index] : '\0';
    };
    if (at(reply, 3) != at(market, 0) || at(reply, 4) != at(market, 1)) {
        Host.ShowError(kUnsupportedMessage);
        Host.ClosePort();
        End(TExchangeOutcome::Unsupported);
        return;
    }
    if (at(reply, 5) != at(market, 2) && !Host.AskToContinue(kMarketQuestion)) {
        Host.ClosePort();
        End(TExchangeOutcome::Cancelled);
        return;
    }
    Writing = true;
    Send(TRequest::ChannelCount, BuildChannelCountWrite(Data));
}

int TWriteExchange::ProgressMaximum() const {
    const TModelProfile profile = ProfileOf(Data);
    int maximum = 0;
    if (Scope != TTransferScope::Menu)
        maximum += Data.ChannelCount() + 21 + (profile.CarriesAlEntry ? 1 : 0);
    if (Scope != TTransferScope::Memory)
        maximum += (Data.IsMobile() ? 3 : 5) + (profile.OffersToneBurst ? 1 : 0);
    return maximum;
}

// Channels 0..N, L0..U2, PR and, where the market carries it (every model), AL; then the
// CALL channel.
void TWriteExchange::SendNextEntry() {
    const int count = Data.ChannelCount();
    const bool withAl = ProfileOf(Data).CarriesAlEntry;
    if (Counter <= count + 7 || (Counter == count + 8 && withAl)) {
        const std::string command = BuildMemoryWrite(Data, Counter);
        EntryCleared = BuildNameWrite(Data, Counter).empty();
        Send(TRequest::Memory, command);
    } else {
        Send(TRequest::Call, BuildCallWrite(Data));
    }
}

void TWriteExchange::ActOnEntry() {
    if (Request == TRequest::Memory && !EntryCleared) {
        Send(TRequest::Name, BuildNameWrite(Data, Counter));
        return;
    }
    SetBar(Counter);
    ++Counter;
    SendNextEntry();
}

// CALL, VFO, programmable VFO, power, DTMF memories and the menu, in that order.
void TWriteExchange::ActOnRecord() {
    SetBar(Progress + 1);
    switch (Request) {
        case TRequest::Call:
            Send(TRequest::Vfo, BuildVfoWrite(Data));
            break;
        case TRequest::Vfo:
            Counter = 0;
            Send(TRequest::ProgramVfo, BuildProgramVfoWrite(Data));
            break;
        case TRequest::ProgramVfo:
            Send(TRequest::Power, BuildPowerWrite(Data));
            break;
        case TRequest::Power:
            Counter = 0;
            Send(TRequest::Dtmf, BuildDtmfWrite(Data, 0));
            break;
        case TRequest::Dtmf:
            ++Counter;
            if (Counter <= 9) {
                Send(TRequest::Dtmf, BuildDtmfWrite(Data, Counter));
            } else if (Scope == TTransferScope::Memory && Data.IsHandheld()) {
                // The transceiver gets its own VOX setting back, not the held "0".
                Send(TRequest::VoxRestore, "MU " + MenuTextWithVox(SavedVox()));
            } else if (Scope == TTransferScope::Memory) {
                Finish(TExchangeOutcome::Done);
            } else {
                Send(TRequest::Menu, BuildMenuWrite(Data, true));
            }
            break;
        case TRequest::Menu:
            Send(TRequest::Message, BuildSlotWrite(Data, "MS", 19));
            break;
        case TRequest::Message:
            Send(TRequest::KeyLock, BuildSlotWrite(Data, "LK", 21));
            break;
        case TRequest::KeyLock:
            SendAfterKeyLock();
            break;
        case TRequest::ToneBurst:
            if (Data.IsMobile()) {
                Send(TRequest::Brightness, BuildSlotWrite(Data, "BR", 36));
            } else {
                Send(TRequest::Lamp, BuildSlotWrite(Data, "LP", 22));
            }
            break;
        case TRequest::Lamp:
            Send(TRequest::ProgrammableKey, BuildSlotWrite(Data, "PF", 24));
            break;
        case TRequest::ProgrammableKey:
            Send(TRequest::VoxRestore, BuildMenuWrite(Data, false));
            break;
        case TRequest::Brightness:
            Finish(TExchangeOutcome::Done);
            break;
        default:
            break;
    }
}

void TWriteExchange::SendAfterKeyLock() {
    if (ToneBurstShown) {
        Send(TRequest::ToneBurst, BuildSlotWrite(Data, "BT", 25));
    } else if (Data.IsMobile()) {
        Send(TRequest::Brightness, BuildSlotWrite(Data, "BR", 36));
    } else {
        Send(TRequest::Lamp, BuildSlotWrite(Data, "LP", 22));
    }
}

// Every reply moves the write on, as the transceivers expect; a refusal, or
// a reply that is no echo of the command, is remembered so that the end of
// the write can say which records may be missing.
void TWriteExchange::NoteReply(const std::string& reply) {
    if (IsRefusal(reply)) {
        Refused.push_back(LastCommand);
    } else if (!ConfirmsWrite(LastCommand, reply)) {
        Unconfirmed.push_back(LastCommand);
    }
}

// The handheld's VOX is held at "0" from the VOX set until the last "MU".
bool TWriteExchange::VoxHeld() const {
    return !MenuText.empty() && Request != TRequest::VoxHold && Request != TRequest::Start &&
           Request != TRequest::WakeUp && Request != TRequest::Id;
}

char TWriteExchange::SavedVox() const {
    return MenuText.size() > kVoxPosition ? MenuText[kVoxPosition] : '0';
}

std::string TWriteExchange::MenuTextWithVox(char value) const {
    std::string text = MenuText;
    if (text.size() > kVoxPosition) text[kVoxPosition] = value;
    return text;
}
