#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "core/model/modelcatalogue.h"

// The tests that hold for every configuration take its catalogue row (0..14)
// as their parameter and are named after it, so a failure names the model and
// market: "EveryConfiguration/ReadExchange.ReadsWholeIntoTheDataSet/RV_310_320A_1_U_S_A_Canada".
inline std::string ConfigurationName(const ::testing::TestParamInfo<int>& info) {
    std::string name;
    for (const char c : std::string(ModelCatalogue()[static_cast<size_t>(info.param)].Caption)) {
        const bool plain = std::isalnum(static_cast<unsigned char>(c)) != 0;
        if (plain) {
            name += c;
        } else if (!name.empty() && name.back() != '_') {
            name += '_';
        }
    }
    while (!name.empty() && name.back() == '_') name.pop_back();
    return name;
}

inline const TModelInfo& RowOf(int index) {
    return ModelCatalogue()[static_cast<size_t>(index)];
}

#define INSTANTIATE_FOR_EVERY_CONFIGURATION(Suite)                                           \
    INSTANTIATE_TEST_SUITE_P(EveryConfiguration, Suite, ::testing::Range(0, kCatalogueRows), \
                             ConfigurationName)
