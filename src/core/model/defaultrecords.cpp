#include "core/model/defaultrecords.h"

#include "core/model/menuslots.h"
#include "core/model/modelprofile.h"

namespace {

std::string ToneAndOffsetPart(const TBandDefaults& band, const char* offset) {
    return std::string(band.Frequency) + ',' + band.StepCode + ",0,0,0,0,0,08,08,000," + offset +
           ",0,0,";
}

}  // namespace

TVfoCallDefaults DefaultVfoCallRecords(std::string_view model, std::string_view marketCode) {
    const TBandDefaults& band = ProfileOf(model, marketCode).VfoCallDefaults;
    return {"0," + ToneAndOffsetPart(band, band.VfoOffset) + ",,,0,",
            "0," + ToneAndOffsetPart(band, band.CallOffset) + "0000000000,0,,,"};
}

std::string DefaultWeatherAlertRecord(std::string_view model, std::string_view marketCode) {
    const TModelProfile& profile = ProfileOf(model, marketCode);
    if (!profile.HasWeatherAlert) return {};
    // The mobiles' special entries carry a blank before their label.
    return profile.Labels.SpecialPrefix +
           std::string("AL,0162550000,0,0,0,0,0,0,08,08,000,00000000,0,0,0000000000,0,0,,");
}

std::string DefaultMenuSlot(int slot, std::string_view model, std::string_view marketCode) {
    const TModelProfile& profile = ProfileOf(model, marketCode);
    switch (slot) {
        case kBatterySaverSlot:
            return "5";
        case kAutoPowerOffSlot:
            return profile.AutoPowerOffDefault;
        case kKeyBeepSlot:
        case kVoxDelaySlot:
            return "1";
        case kTimeOutTimerSlot:
        case kDtmfPauseSlot:
        case kToneBurstSlot:
            return "2";
        case kRepeaterOffsetSlot:
            return profile.AutoRepeaterOffset ? "1" : "0";
        case kPowerOnMessageSlot:
        case kChannelCountSlot:
            return "";
        case kCallKeySlot:
            return profile.CallKeyTone ? "1" : "0";
        case kPf1Slot:
            return "06";
        case kPf2Slot:
            return "04";
        case kPf3Slot:
            return "03";
        case kPf4Slot:
            return profile.Pf4Default;
        case kBrightnessSlot:
            return "31";
        default:
            return "0";
    }
}
