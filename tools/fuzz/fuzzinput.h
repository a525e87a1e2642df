#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"

// A fuzzer's input: the first byte chooses the radio configuration, the rest is the file.
struct TFuzzInput {
    const TModelInfo& Row;
    bool LargerCount;
    std::string_view File;

    static TFuzzInput Of(const uint8_t* bytes, size_t size) {
        return {ModelCatalogue()[bytes[0] % kCatalogueRows], (bytes[0] / kCatalogueRows) % 2 == 1,
                std::string_view(reinterpret_cast<const char*>(bytes + 1), size - 1)};
    }

    // The data set as New leaves it for this configuration.
    TRadioData NewData() const {
        TRadioData data;
        ApplyConfiguration(data, Row, LargerCount ? ChannelCountsOf(Row.Model).Larger : "");
        data.ClearRecords();
        data.ApplyDefaultRecords();
        data.ApplyMenuDefaults();
        return data;
    }
};
