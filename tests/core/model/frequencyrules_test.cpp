#include "core/model/frequencyrules.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>
#include <utility>

namespace {

struct TTextCase {
    const char* Input;
    const char* Expected;  // nullptr: refused
};

std::optional<std::string> ExpectedOf(const TTextCase& c) {
    return c.Expected ? std::optional<std::string>(c.Expected) : std::nullopt;
}

TEST(FormatText, ShowsMhzWithTheSignificantDecimals) {
    const TTextCase frequencies[] = {{"0144000000", "144.000"},
                                     {"0144012500", "144.0125"},
                                     {"0144006250", "144.00625"},
                                     {"0000000000", "0.000"},
                                     {"0145000010", "145.00001"},
                                     {"0479999999", "479.999999"},
                                     {"", "0.000"},
                                     {"x144", "0.000"},
                                     {"014401x", "0.014401"}};
    for (const auto& c : frequencies) EXPECT_EQ(FormatFrequencyText(c.Input), c.Expected);
    EXPECT_EQ(FormatFrequencyText("99999999999999999999"), "9999.999999");
    const TTextCase offsets[] = {
        {"00600000", "0.60"}, {"10000000", "10.00"}, {"69950000", "69.95"},  {"05000000", "5.00"},
        {"", "0.00"},         {"600000", "0.60"},    {"9999999999", "99.99"}};
    for (const auto& c : offsets) EXPECT_EQ(FormatOffsetText(c.Input), c.Expected) << c.Input;
}

TEST(ParseText, FrequencyInMhz) {
    const TTextCase cases[] = {{"144", "0144000000"},         {"144.0125", "0144012500"},
                               {"144.12345", "0144123450"},   {"144.1234567", "0144123456"},
                               {"0145.5", "0145500000"},      {"0.5", "0000500000"},
                               {".5", "0000500000"},          {"", "0000000000"},
                               {"470", "0469999999"},         {"469", "0469000000"},
                               {"123456789.5", "9999999999"}, {"144.5x7", "0144500000"},
                               {"144x", "0144000000"},        {"-144", "0000000000"},
                               {"144..5", nullptr},           {"1.4.4", nullptr}};
    for (const auto& c : cases) EXPECT_EQ(ParseFrequencyText(c.Input, "PX-A7"), ExpectedOf(c));
    EXPECT_EQ(ParseFrequencyText("99999999999999999999", "PX-A7"), "0469999999");
    EXPECT_EQ(ParseFrequencyText("479", "RV-350"), "0479000000");
    EXPECT_EQ(ParseFrequencyText("500", "RV-350"), "0479999999");
    EXPECT_EQ(ParseFrequencyText("470", "RV-380"), "0469999999");
}

TEST(ParseText, OffsetIsClampedAndCutToFiftyKhz) {
    const TTextCase cases[] = {
        {"0.6", "00600000"},  {"7.6", "07600000"},   {"0.62", "00600000"},
        {"0.67", "00650000"}, {"0.678", "00650000"}, {"5", "05000000"},
        {"", "00000000"},     {"70", "69950000"},    {"69.99", "69950000"},
        {"69.9", "69900000"}, {"70.1", "69950000"},  {"-5", "00000000"},
        {"5x", "05000000"},   {"0.6x9", "00600000"}, {"99999999999999999999", "69950000"},
        {"1.2.3", nullptr}};
    for (const auto& c : cases) EXPECT_EQ(ParseOffsetText(c.Input), ExpectedOf(c)) << c.Input;
}

struct TFitCase {
    const char* Stored;
    const char* Limits;
    int Position;
    const char* Model;
    const char* Expected;
    bool Changed;
};

TEST(FitFrequency, ClampsThenSnapsDownOntoTheStep) {
    const TFitCase cases[] = {
        {"0146000000", "0144,0145", 1, "RV-310", "0145995000", true},
        {"0146000000", "0144,0145", 0, "PX-A5", "0145995000", true},
        {"0146000000", "0144,0145", 4, "RV-310", "0145987500", true},
        {"0146000000", "0144,0145", 1, "PX-A5", "0145993750", true},
        {"0144123450", "0144,0145", 0, "PX-A5", "0144120000", true},
        {"0173999999", "0136,0173", 0, "PX-A5", "0173995000", true},
        {"0000000000", "0144,0145", 0, "PX-A5", "0144000000", true},
        {"0144012500", "0144,0145", 3, "PX-A5", "0144012500", false},
        {"0144002500", "0144,0145", 0, "RV-310", "0144002500", false},
        // 136 MHz is off the 15 kHz grid: the next step up stays inside the band.
        {"0136000000", "0136,0173", 4, "PX-A5", "0136005000", true},
        // Positions outside the model's list snap to 5 kHz.
        {"0144002500", "0144,0145", 11, "RV-310", "0144000000", true},
        {"0144002500", "0144,0145", -1, "PX-A5", "0144000000", true},
        // Damaged texts and limits.
        {"99999999999999999999", "0144,0145", 0, "PX-A5", "0145995000", true},
        {"01445x0000", "0144,0145", 0, "PX-A5", "0144000000", true},
        {"144012500", "0144,0145", 3, "PX-A5", "0144012500", true},
        {"", "", 0, "PX-A5", "0000000000", true},
        {"0000500000", ",", 0, "PX-A5", "0000500000", false},
        {"0150000000", "0144", 0, "PX-A5", "0144995000", true},
        {"0100000000", "0145,0144", 0, "PX-A5", "0145000000", true},
        {"99999999999", "99999999,99999999", 0, "PX-A5", "9999995000", true}};
    for (const auto& c : cases) {
        const TFitResult fit = FitFrequency(c.Stored, c.Limits, c.Position, c.Model);
        EXPECT_EQ(fit.Frequency, c.Expected) << c.Stored << " in " << c.Limits;
        EXPECT_EQ(fit.Changed, c.Changed) << c.Stored << " in " << c.Limits;
    }
}

TEST(Steps, ListPositionsCodesAndHertzAgree) {
    EXPECT_EQ(StepListTexts("RV-310").front(), "2.5kHz");
    EXPECT_EQ(StepListTexts("PX-A7"),
              (std::vector<std::string>{"5kHz", "6.25kHz", "10kHz", "12.5kHz", "15kHz", "20kHz",
                                        "25kHz", "30kHz", "50kHz", "100kHz"}));
    for (const char* model : {"RV-310", "PX-A5"}) {
        const std::vector<std::string> texts = StepListTexts(model);
        for (size_t position = 0; position < texts.size(); ++position) {
            const char code = StepCodeFromListPosition(static_cast<int>(position), model);
            EXPECT_EQ(ListPositionFromStepCode(code, model, "AKF0"), static_cast<int>(position));
            const int hertz = StepHertz(code == 'A' ? 10 : code - '0');
            EXPECT_EQ(std::atof(texts[position].c_str()) * 1000, hertz) << code;
        }
    }
    EXPECT_EQ(StepCodeFromListPosition(11, "RV-310"), '0');
    EXPECT_EQ(StepCodeFromListPosition(10, "PX-A5"), '0');
    EXPECT_EQ(StepHertz(11), 5000);
}

TEST(Steps, CodesOutsideTheListGiveTheMarketDefault) {
    EXPECT_EQ(ListPositionFromStepCode('A', "PX-A5", "AKF0"), 0);
    EXPECT_EQ(ListPositionFromStepCode('A', "PX-A5", "AEB0"), 3);
    EXPECT_EQ(ListPositionFromStepCode('a', "RV-310", "MKF"), 1);
    EXPECT_EQ(ListPositionFromStepCode('\0', "RV-310", "MED"), 4);
    EXPECT_EQ(ListPositionFromStepCode('B', "PX-A7", "JJ10"), 5);
    EXPECT_EQ(ListPositionFromStepCode('Z', "RV-350", "MC1"), 6);
}

TEST(Tones, ListsAscend) {
    for (size_t i = 1; i < ToneList().size(); ++i) {
        EXPECT_LT(std::atof(ToneList()[i - 1]), std::atof(ToneList()[i])) << ToneList()[i];
    }
    for (size_t i = 1; i < DcsList().size(); ++i) {
        EXPECT_LT(std::strtol(DcsList()[i - 1], nullptr, 8), std::strtol(DcsList()[i], nullptr, 8));
    }
    EXPECT_STREQ(ToneList()[8], "88.5Hz");
    EXPECT_STREQ(DcsList()[103], "754");
}

TEST(Tones, StoredIndexesOutsideTheListFallBack) {
    const std::pair<const char*, int> tones[] = {
        {"00", 0}, {"41", 41}, {"3", 3},  {"7", 8},   {"42", 8},
        {"", 8},   {"-1", 8},  {"0x", 0}, {"41x", 8}, {"0999", 8},
    };
    for (const auto& [stored, position] : tones) EXPECT_EQ(TonePositionOf(stored), position);
    EXPECT_EQ(TonePositionOf("00000000000000000000041"), 41);
    const std::pair<const char*, int> dcs[] = {{"000", 0},  {"103", 103}, {"100", 100},
                                               {"99", 0},   {"1000", 0},  {"104", 0},
                                               {"0999", 0}, {"0x", 0},    {"", 0}};
    for (const auto& [stored, position] : dcs) EXPECT_EQ(DcsPositionOf(stored), position);
}

TEST(Defaults, FollowModelAndMarket) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"PX-A5", "AKF0", "0144000000 0 00600000"}, {"PX-A5", "AEB0", "0144000000 3 00600000"},
        {"PX-A5", "JJ10", "0145000000 5 00600000"}, {"PX-A5", "AM70", "0144000000 3 00600000"},
        {"PX-A7", "AEB0", "0430000000 6 01600000"}, {"PX-A7", "JJ10", "0433000000 5 05000000"},
        {"PX-A7", "AM70", "0430000000 6 05000000"}, {"PX-A7", "AE9", "0432000000 6 01600000"},
        {"PX-A7", "AK", "0440000000 6 05000000"},   {"RV-310", "MKF", "0144000000 0 00600000"},
        {"RV-310", "MED", "0144000000 3 00600000"}, {"RV-310", "MM8", "0144000000 3 00600000"},
        {"RV-310", "MMB", "0144000000 3 00600000"}, {"RV-350", "MC1", "0410000000 6 05000000"},
        {"RV-350", "MC0", "0450000000 6 05000000"}, {"RV-380", "MM2", "0430000000 6 05000000"},
        {"XY-9", "", "0430000000 6 05000000"}};
    for (const auto& [model, market, expected] : cases) {
        const TFieldDefaults d = DefaultFieldValues(model, market);
        EXPECT_EQ(d.Frequency + ' ' + d.StepCode + ' ' + d.Offset, expected) << model << market;
    }
}

TEST(Defaults, Minus76ShiftOnlyOnEuropeanPxA7) {
    EXPECT_TRUE(OffersMinus76Shift("PX-A7", "AEB0"));
    EXPECT_TRUE(OffersMinus76Shift("PX-A7", "AE"));
    EXPECT_FALSE(OffersMinus76Shift("PX-A7", "AE9"));
    EXPECT_FALSE(OffersMinus76Shift("PX-A7", "AE1"));
    EXPECT_FALSE(OffersMinus76Shift("PX-A7", "JJ10"));
    EXPECT_FALSE(OffersMinus76Shift("PX-A5", "AEB0"));
}

}  // namespace
