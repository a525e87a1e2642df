#include "core/files/datacompare.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/files/listing.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "support/testdata.h"

void PrintTo(const TDataDifference& d, std::ostream* out) {
    *out << DifferenceLine(d, "", "");
}

namespace {

using TDifferences = std::vector<TDataDifference>;

// Records as FillEverything leaves them on an RV-310 for the U.S.A. with 100 channels.
constexpr char kChannel3[] =
    "003,0145100003,3,1,0,1,0,0,12,08,000,00600000,0,0,0000000000,0,1,,N3,X";
constexpr char kVfo[] = "0,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,,,,2,";
constexpr char kAlert[] = " AL,0162550000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,WX";

std::string WithFrequency(std::string record, const char* frequency) {
    return record.replace(record.find(',') + 1, 10, frequency);
}

TRadioData Filled() {
    TRadioData data = FilledData(ModelCatalogue()[7], "99");
    data.SetMenuSlot(6, "1");
    data.SetChannel(TRadioData::kWeatherAlertRecord, kAlert);
    return data;
}

struct TCompareCase {
    const char* What;
    std::function<void(TRadioData& second)> Change;
    std::function<void(TComparedParts& parts)> Narrow;
    TDifferences Expected;
};

void PrintTo(const TCompareCase& c, std::ostream* out) {
    *out << c.What;
}

class Comparison : public ::testing::TestWithParam<TCompareCase> {};

TEST_P(Comparison, FindsTheDifferences) {
    const TCompareCase& c = GetParam();
    const TRadioData first = Filled();
    TRadioData second = Filled();
    if (c.Change) c.Change(second);
    TComparedParts parts;
    if (c.Narrow) c.Narrow(parts);
    EXPECT_EQ(CompareData(first, second, parts), c.Expected) << c.What;
}

void NoNarrowing(TComparedParts&) {}

INSTANTIATE_TEST_SUITE_P(
    DataSets, Comparison,
    ::testing::Values(
        TCompareCase{"equal sets", nullptr, NoNarrowing, {}},
        TCompareCase{"two fields of one channel, in field order",
                     [](TRadioData& d) {
                         d.SetChannel(3,
                                      "003,0145200003,3,1,0,1,0,0,12,08,000,00600000,0,0,"
                                      "0000000000,0,0,,N3,X");
                     },
                     NoNarrowing,
                     {{"channel 3", "RxFreq", "0145100003", "0145200003"},
                      {"channel 3", "Lockout", "1", "0"}}},
        TCompareCase{"a channel on one side only",
                     [](TRadioData& d) {
                         d.SetChannel(3, "");
                         d.SetChannel(4, "004,0145000000,3");
                     },
                     NoNarrowing,
                     {{"channel 3", "", kChannel3, ""}, {"channel 4", "", "", "004,0145000000,3"}}},
        TCompareCase{"label blanks and missing trailing empty fields are no difference",
                     [](TRadioData& d) {
                         d.SetChannel(202,
                                      "L1,0145100202,3,1,0,1,0,0,12,08,000,00600000,0,0,"
                                      "0000000000,0,1,,N4");
                         d.SetCall("0,0145000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0");
                     },
                     NoNarrowing,
                     {}},
        TCompareCase{"names count by default",
                     [](TRadioData& d) { d.SetChannel(3, std::string(kChannel3) + "Y"); },
                     NoNarrowing,
                     {{"channel 3", "Name", "N3,X", "N3,XY"}}},
        TCompareCase{"names ignored",
                     [](TRadioData& d) { d.SetChannel(3, std::string(kChannel3) + "Y"); },
                     [](TComparedParts& p) { p.Names = false; },
                     {}},
        TCompareCase{"wire fields only: the VFO's transmit frequency stays at home",
                     [](TRadioData& d) {
                         d.SetVfo("0,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0146,,,1,");
                         d.SetCall(
                             "0,0145000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,"
                             "1,,");
                     },
                     [](TComparedParts& p) { p.WireFieldsOnly = true; },
                     {{"VFO", "Power", "2", "1"}}},
        TCompareCase{"the weather alert channel left out",
                     [](TRadioData& d) { d.SetChannel(207, WithFrequency(kAlert, "0162400000")); },
                     [](TComparedParts& p) { p.WeatherAlert = false; },
                     {}},
        TCompareCase{"menu narrowed to some slots",
                     [](TRadioData& d) {
                         d.SetMenuSlot(6, "0");
                         d.SetMenuSlot(19, "CQ");
                     },
                     [](TComparedParts& p) {
                         p.MenuSlots = {19, 2};
                     },
                     {{"menu", "Power-on Message", "HI-73", "CQ"}}},
        TCompareCase{"the larger channel count is compared to its end",
                     [](TRadioData& d) {
                         d.SetMenuSlot(26, "199");
                         d.SetChannel(150, "150,0145000000,3");
                     },
                     NoNarrowing,
                     {{"channel 150", "", "", "150,0145000000,3"},
                      {"menu", "Channel Quantity", "99", "199"}}},
        TCompareCase{"one of each kind, in order",
                     [](TRadioData& d) {
                         d.SetMenuSlot(6, "0");
                         d.SetDtmf(9, "9,1");
                         d.SetChannel(207, WithFrequency(kAlert, "0162400000"));
                         d.SetProgramVfo("0144,0146");
                         d.SetVfo("1" + std::string(kVfo).substr(1));
                         d.SetComment("club");
                         d.SetBandLimit("0144,0148");
                     },
                     NoNarrowing,
                     {{"band limit", "", "0136,0173", "0144,0148"},
                      {"comment", "", "Club \xE9vening", "club"},
                      {"AL", "RxFreq", "0162550000", "0162400000"},
                      {"VFO", "Label", "0", "1"},
                      {"programmable VFO", "", "0136,0173", "0144,0146"},
                      {"DTMF 9", "", "9,1 2", "9,1"},
                      {"menu", "Key Beep", "1", "0"}}},
        TCompareCase{"records only",
                     [](TRadioData& d) {
                         d.SetModel("RV-350");
                         d.SetComment("club");
                         d.SetMenuSlot(6, "0");
                         d.SetDtmf(0, "");
                     },
                     [](TComparedParts& p) { p.Identity = p.Comment = p.Menu = false; },
                     {{"DTMF 0", "", "0,0123456789ABCD*#", ""}}}));

TEST(Comparison, MenuSettingsAreNamedAsTheListingNamesThem) {
    const std::vector<std::pair<int, std::string>> names{
        {6, "Key Beep"},      {26, "Channel Quantity"}, {3, "Priority Scan"},
        {24, "MIC Key Lock"}, {36, "Brightness"},       {40, "menu slot 40"}};
    for (const auto& [slot, name] : names) EXPECT_EQ(MenuSettingName(slot), name) << slot;
}

TEST(Comparison, DifferenceLines) {
    struct TLineCase {
        TDataDifference Difference;
        const char* FirstWord;
        const char* SecondWord;
        std::string Line;
    };
    const std::string longName(70, 'x');
    const TLineCase cases[] = {
        {{"channel 7", "RxFreq", "0145000000", "0146000000"},
         "written",
         "read back",
         "channel 7, RxFreq: written \"0145000000\", read back \"0146000000\""},
        {{"channel 7", "RxFreq", "0145000000", "0146000000"},
         "",
         "",
         "channel 7, RxFreq: \"0145000000\" | \"0146000000\""},
        {{"channel 4", "", "", "004,0145"}, "", "", "channel 4: (empty) | \"004,0145\""},
        {{"comment", "", "Caf\xE9\t", "x"}, "", "", "comment: \"Caf<0xE9><TAB>\" | \"x\""},
        {{"channel 1", "Name", longName, "y"},
         "",
         "",
         "channel 1, Name: \"" + std::string(60, 'x') + "\"... | \"y\""},
    };
    for (const TLineCase& c : cases) {
        EXPECT_EQ(DifferenceLine(c.Difference, c.FirstWord, c.SecondWord), c.Line);
    }
}

}  // namespace
