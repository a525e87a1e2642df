#include "core/radio/verifiedwrite.h"

#include <algorithm>

#include "core/model/menusettings.h"
#include "core/model/modelprofile.h"
#include "core/radio/exchangemessages.h"
#include "core/radio/radiocommands.h"

namespace {

// The menu slots a write sends: the "MU" values, the channel count and the
// slots that travel alone, in slot order.
std::vector<int> ExchangedMenuSlots(const TRadioData& data, bool toneBurstShown) {
    const TMenuSet menu = ProfileOf(data).Menu;
    std::vector<int> slots;
    for (const TMenuSetting& setting : MenuSettings()) {
        if (!CarriageIn(setting, menu).Carried()) continue;
        if (setting.Shown == TMenuShown::WithToneBurst && !toneBurstShown) continue;
        slots.push_back(setting.Slot);
    }
    return slots;
}

// A DTMF memory of fewer than three characters holds no code; the transceiver
// gives it back as empty.
TRadioData WithoutEmptyDtmf(const TRadioData& data) {
    TRadioData copy = data;
    copy.OnMenuLayoutChanged = nullptr;
    for (int entry = 0; entry < TRadioData::kDtmfCount; ++entry) {
        if (copy.GetDtmf(entry).size() < 3) copy.SetDtmf(entry, "");
    }
    return copy;
}

}  // namespace

TComparedParts ExchangedParts(const TRadioData& data, TTransferScope scope, bool toneBurstShown) {
    TComparedParts parts;
    parts.Identity = false;
    parts.Comment = false;
    parts.WireFieldsOnly = true;
    parts.Records = scope != TTransferScope::Menu;
    parts.Names = data.HasMemoryNames();
    // The read asks for AL only on the U.S.A./Canada 144 MHz models.
    parts.WeatherAlert = ProfileOf(data).HasWeatherAlert;
    // The channel count goes out with every write.
    parts.Menu = true;
    parts.MenuSlots = scope == TTransferScope::Memory ? std::vector<int>{kChannelCountSlot}
                                                      : ExchangedMenuSlots(data, toneBurstShown);
    return parts;
}

std::vector<TDataDifference> VerifyDifferences(const TRadioData& written,
                                               const TRadioData& readBack, TTransferScope scope,
                                               bool toneBurstShown) {
    std::vector<TDataDifference> found =
        CompareData(WithoutEmptyDtmf(written), WithoutEmptyDtmf(readBack),
                    ExchangedParts(written, scope, toneBurstShown));
    // The label never travels: the command's channel field stands in for it.
    std::erase_if(found, [](const TDataDifference& d) { return d.Field == "Label"; });
    return found;
}

std::string VerifyFailedMessage(size_t differences) {
    return "The data read back from the transceiver differs from the data written in " +
           std::to_string(differences) + (differences == 1 ? " place" : " places") +
           ".\nThe transceiver does not hold the data as written. Please write again.";
}

TVerifiedWrite::TVerifiedWrite(const TRadioData& data, TExchangeHost& host, TTransferScope scope,
                               bool toneBurstShown)
    : Data(data),
      Host(host),
      Scope(scope),
      ToneBurstShown(toneBurstShown),
      WriteStep(data, *this, scope, toneBurstShown) {}

TExchange& TVerifiedWrite::Current() {
    if (ReadStep) return *ReadStep;
    return WriteStep;
}

void TVerifiedWrite::Start() {
    WriteStep.Start();
}
void TVerifiedWrite::Reply(const std::string& bytes) {
    Current().Reply(bytes);
}
void TVerifiedWrite::TimerFired(TExchangeTimer timer) {
    Current().TimerFired(timer);
}
void TVerifiedWrite::SendFailed(const std::string& message) {
    Current().SendFailed(message);
}

void TVerifiedWrite::Cancel() {
    Cancelled = true;
    Current().Cancel();
}

std::chrono::milliseconds TVerifiedWrite::CommandDelay() const {
    return ReadStep ? ReadStep->CommandDelay() : WriteStep.CommandDelay();
}

void TVerifiedWrite::Finish(TExchangeOutcome outcome) {
    if (ReadStep) {
        ReadFinished(outcome);
    } else {
        WriteFinished(outcome);
    }
}

// A write that reached its end is read back on the port it still holds.
void TVerifiedWrite::WriteFinished(TExchangeOutcome outcome) {
    WriteOutcome = outcome;
    const bool reachedEnd =
        outcome == TExchangeOutcome::Done || outcome == TExchangeOutcome::Refused;
    if (!reachedEnd || Cancelled) {
        if (ClosePending) Host.ClosePort();
        Host.Finish(outcome);
        return;
    }
    ReadBackData = Data;
    ReadBackData.OnMenuLayoutChanged = nullptr;
    TExchangeHost& host = *this;
    ReadStep = std::make_unique<TReadExchange>(ReadBackData, host, Scope, ToneBurstShown);
    ReadStep->SetReportsIncomplete(false);
    Host.Verifying();
    ReadStep->Start();
}

void TVerifiedWrite::ReadFinished(TExchangeOutcome outcome) {
    Host.ClosePort();
    if (outcome != TExchangeOutcome::Done) {
        if (outcome != TExchangeOutcome::Cancelled) Host.ShowWarning(VerifyStoppedMessage());
        Host.Finish(outcome);
        return;
    }
    Found = VerifyDifferences(Data, ReadBackData, Scope, ToneBurstShown);
    Host.Finish(Found.empty() ? WriteOutcome : TExchangeOutcome::Differs);
}

// The write may already have named records the transceiver did not confirm:
// the message must not then say that the data was written.
const char* TVerifiedWrite::VerifyStoppedMessage() const {
    if (WriteOutcome == TExchangeOutcome::Refused) return kVerifyStoppedAfterRefusalsMessage;
    return kVerifyStoppedMessage;
}

// Only the write's identification stands for the exchange reaching the transceiver.
void TVerifiedWrite::Identified() {
    if (!ReadStep) Host.Identified();
}

// The write closes the port when it ends; the read-back still needs it.
void TVerifiedWrite::ClosePort() {
    if (ReadStep) {
        Host.ClosePort();
    } else {
        ClosePending = true;
    }
}

void TVerifiedWrite::SendCommand(const std::string& command, std::chrono::milliseconds delay) {
    Host.SendCommand(command, delay);
}
void TVerifiedWrite::DiscardInput() {
    Host.DiscardInput();
}
void TVerifiedWrite::StartTimer(TExchangeTimer timer, std::chrono::milliseconds interval) {
    Host.StartTimer(timer, interval);
}
void TVerifiedWrite::StopTimer(TExchangeTimer timer) {
    Host.StopTimer(timer);
}
void TVerifiedWrite::SetProgressMaximum(int maximum) {
    Host.SetProgressMaximum(maximum);
}
void TVerifiedWrite::SetProgress(int position) {
    Host.SetProgress(position);
}
void TVerifiedWrite::ShowError(const std::string& message) {
    Host.ShowError(message);
}
void TVerifiedWrite::ShowWarning(const std::string& message) {
    Host.ShowWarning(message);
}
bool TVerifiedWrite::AskToContinue(const std::string& question) {
    return Host.AskToContinue(question);
}
