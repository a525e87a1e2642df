#include "core/radio/writechecks.h"

#include <QtGlobal>

#include "core/files/datafile.h"
#include "core/model/channelrecord.h"
#include "core/model/modelprofile.h"
#include "core/model/radiodata.h"
#include "core/radio/radiocommands.h"

namespace {

// The priority scan slot turns on the scan that needs a special channel: "1"
// Priority Scan (the PR channel), "2" Weather Alert (the AL channel).
constexpr char kPriorityScan[] = "1";
constexpr char kWeatherAlert[] = "2";

bool HasNoFrequency(const TRadioData& data, int record) {
    return RecordField(data.GetChannel(record), kRxFreqField).empty();
}

// A full write that would switch a scan on without its channel asks first.
std::string MissingScanChannelQuestion(const TRadioData& data) {
    const std::string scan = data.GetMenuSlot(kPriorityScanSlot);
    if (scan == kPriorityScan && HasNoFrequency(data, TRadioData::kPriorityRecord)) {
        return QT_TRANSLATE_NOOP(
            "Messages",
            "Priority Scan cannot be turned ON unless the PR (Priority) channel frequency is "
            "configured.");
    }
    if (scan == kWeatherAlert && HasNoFrequency(data, TRadioData::kWeatherAlertRecord)) {
        return QT_TRANSLATE_NOOP(
            "Messages",
            "Weather Alert cannot be turned ON unless the AL (Weather Alert) channel frequency "
            "is configured.");
    }
    return {};
}

// A menu write that switches a scan on reminds that its channel must stay.
std::string ScanChannelNotice(const TRadioData& data) {
    const std::string scan = data.GetMenuSlot(kPriorityScanSlot);
    if (scan == kPriorityScan) {
        return QT_TRANSLATE_NOOP(
            "Messages",
            "Priority Scan is turned ON.\nYou cannot delete the PR channel frequency when "
            "Priority Scan is ON.");
    }
    if (scan == kWeatherAlert) {
        return QT_TRANSLATE_NOOP(
            "Messages",
            "Weather Alert is turned ON.\nYou cannot delete the AL channel frequency when "
            "Weather Alert is ON.");
    }
    return {};
}

// Each record named as the write's messages name the command that carries it.
void CheckMemoryRecords(const TRadioData& data, TRuleBreaks& breaks) {
    for (int counter = 0; counter <= LastWrittenCounter(data); ++counter) {
        const int record = RecordOfCounter(counter, data.ChannelCount());
        CheckMemoryEntry(data, record, DescribeCommand(BuildMemoryWrite(data, counter)), breaks);
    }
    CheckCallRecord(data, DescribeCommand(BuildCallWrite(data)), breaks);
    CheckVfoRecord(data, DescribeCommand(BuildVfoWrite(data)), breaks);
    CheckProgramVfo(data, DescribeCommand(BuildProgramVfoWrite(data)), breaks);
    for (int entry = 0; entry < TRadioData::kDtmfCount; ++entry) {
        CheckDtmfEntry(data, entry, DescribeCommand(BuildDtmfWrite(data, entry)), breaks);
    }
}

// The settings "MU" carries, then those that travel alone.
void CheckMenuSettings(const TRadioData& data, bool toneBurstShown, TRuleBreaks& breaks) {
    const std::string record = DescribeCommand(BuildMenuWrite(data));
    const TMenuSet menu = ProfileOf(data).Menu;
    for (const TMenuValue& value : MenuLayout(menu)) {
        CheckMenuSetting(data, value.Slot, record, breaks);
    }
    for (const TSlotCommand& command : kSlotCommands) {
        if (ExchangesSlotCommand(command, menu, toneBurstShown)) {
            CheckMenuSetting(data, command.Slot, record, breaks);
        }
    }
}

}  // namespace

TWriteCheck CheckBeforeWrite(const TRadioData& data, TTransferScope scope) {
    if (scope == TTransferScope::All) return {MissingScanChannelQuestion(data), {}};
    if (scope == TTransferScope::Menu) return {{}, ScanChannelNotice(data)};
    return {};
}

TRuleBreaks RuleBreaksOfWrite(const TRadioData& data, TTransferScope scope, bool toneBurstShown) {
    TRuleBreaks breaks;
    if (scope != TTransferScope::Menu) CheckMemoryRecords(data, breaks);
    if (scope != TTransferScope::Memory) CheckMenuSettings(data, toneBurstShown, breaks);
    return breaks;
}

std::string OpenedFileWarning(const TRadioData& data, const std::string& missing) {
    const std::string damaged = missing.empty() ? std::string() : DamagedFileMessage(missing);
    const std::string outOfRule = OutOfRuleFileMessage(
        RuleBreaksOfWrite(data, TTransferScope::All, ProfileOf(data).OffersToneBurst));
    if (damaged.empty() || outOfRule.empty()) return damaged + outOfRule;
    return damaged + "\n\n" + outOfRule;
}
