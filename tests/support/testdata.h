#pragma once

#include <cstdio>
#include <string>

#include "core/model/menuchoices.h"
#include "core/model/modelcatalogue.h"
#include "core/model/modelprofile.h"
#include "core/model/radiodata.h"
#include "core/radio/slotcommands.h"

// A data set with a configuration and nothing else.
inline TRadioData ConfiguredData(const char* model, const char* marketCode, const char* count) {
    TRadioData data;
    data.SetModel(model);
    data.SetMarketCode(marketCode);
    data.SetMenuSlot(26, count);
    return data;
}

// The label a record carries in the data files.
inline std::string LabelOf(const TRadioData& data, int index) {
    static const char* const kSpecial[] = {"L0", "U0", "L1", "U1", "L2", "U2", "PR", "AL"};
    const bool mobile = ProfileOf(data).IsMobile();
    char label[8];
    if (index < TRadioData::kFirstSpecialRecord) {
        std::snprintf(label, sizeof label, mobile ? "%03d" : "%02d", index);
    } else {
        std::snprintf(label, sizeof label, mobile ? " %s" : "%s", kSpecial[index - 200]);
    }
    return label;
}

// Fills every kind of record, names with commas included, and gives every value "MU" carries
// a value of its own: the records test the files and the wire, and go beyond the
// transceiver's rules to do so (a write refuses them).
inline void FillEverything(TRadioData& data) {
    for (int position = 0; position <= data.LastRowPosition(); position += 3) {
        const int index = data.RecordIndexOfPosition(position);
        const std::string name =
            data.HasMemoryNames() ? "N" + std::to_string(position % 7) + (position % 2 ? ",X" : "")
                                  : "";
        data.SetChannel(index, LabelOf(data, index) + ",0145" + std::to_string(100000 + index) +
                                   ",3,1,0,1,0,0,12,08,000,00600000,0,0,0000000000,0,1,," + name);
    }
    data.SetCall("0,0145000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,,,");
    data.SetVfo("0,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,,,,2,");
    data.SetDtmf(0, "0,0123456789ABCD*#");
    data.SetDtmf(9, "9,1 2");
    data.SetComment("Club \xE9vening");
    // Every value "MU" carries differs from the others, so that two values that
    // trade places on the way are seen.
    constexpr char kValues[] = "123456789ABCDEFGHJKLMNPQRSTUVWXYZ";
    int next = 0;
    for (const TMenuValue& value : MenuLayout(ProfileOf(data).Menu)) {
        const char first = value.Width == 2 ? '0' + static_cast<char>(next % 10) : '\0';
        const std::string text =
            value.Width == 2 ? std::string{first, kValues[next]} : std::string(1, kValues[next]);
        data.SetMenuSlot(value.Slot, text);
        ++next;
    }
    data.SetMenuSlot(19, "HI-73");
}

// Fills every kind of record as the editors and the menu pages could, within the
// transceiver's rules: each entry on its own frequency of the band, some of them split, names
// without commas, and the menu values spread over their choices (Priority Scan off).
inline void FillWithinRules(TRadioData& data) {
    const std::string band = data.GetBandLimit();
    const long lowest = std::stol(band.substr(0, band.find(','))) * 1'000'000L;
    const auto frequency = [&](long above) {
        char text[24];
        std::snprintf(text, sizeof text, "%010ld", lowest + above);
        return std::string(text);
    };
    for (int position = 0; position <= data.LastRowPosition(); position += 3) {
        const int index = data.RecordIndexOfPosition(position);
        const bool split = position % 4 == 1;
        char fields[96];
        std::snprintf(fields, sizeof fields, ",0,%d,0,%d,0,0,%02d,%02d,%03d,%s,%d,0,%s,0,%d,,",
                      split ? 0 : position % 3, position % 2, position % 42, (position + 1) % 42,
                      position % 104, split ? "00000000" : "00600000", position % 2,
                      split ? frequency(1'000'000L + index % 100 * 5'000L).c_str() : "0000000000",
                      index < TRadioData::kFirstSpecialRecord ? (position / 3) % 2 : 0);
        const std::string name =
            data.HasMemoryNames() ? "N" + std::to_string(position % 7) + (position % 2 ? "-X" : "")
                                  : "";
        data.SetChannel(
            index, LabelOf(data, index) + "," + frequency(5'000L * (index + 1)) + fields + name);
    }
    data.SetCall("0," + frequency(500'000) + ",0,1,0,0,1,0,08,12,000,00600000,0,0,0000000000,0,,,");
    data.SetVfo("0," + frequency(600'000) + ",3,2,0,0,0,1,08,08,017,00600000,1,0,,,,2,");
    data.SetDtmf(0, "0,0123ABCD*#");
    data.SetDtmf(9, "9,1 2");
    data.SetComment("Club \xE9vening");
    int next = 0;
    for (const TMenuValue& value : MenuLayout(ProfileOf(data).Menu)) {
        const int count = MenuChoiceCount(data, value.Slot);
        data.SetMenuSlot(value.Slot, MenuChoiceText(value.Slot, ++next % count));
    }
    data.SetMenuSlot(kPriorityScanSlot, "0");
    data.SetMenuSlot(kPowerOnMessageSlot, "HI-73");
}

// A data set of a catalogue row as New makes it, then filled.
inline TRadioData FilledData(const TModelInfo& row, const char* count) {
    TRadioData data;
    ApplyConfiguration(data, row, count);
    data.ApplyDefaultRecords();
    data.ApplyWeatherAlertDefault();
    data.ApplyMenuDefaults();
    FillEverything(data);
    return data;
}

// The same, filled within the transceiver's rules.
inline TRadioData FilledWithinRules(const TModelInfo& row, const char* count) {
    TRadioData data;
    ApplyConfiguration(data, row, count);
    data.ApplyDefaultRecords();
    data.ApplyWeatherAlertDefault();
    data.ApplyMenuDefaults();
    FillWithinRules(data);
    return data;
}
