#include "core/model/channelediting.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"

namespace {

// A data set configured like a catalogue row, with the given channel count.
TRadioData Configured(const char* model, const char* marketCode, const char* count) {
    TRadioData data;
    const int row = CatalogueRowOf(model, marketCode);
    EXPECT_GE(row, 0) << model << " " << marketCode;
    ApplyConfiguration(data, ModelCatalogue()[static_cast<size_t>(row)], count);
    return data;
}

// What a save of the untouched controls of a position would store.
TMemoryRecord SavedUntouched(const TRadioData& data, int position) {
    return BuildMemoryRecord(data, EditsOf(MemoryDisplayOf(data, position), position));
}

TMemoryEdits ExampleEdits() {
    TMemoryEdits edits;
    edits.Position = 5;
    edits.RxText = "145.000";
    edits.TxText = "145.000";
    edits.OffsetText = "0.60";
    edits.StepPosition = 4;  // 12.5 kHz on the RV-310
    edits.TxStepPosition = 4;
    edits.Shift = TShiftChoice::Minus;
    edits.Tone = TToneChoice::Ctcss;
    edits.TonePosition = 8;
    edits.CtcssPosition = 8;  // 88.5 Hz
    edits.DcsPosition = 0;
    edits.Name = "CLUB";
    return edits;
}

TEST(MemoryRecord, ExampleChannelIsStoredExactly) {
    const TRadioData data = Configured("RV-310", "MED", "99");
    const TMemoryRecord record = BuildMemoryRecord(data, ExampleEdits());
    EXPECT_EQ(record.Failure, TEditFailure::None);
    EXPECT_EQ(record.RecordIndex, 5);
    EXPECT_EQ(record.Text,
              "005,0145000000,3,2,0,0,1,0,08,08,000,00600000,0,0,0000000000,0,0,,CLUB");
    EXPECT_FALSE(record.Rounded);
}

// Records as this editor writes them must come back unchanged from loading and saving again.
TEST(MemoryRecord, WrittenRecordsSurviveLoadingAndSaving) {
    TRadioData data = Configured("PX-A7", "AEB0", "49");
    const char* const records[] = {
        "03,0433125000,6,1,1,1,0,0,12,08,000,01600000,0,1,0000000000,0,1,,REPEAT",
        "03,0431000000,6,0,0,0,0,1,08,08,101,00000000,1,0,0438500000,8,0,,",
        "03,0430025000,6,3,0,0,1,0,08,41,000,07600000,0,0,0000000000,0,0,,A-1/2 ",
    };
    for (const char* text : records) {
        data.SetChannel(3, text);
        EXPECT_EQ(SavedUntouched(data, 3).Text, text);
    }
}

struct TPositionCase {
    const char* Model;
    const char* MarketCode;
    const char* Count;
    int LastPosition;
    int Position;
    const char* Shown;  // in the channel number edit
    const char* Label;  // field 1 of the stored record
    int RecordIndex;
};

class EditorPositions : public ::testing::TestWithParam<TPositionCase> {};

TEST_P(EditorPositions, NumberLabelAndRecord) {
    const TPositionCase& c = GetParam();
    const TRadioData data = Configured(c.Model, c.MarketCode, c.Count);
    EXPECT_EQ(LastEditorPosition(data), c.LastPosition);
    EXPECT_EQ(ChannelNumberText(data, c.Position), c.Shown);
    EXPECT_EQ(LabelFieldText(data, c.Position), c.Label);
    EXPECT_EQ(MemoryDisplayOf(data, c.Position).RecordIndex, c.RecordIndex);
    EXPECT_TRUE(SavedUntouched(data, c.Position).Text.starts_with(std::string(c.Label) + ","));
}

INSTANTIATE_TEST_SUITE_P(
    ModelsAndCounts, EditorPositions,
    ::testing::Values(TPositionCase{"PX-A5", "AKF0", "49", 57, 7, "7", "07", 7},
                      TPositionCase{"PX-A5", "AKF0", "49", 57, 56, "PR", "PR", 206},
                      TPositionCase{"PX-A5", "AKF0", "49", 57, 57, "AL", "AL", 207},
                      TPositionCase{"PX-A5", "AEB0", "49", 56, 56, "PR", "PR", 206},
                      TPositionCase{"PX-A7", "AM70", "99", 106, 105, "U2", "U2", 205},
                      TPositionCase{"RV-310", "MKF", "199", 207, 7, "7", "007", 7},
                      TPositionCase{"RV-310", "MKF", "199", 207, 206, " PR", " PR", 206},
                      TPositionCase{"RV-310", "MKF", "199", 207, 207, " AL", " AL", 207},
                      TPositionCase{"RV-310", "MED", "99", 106, 101, " U0", " U0", 201}));

TEST(MemoryDisplay, OnlyANonZeroTransmitFrequencyLoadsAsSplit) {
    TRadioData data = Configured("RV-310", "MED", "99");
    const std::string head = "001,0145000000,3,2,0,0,0,0,08,08,000,00600000,0,0,";
    for (const char* tx : {"", "0000000000"}) {
        data.SetChannel(1, head + tx + ",,0,,");
        const TMemoryDisplay display = MemoryDisplayOf(data, 1);
        EXPECT_EQ(display.Shift, TShiftChoice::Minus) << "TxFreq '" << tx << "'";
        EXPECT_EQ(display.TxFrequency, "145.000");
        EXPECT_EQ(display.TxStepPosition, 4);
        EXPECT_TRUE(display.ReverseEnabled);
    }
    data.SetChannel(1, head + "0144500000,A,0,,");
    const TMemoryDisplay split = MemoryDisplayOf(data, 1);
    EXPECT_EQ(split.Shift, TShiftChoice::Split);
    EXPECT_EQ(split.TxFrequency, "144.500");
    EXPECT_EQ(split.TxStepPosition, 0);  // "2.5kHz"
    EXPECT_FALSE(split.ReverseEnabled);
}

TEST(MemoryDisplay, WeatherAlertHasItsDefaultsAndNoTones) {
    TRadioData data = Configured("PX-A5", "AKF0", "49");
    const TMemoryDisplay empty = MemoryDisplayOf(data, 57);
    EXPECT_EQ(empty.RxFrequency, "162.550");
    EXPECT_EQ(empty.Offset, "0.00");
    EXPECT_FALSE(empty.LockoutEnabled);

    data.SetChannel(207, "AL,0162400000,0,0,0,1,1,1,12,13,050,00000000,0,0,0000000000,0,1,,");
    const TMemoryDisplay display = MemoryDisplayOf(data, 57);
    EXPECT_FALSE(display.TonesEnabled);
    EXPECT_EQ(display.Tone, TToneChoice::None);
    EXPECT_FALSE(display.Lockout);
    EXPECT_EQ(SavedUntouched(data, 57).Text,
              "AL,0162400000,0,0,0,0,0,0,08,08,000,00000000,0,0,0000000000,0,0,,");
}

TEST(MemoryDisplay, TheLastToneFlagSetWins) {
    TRadioData data = Configured("PX-A7", "AEB0", "49");
    const std::string tail = ",12,20,030,01600000,0,0,0000000000,0,0,,";
    const std::pair<const char*, TToneChoice> cases[] = {{"1,0,1", TToneChoice::Dcs},
                                                         {"1,1,0", TToneChoice::Ctcss},
                                                         {"1,0,0", TToneChoice::Tone},
                                                         {"0,0,0", TToneChoice::None}};
    for (const auto& [flags, choice] : cases) {
        data.SetChannel(2, std::string("02,0430000000,6,0,0,") + flags + tail);
        const TMemoryDisplay display = MemoryDisplayOf(data, 2);
        EXPECT_EQ(display.Tone, choice) << flags;
        EXPECT_EQ(std::tuple(display.TonePosition, display.CtcssPosition, display.DcsPosition),
                  std::tuple(12, 20, 30));
    }
    // Indexes outside the lists read as the default tones.
    data.SetChannel(2, "02,0430000000,6,0,0,1,0,1,42,7,104" + tail.substr(10));
    const TMemoryDisplay damaged = MemoryDisplayOf(data, 2);
    EXPECT_EQ(std::tuple(damaged.TonePosition, damaged.CtcssPosition, damaged.DcsPosition),
              std::tuple(8, 8, 0));
}

TEST(MemoryDisplay, EmptyFieldsShowTheMarketDefaults) {
    TRadioData data = Configured("PX-A7", "AEB0", "49");
    data.SetChannel(4, "04,043000,,3,0,0,0,0,08,08,000,,0,0,,,0,,");
    const TMemoryDisplay display = MemoryDisplayOf(data, 4);
    EXPECT_EQ(display.RxFrequency, "430.000");
    EXPECT_EQ(display.StepPosition, 6);  // 25 kHz
    EXPECT_EQ(display.Offset, "1.60");
    EXPECT_TRUE(display.OffersMinus76);
    EXPECT_EQ(display.Shift, TShiftChoice::Minus76);

    data.SetChannel(4, "04,0430000000,Z,3,0,0,0,0,08,08,000,00500000,0,0,,,0,,");
    EXPECT_EQ(MemoryDisplayOf(data, 4).StepPosition, 6);  // a damaged code: the default step

    TRadioData small = Configured("PX-A5", "JJ10", "49");
    small.SetChannel(4, "04,0145000000,5,3,0,0,0,0,08,08,000,00600000,0,0,,,0,,");
    EXPECT_FALSE(MemoryDisplayOf(small, 4).OffersMinus76);
    EXPECT_EQ(MemoryDisplayOf(small, 4).Shift, TShiftChoice::Simplex);
}

TEST(MemoryRecord, RefusedTextsStoreNothing) {
    const TRadioData data = Configured("RV-310", "MED", "99");
    TMemoryEdits edits = ExampleEdits();
    edits.RxText = "144..5";
    edits.OffsetText = "0..6";
    EXPECT_EQ(BuildMemoryRecord(data, edits).Failure, TEditFailure::InvalidFrequency);
    EXPECT_EQ(BuildMemoryRecord(data, edits).Text, "");
    edits.RxText = "145";
    EXPECT_EQ(BuildMemoryRecord(data, edits).Failure, TEditFailure::InvalidOffset);
    // The hidden transmit edit is read too.
    edits.OffsetText = "0.6";
    edits.TxText = "1.4.4";
    EXPECT_EQ(BuildMemoryRecord(data, edits).Failure, TEditFailure::InvalidFrequency);
    EXPECT_EQ(NormaliseFrequencyTexts(data, edits).Failure, TEditFailure::InvalidFrequency);
}

TEST(MemoryRecord, FrequenciesAreFittedAndShownAgainOnEnter) {
    const TRadioData data = Configured("RV-310", "MED", "99");
    TMemoryEdits edits = ExampleEdits();
    edits.RxText = "145.003";
    edits.TxText = "150";
    edits.OffsetText = "0.67";
    edits.StepPosition = 1;  // 5 kHz
    const TNormalisedTexts texts = NormaliseFrequencyTexts(data, edits);
    EXPECT_EQ(texts.RxFrequency, "145.000");
    EXPECT_EQ(texts.TxFrequency, "145.000");  // not split: the receive frequency again
    EXPECT_EQ(texts.Offset, "0.65");
    EXPECT_TRUE(texts.Rounded);

    // Split: no offset, no shift, and the transmit frequency fitted on its own step.
    edits.RxText = "145";
    edits.Shift = TShiftChoice::Split;
    edits.TxText = "146.0125";
    edits.TxStepPosition = 1;
    const TMemoryRecord record = BuildMemoryRecord(data, edits);
    EXPECT_EQ(record.Text,
              "005,0145000000,0,0,0,0,1,0,08,08,000,00000000,0,0,0146010000,0,0,,CLUB");
    EXPECT_TRUE(record.Rounded);
}

// What a typed channel number gives: the position, or one of these.
constexpr int kPartial = -1;
constexpr int kInvalid = -2;

int Outcome(const TRadioData& data, const char* typed) {
    const TChannelEntry entry = InterpretChannelEntry(data, typed);
    switch (entry.Kind) {
        case TChannelEntryKind::Target:
            return entry.Position;
        case TChannelEntryKind::Partial:
            return kPartial;
        case TChannelEntryKind::Invalid:
            return kInvalid;
        default:
            return -3;
    }
}

void ExpectEntries(const TRadioData& data, std::vector<std::pair<const char*, int>> targets,
                   std::vector<const char*> partial, std::vector<const char*> invalid) {
    for (const auto& [typed, position] : targets) {
        EXPECT_EQ(Outcome(data, typed), position) << "'" << typed << "'";
    }
    for (const char* typed : partial) EXPECT_EQ(Outcome(data, typed), kPartial) << typed;
    for (const char* typed : invalid) EXPECT_EQ(Outcome(data, typed), kInvalid) << typed;
}

TEST(ChannelEntry, HandheldNumbersAndLabels) {
    const TRadioData data = Configured("PX-A5", "AKF0", "49");
    EXPECT_EQ(InterpretChannelEntry(data, "").Kind, TChannelEntryKind::Empty);
    ExpectEntries(data,
                  {{"0", 0},
                   {"007", 7},
                   {"49", 49},
                   {"L0", 50},
                   {"U2", 55},
                   {"PR", 56},
                   {"AL", 57},
                   {"l0", 50},
                   {"pr", 56}},
                  {"L", "P", "R", "A", "l"}, {"50", "LX", "L3", " L0", "1A"});
    ExpectEntries(Configured("PX-A5", "AEB0", "49"), {{"PR", 56}}, {"L"}, {"AL", "A"});
}

TEST(ChannelEntry, MobileLabelsWithOrWithoutTheirLeadingSpace) {
    // The space and the letters after it are typed one at a time like any label.
    ExpectEntries(Configured("RV-310", "MKF", "99"),
                  {{"99", 99},
                   {" L0", 100},
                   {" PR", 106},
                   {" AL", 107},
                   {"L0", 100},
                   {"PR", 106},
                   {"al", 107},
                   {" u2", 105}},
                  {"L", "P", "A", " ", " L", " P"}, {"100", " X", "  ", "PX"});
    ExpectEntries(Configured("RV-310", "MED", "199"), {{"199", 199}, {" U2", 205}}, {},
                  {" AL", " A"});
}

// The VFO and CALL records as every configuration starts: saving them untouched must give
// them back byte for byte, fields, empty fields and final commas included.
class DefaultRecordsOnFile : public ::testing::TestWithParam<size_t> {};

TEST_P(DefaultRecordsOnFile, SurviveLoadingAndSaving) {
    const TModelInfo& row = ModelCatalogue()[GetParam()];
    TRadioData data = Configured(row.Model, row.MarketCode, row.ChannelCount);
    data.ApplyDefaultRecords();
    TVfoEdits vfo;
    const TVfoDisplay vfoDisplay = VfoDisplayOf(data);
    static_cast<TChannelEdits&>(vfo) = ChannelEditsOf(vfoDisplay);
    vfo.PowerPosition = vfoDisplay.PowerPosition;
    const TBuiltRecord savedVfo = BuildVfoRecord(data, vfo);
    EXPECT_EQ(savedVfo.Text, data.GetVfo());
    EXPECT_FALSE(savedVfo.Rounded);
    const TBuiltRecord savedCall = BuildCallRecord(data, ChannelEditsOf(CallDisplayOf(data)));
    EXPECT_EQ(savedCall.Text, data.GetCall());
    EXPECT_FALSE(savedCall.Rounded);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, DefaultRecordsOnFile,
                         ::testing::Range<size_t>(0, kCatalogueRows));

TEST(CallRecord, OnlyAnEmptyFieldTakesADefault) {
    TRadioData data = Configured("RV-380", "MM2", "99");
    data.SetCall("0,,,0,0,0,0,1,08,08,000,,0,0,,,,,");
    const TChannelDisplay empty = CallDisplayOf(data);
    EXPECT_EQ(empty.RxFrequency, "430.000");
    EXPECT_EQ(empty.StepPosition, 6);
    EXPECT_EQ(empty.Offset, "5.00");
    EXPECT_EQ(empty.Tone, TToneChoice::Dcs);
    EXPECT_TRUE(empty.TonesEnabled);
    // Unlike a memory channel, a short frequency is shown as it is.
    data.SetCall("0,0430,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,,,");
    EXPECT_EQ(CallDisplayOf(data).RxFrequency, "0.00043");

    TRadioData europe = Configured("RV-310", "MED", "99");
    europe.SetCall("0,0145000000,3,0,0,0,0,0,08,08,000,,0,0,0000000000,0,,,");
    EXPECT_EQ(CallDisplayOf(europe).Offset, "0.60");
    TRadioData px = Configured("PX-A7", "AEB0", "49");
    px.SetCall("0,0435000000,6,0,0,0,0,0,08,08,000,,0,0,0000000000,0,,,");
    EXPECT_EQ(CallDisplayOf(px).Offset, "1.60");
}

TEST(VfoRecord, NeverLoadsAsSplitAndKeepsItsPowerField) {
    TRadioData data = Configured("PX-A5", "AKF0", "49");
    data.ApplyDefaultRecords();
    data.SetVfo("0,0146520000,0,2,1,0,1,0,08,12,000,00600000,0,1,0147000000,0,,2,");
    const TVfoDisplay display = VfoDisplayOf(data);
    EXPECT_EQ(display.Shift, TShiftChoice::Minus);
    EXPECT_EQ(display.PowerPosition, 2);
    TVfoEdits edits;
    static_cast<TChannelEdits&>(edits) = ChannelEditsOf(display);
    edits.PowerPosition = display.PowerPosition;
    EXPECT_EQ(BuildVfoRecord(data, edits).Text,
              "0,0146520000,0,2,1,0,1,0,08,12,000,00600000,0,1,,,,2,");
}

TEST(VfoRecord, FrequencyIsHeldInsideTheProgrammableRange) {
    TRadioData data = Configured("RV-310", "MMB", "99");
    data.SetProgramVfo("0144,0145");
    TVfoEdits edits;
    edits.RxText = edits.TxText = "146.000";
    edits.OffsetText = "0.6";
    edits.StepPosition = 1;  // 5 kHz on the RV-310
    const TBuiltRecord record = BuildVfoRecord(data, edits);
    EXPECT_EQ(record.Text.substr(0, 14), "0,0145995000,0");
    EXPECT_TRUE(record.Rounded);
    EXPECT_EQ(NormaliseVfoTexts(data, edits).RxFrequency, "145.995");
    // The band itself would have taken 146 MHz as it is.
    EXPECT_EQ(NormaliseFrequencyTexts(data, edits).RxFrequency, "146.000");
    edits.OffsetText = "1..0";
    EXPECT_EQ(BuildVfoRecord(data, edits).Failure, TEditFailure::InvalidOffset);
}

TEST(VfoPower, ListPositionsAndCodes) {
    const TRadioData handheld = Configured("PX-A7", "JJ10", "49");
    const TRadioData mobile = Configured("RV-350", "MC0", "99");
    EXPECT_EQ(PowerListTexts(handheld), (std::vector<std::string>{"High", "Mid", "Low"}));
    EXPECT_EQ(PowerListTexts(mobile), (std::vector<std::string>{"High", "Low"}));
    const std::tuple<const char*, int, int> stored[] = {{"", 0, 0},  {"0", 0, 0}, {"1", 1, 1},
                                                        {"2", 2, 1}, {"3", 0, 0}, {"7", 0, 0}};
    for (const auto& [code, onHandheld, onMobile] : stored) {
        EXPECT_EQ(PowerPositionOf(handheld, code), onHandheld) << "'" << code << "'";
        EXPECT_EQ(PowerPositionOf(mobile, code), onMobile) << "'" << code << "'";
    }
    EXPECT_EQ(
        std::string({PowerCodeOf(handheld, 0), PowerCodeOf(handheld, 1), PowerCodeOf(handheld, 2)}),
        "012");
    EXPECT_EQ(std::string({PowerCodeOf(mobile, 0), PowerCodeOf(mobile, 1)}), "02");
}

TEST(ProgramVfoRange, TypedEndsAreHeldInTheBandAndInOrder) {
    const TRadioData data = Configured("RV-310", "MMB", "99");  // 144 to 147 MHz
    using R = TRangeTexts;
    EXPECT_EQ(LowerRangeTyped(data, R{"140", "147"}), (R{"144", "147"}));
    EXPECT_EQ(LowerRangeTyped(data, R{"150", "147"}), (R{"147", "147"}));
    EXPECT_EQ(LowerRangeTyped(data, R{"146", "145"}), (R{"146", "146"}));
    EXPECT_EQ(LowerRangeTyped(data, R{"146", ""}), (R{"146", "146"}));
    EXPECT_EQ(LowerRangeTyped(data, R{"14", "145"}), (R{"14", "145"}));  // still typing
    EXPECT_EQ(LowerRangeTyped(data, R{"0", "145"}), (R{"", "145"}));
    EXPECT_EQ(LowerRangeTyped(data, R{"14.", "145"}), (R{"144", "145"}));

    EXPECT_EQ(UpperRangeTyped(data, R{"144", "150"}), (R{"144", "147"}));
    EXPECT_EQ(UpperRangeTyped(data, R{"146", "145"}), (R{"145", "145"}));
    EXPECT_EQ(UpperRangeTyped(data, R{"1", "146"}), (R{"144", "146"}));
    EXPECT_EQ(UpperRangeTyped(data, R{"145", "100"}), (R{"144", "144"}));
    EXPECT_EQ(UpperRangeTyped(data, R{"145", "0"}), (R{"145", ""}));
}

TEST(ProgramVfoRange, UnfinishedEndsBecomeTheBandEdges) {
    const TRadioData data = Configured("PX-A5", "AKF0", "49");  // 136 to 173 MHz
    EXPECT_EQ(CompletedRange(data, {"", "145"}), (TRangeTexts{"136", "145"}));
    // Both ends are judged as typed: a short upper end is not pulled down to the lower one.
    EXPECT_EQ(CompletedRange(data, {"14", "15"}), (TRangeTexts{"136", "173"}));
    EXPECT_EQ(ProgramVfoText(CompletedRange(data, {"150", ""})), "0150,0173");

    TRadioData stored = data;
    stored.SetProgramVfo("0000,0160");
    const TVfoDisplay display = VfoDisplayOf(stored);
    EXPECT_EQ(display.LowerLimit, "");
    EXPECT_EQ(display.UpperLimit, "160");
}

TEST(DtmfEntry, CodesAndWrapping) {
    TRadioData data;
    data.SetDtmf(2, "2,*0#");
    EXPECT_EQ(DtmfCodeOf(data, 2), "*0#");
    EXPECT_EQ(DtmfCodeOf(data, 3), "");
    EXPECT_EQ(DtmfEntryText(4, ""), "4,");
    EXPECT_EQ(WrappedDtmfEntry(10), 0);
    EXPECT_EQ(WrappedDtmfEntry(-1), 9);
    for (char c : std::string("0123456789ABCD*# ")) EXPECT_TRUE(IsDtmfCharacter(c)) << c;
    for (char c : std::string("Ea,-/")) EXPECT_FALSE(IsDtmfCharacter(c)) << c;
}

}  // namespace
