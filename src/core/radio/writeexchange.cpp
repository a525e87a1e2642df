#include "core/radio/writeexchange.h"

#include <QtGlobal>

#include "core/model/modelprofile.h"
#include "core/model/radiodata.h"
#include "core/radio/exchangemessages.h"
#include "core/radio/radiocommands.h"

namespace {

using TRequest = TWriteExchange::TRequest;

constexpr size_t kReplyLength = 49;
constexpr char kMarketQuestion[] = QT_TRANSLATE_NOOP(
    "Messages",
    "The market code selected in this software does not \nmatch the market code of the connected "
    "transcevier, \nIf you continue to write to the transceiver, the Memory \nChannel data may "
    "not be written. \nDo you wish to continue writing?");

}  // namespace

TWriteExchange::TWriteExchange(const TRadioData& data, TExchangeHost& host, TTransferScope scope,
                               bool toneBurstShown)
    : TExchangeBase(host), Data(data), Scope(scope), ToneBurstShown(toneBurstShown) {}

std::chrono::milliseconds TWriteExchange::CommandDelay() const {
    return ::CommandDelay(Data.GetModel());
}

void TWriteExchange::Start() {
    Counter = 0;
    Cancelling = false;
    Open();
}

void TWriteExchange::CancelGraceOver() {
    Host.StopTimer(TExchangeTimer::CancelGrace);
    Host.ClosePort();
    End(TExchangeOutcome::Cancelled);
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
        Send(TRequest::VoxRestore, MenuWriteWithVox(KeptVox()));
        return;
    }
    if (Cancelling) Request = TRequest::Stop;
    const std::string reply = ReplyText(bytes).substr(0, kReplyLength);
    Host.DiscardInput();
    if (Request != TRequest::Stop && LetGoAsLate(reply)) return;
    // Identification replies that answer something else, or refuse, are asked for
    // again, as a read does.
    if (AsksOnly() && !AnswersQuery(LastCommand, reply, false)) {
        AskAgain();
        return;
    }
    Taken(reply);
    Act(reply);
}

void TWriteExchange::Act(const std::string& reply) {
    switch (Request) {
        case TRequest::Start:
        case TRequest::WakeUp:
            ActOnOpening();
            break;
        case TRequest::Id:
            ActOnIdentity(reply);
            break;
        case TRequest::VoxHold:
            KeepMenuText(ReplyPayload(reply));
            Send(TRequest::VoxSet, MenuWriteWithVox('0'));
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
            if (EndingEarly) {
                Host.ClosePort();
                End(*EndingEarly);
            } else {
                Finish(Cancelling ? TExchangeOutcome::Cancelled : TExchangeOutcome::Done);
            }
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
    Host.Identified();
    Host.SetProgressMaximum(ProgressMaximum());
    if (ProfileOf(Data).HoldsVoxOff) {
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
        EndBeforeWriting(TExchangeOutcome::Unsupported);
        return;
    }
    if (at(reply, 5) != at(market, 2) && !Host.AskToContinue(kMarketQuestion)) {
        EndBeforeWriting(TExchangeOutcome::Cancelled);
        return;
    }
    Writing = true;
    Send(TRequest::ChannelCount, BuildChannelCountWrite(Data));
}

// Ends the write before anything was written; a handheld whose VOX is held
// gets its setting back first.
void TWriteExchange::EndBeforeWriting(TExchangeOutcome outcome) {
    if (VoxHeld()) {
        EndingEarly = outcome;
        Send(TRequest::VoxRestore, MenuWriteWithVox(KeptVox()));
        return;
    }
    Host.ClosePort();
    End(outcome);
}

int TWriteExchange::ProgressMaximum() const {
    const TModelProfile& profile = ProfileOf(Data);
    int maximum = 0;
    if (Scope != TTransferScope::Menu)
        maximum += Data.ChannelCount() + 21 + (profile.CarriesAlEntry ? 1 : 0);
    if (Scope != TTransferScope::Memory)
        maximum += profile.MenuProgressSteps + (profile.OffersToneBurst ? 1 : 0);
    return maximum;
}

// Channels 0..N, L0..U2, PR and, where the market carries it (every model), AL; then the
// CALL channel.
void TWriteExchange::SendNextEntry() {
    if (Counter <= LastWrittenCounter(Data)) {
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
            } else if (Scope == TTransferScope::Memory && ProfileOf(Data).HoldsVoxOff) {
                // The transceiver gets its own VOX setting back, not the held "0".
                Send(TRequest::VoxRestore, MenuWriteWithVox(KeptVox()));
            } else if (Scope == TTransferScope::Memory) {
                Finish(TExchangeOutcome::Done);
            } else {
                Send(TRequest::Menu, BuildMenuWrite(Data, true));
            }
            break;
        case TRequest::Menu:
            SendSlotCommandAfter(nullptr);
            break;
        case TRequest::SlotCommand:
            SendSlotCommandAfter(SlotUnderWay);
            break;
        default:
            break;
    }
}

// The slots that travel alone follow "MU" one by one; a model that held its
// VOX off gets the menu's own value back at the end.
void TWriteExchange::SendSlotCommandAfter(const TSlotCommand* previous) {
    const TModelProfile& profile = ProfileOf(Data);
    SlotUnderWay = NextSlotCommand(previous, profile.Menu, ToneBurstShown);
    if (SlotUnderWay) {
        Send(TRequest::SlotCommand, BuildSlotWrite(Data, *SlotUnderWay));
    } else if (profile.HoldsVoxOff) {
        Send(TRequest::VoxRestore, BuildMenuWrite(Data, false));
    } else {
        Finish(TExchangeOutcome::Done);
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
