#include "core/model/defaultrecords.h"

#include <gtest/gtest.h>

#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "support/everyconfiguration.h"

namespace {

struct TDefaultCase {
    const char* Model;
    const char* MarketCode;
    const char* BandLimit;
    const char* Vfo;
    const char* Call;
    const char* ProgramVfo;
};

// Every catalogue row, and the market codes a read can bring that no row has.
const TDefaultCase kDefaultCases[] = {
    {"PX-A5", "AKF0", "0136,0173", "0,0144000000,0,0,0,0,0,0,08,08,000,00600000,0,0,,,,0,",
     "0,0144000000,0,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,,,", "0136,0173"},
    {"PX-A5", "AEB0", "0144,0145", "0,0144000000,3,0,0,0,0,0,08,08,000,00600000,0,0,,,,0,",
     "0,0144000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,,,", "0144,0145"},
    {"PX-A5", "JJ10", "0144,0145", "0,0145000000,5,0,0,0,0,0,08,08,000,00600000,0,0,,,,0,",
     "0,0145000000,5,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,,,", "0144,0145"},
    {"PX-A5", "AM70", "0136,0173", "0,0144000000,3,0,0,0,0,0,08,08,000,00600000,0,0,,,,0,",
     "0,0144000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,,,", "0136,0173"},
    {"PX-A7", "AEB0", "0430,0439", "0,0430000000,6,0,0,0,0,0,08,08,000,01600000,0,0,,,,0,",
     "0,0430000000,6,0,0,0,0,0,08,08,000,01600000,0,0,0000000000,0,,,", "0430,0439"},
    {"PX-A7", "JJ10", "0430,0439", "0,0433000000,5,0,0,0,0,0,08,08,000,05000000,0,0,,,,0,",
     "0,0433000000,5,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,,,", "0430,0439"},
    {"PX-A7", "AM70", "0400,0469", "0,0430000000,6,0,0,0,0,0,08,08,000,00500000,0,0,,,,0,",
     "0,0430000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,,,", "0400,0469"},
    {"RV-310", "MKF", "0136,0173", "0,0144000000,0,0,0,0,0,0,08,08,000,00600000,0,0,,,,0,",
     "0,0144000000,0,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,,,", "0136,0173"},
    {"RV-310", "MED", "0136,0173", "0,0144000000,3,0,0,0,0,0,08,08,000,00600000,0,0,,,,0,",
     "0,0144000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,,,", "0136,0173"},
    {"RV-310", "MM8", "0136,0173", "0,0144000000,3,0,0,0,0,0,08,08,000,00600000,0,0,,,,0,",
     "0,0144000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,,,", "0136,0173"},
    {"RV-310", "MMB", "0144,0147", "0,0144000000,3,0,0,0,0,0,08,08,000,00600000,0,0,,,,0,",
     "0,0144000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,,,", "0144,0147"},
    {"RV-350", "MC1", "0400,0429", "0,0410000000,6,0,0,0,0,0,08,08,000,05000000,0,0,,,,0,",
     "0,0410000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,,,", "0400,0429"},
    {"RV-350", "MC0", "0440,0479", "0,0450000000,6,0,0,0,0,0,08,08,000,05000000,0,0,,,,0,",
     "0,0450000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,,,", "0440,0479"},
    {"RV-350", "MC2", "0440,0479", "0,0430000000,6,0,0,0,0,0,08,08,000,05000000,0,0,,,,0,",
     "0,0430000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,,,", "0440,0479"},
    {"RV-380", "MM2", "0400,0469", "0,0430000000,6,0,0,0,0,0,08,08,000,00500000,0,0,,,,0,",
     "0,0430000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,,,", "0400,0469"},
    {"RV-380", "MM8", "0400,0469", "0,0430000000,6,0,0,0,0,0,08,08,000,00500000,0,0,,,,0,",
     "0,0430000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,,,", "0400,0469"},
    {"RV-380", "MM9", "0400,0469", "0,0432000000,6,0,0,0,0,0,08,08,000,01600000,0,0,,,,0,",
     "0,0432000000,6,0,0,0,0,0,08,08,000,01600000,0,0,0000000000,0,,,", "0400,0469"},
    {"RV-380", "MKF", "", "0,0440000000,6,0,0,0,0,0,08,08,000,05000000,0,0,,,,0,",
     "0,0440000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,,,", ","},
    {"RV-350", "ME1", "", "0,0430000000,6,0,0,0,0,0,08,08,000,01600000,0,0,,,,0,",
     "0,0430000000,6,0,0,0,0,0,08,08,000,01600000,0,0,0000000000,0,,,", ","},
};

class DefaultRecords : public ::testing::TestWithParam<TDefaultCase> {};

TEST_P(DefaultRecords, VfoCallAndProgrammableRangeFollowModelAndMarket) {
    const TDefaultCase& c = GetParam();
    TRadioData data;
    data.SetModel(c.Model);
    data.SetMarketCode(c.MarketCode);
    data.SetBandLimit(c.BandLimit);
    data.ApplyDefaultRecords();
    EXPECT_EQ(data.GetVfo(), c.Vfo);
    EXPECT_EQ(data.GetCall(), c.Call);
    EXPECT_EQ(data.GetProgramVfo(), c.ProgramVfo);
}

INSTANTIATE_TEST_SUITE_P(EveryMarket, DefaultRecords, ::testing::ValuesIn(kDefaultCases));

class WeatherAlertDefaultOfEveryConfiguration : public ::testing::TestWithParam<int> {};

TEST_P(WeatherAlertDefaultOfEveryConfiguration, OnlyTheUsCanadaPxA5AndRv310GetOne) {
    const TModelInfo& row = RowOf(GetParam());
    TRadioData data;
    data.SetModel(row.Model);
    data.SetMarketCode(row.MarketCode);
    data.ApplyWeatherAlertDefault();
    const std::string expected =
        std::string(row.MarketCode) == "AKF0"
            ? "AL,0162550000,0,0,0,0,0,0,08,08,000,00000000,0,0,0000000000,0,0,,"
        : std::string(row.MarketCode) == "MKF"
            ? " AL,0162550000,0,0,0,0,0,0,08,08,000,00000000,0,0,0000000000,0,0,,"
            : "";
    EXPECT_EQ(data.GetChannel(TRadioData::kWeatherAlertRecord), expected) << row.Caption;

    TRadioData rv380;
    rv380.SetModel("RV-380");
    rv380.SetMarketCode("MKF");
    rv380.ApplyWeatherAlertDefault();
    EXPECT_EQ(rv380.GetChannel(TRadioData::kWeatherAlertRecord), "");
}

INSTANTIATE_FOR_EVERY_CONFIGURATION(WeatherAlertDefaultOfEveryConfiguration);

struct TMenuCase {
    const char* Model;
    const char* MarketCode;
    const char* Slot2;
    const char* Slot13;
    const char* Slot23;
    const char* Slot32;
};

class MenuDefaults : public ::testing::TestWithParam<TMenuCase> {};

TEST_P(MenuDefaults, DependOnModelAndMarket) {
    const TMenuCase& c = GetParam();
    TRadioData data;
    data.SetModel(c.Model);
    data.SetMarketCode(c.MarketCode);
    data.ApplyMenuDefaults();
    EXPECT_EQ(data.GetMenuSlot(2), c.Slot2);
    EXPECT_EQ(data.GetMenuSlot(13), c.Slot13);
    EXPECT_EQ(data.GetMenuSlot(23), c.Slot23);
    EXPECT_EQ(data.GetMenuSlot(32), c.Slot32);
}

INSTANTIATE_TEST_SUITE_P(EveryCatalogueRow, MenuDefaults,
                         ::testing::Values(TMenuCase{"PX-A5", "AKF0", "1", "1", "0", "05"},
                                           TMenuCase{"PX-A5", "AEB0", "1", "1", "1", "02"},
                                           TMenuCase{"PX-A5", "JJ10", "1", "0", "0", "05"},
                                           TMenuCase{"PX-A5", "AM70", "1", "0", "0", "05"},
                                           TMenuCase{"PX-A5", "AXB0", "1", "1", "0", "05"},
                                           TMenuCase{"PX-A7", "AEB0", "1", "0", "1", "02"},
                                           TMenuCase{"PX-A7", "JJ10", "1", "1", "0", "05"},
                                           TMenuCase{"PX-A7", "AM70", "1", "0", "0", "05"},
                                           TMenuCase{"RV-310", "MKF", "0", "1", "0", "05"},
                                           TMenuCase{"RV-310", "MED", "0", "1", "1", "02"},
                                           TMenuCase{"RV-310", "MM8", "0", "0", "0", "05"},
                                           TMenuCase{"RV-310", "MM9", "0", "0", "0", "05"},
                                           TMenuCase{"RV-310", "MMB", "0", "0", "0", "05"},
                                           TMenuCase{"RV-350", "MC1", "0", "0", "0", "05"},
                                           TMenuCase{"RV-350", "MC0", "0", "0", "0", "05"},
                                           TMenuCase{"RV-380", "MM2", "0", "0", "0", "05"},
                                           TMenuCase{"RV-380", "MKF", "0", "0", "0", "05"}));

TEST(MenuDefaults, FixedSlots) {
    TRadioData data;
    data.SetModel("RV-380");
    data.SetMarketCode("MM2");
    data.SetMenuSlot(19, "HELLO");
    data.ApplyMenuDefaults();
    const char* expected[37] = {nullptr, "5",  "0",  "0", "0", "0", "1", "0", "0", "2",
                                "0",     "0",  "1",  "0", "0", "0", "0", "2", "0", "",
                                "0",     "0",  "0",  "0", "0", "2", "",  "0", "0", "06",
                                "04",    "03", "05", "0", "0", "0", "31"};
    for (int slot = 1; slot <= 36; ++slot)
        EXPECT_EQ(data.GetMenuSlot(slot), expected[slot]) << slot;
}

}  // namespace
