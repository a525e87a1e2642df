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
            return MemoryPayloadStart(
                RecordOfCounter(Counter, Data.ChannelCount()) >= TRadioData::kFirstSpecialRecord,
                ProfileOf(Data).Labels);
        case TRequest::Name:
            return NamePayloadStart(ProfileOf(Data).Labels);
        default:
            return 3;
    }
}

// Every reply must answer its request; the echo checks of the models that
// echo (the mobiles) come on top. A refusal is never data: the request is
// asked again, as after any reply that does not fit, but for the handhelds'
// "?" to a channel request, which has always meant an empty channel.
bool TReadExchange::Fits(const std::string& raw) const {
    if (!AwaitsAnswer()) return true;
    if (ProfileOf(Data).ChecksEchoes && !EchoFits(raw)) return false;
    const std::string text = WithoutCarriageReturns(raw);
    if (Request == TRequest::VoxSet || Request == TRequest::VoxRestore) {
        return ReplyAnswers(LastCommand, text);
    }
    return AnswersQuery(LastCommand, text, ProfileOf(Data).RefusalMeansEmptyChannel);
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
        case TRequest::SlotCommand:
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
    if (ProfileOf(Data).HoldsVoxOff) {
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
    const TModelProfile& profile = ProfileOf(Data);
    int maximum = 0;
    if (Scope != TTransferScope::Menu)
        maximum += Data.ChannelCount() + 21 + (profile.CarriesAlEntry ? 1 : 0);
    if (Scope != TTransferScope::Memory)
        maximum += profile.MenuProgressSteps + (profile.OffersToneBurst ? 1 : 0);
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
    Data.SetChannel(record, MemoryRecord(EntryPayload, namePayload,
                                         RecordChannelField(record, ProfileOf(Data).Labels)));
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
            if (SavedVox) Data.SetMenuSlot(kHandheldHeldMenuSlot, std::string(1, *SavedVox));
            SendSlotCommandAfter(nullptr);
            break;
        case TRequest::SlotCommand:
            Data.SetMenuSlot(SlotUnderWay->Slot, payload);
            SendSlotCommandAfter(SlotUnderWay);
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

// The slots that travel alone follow "MU" one by one; a model that held its
// VOX off gets it back at the end.
void TReadExchange::SendSlotCommandAfter(const TSlotCommand* previous) {
    const TModelProfile& profile = ProfileOf(Data);
    SlotUnderWay = NextSlotCommand(previous, profile.Menu, ToneBurstShown);
    if (SlotUnderWay) {
        Send(TRequest::SlotCommand, BuildSlotRead(*SlotUnderWay));
    } else if (profile.HoldsVoxOff) {
        Send(TRequest::VoxRestore, MenuWriteWithVox(SavedVox.value_or('0')));
    } else {
        Finish(TExchangeOutcome::Done);
    }
}
