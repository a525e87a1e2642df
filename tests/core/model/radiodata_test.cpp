#include "core/model/radiodata.h"

#include <gtest/gtest.h>

#include "support/testdata.h"

#include "core/model/channelrecord.h"

namespace {

const char kNamedChannel[] =
    "012,0145500000,3,1,0,1,0,0,12,08,000,00600000,0,0,0000000000,0,1,,AB,CD";

TEST(GetField, TakesFieldsCountedFromZero) {
    TRadioData data;
    data.SetChannel(12, kNamedChannel);
    EXPECT_EQ(data.GetField(TRadioData::kChannelKind, 12, kLabelField), "012");
    EXPECT_EQ(data.GetField(TRadioData::kChannelKind, 12, kRxFreqField), "0145500000");
    EXPECT_EQ(data.GetField(TRadioData::kChannelKind, 12, kToneIndexField), "12");
    EXPECT_EQ(data.GetField(TRadioData::kChannelKind, 12, kLockoutField), "1");
}

TEST(GetField, NameRunsToTheEndWithItsCommasButTheEmptyFieldStaysEmpty) {
    TRadioData data;
    data.SetChannel(12, kNamedChannel);
    EXPECT_EQ(data.GetField(TRadioData::kChannelKind, 12, kNameField), "AB,CD");
    EXPECT_EQ(data.GetField(TRadioData::kChannelKind, 12, 17), "");
}

TEST(GetField, VfoPowerSitsInTheEighteenthField) {
    TRadioData data;
    data.SetVfo("0,0450000000,6,0,0,0,0,0,08,08,000,05000000,0,0,,,,0,");
    EXPECT_EQ(data.GetField(TRadioData::kVfoKind, 0, 17), "0");
    EXPECT_EQ(data.GetField(TRadioData::kVfoKind, 0, 18), "");
    EXPECT_EQ(data.GetField(TRadioData::kVfoKind, 0, 14), "");
}

TEST(GetField, FieldsPastTheEndOrOfEmptyRecordsAreEmpty) {
    TRadioData data;
    data.SetDtmf(3, "3,123#");
    EXPECT_EQ(data.GetField(TRadioData::kDtmfKind, 3, 1), "123#");
    EXPECT_EQ(data.GetField(TRadioData::kDtmfKind, 3, 2), "");
    EXPECT_EQ(data.GetField(TRadioData::kDtmfKind, 4, 0), "");
    EXPECT_EQ(data.GetField(TRadioData::kChannelKind, 5, kRxFreqField), "");
    EXPECT_EQ(data.GetField(TRadioData::kChannelKind, 500, 0), "");
    EXPECT_EQ(data.GetField(99, 0, 0), "");
    EXPECT_EQ(data.GetField(TRadioData::kChannelKind, 5, -1), "");
}

TEST(GetField, ReadsBandLimitAndProgrammableRange) {
    TRadioData data;
    data.SetBandLimit("0136,0173");
    data.SetProgramVfo("0144,0147");
    EXPECT_EQ(data.GetField(TRadioData::kBandLimitKind, 0, 1), "0173");
    EXPECT_EQ(data.GetField(TRadioData::kProgramVfoKind, 0, 0), "0144");
}

TEST(GetField, ClipRecordKindTenRunsToTheEnd) {
    TRadioData data;
    data.SetClipRecord("00,0145000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,NAME");
    EXPECT_EQ(data.GetField(TRadioData::kClipKind, 0, 1), "0145000000");
    EXPECT_EQ(data.GetField(TRadioData::kClipToEndKind, 0, 16), "0,,NAME");
    EXPECT_EQ(data.GetField(TRadioData::kClipNameKind, 0, 18), "NAME");
}

TEST(GetField, ScansOnlyWhatTheRecordBufferHolds) {
    TRadioData data;
    data.SetClipRecord(std::string(98, 'x') + ",tail");
    EXPECT_EQ(data.GetField(TRadioData::kClipKind, 0, 1), "");
}

TEST(Setters, CutTextsToTheCapacityOfTheirRecord) {
    TRadioData data;
    data.SetChannel(0, std::string(150, '1'));
    EXPECT_EQ(data.GetChannel(0).size(), 99u);
    data.SetDtmf(0, std::string(40, '1'));
    EXPECT_EQ(data.GetDtmf(0).size(), 29u);
    data.SetMarketCode("ABCDEFGH");
    EXPECT_EQ(data.GetMarketCode(), "ABCDE");
    data.SetModel("RV-310-EXTRA");
    EXPECT_EQ(data.GetModel(), "RV-310-EX");
    data.SetMenuSlot(1, "12");
    EXPECT_EQ(data.GetMenuSlot(1), "1");
    data.SetMenuSlot(19, "HELLO-WORLD");
    EXPECT_EQ(data.GetMenuSlot(19), "HELLO-WO");
    data.SetMenuSlot(26, "1999");
    EXPECT_EQ(data.GetMenuSlot(26), "199");
    data.SetMenuSlot(29, "0A1");
    EXPECT_EQ(data.GetMenuSlot(29), "0A");
}

TEST(Setters, IgnoreIndexesOutsideTheirRange) {
    TRadioData data;
    data.SetChannel(209, "x,y,z,w,v");
    data.SetChannel(-1, "x,y,z,w,v");
    data.SetDtmf(10, "0,1");
    data.SetMenuSlot(0, "1");
    data.SetMenuSlot(37, "1");
    EXPECT_EQ(data.GetChannel(209), "");
    EXPECT_EQ(data.GetDtmf(10), "");
    EXPECT_EQ(data.GetMenuSlot(37), "");
}

TEST(ClearRecords, EmptiesRecordsButKeepsConfigurationMenuAndComment) {
    TRadioData data = ConfiguredData("PX-A5", "AKF0", "49");
    data.SetBandLimit("0136,0173");
    data.ApplyDefaultRecords();
    data.ApplyWeatherAlertDefault();
    data.ApplyMenuDefaults();
    data.SetChannel(0, kNamedChannel);
    data.SetChannel(208, kNamedChannel);
    data.SetDtmf(9, "9,1234");
    data.SetComment("my radio");
    data.ClearRecords();
    for (int index = 0; index < TRadioData::kChannelCount; ++index) {
        EXPECT_EQ(data.GetChannel(index), "") << index;
    }
    EXPECT_EQ(data.GetVfo(), "");
    EXPECT_EQ(data.GetCall(), "");
    EXPECT_EQ(data.GetDtmf(9), "");
    EXPECT_EQ(data.GetProgramVfo(), "0136,0173");
    EXPECT_EQ(data.GetMenuSlot(1), "5");
    EXPECT_EQ(data.GetMenuSlot(26), "49");
    EXPECT_EQ(data.GetComment(), "my radio");
    EXPECT_EQ(data.GetModel(), "PX-A5");
}

struct TPositionCase {
    const char* Model;
    const char* MarketCode;
    const char* Count;
    int Position;
    int Record;
};

class RowPosition : public ::testing::TestWithParam<TPositionCase> {};

TEST_P(RowPosition, MapsChannelsThenSpecialRecords) {
    const TPositionCase& c = GetParam();
    const TRadioData data = ConfiguredData(c.Model, c.MarketCode, c.Count);
    EXPECT_EQ(data.RecordIndexOfPosition(c.Position), c.Record);
}

INSTANTIATE_TEST_SUITE_P(AllCounts, RowPosition,
                         ::testing::Values(TPositionCase{"PX-A5", "AKF0", "49", 0, 0},
                                           TPositionCase{"PX-A5", "AKF0", "49", 49, 49},
                                           TPositionCase{"PX-A5", "AKF0", "49", 50, 200},
                                           TPositionCase{"PX-A5", "AKF0", "49", 56, 206},
                                           TPositionCase{"PX-A5", "AKF0", "49", 57, 207},
                                           TPositionCase{"PX-A7", "AEB0", "99", 99, 99},
                                           TPositionCase{"PX-A7", "AEB0", "99", 100, 200},
                                           TPositionCase{"RV-310", "MKF", "99", 107, 207},
                                           TPositionCase{"RV-310", "MKF", "199", 199, 199},
                                           TPositionCase{"RV-310", "MKF", "199", 200, 200},
                                           TPositionCase{"RV-310", "MKF", "199", 207, 207}));

TEST(RowPosition, WeatherAlertPositionOnlyInTheUsCanadaMarket) {
    EXPECT_EQ(ConfiguredData("PX-A5", "AKF0", "49").LastRowPosition(), 57);
    EXPECT_EQ(ConfiguredData("PX-A5", "AEB0", "49").LastRowPosition(), 56);
    EXPECT_EQ(ConfiguredData("RV-310", "MED", "199").LastRowPosition(), 206);
    // Market 'K' keeps the AL position even on a model with no weather alert.
    EXPECT_EQ(ConfiguredData("RV-380", "MKF", "99").LastRowPosition(), 107);
}

TEST(Configuration, ModelGroupsAndMemoryNames) {
    EXPECT_TRUE(ConfiguredData("PX-A5", "AKF0", "49").HasMemoryNames());
    EXPECT_FALSE(ConfiguredData("PX-A5", "AKF0", "99").HasMemoryNames());
    EXPECT_TRUE(ConfiguredData("RV-350", "MC1", "99").HasMemoryNames());
    EXPECT_FALSE(ConfiguredData("RV-350", "MC1", "199").HasMemoryNames());
    EXPECT_FALSE(ConfiguredData("rv-350", "MC1", "99").HasMemoryNames());
    EXPECT_EQ(ConfiguredData("PX-A7", "JJ10", "49").UsedMenuSlotCount(), 26);
    EXPECT_EQ(ConfiguredData("RV-380", "MM2", "99").UsedMenuSlotCount(), 36);
    EXPECT_EQ(ConfiguredData("RV-380", "MM2", "").ChannelCount(), 0);
}

TEST(Configuration, MarketCharactersPastTheEndAreNul) {
    const TRadioData data = ConfiguredData("RV-310", "MK", "99");
    EXPECT_EQ(data.GetMarketChar(0), 'M');
    EXPECT_EQ(data.MarketLetter(), 'K');
    EXPECT_EQ(data.MarketVariant(), '\0');
    EXPECT_EQ(data.GetMarketChar(-1), '\0');
}

TEST(ApplyMenuDefaults, KeepsTheChannelCountAndTellsTheWindow) {
    TRadioData data = ConfiguredData("RV-310", "MKF", "199");
    int calls = 0;
    data.OnMenuLayoutChanged = [&calls] { ++calls; };
    data.ApplyMenuDefaults();
    EXPECT_EQ(data.GetMenuSlot(26), "199");
    EXPECT_EQ(calls, 1);
}

}  // namespace
