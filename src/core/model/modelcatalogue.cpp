#include "core/model/modelcatalogue.h"

#include "core/model/modelprofile.h"
#include "core/model/radiodata.h"

namespace {

constexpr std::array<TModelInfo, kCatalogueRows> kCatalogue{{
    {"PX-A5A (U.S.A./Canada)", "PX-A5", "AKF0", "49", "0136,0173", 'K', ""},
    {"PX-A5E (Europe)", "PX-A5", "AEB0", "49", "0144,0145", 'E', ""},
    {"PX-A5 (Japan)", "PX-A5", "JJ10", "49", "0144,0145", 'J', ""},
    {"PX-A5A (General market)", "PX-A5", "AM70", "49", "0136,0173", 'M', ""},
    {"PX-A7E (Europe)", "PX-A7", "AEB0", "49", "0430,0439", 'E', ""},
    {"PX-A7 (Japan)", "PX-A7", "JJ10", "49", "0430,0439", 'J', ""},
    {"PX-A7A (General market)", "PX-A7", "AM70", "49", "0400,0469", 'M', ""},
    {"RV-310/320A -1 (U.S.A./Canada)", "RV-310", "MKF", "99", "0136,0173", 'K', ""},
    {"RV-310/320E (Europe)", "RV-310", "MED", "99", "0136,0173", 'E', ""},
    {"RV-310/320A -2 (General market) -M2", "RV-310", "MM8", "99", "0136,0173", 'M', "8"},
    {"RV-310/320A -3 (General market) -M3", "RV-310", "MM9", "99", "0136,0173", 'M', "9"},
    {"RV-310/320A -4 (General market) -M4", "RV-310", "MMB", "99", "0144,0147", 'M', "BA"},
    {"RV-350A -1 (General market) -C", "RV-350", "MC1", "99", "0400,0429", 'C', "1"},
    {"RV-350A -2 (General market) -C2", "RV-350", "MC0", "99", "0440,0479", 'C', "0"},
    {"RV-380A -1 (General market) -M", "RV-380", "MM2", "99", "0400,0469", 'M', "2"},
}};

char CharAt(std::string_view text, size_t position) {
    return position < text.size() ? text[position] : '\0';
}

// The configurations the catalogue offers no row of their own start with these.
struct TOtherBandLimit {
    const char* Model;
    char MarketLetter;
    const char* BandLimit;
};
constexpr TOtherBandLimit kOtherBandLimits[] = {
    {"RV-310", 'M', "0136,0173"},
    {"RV-350", 'C', "0440,0479"},
};

// A row that stands for a set of variants gives its band limit to its own
// variant only: the others of the set start as the market's other variants do.
bool StartsWithBandLimitOf(const TModelInfo& row, std::string_view model,
                           std::string_view marketCode) {
    if (!row.Matches(model, marketCode)) return false;
    return *row.Variants == '\0' || CharAt(marketCode, 2) == CharAt(row.MarketCode, 2);
}

}  // namespace

bool TModelInfo::Matches(std::string_view model, std::string_view marketCode) const {
    if (model != Model || CharAt(marketCode, 1) != MarketLetter) return false;
    const std::string_view variants(Variants);
    if (variants.empty()) return true;
    const char variant = CharAt(marketCode, 2);
    return variant != '\0' && variants.find(variant) != std::string_view::npos;
}

const std::array<TModelInfo, kCatalogueRows>& ModelCatalogue() {
    return kCatalogue;
}

int CatalogueRowOf(std::string_view model, std::string_view marketCode) {
    for (int row = 0; row < kCatalogueRows; ++row) {
        if (kCatalogue[static_cast<size_t>(row)].Matches(model, marketCode)) return row;
    }
    return -1;
}

std::string_view DefaultBandLimit(std::string_view model, std::string_view marketCode) {
    for (const TModelInfo& row : kCatalogue) {
        if (StartsWithBandLimitOf(row, model, marketCode)) return row.BandLimit;
    }
    for (const TOtherBandLimit& other : kOtherBandLimits) {
        if (model == other.Model && CharAt(marketCode, 1) == other.MarketLetter) {
            return other.BandLimit;
        }
    }
    return {};
}

TChannelCounts ChannelCountsOf(std::string_view model) {
    return ProfileOf(model, {}).ChannelCounts;
}

void ApplyConfiguration(TRadioData& data, const TModelInfo& row, std::string_view channelCount) {
    data.SetModel(row.Model);
    data.SetMarketCode(row.MarketCode);
    data.SetBandLimit(row.BandLimit);
    data.SetMenuSlot(kChannelCountSlot,
                     channelCount.empty() ? std::string_view(row.ChannelCount) : channelCount);
}
