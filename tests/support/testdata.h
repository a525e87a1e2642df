#pragma once

#include "data/radiodata.h"

// A data set with a configuration and nothing else.
inline TRadioData ConfiguredData(const char* model, const char* marketCode, const char* count) {
    TRadioData data;
    data.SetModel(model);
    data.SetMarketCode(marketCode);
    data.SetMenuSlot(26, count);
    return data;
}
