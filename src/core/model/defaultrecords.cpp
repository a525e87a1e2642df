#include "core/model/defaultrecords.h"

#include "core/model/radiodata.h"

namespace {

char CharAt(std::string_view text, size_t position) {
    return position < text.size() ? text[position] : '\0';
}

struct TBandDefault {
    const char* Frequency;
    char Step;
    const char* VfoOffset;
    const char* CallOffset;
};

TBandDefault Band144Default(char letter) {
    switch (letter) {
        case 'J':
            return {"0145000000", '5', "00600000", "00600000"};
        case 'K':
            return {"0144000000", '0', "00600000", "00600000"};
        default:
            return {"0144000000", '3', "00600000", "00600000"};
    }
}

TBandDefault Band430Default(char letter, char variant) {
    switch (letter) {
        case 'C':
            if (variant == '0') return {"0450000000", '6', "05000000", "05000000"};
            if (variant == '2') return {"0430000000", '6', "05000000", "05000000"};
            return {"0410000000", '6', "05000000", "05000000"};
        case 'E':
            return {"0430000000", '6', "01600000", "01600000"};
        case 'J':
            return {"0433000000", '5', "05000000", "05000000"};
        case 'K':
            return {"0440000000", '6', "05000000", "05000000"};
        default:
            if (variant == '1' || variant == '9') {
                return {"0432000000", '6', "01600000", "01600000"};
            }
            // The VFO of these radios starts with a 0.5 MHz offset, the CALL channel with 5 MHz.
            return {"0430000000", '6', "00500000", "05000000"};
    }
}

std::string ToneAndOffsetPart(const TBandDefault& band, const char* offset) {
    return std::string(band.Frequency) + ',' + band.Step + ",0,0,0,0,0,08,08,000," + offset +
           ",0,0,";
}

bool IsOneOf(char value, std::string_view choices) {
    return value != '\0' && choices.find(value) != std::string_view::npos;
}

}  // namespace

TVfoCallDefaults DefaultVfoCallRecords(std::string_view model, std::string_view marketCode) {
    const char letter = CharAt(marketCode, 1);
    const TBandDefault band = Is144MhzModel(model) ? Band144Default(letter)
                                                   : Band430Default(letter, CharAt(marketCode, 2));
    return {"0," + ToneAndOffsetPart(band, band.VfoOffset) + ",,,0,",
            "0," + ToneAndOffsetPart(band, band.CallOffset) + "0000000000,0,,,"};
}

std::string DefaultWeatherAlertRecord(std::string_view model, std::string_view marketCode) {
    if (CharAt(marketCode, 1) != 'K') return {};
    const std::string body = "AL,0162550000,0,0,0,0,0,0,08,08,000,00000000,0,0,0000000000,0,0,,";
    if (model == "PX-A5") return body;
    if (model == "RV-310") return " " + body;
    return {};
}

std::string DefaultMenuSlot(int slot, std::string_view model, std::string_view marketCode) {
    const char letter = CharAt(marketCode, 1);
    switch (slot) {
        case kBatterySaverSlot:
            return "5";
        case kAutoPowerOffSlot:
            return IsHandheldModel(model) ? "1" : "0";
        case kKeyBeepSlot:
        case kVoxDelaySlot:
            return "1";
        case kTimeOutTimerSlot:
        case kDtmfPauseSlot:
        case kToneBurstSlot:
            return "2";
        case kRepeaterOffsetSlot: {
            const bool japanesePxA7 = model == "PX-A7" && letter == 'J';
            const bool offsetMarket144 =
                (model == "PX-A5" || model == "RV-310") && IsOneOf(letter, "KEX");
            return japanesePxA7 || offsetMarket144 ? "1" : "0";
        }
        case kPowerOnMessageSlot:
        case kChannelCountSlot:
            return "";
        case kCallKeySlot:
            return letter == 'E' ? "1" : "0";
        case kPf1Slot:
            return "06";
        case kPf2Slot:
            return "04";
        case kPf3Slot:
            return "03";
        case kPf4Slot:
            return letter == 'E' ? "02" : "05";
        case kBrightnessSlot:
            return "31";
        default:
            return "0";
    }
}
