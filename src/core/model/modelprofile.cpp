#include "core/model/modelprofile.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "core/model/numbertext.h"
#include "core/model/radiodata.h"

namespace {

using TFamily = TModelFamily;

constexpr char kDigitSteps[] = "0123456789";
constexpr char kStepsWithTwoPointFive[] = "A0123456789";

// What sets a model apart beyond its family.
struct TModelRow {
    const char* Model = "";
    TFamily Family = TFamily::Unknown;
    bool Is144Mhz = false;
    // Another model that answers the identification and is handled as this one.
    const char* OtherIdentity = nullptr;
    const char* CaptionName = nullptr;
    const char* StepCodes = kDigitSteps;
    bool ListsMinus76Shift = true;       // the listing gives a stored -7.6 MHz shift its column
    bool Minus76Option = false;          // offered on the market with the -7.6 MHz shift
    bool RepeaterOffsetInJapan = false;  // the automatic repeater offset starts on in Japan
    bool EmptyType2InEurope = false;     // the European first run writes an empty "Type2"
};

constexpr TModelRow kModels[] = {
    {.Model = "PX-A5", .Family = TFamily::Handheld, .Is144Mhz = true, .ListsMinus76Shift = false},
    {.Model = "PX-A7",
     .Family = TFamily::Handheld,
     .Minus76Option = true,
     .RepeaterOffsetInJapan = true},
    {.Model = "RV-310",
     .Family = TFamily::Mobile,
     .Is144Mhz = true,
     .OtherIdentity = "RV-320",
     .CaptionName = "RV-310/320",
     .StepCodes = kStepsWithTwoPointFive,
     .EmptyType2InEurope = true},
    {.Model = "RV-350", .Family = TFamily::Mobile},
    {.Model = "RV-380", .Family = TFamily::Mobile},
};

// A model the program does not know: neither family, a 430 MHz band.
constexpr TModelRow kUnknownModel{};

struct TFamilyRow {
    TChannelCounts ChannelCounts;
    int UsedMenuSlots;
    int PowerLevels;
    std::chrono::milliseconds CommandDelay;
};

constexpr TFamilyRow kHandheldFamily{
    {"49", "99"}, kLastHandheldMenuSlot, 3, std::chrono::milliseconds(0)};
constexpr TFamilyRow kMobileFamily{
    {"99", "199"}, TRadioData::kMenuSlotCount, 2, kMobileCommandDelay};
// An unknown model has no channel count; the rest follows the mobiles, as it always has.
constexpr TFamilyRow kUnknownFamily{
    {"", ""}, TRadioData::kMenuSlotCount, 2, std::chrono::milliseconds(0)};

// A whole number of MHz typed into a frequency edit is held here at most, or at the top of
// the model's highest band where that lies higher; the fit then takes it into the band.
constexpr int kHighestTypedMhz = 469;

const TModelRow& ModelRowOf(std::string_view model) {
    for (const TModelRow& row : kModels) {
        if (model == row.Model) return row;
    }
    return kUnknownModel;
}

const TFamilyRow& FamilyRowOf(TFamily family) {
    switch (family) {
        case TFamily::Handheld:
            return kHandheldFamily;
        case TFamily::Mobile:
            return kMobileFamily;
        default:
            return kUnknownFamily;
    }
}

char CharAt(std::string_view text, size_t position) {
    return position < text.size() ? text[position] : '\0';
}

bool IsOneOf(char value, std::string_view choices) {
    return value != '\0' && choices.find(value) != std::string_view::npos;
}

int HighestTypedMhzOf(std::string_view model) {
    int highest = kHighestTypedMhz;
    for (const TModelInfo& row : ModelCatalogue()) {
        if (model != row.Model) continue;
        const std::string_view limit(row.BandLimit);
        const size_t comma = limit.find(',');
        if (comma != std::string_view::npos) {
            highest = std::max(highest, LeadingNumber(limit.substr(comma + 1)));
        }
    }
    return highest;
}

// The catalogue is fixed, so each model's highest typed MHz is worked out once.
int HighestTypedMhzOf(const TModelRow& model) {
    static const auto kHighest = [] {
        std::array<int, std::size(kModels)> highest{};
        for (size_t index = 0; index < highest.size(); ++index) {
            highest[index] = HighestTypedMhzOf(kModels[index].Model);
        }
        return highest;
    }();
    if (&model == &kUnknownModel) return kHighestTypedMhz;
    return kHighest[static_cast<size_t>(&model - kModels)];
}

const char* HandheldSuffix(char letter) {
    switch (letter) {
        case 'J':
            return "";
        case 'E':
            return "E";
        default:
            return "A";
    }
}

const char* MobileSuffix(char letter, char variant) {
    switch (letter) {
        case 'K':
            return "A -1";
        case 'E':
            return "E";
        case 'M':
            if (variant == '8') return "A -2";
            if (variant == '9') return "A -3";
            if (variant == 'B' || variant == 'A') return "A -4";
            return "";
        default:
            return variant == '0' ? "A -2" : "A -1";
    }
}

TBandDefaults Band144Defaults(char letter) {
    switch (letter) {
        case 'J':
            return {"0145000000", '5', "00600000", "00600000"};
        case 'K':
            return {"0144000000", '0', "00600000", "00600000"};
        default:
            return {"0144000000", '3', "00600000", "00600000"};
    }
}

TBandDefaults Band430Defaults(char letter, char variant) {
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

const char* EditorFrequency(const TModelRow& model, char letter, char variant) {
    if (model.Is144Mhz) return letter == 'J' ? "0145000000" : "0144000000";
    if (letter == 'J') return "0433000000";
    if (letter == 'K') return "0440000000";
    if (model.Family == TFamily::Mobile) {
        if (variant == '0') return "0450000000";
        return variant == '2' ? "0430000000" : "0410000000";
    }
    // The 430 MHz handheld and any model this release does not know.
    return variant == '1' || variant == '9' ? "0432000000" : "0430000000";
}

char EditorStepCode(const TModelRow& model, char letter) {
    if (letter == 'J') return '5';
    if (!model.Is144Mhz) return '6';
    return letter == 'K' ? '0' : '3';
}

const char* EditorOffset(const TModelRow& model, char letter) {
    if (model.Is144Mhz) return "00600000";
    return letter == 'E' ? "01600000" : "05000000";
}

}  // namespace

bool TModelProfile::HasMemoryNames(int channelCount) const {
    const std::string_view smaller(ChannelCounts.Smaller);
    return !smaller.empty() && channelCount == LeadingNumber(smaller);
}

TModelProfile ProfileOf(std::string_view model, std::string_view marketCode) {
    const TModelRow& row = ModelRowOf(model);
    const TFamilyRow& family = FamilyRowOf(row.Family);
    const char letter = CharAt(marketCode, 1);
    const char variant = CharAt(marketCode, 2);
    const bool usCanada = letter == 'K';
    const bool europe = letter == 'E';
    const bool japan = letter == 'J';

    TModelProfile profile;
    profile.Family = row.Family;
    profile.Is144Mhz = row.Is144Mhz;
    profile.CaptionName = row.CaptionName;
    profile.StepCodes = row.StepCodes;
    profile.HighestTypedMhz = HighestTypedMhzOf(row);
    profile.CommandDelay = family.CommandDelay;
    profile.ChannelCounts = family.ChannelCounts;
    profile.UsedMenuSlots = family.UsedMenuSlots;
    profile.PowerLevels = family.PowerLevels;
    profile.ListsMinus76Shift = row.ListsMinus76Shift;

    profile.BandLimit = DefaultBandLimit(model, marketCode);
    profile.BandMhz = row.Is144Mhz ? 144 : usCanada ? 440 : 430;
    profile.CaptionSuffix =
        row.Family == TFamily::Handheld ? HandheldSuffix(letter) : MobileSuffix(letter, variant);
    profile.CarriesAlEntry = usCanada;
    profile.HasWeatherAlert = usCanada && row.Is144Mhz;
    profile.OffersToneBurst = !usCanada;
    profile.HasDtmfHold = !japan;
    profile.JapaneseComment = japan;
    profile.Minus76Market = europe;
    profile.OffersMinus76Shift = row.Minus76Option && europe && variant != '9' && variant != '1';
    profile.AutoRepeaterOffset =
        (row.RepeaterOffsetInJapan && japan) || (row.Is144Mhz && IsOneOf(letter, "KEX"));
    profile.CallKeyTone = europe;
    profile.Pf4Default = europe ? "02" : "05";
    profile.WritesEmptyType2 = row.EmptyType2InEurope && europe;
    profile.VfoCallDefaults =
        row.Is144Mhz ? Band144Defaults(letter) : Band430Defaults(letter, variant);
    profile.EditorDefaults = {EditorFrequency(row, letter, variant), EditorStepCode(row, letter),
                              EditorOffset(row, letter)};
    return profile;
}

TModelProfile ProfileOf(const TRadioData& data) {
    return ProfileOf(data.GetModel(), data.GetMarketCode());
}

std::string ModelOfIdentity(std::string_view identity) {
    for (const TModelRow& row : kModels) {
        if (identity == row.Model || (row.OtherIdentity && identity == row.OtherIdentity)) {
            return row.Model;
        }
    }
    return {};
}

TChannelCounts ChannelCountsOfFamily(TModelFamily family) {
    return FamilyRowOf(family).ChannelCounts;
}
