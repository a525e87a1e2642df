#include "core/model/channelview.h"

#include <gtest/gtest.h>

#include "support/testdata.h"

#include "core/model/radiodata.h"

namespace {

TRadioData Configured(const char* model, const char* marketCode, const char* count) {
    TRadioData data = ConfiguredData(model, marketCode, count);
    data.SetProgramVfo("0144,0147");
    return data;
}

struct TLayoutCase {
    const char* Model;
    const char* MarketCode;
    const char* Count;
    int Rows;
    const char* LastLabel;
    const char* Band;
};

class MemoryGridLayout : public ::testing::TestWithParam<TLayoutCase> {};

TEST_P(MemoryGridLayout, RowCountLabelsAndBand) {
    const TLayoutCase& c = GetParam();
    const TRadioData data = Configured(c.Model, c.MarketCode, c.Count);
    EXPECT_EQ(MemoryGridRowCount(data), c.Rows);
    EXPECT_EQ(MemoryRowLabel(data, 1), "00");
    EXPECT_EQ(MemoryRowLabel(data, c.Rows - 1), c.LastLabel);
    EXPECT_EQ(BandText(data), c.Band);
}

INSTANTIATE_TEST_SUITE_P(EveryModelGroup, MemoryGridLayout,
                         ::testing::Values(TLayoutCase{"PX-A5", "AKF0", "49", 59, "AL", "144MHz"},
                                           TLayoutCase{"PX-A5", "AEB0", "49", 58, "PR", "144MHz"},
                                           TLayoutCase{"PX-A7", "AEB0", "99", 108, "PR", "430MHz"},
                                           TLayoutCase{"RV-310", "MKF", "99", 109, "AL", "144MHz"},
                                           TLayoutCase{"RV-310", "MKF", "199", 209, "AL", "144MHz"},
                                           TLayoutCase{"RV-310", "MED", "199", 208, "PR", "144MHz"},
                                           TLayoutCase{"RV-350", "MKF", "99", 108, "PR", "440MHz"},
                                           TLayoutCase{"RV-380", "MM2", "99", 108, "PR",
                                                       "430MHz"}));

TEST(MemoryGridLayout, RowsMapOntoChannelsThenSpecialRecords) {
    const TRadioData data = Configured("RV-310", "MKF", "199");
    EXPECT_EQ(MemoryRowLabel(data, 100), "99");
    EXPECT_EQ(MemoryRowLabel(data, 101), "100");
    EXPECT_EQ(MemoryRowLabel(data, 200), "199");
    EXPECT_EQ(MemoryRowLabel(data, 201), "L0");
    EXPECT_EQ(RecordOfMemoryRow(data, 201), 200);
    EXPECT_EQ(RecordOfMemoryRow(data, 208), 207);
    const TRadioData handheld = Configured("PX-A5", "AKF0", "49");
    EXPECT_EQ(RecordOfMemoryRow(handheld, 51), 200);
    EXPECT_EQ(MemoryRowLabel(handheld, 57), "PR");
}

TEST(MemoryCells, LockoutFrequencyAndNameOnlyWhereNamesExist) {
    const std::string record =
        "012,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,1,,RPT,1";
    const TMemoryCells named = MemoryCellsOf(Configured("RV-310", "MKF", "99"), record);
    EXPECT_EQ(named.Lockout, "*");
    EXPECT_EQ(named.Frequency, "145.500");
    EXPECT_EQ(named.Name, "RPT,1");
    EXPECT_EQ(MemoryCellsOf(Configured("RV-310", "MKF", "199"), record).Name, "");
    const TMemoryCells empty = MemoryCellsOf(Configured("RV-310", "MKF", "99"), "");
    EXPECT_EQ(empty.Frequency, "");
    EXPECT_EQ(empty.Lockout, "");
}

struct TStatusCase {
    const char* MarketCode;
    const char* Record;
    const char* Frequency;
    const char* Shift;
    const char* Tone;
};

class StatusBar : public ::testing::TestWithParam<TStatusCase> {};

TEST_P(StatusBar, PanelsDescribeTheSelectedRecord) {
    const TStatusCase& c = GetParam();
    const TStatusTexts texts =
        StatusTextsOf(Configured("PX-A7", c.MarketCode, "49"), c.Record, TStatusSource::Memory);
    EXPECT_EQ(texts.Frequency, c.Frequency);
    EXPECT_EQ(texts.Shift, c.Shift);
    EXPECT_EQ(texts.Tone, c.Tone);
    EXPECT_EQ(texts.ProgramVfo, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StatusBar,
    ::testing::Values(
        // plus shift with its offset and a tone
        TStatusCase{"AEB0", "01,0430000000,6,1,0,1,0,0,12,08,000,01600000,0,0,0000000000,0,0,,",
                    "Offset : 1.60MHz", "+", "T : 100.0Hz"},
        // split: transmit frequency, "+-" and never " R"
        TStatusCase{"AEB0", "01,0430000000,6,0,1,0,1,0,08,41,000,00000000,0,0,0435000000,6,0,,",
                    "Tx Freq. : 435.000MHz", "+-", "CT : 254.1Hz"},
        // -7.6 MHz shift: shown in Europe only, never with an offset
        TStatusCase{"AEB0", "01,0430000000,6,3,0,0,0,1,08,08,103,07600000,0,0,0000000000,0,0,,", "",
                    "-7.6", "DCS : 754"},
        TStatusCase{"AM70", "01,0430000000,6,3,0,0,0,0,08,08,000,07600000,0,0,0000000000,0,0,,", "",
                    "", ""},
        // reversed simplex and reversed minus shift
        TStatusCase{"AM70", "01,0430000000,6,0,1,0,0,0,08,08,000,05000000,0,0,0000000000,0,0,,", "",
                    " R", ""},
        TStatusCase{"AM70", "01,0430000000,6,2,1,0,0,0,08,08,000,05000000,0,0,0000000000,0,0,,",
                    "Offset : 5.00MHz", "- R", ""},
        // damaged tone indexes fall back to the defaults instead of leaving the lists
        TStatusCase{"AM70", "01,0430000000,6,0,0,1,0,0,42,08,000,05000000,0,0,0000000000,0,0,,", "",
                    "", "T : 88.5Hz"},
        TStatusCase{"AM70", "01,0430000000,6,0,0,0,0,1,08,08,999,05000000,0,0,0000000000,0,0,,", "",
                    "", "DCS : 023"},
        TStatusCase{"AM70", "", "", "", ""}));

TEST(StatusBar, VfoShowsTheProgrammableRangeWithoutLeadingZeros) {
    const TRadioData data = Configured("RV-310", "MMB", "99");
    const TStatusTexts texts = StatusTextsOf(
        data, "0,0145000000,3,0,0,0,0,0,08,08,000,00600000,0,0,,,,0,", TStatusSource::Vfo);
    EXPECT_EQ(texts.ProgramVfo, "Programmable VFO : 144-147");
    EXPECT_EQ(StatusTextsOf(data, data.GetCall(), TStatusSource::Call).ProgramVfo, "");
}

}  // namespace
