#include "core/radio/writechecks.h"

#include <QtGlobal>

#include "core/model/channelrecord.h"
#include "core/model/radiodata.h"

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

}  // namespace

TWriteCheck CheckBeforeWrite(const TRadioData& data, TTransferScope scope) {
    if (scope == TTransferScope::All) return {MissingScanChannelQuestion(data), {}};
    if (scope == TTransferScope::Menu) return {{}, ScanChannelNotice(data)};
    return {};
}
