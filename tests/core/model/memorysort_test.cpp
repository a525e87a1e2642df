#include "core/model/memorysort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/channelrecord.h"
#include "core/model/radiodata.h"
#include "support/testdata.h"

namespace {

// A channel record with the given label, frequency (MHz digits after "0") and name.
std::string Record(const std::string& label, const std::string& frequency,
                   const std::string& name = "", const std::string& marker = "0") {
    return label + ",0" + frequency + ",3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0," + marker +
           ",," + name;
}

std::vector<std::string> Column(const TRadioData& data, int field, int count) {
    std::vector<std::string> values;
    for (int channel = 0; channel < count; ++channel) {
        values.push_back(RecordField(data.GetChannel(channel), field));
    }
    return values;
}

using Strings = std::vector<std::string>;

TEST(MemorySort, PacksOrdersAndRenumbersByFrequency) {
    TRadioData data = ConfiguredData("PX-A7", "AM70", "49");
    data.SetChannel(3, Record("03", "433500000"));
    data.SetChannel(10, Record("10", "431000000"));
    data.SetChannel(20, Record("20", "432000000"));
    data.SetChannel(49, Record("49", "430000000"));
    SortMemoryChannels(data, TMemorySortKey::Frequency);
    EXPECT_EQ(Column(data, kLabelField, 4), (Strings{"00", "01", "02", "03"}));
    EXPECT_EQ(Column(data, kRxFreqField, 4),
              (Strings{"0430000000", "0431000000", "0432000000", "0433500000"}));
    for (int channel = 4; channel <= 49; ++channel)
        EXPECT_EQ(data.GetChannel(channel), "") << channel;
    EXPECT_TRUE(data.Changed);
}

TEST(MemorySort, EqualFrequenciesAndEqualNamesKeepTheirOrder) {
    TRadioData data = ConfiguredData("PX-A7", "AM70", "49");
    data.SetChannel(0, Record("00", "433000000", "", "1"));
    data.SetChannel(1, Record("01", "432000000"));
    data.SetChannel(5, Record("05", "433000000", "", "0"));
    data.SetChannel(6, Record("06", "433000000", "", "0"));
    SortMemoryChannels(data, TMemorySortKey::Frequency);
    EXPECT_EQ(Column(data, kLockoutField, 4), (Strings{"0", "1", "0", "0"}));

    // By name, equal names and, among the unnamed, equal frequencies are never swapped.
    TRadioData named = ConfiguredData("PX-A7", "AM70", "49");
    named.SetChannel(0, Record("00", "433000000", "SAME", "1"));
    named.SetChannel(1, Record("01", "432000000", "SAME", "0"));
    named.SetChannel(2, Record("02", "431000000", "", "1"));
    named.SetChannel(3, Record("03", "431000000", "", "0"));
    SortMemoryChannels(named, TMemorySortKey::Name);
    EXPECT_EQ(Column(named, kRxFreqField, 4),
              (Strings{"0433000000", "0432000000", "0431000000", "0431000000"}));
    EXPECT_EQ(Column(named, kLockoutField, 4), (Strings{"1", "0", "1", "0"}));
}

TEST(MemorySort, ByNameNamedFirstThenUnnamedByFrequency) {
    TRadioData data = ConfiguredData("PX-A7", "AM70", "49");
    data.SetChannel(0, Record("00", "433000000", "BETA"));
    data.SetChannel(2, Record("02", "434000000"));
    data.SetChannel(4, Record("04", "435000000", "ALPHA"));
    data.SetChannel(7, Record("07", "431000000"));
    data.SetChannel(8, Record("08", "432000000", "A,B"));
    SortMemoryChannels(data, TMemorySortKey::Name);
    EXPECT_EQ(Column(data, kNameField, 5), (Strings{"A,B", "ALPHA", "BETA", "", ""}));
    EXPECT_EQ(Column(data, kRxFreqField, 5),
              (Strings{"0432000000", "0435000000", "0433000000", "0431000000", "0434000000"}));
    EXPECT_EQ(Column(data, kLabelField, 5), (Strings{"00", "01", "02", "03", "04"}));
}

TEST(MemorySort, MobilesGetThreeDigitLabelsAndTheSpecialRecordsStay) {
    TRadioData data = ConfiguredData("RV-310", "MKF", "99");
    data.SetChannel(50, Record("050", "145000000"));
    data.SetChannel(99, Record("099", "144000000"));
    data.SetChannel(150, Record("150", "146000000"));  // above N: not a channel now
    data.SetChannel(200, Record(" L0", "144000000"));
    data.SetChannel(207, Record(" AL", "162550000"));
    SortMemoryChannels(data, TMemorySortKey::Frequency);
    EXPECT_EQ(Column(data, kLabelField, 2), (Strings{"000", "001"}));
    EXPECT_EQ(Column(data, kRxFreqField, 2), (Strings{"0144000000", "0145000000"}));
    EXPECT_EQ(data.GetChannel(150), Record("150", "146000000"));
    EXPECT_EQ(data.GetChannel(200), Record(" L0", "144000000"));
    EXPECT_EQ(data.GetChannel(207), Record(" AL", "162550000"));
}

TEST(MemorySort, AnEmptyDataSetStaysEmptyButIsMarkedChanged) {
    for (const TMemorySortKey key : {TMemorySortKey::Frequency, TMemorySortKey::Name}) {
        TRadioData data = ConfiguredData("RV-380", "MM2", "199");
        SortMemoryChannels(data, key);
        for (int channel = 0; channel < TRadioData::kChannelCount; ++channel) {
            EXPECT_EQ(data.GetChannel(channel), "");
        }
        EXPECT_TRUE(data.Changed);
    }
}

TEST(MemorySort, LastChannelAndFullListSortInPlace) {
    TRadioData data = ConfiguredData("PX-A5", "AKF0", "49");
    for (int channel = 0; channel <= 49; ++channel) {
        data.SetChannel(channel, Record("xx", std::to_string(146000000 - channel * 10000)));
    }
    SortMemoryChannels(data, TMemorySortKey::Frequency);
    EXPECT_EQ(RecordField(data.GetChannel(0), kRxFreqField), "0145510000");
    EXPECT_EQ(RecordField(data.GetChannel(49), kRxFreqField), "0146000000");
    EXPECT_EQ(RecordField(data.GetChannel(49), kLabelField), "49");
}

}  // namespace
