#include "core/model/modelprofile.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <span>
#include <tuple>

#include "core/model/menuslots.h"
#include "core/model/numbertext.h"
#include "core/model/radiodata.h"

namespace {

using namespace std::chrono_literals;
using TFamily = TModelFamily;

// ---- The families ----

constexpr TFamilyFacts kHandheldFamily{
    .Family = TFamily::Handheld,
    .ChannelCounts = {"49", "99"},
    .ChannelCountKey = "Channel",
    .UsedMenuSlots = kLastHandheldMenuSlot,
    .Menu = TMenuSet::Handheld,
    .MenuProgressSteps = 5,
    .AutoPowerOffDefault = "1",
    .PowerLevels = 3,
    .CommandDelay = 0ms,
    .Labels = kHandheldLabels,
    .HoldsVoxOff = true,
    .ChecksEchoes = false,
    .RefusalMeansEmptyChannel = true,
};

constexpr TFamilyFacts kMobileFamily{
    .Family = TFamily::Mobile,
    .ChannelCounts = {"99", "199"},
    // The mobiles keep their count under an entry of their own, which the program never writes.
    .ChannelCountKey = "Channel1",
    .UsedMenuSlots = kLastMenuSlot,
    .Menu = TMenuSet::Mobile,
    .MenuProgressSteps = 3,
    .AutoPowerOffDefault = "0",
    .PowerLevels = 2,
    .CommandDelay = kMobileCommandDelay,
    .Labels = kMobileLabels,
    .HoldsVoxOff = false,
    .ChecksEchoes = true,
    .RefusalMeansEmptyChannel = false,
};

// A model the program does not know has no channel count; its menu slots and
// power levels follow the mobiles, its labels and menu the handhelds, and it
// is spared what only one family does, as it always has been.
constexpr TFamilyFacts kUnknownFamily{
    .Family = TFamily::Unknown,
    .ChannelCounts = {"", ""},
    .ChannelCountKey = nullptr,
    .UsedMenuSlots = kLastMenuSlot,
    .Menu = TMenuSet::Handheld,
    .MenuProgressSteps = 5,
    .AutoPowerOffDefault = "0",
    .PowerLevels = 2,
    .CommandDelay = 0ms,
    .Labels = kHandheldLabels,
    .HoldsVoxOff = false,
    .ChecksEchoes = false,
    .RefusalMeansEmptyChannel = false,
};

// ---- The market's rules ----

// A rule holds where the market letter and the variant (the market code's
// second and third characters) match; kAnyLetter and "" match any. A table's
// first rule that holds decides, and its last one holds for all.
constexpr char kAnyLetter = '\0';

template <typename TValue>
struct TMarketRule {
    char Letter;
    const char* Variants;
    TValue Value;

    bool Holds(char letter, char variant) const {
        if (Letter != kAnyLetter && Letter != letter) return false;
        const std::string_view variants(Variants);
        return variants.empty() ||
               (variant != '\0' && variants.find(variant) != std::string_view::npos);
    }
};

template <typename TValue>
using TRules = std::span<const TMarketRule<TValue>>;

template <typename TValue>
const TValue& RuleOf(TRules<TValue> rules, char letter, char variant) {
    const auto found = std::find_if(rules.begin(), rules.end() - 1,
                                    [&](const auto& rule) { return rule.Holds(letter, variant); });
    return found->Value;
}

// What the market letter decides on every model.
constexpr TMarketRule<TMarketFacts> kMarketLetters[] = {
    {'K', "", {.CarriesAlEntry = true, .OffersToneBurst = false}},
    {'J', "", {.HasDtmfHold = false, .JapaneseComment = true}},
    {'E', "", {.Minus76Market = true, .CallKeyTone = true, .Pf4Default = "02"}},
    {kAnyLetter, "", {}},
};

constexpr TMarketRule<const char*> kHandheldSuffixes[] = {
    {'J', "", ""},
    {'E', "", "E"},
    {kAnyLetter, "", "A"},
};

constexpr TMarketRule<const char*> kMobileSuffixes[] = {
    {'K', "", "A -1"},
    {'E', "", "E"},
    // The general market's -M2, -M3 and -M4 transceivers.
    {'M', "8", "A -2"},
    {'M', "9", "A -3"},
    {'M', "BA", "A -4"},
    {'M', "", ""},
    {kAnyLetter, "0", "A -2"},
    {kAnyLetter, "", "A -1"},
};

constexpr TMarketRule<const char*> k144EditorFrequencies[] = {
    {'J', "", "0145000000"},
    {kAnyLetter, "", "0144000000"},
};

constexpr TMarketRule<const char*> k430HandheldEditorFrequencies[] = {
    {'J', "", "0433000000"},
    {'K', "", "0440000000"},
    {kAnyLetter, "19", "0432000000"},
    {kAnyLetter, "", "0430000000"},
};

constexpr TMarketRule<const char*> k430MobileEditorFrequencies[] = {
    {'J', "", "0433000000"},
    {'K', "", "0440000000"},
    // Elsewhere the variant tells the band apart: 450, 430 or 410 MHz.
    {kAnyLetter, "0", "0450000000"},
    {kAnyLetter, "2", "0430000000"},
    {kAnyLetter, "", "0410000000"},
};

constexpr TMarketRule<bool> kMinus76ShiftNeverOffered[] = {{kAnyLetter, "", false}};

constexpr TMarketRule<bool> kMinus76ShiftOfferedInEurope[] = {
    {'E', "19", false},
    {'E', "", true},
    {kAnyLetter, "", false},
};

// ---- The bands ----

struct TBandRules {
    bool Is144Mhz;
    TRules<int> Mhz;
    TRules<TBandDefaults> VfoCallDefaults;
    TRules<char> EditorSteps;
    TRules<const char*> EditorOffsets;
};

constexpr TMarketRule<int> k144Mhz[] = {{kAnyLetter, "", 144}};
constexpr TMarketRule<int> k430Mhz[] = {{'K', "", 440}, {kAnyLetter, "", 430}};

constexpr TMarketRule<TBandDefaults> k144Defaults[] = {
    {'J', "", {"0145000000", '5', "00600000", "00600000"}},
    {'K', "", {"0144000000", '0', "00600000", "00600000"}},
    {kAnyLetter, "", {"0144000000", '3', "00600000", "00600000"}},
};

constexpr TMarketRule<TBandDefaults> k430Defaults[] = {
    {'C', "0", {"0450000000", '6', "05000000", "05000000"}},
    {'C', "2", {"0430000000", '6', "05000000", "05000000"}},
    {'C', "", {"0410000000", '6', "05000000", "05000000"}},
    {'E', "", {"0430000000", '6', "01600000", "01600000"}},
    {'J', "", {"0433000000", '5', "05000000", "05000000"}},
    {'K', "", {"0440000000", '6', "05000000", "05000000"}},
    {kAnyLetter, "19", {"0432000000", '6', "01600000", "01600000"}},
    // The VFO of these radios starts with a 0.5 MHz offset, the CALL channel with 5 MHz.
    {kAnyLetter, "", {"0430000000", '6', "00500000", "05000000"}},
};

constexpr TMarketRule<char> k144EditorSteps[] = {
    {'J', "", '5'}, {'K', "", '0'}, {kAnyLetter, "", '3'}};
constexpr TMarketRule<char> k430EditorSteps[] = {{'J', "", '5'}, {kAnyLetter, "", '6'}};
constexpr TMarketRule<const char*> k144EditorOffsets[] = {{kAnyLetter, "", "00600000"}};
constexpr TMarketRule<const char*> k430EditorOffsets[] = {{'E', "", "01600000"},
                                                          {kAnyLetter, "", "05000000"}};

constexpr TBandRules k144MhzBand{true, k144Mhz, k144Defaults, k144EditorSteps, k144EditorOffsets};
constexpr TBandRules k430MhzBand{false, k430Mhz, k430Defaults, k430EditorSteps, k430EditorOffsets};

// ---- The models ----

constexpr char kDigitSteps[] = "0123456789";
constexpr char kStepsWithTwoPointFive[] = "A0123456789";

struct TModelRow {
    const char* Model = "";
    // Another model that answers the identification and is handled as this one.
    const char* OtherIdentity = nullptr;
    const TFamilyFacts* Family = &kUnknownFamily;
    const TBandRules* Band = &k430MhzBand;
    const char* CaptionName = nullptr;
    const char* StepCodes = kDigitSteps;
    bool ListsMinus76Shift = true;  // the listing gives a stored -7.6 MHz shift its column
    TRules<const char*> CaptionSuffixes = kMobileSuffixes;
    TRules<const char*> EditorFrequencies = k430HandheldEditorFrequencies;
    TRules<bool> Minus76ShiftOffered = kMinus76ShiftNeverOffered;
    // The market letters where the automatic repeater offset starts on.
    const char* RepeaterOffsetMarkets = "";
    // The market letters whose transceivers have the weather alert.
    const char* WeatherAlertMarkets = "";
    // The market letters whose first run writes an empty "Type2" entry.
    const char* EmptyType2Markets = "";
};

constexpr TModelRow kModels[] = {
    {.Model = "PX-A5",
     .Family = &kHandheldFamily,
     .Band = &k144MhzBand,
     .ListsMinus76Shift = false,
     .CaptionSuffixes = kHandheldSuffixes,
     .EditorFrequencies = k144EditorFrequencies,
     .RepeaterOffsetMarkets = "KEX",
     .WeatherAlertMarkets = "K"},
    {.Model = "PX-A7",
     .Family = &kHandheldFamily,
     .Band = &k430MhzBand,
     .CaptionSuffixes = kHandheldSuffixes,
     .EditorFrequencies = k430HandheldEditorFrequencies,
     .Minus76ShiftOffered = kMinus76ShiftOfferedInEurope,
     .RepeaterOffsetMarkets = "J"},
    {.Model = "RV-310",
     .OtherIdentity = "RV-320",
     .Family = &kMobileFamily,
     .Band = &k144MhzBand,
     .CaptionName = "RV-310/320",
     .StepCodes = kStepsWithTwoPointFive,
     .EditorFrequencies = k144EditorFrequencies,
     .RepeaterOffsetMarkets = "KEX",
     .WeatherAlertMarkets = "K",
     .EmptyType2Markets = "E"},
    {.Model = "RV-350", .Family = &kMobileFamily, .EditorFrequencies = k430MobileEditorFrequencies},
    {.Model = "RV-380", .Family = &kMobileFamily, .EditorFrequencies = k430MobileEditorFrequencies},
};

// A model the program does not know: neither family, a 430 MHz band.
constexpr TModelRow kUnknownModel{};

// A whole number of MHz typed into a frequency edit is held here at most, or at the top of
// the model's highest band where that lies higher; the fit then takes it into the band.
constexpr int kHighestTypedMhz = 469;

const TModelRow& ModelRowOf(std::string_view model) {
    for (const TModelRow& row : kModels) {
        if (model == row.Model) return row;
    }
    return kUnknownModel;
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

TModelFacts ModelFactsOf(const TModelRow& row) {
    return {.Is144Mhz = row.Band->Is144Mhz,
            .CaptionName = row.CaptionName,
            .StepCodes = row.StepCodes,
            .HighestTypedMhz = HighestTypedMhzOf(row.Model),
            .ListsMinus76Shift = row.ListsMinus76Shift};
}

TMarketFacts MarketFactsOf(const TModelRow& row, std::string_view marketCode) {
    const char letter = CharAt(marketCode, 1);
    const char variant = CharAt(marketCode, 2);
    const TBandRules& band = *row.Band;
    TMarketFacts market = RuleOf<TMarketFacts>(kMarketLetters, letter, variant);
    market.BandLimit = DefaultBandLimit(row.Model, marketCode);
    market.BandMhz = RuleOf(band.Mhz, letter, variant);
    market.CaptionSuffix = RuleOf(row.CaptionSuffixes, letter, variant);
    market.HasWeatherAlert = IsOneOf(letter, row.WeatherAlertMarkets);
    market.OffersMinus76Shift = RuleOf(row.Minus76ShiftOffered, letter, variant);
    market.AutoRepeaterOffset = IsOneOf(letter, row.RepeaterOffsetMarkets);
    market.WritesEmptyType2 = IsOneOf(letter, row.EmptyType2Markets);
    market.VfoCallDefaults = RuleOf(band.VfoCallDefaults, letter, variant);
    market.EditorDefaults = {RuleOf(row.EditorFrequencies, letter, variant),
                             RuleOf(band.EditorSteps, letter, variant),
                             RuleOf(band.EditorOffsets, letter, variant)};
    return market;
}

TModelProfile BuildProfile(const TModelRow& row, std::string_view marketCode) {
    TModelProfile profile;
    static_cast<TFamilyFacts&>(profile) = *row.Family;
    static_cast<TModelFacts&>(profile) = ModelFactsOf(row);
    static_cast<TMarketFacts&>(profile) = MarketFactsOf(row, marketCode);
    return profile;
}

}  // namespace

bool TModelProfile::HasMemoryNames(int channelCount) const {
    const std::string_view smaller(ChannelCounts.Smaller);
    return !smaller.empty() && channelCount == LeadingNumber(smaller);
}

// Only the market letter and the variant tell market codes apart, so each
// model keeps one profile for each pair it has been asked about.
const TModelProfile& ProfileOf(std::string_view model, std::string_view marketCode) {
    const TModelRow& row = ModelRowOf(model);
    const char letter = CharAt(marketCode, 1);
    const char variant = CharAt(marketCode, 2);
    static std::mutex guard;
    static std::map<std::tuple<const TModelRow*, char, char>, TModelProfile> profiles;
    const std::lock_guard lock(guard);
    const auto [place, fresh] = profiles.try_emplace({&row, letter, variant});
    if (fresh) place->second = BuildProfile(row, marketCode);
    return place->second;
}

const TModelProfile& ProfileOf(const TRadioData& data) {
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
