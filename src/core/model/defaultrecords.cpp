#include "core/model/defaultrecords.h"

#include "core/model/modelprofile.h"

namespace {

std::string ToneAndOffsetPart(const TBandDefaults& band, const char* offset) {
    return std::string(band.Frequency) + ',' + band.StepCode + ",0,0,0,0,0,08,08,000," + offset +
           ",0,0,";
}

}  // namespace

TVfoCallDefaults DefaultVfoCallRecords(std::string_view model, std::string_view marketCode) {
    const TBandDefaults band = ProfileOf(model, marketCode).VfoCallDefaults;
    return {"0," + ToneAndOffsetPart(band, band.VfoOffset) + ",,,0,",
            "0," + ToneAndOffsetPart(band, band.CallOffset) + "0000000000,0,,,"};
}

std::string DefaultWeatherAlertRecord(std::string_view model, std::string_view marketCode) {
    const TModelProfile profile = ProfileOf(model, marketCode);
    if (!profile.HasWeatherAlert) return {};
    // The mobiles' special entries carry a blank before their label.
    return (profile.IsMobile() ? " " : "") +
           std::string("AL,0162550000,0,0,0,0,0,0,08,08,000,00000000,0,0,0000000000,0,0,,");
}

std::string DefaultMenuSlot(int slot, std::string_view model, std::string_view marketCode) {
    const TModelProfile profile = ProfileOf(model, marketCode);
    switch (slot) {
        case 1:
            return "5";
        case 2:
            return profile.IsHandheld() ? "1" : "0";
        case 6:
        case 12:
            return "1";
        case 9:
        case 17:
        case 25:
            return "2";
        case 13:
            return profile.AutoRepeaterOffset ? "1" : "0";
        case 19:
        case 26:
            return "";
        case 23:
            return profile.CallKeyTone ? "1" : "0";
        case 29:
            return "06";
        case 30:
            return "04";
        case 31:
            return "03";
        case 32:
            return profile.Pf4Default;
        case 36:
            return "31";
        default:
            return "0";
    }
}
