#include "core/model/channelclipboard.h"

#include <gtest/gtest.h>

#include "support/testdata.h"

#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"

namespace {

// 145.000 MHz as a handheld stores it: minus shift, tone 12, locked out, name "RPT".
const std::string kChannel = "07,0145000000,3,2,0,1,0,0,12,08,000,00600000,1,0,0000000000,0,1,,RPT";
const std::string kUhf = "05,0433000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,0,,";

// A data set as start-up leaves it, with `clip` in ClipRecord.
TRadioData Target(const char* model, const char* marketCode, const char* count,
                  const std::string& clip = {}) {
    TRadioData data = ConfiguredData(model, marketCode, count);
    data.SetBandLimit(DefaultBandLimit(model, marketCode));
    data.ApplyDefaultRecords();
    data.ApplyWeatherAlertDefault();
    data.SetClipRecord(clip);
    return data;
}

// A record with field `field` (from 0, the name running to the end) replaced.
std::string With(std::string record, int field, const std::string& value) {
    size_t start = 0;
    for (int current = 0; current < field; ++current) start = record.find(',', start) + 1;
    const size_t end = field == 18 ? record.size() : record.find(',', start);
    return record.replace(start, end - start, value);
}

TEST(ClipboardBytes, ForeignBytesBecomeAtMostOneRecordOfPlainText) {
    EXPECT_EQ(ClipBytesOf("3,12*#"), std::string("3,12*#\0", 7));
    EXPECT_EQ(ClipTextFromBytes(ClipBytesOf(kChannel)), kChannel);
    EXPECT_EQ(ClipTextFromBytes("3,12"), "3,12");  // no NUL
    EXPECT_EQ(ClipTextFromBytes(std::string("3,12\0\x01junk", 10)), "3,12");
    EXPECT_EQ(ClipTextFromBytes(std::string(150, '7')), std::string(99, '7'));
    EXPECT_EQ(ClipTextFromBytes(std::string(99, '1') + "\x80\r"), std::string(99, '1'));
    // A line break would end a radio command in the middle; other bytes are no record either.
    EXPECT_EQ(ClipTextFromBytes("3,12\r\nDM 4,1"), "");
    EXPECT_EQ(ClipTextFromBytes("05,0145000000,\xE9"), "");
}

struct TRuleCase {
    const char* Why;
    const char* Model;
    const char* MarketCode;
    TClipGrid Grid;
    int Row;
    std::string Clip;
    bool Allowed;
};

class PasteRule : public ::testing::TestWithParam<TRuleCase> {};

TEST_P(PasteRule, LengthBandStepAndGrid) {
    const TRuleCase& c = GetParam();
    TRadioData data = Target(c.Model, c.MarketCode, "49", c.Clip);
    data.SetProgramVfo("0144,0147");
    EXPECT_EQ(PasteAllowed(data, c.Grid, c.Row), c.Allowed) << c.Why;
    EXPECT_EQ(EditCommandStateOf(data, c.Grid, c.Row, true).Paste, c.Allowed) << c.Why;
}

using G = TClipGrid;
INSTANTIATE_TEST_SUITE_P(
    Cases, PasteRule,
    ::testing::Values(
        TRuleCase{"144 MHz into 430 MHz", "PX-A7", "AEB0", G::Memory, 1, kChannel, false},
        TRuleCase{"band upper MHz", "PX-A5", "AEB0", G::Memory, 1, With(kChannel, 1, "0145990000"),
                  true},
        TRuleCase{"above the band", "PX-A5", "AEB0", G::Call, 1, With(kChannel, 1, "0146000000"),
                  false},
        TRuleCase{"VFO range upper MHz", "RV-310", "MKF", G::Vfo, 1,
                  With(kChannel, 1, "0147995000"), true},
        TRuleCase{"VFO range + 1 MHz", "RV-310", "MKF", G::Vfo, 1, With(kChannel, 1, "0148000000"),
                  false},
        TRuleCase{"VFO below range, in band", "RV-310", "MKF", G::Vfo, 1,
                  With(kChannel, 1, "0140000000"), false},
        TRuleCase{"2.5 kHz step, PX-A5", "PX-A5", "AKF0", G::Memory, 3, With(kChannel, 2, "A"),
                  false},
        TRuleCase{"2.5 kHz Tx step, PX-A5", "PX-A5", "AKF0", G::Call, 1, With(kChannel, 15, "A"),
                  false},
        TRuleCase{"2.5 kHz step, RV-310", "RV-310", "MKF", G::Vfo, 1, With(kChannel, 2, "A"), true},
        TRuleCase{"2.5 kHz step, PX-A7", "PX-A7", "AEB0", G::Memory, 1, With(kUhf, 2, "A"), false},
        TRuleCase{"DTMF entry", "PX-A7", "AEB0", G::Dtmf, 10, "3,0123456789ABCD*#", true},
        TRuleCase{"empty DTMF code", "PX-A7", "AEB0", G::Dtmf, 1, "4,", true},
        TRuleCase{"DTMF into the VFO", "PX-A7", "AEB0", G::Vfo, 1, "3,0123456789ABCD*#", false},
        TRuleCase{"channel into DTMF", "PX-A7", "AEB0", G::Dtmf, 1, kUhf, false},
        TRuleCase{"29 characters", "PX-A7", "AEB0", G::Dtmf, 1, kUhf.substr(0, 29), false},
        TRuleCase{"DTMF entry of 28 characters", "PX-A7", "AEB0", G::Dtmf, 1,
                  "3,0123456789ABCD*#,ABCDEFGHI", true},
        TRuleCase{"DTMF entry of 29 characters", "PX-A7", "AEB0", G::Dtmf, 1,
                  "3,0123456789ABCD*#,ABCDEFGHIJ", false},
        TRuleCase{"30 characters", "PX-A7", "AEB0", G::Memory, 1, kUhf.substr(0, 30), true},
        TRuleCase{"no key E", "PX-A7", "AEB0", G::Dtmf, 1, "3,12E", false},
        TRuleCase{"17 keys", "PX-A7", "AEB0", G::Dtmf, 1, "3,12345678901234567", false},
        TRuleCase{"no fields", "PX-A7", "AEB0", G::Memory, 1, std::string(60, '4'), false},
        TRuleCase{"no grid yet", "PX-A7", "AEB0", G::None, 0, kUhf, false},
        TRuleCase{"no row", "PX-A7", "AEB0", G::Memory, 0, kUhf, false},
        TRuleCase{"past the grid", "PX-A7", "AEB0", G::Memory, 58, kUhf, false}));

TEST(EditCommandState, CutAndDeleteLeaveOutVfoCallAndOtherPages) {
    const TRadioData data = Target("PX-A7", "AEB0", "49", kUhf);
    for (G grid : {G::Memory, G::Dtmf, G::None}) {
        EXPECT_TRUE(EditCommandStateOf(data, grid, 1, true).CutDelete);
    }
    EXPECT_FALSE(EditCommandStateOf(data, G::Vfo, 1, true).CutDelete);
    EXPECT_FALSE(EditCommandStateOf(data, G::Call, 1, true).CutDelete);
    const TEditCommandState otherPage = EditCommandStateOf(data, G::Memory, 1, false);
    EXPECT_FALSE(otherPage.Paste || otherPage.CutDelete);
}

struct TPasteCase {
    const char* Model;
    const char* MarketCode;
    const char* Count;
    TClipGrid Grid;
    int Row;
    std::string Clip;
    const char* Pasted;
};

class PastedRecordOf : public ::testing::TestWithParam<TPasteCase> {};

TEST_P(PastedRecordOf, TargetRow) {
    const TPasteCase& c = GetParam();
    EXPECT_EQ(PastedRecord(Target(c.Model, c.MarketCode, c.Count, c.Clip), c.Grid, c.Row),
              c.Pasted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PastedRecordOf,
    ::testing::Values(
        // Mobile channel 12: three digits.
        TPasteCase{"RV-310", "MKF", "99", G::Memory, 13, kChannel,
                   "012,0145000000,3,2,0,1,0,0,12,08,000,00600000,1,0,0000000000,0,1,,RPT"},
        // Mobile PR: a leading blank, never locked out.
        TPasteCase{"RV-310", "MKF", "199", G::Memory, 207, kChannel,
                   " PR,0145000000,3,2,0,1,0,0,12,08,000,00600000,1,0,0000000000,0,0,,RPT"},
        TPasteCase{"PX-A5", "AKF0", "49", G::Memory, 51, kChannel,
                   "L0,0145000000,3,2,0,1,0,0,12,08,000,00600000,1,0,0000000000,0,0,,RPT"},
        // AL: no tone, CTCSS or DCS.
        TPasteCase{"RV-310", "MKF", "99", G::Memory, 108,
                   "07,0162550000,0,1,0,0,1,1,15,20,033,00600000,0,0,0000000000,0,1,,WX",
                   " AL,0162550000,0,1,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,WX"},
        // The -7.6 MHz shift only in Europe.
        TPasteCase{"PX-A7", "AM70", "49", G::Memory, 2, With(kUhf, 3, "3"),
                   "01,0433000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,0,,"},
        TPasteCase{"PX-A7", "AEB0", "49", G::Memory, 2, With(kUhf, 3, "3"),
                   "01,0433000000,6,3,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,0,,"},
        // From a VFO record: offset, split and lock-out filled in.
        TPasteCase{"RV-310", "MKF", "99", G::Memory, 1,
                   "0,0145500000,3,0,0,0,0,0,08,08,000,,0,0,,,,2,",
                   "000,0145500000,3,0,0,0,0,0,08,08,000,00000000,0,0,0000000000,0,0,,"},
        // A short foreign record: the missing fields stay empty.
        TPasteCase{"PX-A7", "AEB0", "49", G::Memory, 1, kUhf.substr(0, 30),
                   "00,0433000000,6,0,0,0,0,0,08,0,,00000000,,,0000000000,0,0,,"},
        // Names: cut to the six characters the radio shows; with "*" or "," none.
        TPasteCase{"PX-A5", "AKF0", "49", G::Memory, 1, With(kChannel, 18, "aB-/ 9XY"),
                   "00,0145000000,3,2,0,1,0,0,12,08,000,00600000,1,0,0000000000,0,1,,aB-/ 9"},
        TPasteCase{"PX-A5", "AKF0", "49", G::Memory, 1, With(kChannel, 18, "A*B"),
                   "00,0145000000,3,2,0,1,0,0,12,08,000,00600000,1,0,0000000000,0,1,,"},
        TPasteCase{"PX-A5", "AKF0", "49", G::Memory, 1, kChannel + ",X",
                   "00,0145000000,3,2,0,1,0,0,12,08,000,00600000,1,0,0000000000,0,1,,"},
        // VFO: the power of a VFO record; High from a channel, which has none.
        TPasteCase{"PX-A5", "AKF0", "49", G::Vfo, 1,
                   "0,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,,,,2,",
                   "0,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,,,,2,"},
        TPasteCase{"PX-A5", "AKF0", "49", G::Vfo, 1, kChannel,
                   "0,0145000000,3,2,0,1,0,0,12,08,000,00600000,1,0,,,,0,"},
        TPasteCase{"PX-A5", "AKF0", "49", G::Call, 1,
                   "03,0145000000,3,0,0,0,0,0,08,08,000,00000000,0,0,0146000000,3,1,,SPL",
                   "0,0145000000,3,0,0,0,0,0,08,08,000,00000000,0,0,0146000000,3,,,"},
        // DTMF: the row's own entry number and the code alone.
        TPasteCase{"PX-A7", "AEB0", "49", G::Dtmf, 6, "9,1 2*,ABC", "5,1 2*"}));

TEST(Paste, StoresIntoTheTargetOnlyWhenAllowed) {
    TRadioData data = Target("PX-A7", "AEB0", "49", kChannel);
    EXPECT_FALSE(PasteIntoRow(data, G::Memory, 1));
    EXPECT_FALSE(data.Changed);
    data = Target("RV-310", "MKF", "99", kChannel);
    for (G grid : {G::Memory, G::Vfo, G::Call}) ASSERT_TRUE(PasteIntoRow(data, grid, 13));
    EXPECT_TRUE(data.Changed);
    EXPECT_EQ(data.GetChannel(12), PastedRecord(data, G::Memory, 13));
    EXPECT_EQ(data.GetVfo(), PastedRecord(data, G::Vfo, 1));
    EXPECT_EQ(data.GetCall(), PastedRecord(data, G::Call, 1));
    data.SetClipRecord("1,0123");
    ASSERT_TRUE(PasteIntoRow(data, G::Dtmf, 10));
    EXPECT_EQ(data.GetDtmf(9), "9,0123");
    // Fields the paste fills in can make 99 copied characters longer: one record is kept.
    data.SetClipRecord(",0145000000,3,0,0,0,0,0," + std::string(65, '8') + ",,,,,,,0,,");
    ASSERT_GT(PastedRecord(data, G::Memory, 1).size(), 99u);
    ASSERT_TRUE(PasteIntoRow(data, G::Memory, 1));
    EXPECT_EQ(data.GetChannel(0), PastedRecord(data, G::Memory, 1).substr(0, 99));
}

TEST(CutDeleteCopy, ActOnTheRowsRecordButNeverOnVfoOrCall) {
    TRadioData data = Target("PX-A5", "AKF0", "49");
    data.SetChannel(4, kChannel);
    data.SetChannel(200, With(kChannel, 0, "L0"));
    data.SetDtmf(3, "3,12*#");
    EXPECT_EQ(RecordOfRow(data, G::Memory, 51), data.GetChannel(200));
    EXPECT_EQ(RecordOfRow(data, G::Call, 1), data.GetCall());
    EXPECT_EQ(RecordOfRow(data, G::Dtmf, 4), "3,12*#");
    EXPECT_EQ(CutRow(data, G::Vfo, 1), "");
    EXPECT_FALSE(DeleteRow(data, G::Call, 1));
    EXPECT_FALSE(DeleteRow(data, G::Memory, 0));
    EXPECT_FALSE(data.Changed);

    EXPECT_EQ(CutRow(data, G::Memory, 5), kChannel);
    EXPECT_EQ(data.GetChannel(4), "");
    EXPECT_TRUE(data.Changed);
    EXPECT_TRUE(DeleteRow(data, G::Dtmf, 4));
    EXPECT_TRUE(DeleteRow(data, G::Memory, 51));
    EXPECT_EQ(data.GetDtmf(3) + data.GetChannel(200), "");
}

TEST(LockOut, TogglesOnlyTheMarkOfChannelsThatHoldSomething) {
    TRadioData data = Target("PX-A5", "AKF0", "49");
    EXPECT_TRUE(LockOutAllowed(data, 1));
    EXPECT_TRUE(LockOutAllowed(data, 50));
    for (int row : {0, 51, 57, 58}) EXPECT_FALSE(LockOutAllowed(data, row)) << row;  // L0, PR, AL

    const std::string named = With(kChannel, 18, "A,B");
    data.SetChannel(2, named);
    ASSERT_TRUE(ToggleLockout(data, 3));
    EXPECT_EQ(data.GetChannel(2), With(named, 16, "0"));
    EXPECT_TRUE(data.Changed);
    ASSERT_TRUE(ToggleLockout(data, 3));
    EXPECT_EQ(data.GetChannel(2), With(named, 16, "1"));
    data.SetChannel(2, With(named, 16, "x"));
    ASSERT_TRUE(ToggleLockout(data, 3));
    EXPECT_EQ(data.GetChannel(2), With(named, 16, "0"));
    // A damaged record without the field gets it.
    data.SetChannel(2, "02,0145000000");
    ASSERT_TRUE(ToggleLockout(data, 3));
    EXPECT_EQ(data.GetChannel(2), "02,0145000000" + std::string(15, ',') + "0");

    data = Target("PX-A5", "AKF0", "49");
    data.SetChannel(1, "01,");
    EXPECT_FALSE(ToggleLockout(data, 2));
    EXPECT_FALSE(ToggleLockout(data, 58));
    EXPECT_EQ(data.GetChannel(1), "01,");
    EXPECT_FALSE(data.Changed);
}

}  // namespace
