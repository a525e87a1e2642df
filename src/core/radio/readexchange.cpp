#include "core/radio/readexchange.h"

#include "core/model/modelprofile.h"
#include "core/model/radiodata.h"
#include "core/radio/exchangemessages.h"
#include "core/radio/radiocommands.h"

namespace {

using TRequest = TReadExchange::TRequest;

constexpr size_t kRawReplyLength = 99;
constexpr size_t kPayloadLength = 249;

std::string WithoutCarriageReturns(const std::string& text) {
    return ReplyText(text);
}

}  // namespace

TReadExchange::TReadExchange(TRadioData& data, TExchangeHost& host, TTransferScope scope,
                             bool toneBurstShown)
    : TExchangeBase(host), Data(data), Scope(scope), ToneBurstShown(toneBurstShown) {
    StoresBareAnswers = true;
}

std::chrono::milliseconds TReadExchange::CommandDelay() const {
    return ::CommandDelay(Data.GetModel());
}

bool TReadExchange::IsMobile() const {
    return Data.IsMobile();
}

bool TReadExchange::NamesExchanged() const {
    return Data.HasMemoryNames();
}

void TReadExchange::Start() {
    Counter = 0;
    Cancelling = false;
    SavedVox.reset();
    Open();
}

void TReadExchange::CancelGraceOver() {
    Host.StopTimer(TExchangeTimer::Reply);
    Host.StopTimer(TExchangeTimer::CancelGrace);
    Host.StopTimer(TExchangeTimer::StartDelay);
    Host.ClosePort();
    End(TExchangeOutcome::Cancelled);
}

void TReadExchange::Cancel() {
    if (Finished || CancelRequested) return;
    CancelRequested = true;
    Host.StopTimer(TExchangeTimer::Reply);
    Cancelling = true;
    Host.StartTimer(TExchangeTimer::CancelGrace, kCancelGrace);
}

void TReadExchange::Finish(TExchangeOutcome outcome) {
    Host.StopTimer(TExchangeTimer::StartDelay);
    Host.ClosePort();
    End(outcome);
}

void TReadExchange::End(TExchangeOutcome outcome) {
    Finished = true;
    if (CancelRequested) outcome = TExchangeOutcome::Cancelled;
    // What the data set now shows is only part of the transceiver's contents.
    if (outcome != TExchangeOutcome::Done && RecordsTouched && ReportsIncomplete) {
        Host.ShowWarning(ReadStoppedMessage(LastCommand));
    }
    Host.Finish(outcome);
}

// A read-back after a write leaves what to do to the write.
std::optional<TExchangeKind> TReadExchange::AdvisedKind() const {
    if (!ReportsIncomplete) return std::nullopt;
    return TExchangeKind::Read;
}

void TReadExchange::Reply(const std::string& bytes) {
    if (Finished) return;
    const std::string raw = bytes.substr(0, kRawReplyLength);
    // A lone carriage return is noise on the line, not an answer: the
    // request keeps waiting for its reply within the same time-out.
    if (AwaitsAnswer() && !Cancelling && WithoutCarriageReturns(raw).empty()) return;
    Host.StopTimer(TExchangeTimer::Reply);
    if (Cancelling) {
        if (SavedVox) {
            // Give the transceiver its VOX setting back before going.
            Send(TRequest::VoxRestore, MenuWriteWithVox(*SavedVox));
            Host.DiscardInput();
            Cancelling = false;
            return;
        }
        Request = TRequest::Stop;
    }
    if (Request != TRequest::Stop && LetGoAsLate(WithoutCarriageReturns(raw))) return;
    if (!Fits(raw)) {
        AskAgain();
        return;
    }
    const std::string text = WithoutCarriageReturns(raw);
    Taken(text);
    const size_t start = PayloadStart();
    Act(text.size() > start ? text.substr(start, kPayloadLength) : std::string());
}

size_t TReadExchange::PayloadStart() const {
    switch (Request) {
        case TRequest::Start:
        case TRequest::WakeUp:
        case TRequest::VoxRestore:
        case TRequest::Stop:
            return 0;
        case TRequest::Memory:
            return IsMobile() && RecordOfCounter(Counter, Data.ChannelCount()) >= 200 ? 4 : 3;
        case TRequest::Name:
            return IsMobile() ? 7 : 6;
        default:
            return 3;
    }
}

// Every reply must answer its request; the mobiles' echo checks come on top.
// A refusal is never data: the request is asked again, as after any reply
// that does not fit, but for the handhelds' "?" to a channel request, which
// has always meant an empty channel.
bool TReadExchange::Fits(const std::string& raw) const {
    if (!AwaitsAnswer()) return true;
    if (IsMobile() && !EchoFits(raw)) return false;
    const std::string text = WithoutCarriageReturns(raw);
    if (Request == TRequest::VoxSet || Request == TRequest::VoxRestore) {
        return ReplyAnswers(LastCommand, text);
    }
    return AnswersQuery(LastCommand, text, Data.IsHandheld());
}

// A mobile may answer a garbled or foreign reply; such a reply makes it hear
// the same request again.
bool TReadExchange::EchoFits(const std::string& raw) const {
    const auto at = [&raw](size_t position) {
        return position <= raw.size() ? raw[position - 1] : '\0';
    };
    const std::string text = WithoutCarriageReturns(raw);
    const auto sameAsCommand = [&](std::initializer_list<size_t> positions) {
        for (size_t position : positions) {
            if (position > LastCommand.size() || at(position) != LastCommand[position - 1])
                return false;
        }
        return true;
    };
    const bool special = RecordOfCounter(Counter, Data.ChannelCount()) >= 200;
    const auto entryFits = [&]() {
        if (special) return sameAsCommand({1, 2, 4});
        char number[8];
        std::snprintf(number, sizeof number, "%03d", Counter);
        return sameAsCommand({1, 2}) && at(4) == number[0] && at(5) == number[1] &&
               at(6) == number[2];
    };
    switch (Request) {
        case TRequest::Memory:
            if (IsRefusal(text)) return false;
            if (at(1) == 'N' || at(2) == '\r') return true;
            return entryFits();
        case TRequest::Name:
            return entryFits();
        case TRequest::Dtmf:
            return at(1) == 'D' && at(2) == 'M' && at(4) == '0' + Counter;
        case TRequest::Id:
        case TRequest::ChannelCount:
        case TRequest::MarketCode:
        case TRequest::BandLimit:
        case TRequest::Call:
        case TRequest::Vfo:
        case TRequest::Power:
        case TRequest::ProgramVfo:
        case TRequest::VoxHold:
        case TRequest::VoxSet:
        case TRequest::Menu:
        case TRequest::Message:
        case TRequest::KeyLock:
        case TRequest::ToneBurst:
        case TRequest::Brightness:
            return sameAsCommand({1, 2});
        default:
            return true;
    }
}

void TReadExchange::Act(const std::string& payload) {
    switch (Request) {
        case TRequest::Start:
        case TRequest::WakeUp:
            ActOnOpening();
            break;
        case TRequest::Id:
            ActOnIdentity(payload);
            break;
        case TRequest::VoxHold:
            KeepMenuText(payload);
            SavedVox = KeptVox();
            Send(TRequest::VoxSet, MenuWriteWithVox('0'));
            break;
        case TRequest::VoxSet:
            Send(TRequest::ChannelCount, "CQ");
            break;
        case TRequest::ChannelCount:
            StoreChannelCount(Data, payload);
            Send(TRequest::MarketCode, "TY");
            break;
        case TRequest::MarketCode:
            ActOnMarketCode(payload);
            break;
        case TRequest::BandLimit:
            Data.SetBandLimit(payload);
            Counter = 0;
            if (Scope == TTransferScope::Menu) {
                Send(TRequest::Menu, "MU");
            } else {
                SendNextEntry();
            }
            break;
        case TRequest::Memory:
        case TRequest::Name:
            ActOnEntry(payload);
            break;
        default:
            ActOnMenu(payload);
            break;
    }
}

void TReadExchange::ActOnIdentity(const std::string& payload) {
    const std::string model = ModelOfId(payload);
    if (model.empty()) {
        Host.ShowError(kUnsupportedMessage);
        Host.ClosePort();
        End(TExchangeOutcome::Unsupported);
        return;
    }
    if (model != Data.GetModel()) Host.ModelChanged();
    Data.SetModel(model);
    if (Data.IsHandheld()) {
        Send(TRequest::VoxHold, "MU");
    } else {
        Send(TRequest::ChannelCount, "CQ");
    }
}

void TReadExchange::ActOnMarketCode(const std::string& payload) {
    Data.SetMarketCode(payload);
    RecordsTouched = true;
    if (Scope != TTransferScope::Menu) Data.ClearRecords();
    if (Scope == TTransferScope::All) {
        Data.ApplyDefaultRecords();
        Data.ApplyMenuDefaults();
    } else if (Scope == TTransferScope::Menu) {
        Data.ApplyMenuDefaults();
    } else if (Data.OnMenuLayoutChanged) {
        Data.OnMenuLayoutChanged();
    }
    Host.SetProgressMaximum(ProgressMaximum());
    Send(TRequest::BandLimit, "FL");
}

int TReadExchange::ProgressMaximum() const {
    const TModelProfile profile = ProfileOf(Data);
    int maximum = 0;
    if (Scope != TTransferScope::Menu)
        maximum += Data.ChannelCount() + 21 + (profile.CarriesAlEntry ? 1 : 0);
    if (Scope != TTransferScope::Memory)
        maximum += (IsMobile() ? 3 : 5) + (profile.OffersToneBurst ? 1 : 0);
    return maximum;
}

// Entries run from channel 0 to N, then L0..U2, PR and, on the U.S.A./Canada
// 144 MHz models, AL; then the CALL channel.
void TReadExchange::SendNextEntry() {
    const int count = Data.ChannelCount();
    const bool withAl = ProfileOf(Data).HasWeatherAlert;
    if (Counter <= count + 7 || (Counter == count + 8 && withAl)) {
        Send(TRequest::Memory, BuildMemoryRead(Data, Counter));
    } else {
        Send(TRequest::Call, "CA");
    }
}

void TReadExchange::ActOnEntry(const std::string& payload) {
    if (Request == TRequest::Memory && payload.size() > kEmptyRecordLength) {
        EntryPayload = payload;
        if (NamesExchanged()) {
            Send(TRequest::Name, BuildNameRead(Data, Counter));
            return;
        }
        StoreEntry({});
    } else if (Request == TRequest::Name) {
        StoreEntry(payload);
    }
    SetBar(Counter);
    ++Counter;
    SendNextEntry();
}

void TReadExchange::StoreEntry(const std::string& namePayload) {
    const int record = RecordOfCounter(Counter, Data.ChannelCount());
    Data.SetChannel(
        record, MemoryRecord(EntryPayload, namePayload, RecordChannelField(record, IsMobile())));
}

void TReadExchange::ActOnMenu(const std::string& payload) {
    if (Request != TRequest::VoxRestore && Request != TRequest::Stop) SetBar(Progress + 1);
    switch (Request) {
        case TRequest::Call:
            Data.SetCall(CallRecord(payload));
            Send(TRequest::Vfo, "VF");
            break;
        case TRequest::Vfo:
            EntryPayload = payload;
            Send(TRequest::Power, "PC");
            break;
        case TRequest::Power:
            Data.SetVfo(VfoRecord(EntryPayload, payload));
            Send(TRequest::ProgramVfo, "PV");
            break;
        case TRequest::ProgramVfo:
            Data.SetProgramVfo(payload);
            Counter = 0;
            Send(TRequest::Dtmf, BuildDtmfRead(0));
            break;
        case TRequest::Dtmf:
            if (payload.size() >= 3) Data.SetDtmf(Counter, DtmfEntry(Counter, payload));
            ++Counter;
            if (Counter <= 9) {
                Send(TRequest::Dtmf, BuildDtmfRead(Counter));
            } else if (Scope == TTransferScope::Memory) {
                FinishMemoryRead();
            } else {
                Send(TRequest::Menu, "MU");
            }
            break;
        case TRequest::Menu:
            StoreMenuValues(Data, payload);
            if (Data.IsHandheld() && SavedVox)
                Data.SetMenuSlot(kHandheldHeldMenuSlot, std::string(1, *SavedVox));
            Send(TRequest::Message, BuildSlotRead(kPowerOnMessageCommand));
            break;
        case TRequest::Message:
            Data.SetMenuSlot(kPowerOnMessageCommand.Slot, payload);
            Send(TRequest::KeyLock, BuildSlotRead(kKeyLockCommand));
            break;
        case TRequest::KeyLock:
            Data.SetMenuSlot(kKeyLockCommand.Slot, payload);
            SendAfterKeyLock();
            break;
        case TRequest::ToneBurst:
            Data.SetMenuSlot(kToneBurstCommand.Slot, payload);
            Send(IsMobile() ? TRequest::Brightness : TRequest::Lamp,
                 BuildSlotRead(IsMobile() ? kBrightnessCommand : kLampCommand));
            break;
        case TRequest::Lamp:
            Data.SetMenuSlot(kLampCommand.Slot, payload);
            Send(TRequest::ProgrammableKey, BuildSlotRead(kMicKeyLockCommand));
            break;
        case TRequest::ProgrammableKey:
            Data.SetMenuSlot(kMicKeyLockCommand.Slot, payload);
            Send(TRequest::VoxRestore, MenuWriteWithVox(SavedVox.value_or('0')));
            break;
        case TRequest::Brightness:
            Data.SetMenuSlot(kBrightnessCommand.Slot, payload);
            Finish(TExchangeOutcome::Done);
            break;
        case TRequest::VoxRestore:
            Finish(TExchangeOutcome::Done);
            break;
        case TRequest::Stop:
            Finish(TExchangeOutcome::Cancelled);
            break;
        default:
            break;
    }
}

// A handheld's VOX was switched off for the exchange; leaving it off after a
// memory read would change the transceiver's settings behind the user's back.
void TReadExchange::FinishMemoryRead() {
    if (SavedVox) {
        Send(TRequest::VoxRestore, MenuWriteWithVox(*SavedVox));
    } else {
        Finish(TExchangeOutcome::Done);
    }
}

void TReadExchange::SendAfterKeyLock() {
    if (ToneBurstShown) {
        Send(TRequest::ToneBurst, BuildSlotRead(kToneBurstCommand));
    } else {
        Send(IsMobile() ? TRequest::Brightness : TRequest::Lamp,
             BuildSlotRead(IsMobile() ? kBrightnessCommand : kLampCommand));
    }
}
