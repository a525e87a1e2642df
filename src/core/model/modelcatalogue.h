#pragma once

#include <array>
#include <string>
#include <string_view>

// One supported radio configuration, as offered by the first-run and Model Select dialogs.
struct TModelInfo {
    const char* Caption;
    const char* Model;
    const char* MarketCode;
    const char* ChannelCount;
    const char* BandLimit;
    char MarketLetter;
    const char* Variants;  // variants that match this row; empty matches any

    // Whether a configuration with this model and market code is this row.
    bool Matches(std::string_view model, std::string_view marketCode) const;
};

constexpr int kCatalogueRows = 15;

const std::array<TModelInfo, kCatalogueRows>& ModelCatalogue();

// The 0-based catalogue row of a configuration, or -1 when no row matches.
int CatalogueRowOf(std::string_view model, std::string_view marketCode);

// The band limit a configuration starts with when the settings hold none;
// empty for a combination the catalogue does not know.
std::string_view DefaultBandLimit(std::string_view model, std::string_view marketCode);

class TRadioData;

// Gives a data set the configuration of a catalogue row: model, market code,
// band limit and channel count (the row's own unless another is given).
void ApplyConfiguration(TRadioData& data, const TModelInfo& row,
                        std::string_view channelCount = {});

// The valid channel counts of a model: the smaller one (with memory names) first.
struct TChannelCounts {
    const char* Smaller;
    const char* Larger;
};
TChannelCounts ChannelCountsOf(std::string_view model);
