#include "core/model/channeltable.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/model/channelediting.h"
#include "core/model/frequencyrules.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"

namespace {

using TColumn = TTableColumn;

struct TConfig {
    const char* Model;
    const char* MarketCode;
    const char* Count;
};
// A 144 MHz handheld of the market with the AL entry (its row 57), with names.
constexpr TConfig kHandheld{"PX-A5", "AKF0", "49"};
// A 430 MHz handheld of the market with the -7.6 MHz shift.
constexpr TConfig kEuropean{"PX-A7", "AEB0", "49"};
// A mobile with the larger count: no names, L0 is row 200 and PR row 206.
constexpr TConfig kMobile{"RV-310", "MED", "199"};

TRadioData Configured(const TConfig& config) {
    TRadioData data;
    const int row = CatalogueRowOf(config.Model, config.MarketCode);
    EXPECT_GE(row, 0) << config.Model;
    ApplyConfiguration(data, ModelCatalogue()[static_cast<size_t>(row)], config.Count);
    return data;
}

// Records as the editor writes them: repeater with a tone, split, CTCSS with reverse, DCS.
constexpr char kToneRecord[] =
    "03,0146940000,0,2,0,1,0,0,12,08,000,00600000,0,0,0000000000,0,0,,RPT";
constexpr char kSplitRecord[] = "03,0145000000,0,0,0,0,0,0,08,08,000,00000000,0,0,0146500000,0,0,,";
constexpr char kCtcssRecord[] = "03,0147000000,3,1,1,0,1,0,08,20,000,00600000,0,0,0000000000,0,1,,";
constexpr char kDcsRecord[] = "03,0145500000,0,0,0,0,0,1,08,08,103,00600000,1,1,0000000000,0,0,,";

struct TEditCase {
    TConfig Config;
    int Row;
    const char* Stored;  // at the row's record; empty for an unused row
    TColumn Column;
    const char* Typed;
    // The control changed by hand in the editor loaded with the row.
    std::function<void(TMemoryEdits&)> Change;
    bool Rounded = false;
};

// A cell's edit stores exactly what the memory editor stores with that control changed.
TEST(ChannelTableEdit, AgreesWithTheMemoryEditor) {
    const TEditCase cases[] = {
        {kHandheld, 3, "", TColumn::RxFrequency, "146.52", [](auto& e) { e.RxText = "146.52"; }},
        {kHandheld, 3, kToneRecord, TColumn::RxFrequency, " 147.0 ",
         [](auto& e) { e.RxText = "147.0"; }},
        {kHandheld, 3, kToneRecord, TColumn::RxFrequency, "146.523",
         [](auto& e) { e.RxText = "146.523"; }, true},
        {kHandheld, 3, kToneRecord, TColumn::Shift, "+",
         [](auto& e) { e.Shift = TShiftChoice::Plus; }},
        {kHandheld, 3, kCtcssRecord, TColumn::Shift, "split",
         [](auto& e) { e.Shift = TShiftChoice::Split, e.Reverse = false; }},
        {kEuropean, 3, "", TColumn::Shift, "-7.6MHz",
         [](auto& e) { e.Shift = TShiftChoice::Minus76; }},
        {kHandheld, 3, kToneRecord, TColumn::OffsetOrTx, "1.0",
         [](auto& e) { e.OffsetText = "1.0"; }},
        {kHandheld, 3, kSplitRecord, TColumn::OffsetOrTx, "147.3",
         [](auto& e) { e.TxText = "147.3"; }},
        {kHandheld, 3, kToneRecord, TColumn::ToneMode, "ctcss",
         [](auto& e) { e.Tone = TToneChoice::Ctcss; }},
        {kHandheld, 3, kToneRecord, TColumn::ToneFrequency, "100.0Hz",
         [](auto& e) { e.TonePosition = 12; }},
        {kHandheld, 3, kCtcssRecord, TColumn::ToneFrequency, "254.1",
         [](auto& e) { e.CtcssPosition = 41; }},
        {kHandheld, 3, kDcsRecord, TColumn::DcsCode, "023", [](auto& e) { e.DcsPosition = 0; }},
        {kHandheld, 3, kToneRecord, TColumn::Step, "10kHz", [](auto& e) { e.StepPosition = 2; }},
        {kMobile, 3, kToneRecord, TColumn::Step, "2.5kHz", [](auto& e) { e.StepPosition = 0; }},
        {kHandheld, 3, kToneRecord, TColumn::Reverse, "Yes", [](auto& e) { e.Reverse = true; }},
        {kHandheld, 3, kCtcssRecord, TColumn::Reverse, "", [](auto& e) { e.Reverse = false; }},
        {kHandheld, 3, kToneRecord, TColumn::Lockout, "1", [](auto& e) { e.Lockout = true; }},
        {kHandheld, 3, kToneRecord, TColumn::Name, "club-1", [](auto& e) { e.Name = "CLUB-1"; }},
        // The last numbered channel of the larger count, and the special rows.
        {kMobile, 199, "", TColumn::RxFrequency, "145.013", [](auto& e) { e.RxText = "145.013"; },
         true},
        {kMobile, 200, "", TColumn::RxFrequency, "144.5", [](auto& e) { e.RxText = "144.5"; }},
        {kMobile, 206, "", TColumn::Narrow, "y", [](auto& e) { e.Narrow = true; }},
        {kHandheld, 57, "", TColumn::RxFrequency, "162.4", [](auto& e) { e.RxText = "162.4"; }},
        {kHandheld, 50, "", TColumn::Step, "25kHz", [](auto& e) { e.StepPosition = 6; }},
    };
    for (const TEditCase& c : cases) {
        SCOPED_TRACE(std::string(c.Config.Model) + " row " + std::to_string(c.Row) + " \"" +
                     c.Typed + "\" over " + c.Stored);
        TRadioData data = Configured(c.Config);
        data.SetChannel(data.RecordIndexOfPosition(c.Row), c.Stored);
        TMemoryEdits edits = EditsOf(MemoryDisplayOf(data, c.Row), c.Row);
        c.Change(edits);
        const TMemoryRecord expected = BuildMemoryRecord(data, edits);
        ASSERT_EQ(expected.Failure, TEditFailure::None);

        const TTableEdit edit = EditTableCell(data, c.Row, c.Column, c.Typed);
        EXPECT_EQ(edit.Refusal, "");
        EXPECT_EQ(edit.RecordIndex, expected.RecordIndex);
        EXPECT_EQ(edit.Record, expected.Text);
        EXPECT_EQ(edit.Note, c.Rounded ? kRoundedMessage : "");
    }
}

TEST(ChannelTableEdit, AFrequencyInAnEmptyRowCreatesTheChannelWithTheEditorsDefaults) {
    TRadioData data = Configured(kMobile);
    data.Changed = false;
    const TTableEdit edit = EditTableCell(data, 7, TColumn::RxFrequency, "145.5");
    StoreTableEdit(data, edit);
    EXPECT_TRUE(data.Changed);
    EXPECT_EQ(data.GetChannel(7),
              "007,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,");
    EXPECT_EQ(TableCellText(data, 7, TColumn::Step), "12.5kHz");
}

TEST(ChannelTableEdit, RefusalsStoreNothing) {
    const struct {
        TConfig Config;
        int Row;
        const char* Stored;
        TColumn Column;
        const char* Typed;
        std::string Refusal;
        bool Editable = true;  // a cell that takes other values
    } cases[] = {
        {kHandheld, 3, kToneRecord, TColumn::RxFrequency, "144..5", kInvalidFrequencyMessage},
        {kHandheld, 3, kToneRecord, TColumn::RxFrequency, "145.5a", kInvalidFrequencyMessage},
        {kHandheld, 3, kToneRecord, TColumn::OffsetOrTx, "0..6", kInvalidOffsetMessage},
        {kHandheld, 3, kSplitRecord, TColumn::OffsetOrTx, "1.4.4", kInvalidFrequencyMessage},
        {kHandheld, 3, kToneRecord, TColumn::Shift, "-7.6MHz",
         "\"-7.6MHz\" is not one of the choices."},
        {kHandheld, 3, kToneRecord, TColumn::ToneFrequency, "88.6",
         "\"88.6\" is not one of the choices."},
        {kHandheld, 3, kDcsRecord, TColumn::ToneFrequency, "88.5",
         "Choose Tone or CTCSS as the tone mode first."},
        {kHandheld, 3, kToneRecord, TColumn::DcsCode, "023", "Choose DCS as the tone mode first."},
        {kHandheld, 3, kToneRecord, TColumn::Narrow, "maybe", "Type Yes or No."},
        {kHandheld, 3, kToneRecord, TColumn::Name, "AB_C",
         "A memory name takes only the letters A to Z, the digits 0 to 9, the space, \"-\" and "
         "\"/\"."},
        {kHandheld, 3, kToneRecord, TColumn::Name, "ABCDEFG",
         "A memory name holds at most 6 characters."},
        {kMobile, 3, kToneRecord, TColumn::Name, "A",
         "There are no memory names with 199 channels.", false},
        {kHandheld, 3, kToneRecord, TColumn::Channel, "04", "The channel label cannot be changed.",
         false},
        {kHandheld, 3, kSplitRecord, TColumn::Reverse, "Yes", "A split channel has no reverse.",
         false},
        {kMobile, 206, kToneRecord, TColumn::Lockout, "Yes",
         "Only the numbered channels can be locked out.", false},
        {kHandheld, 57, "", TColumn::ToneMode, "Tone", "The weather alert channel has no tones.",
         false},
        {kHandheld, 58, "", TColumn::RxFrequency, "145", "There is no such row.", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Config.Model) + " row " + std::to_string(c.Row) + " \"" +
                     c.Typed + "\"");
        TRadioData data = Configured(c.Config);
        if (c.Row < TableRowCount(data))
            data.SetChannel(data.RecordIndexOfPosition(c.Row), c.Stored);
        const TRadioData before = data;
        const TTableEdit edit = EditTableCell(data, c.Row, c.Column, c.Typed);
        EXPECT_EQ(edit.Refusal, c.Refusal);
        EXPECT_EQ(edit.Record, "");
        StoreTableEdit(data, edit);
        EXPECT_TRUE(data.SameContents(before));
        EXPECT_FALSE(data.Changed);
        EXPECT_EQ(IsTableCellEditable(data, c.Row, c.Column), c.Editable);
    }
}

TEST(ChannelTableCells, ShowTheEditorsValuesOfUsedRowsOnly) {
    TRadioData data = Configured(kHandheld);
    data.SetChannel(3, kCtcssRecord);
    data.SetChannel(4, kSplitRecord);
    data.SetChannel(5, kDcsRecord);
    const struct {
        int Row;
        TColumn Column;
        const char* Text;
    } cases[] = {
        {3, TColumn::Channel, "03"},     {3, TColumn::RxFrequency, "147.000"},
        {3, TColumn::Shift, "+"},        {3, TColumn::OffsetOrTx, "0.60"},
        {3, TColumn::ToneMode, "CTCSS"}, {3, TColumn::ToneFrequency, "131.8Hz"},
        {4, TColumn::Shift, "Split"},    {4, TColumn::OffsetOrTx, "146.500"},
        {4, TColumn::ToneFrequency, ""}, {5, TColumn::DcsCode, "754"},
        {3, TColumn::Step, "12.5kHz"},   {3, TColumn::Reverse, "Yes"},
        {3, TColumn::Lockout, "Yes"},    {5, TColumn::BeatShift, "Yes"},
        {6, TColumn::Channel, "06"},     {6, TColumn::RxFrequency, ""},
        {6, TColumn::Shift, ""},         {50, TColumn::Channel, "L0"},
        {56, TColumn::Channel, "PR"},    {57, TColumn::Channel, "AL"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TableCellText(data, c.Row, c.Column), c.Text)
            << "row " << c.Row << " column " << TableColumnTitle(c.Column);
    }
    EXPECT_EQ(TableRowCount(data), 58);
    const TRadioData mobile = Configured(kMobile);
    EXPECT_EQ(TableRowCount(mobile), 207);
    EXPECT_EQ(TableCellText(mobile, 200, TColumn::Channel), " L0");
    EXPECT_EQ(TableCellText(mobile, 9, TColumn::Channel), "009");
}

// Numbered channels 1, 2 and 4 used, each with its frequency's kHz as name ("1", "2", "4").
TRadioData WithChannels(const TConfig& config, std::initializer_list<int> channels) {
    TRadioData data = Configured(config);
    for (const int channel : channels) {
        const std::string mhz = "14" + std::to_string(5 + channel % 3);
        StoreTableEdit(data, EditTableCell(data, channel, TColumn::RxFrequency, mhz));
        StoreTableEdit(data, EditTableCell(data, channel, TColumn::Name, std::to_string(channel)));
    }
    data.Changed = false;
    return data;
}

// The name of each numbered channel from 0 to `last`, "-" for an empty one.
std::string Names(const TRadioData& data, int last) {
    std::string names;
    for (int row = 0; row <= last; ++row) {
        names += IsTableRowUsed(data, row) ? TableCellText(data, row, TColumn::Name) : "-";
    }
    return names;
}

TEST(ChannelTableRows, InsertMovesTheChannelsBelowDownWithTheirLabels) {
    TRadioData data = WithChannels(kHandheld, {1, 2, 4});
    ASSERT_TRUE(InsertEmptyChannel(data, 2));
    EXPECT_TRUE(data.Changed);
    EXPECT_EQ(Names(data, 5), "-1-2-4");
    EXPECT_EQ(data.GetChannel(3).substr(0, 3), "03,");
    EXPECT_EQ(data.GetChannel(5).substr(0, 3), "05,");

    // Refused, and nothing changed, when the last channel is in use or the row is special.
    TRadioData full = WithChannels(kMobile, {1, 199});
    const TRadioData before = full;
    EXPECT_FALSE(InsertEmptyChannel(full, 1));
    TRadioData empty = WithChannels(kMobile, {});
    EXPECT_FALSE(InsertEmptyChannel(empty, 200));
    EXPECT_FALSE(InsertEmptyChannel(full, -1));
    EXPECT_TRUE(full.SameContents(before));
    EXPECT_FALSE(full.Changed);
}

TEST(ChannelTableRows, MoveTakesTheRowsOnePlaceAndTheRowsPassedOverTheFreedPlaces) {
    const struct {
        std::vector<int> Rows;
        int Direction;
        bool Moved;
        const char* Names;  // channels 0..5 after the move
    } cases[] = {
        {{1, 2}, -1, true, "12--4-"}, {{1, 2}, +1, true, "--124-"},    {{2, 4}, +1, true, "-1-2-4"},
        {{2, 4}, -1, true, "-214--"}, {{4, 2, 4}, -1, true, "-214--"}, {{0}, -1, false, "-12-4-"},
        {{49}, +1, false, "-12-4-"},  {{1, 49}, +1, false, "-12-4-"},  {{50}, -1, false, "-12-4-"},
        {{}, +1, false, "-12-4-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.Rows) + " by " + std::to_string(c.Direction));
        TRadioData data = WithChannels(kHandheld, {1, 2, 4});
        EXPECT_EQ(MoveChannels(data, c.Rows, c.Direction), c.Moved);
        EXPECT_EQ(Names(data, 5), c.Names);
        EXPECT_EQ(data.Changed, c.Moved);
        for (int row = 0; row <= 5; ++row) {
            if (!IsTableRowUsed(data, row)) continue;
            EXPECT_EQ(data.GetChannel(row).substr(0, 3), "0" + std::to_string(row) + ",");
        }
    }
}

TEST(ChannelTableRows, DeleteAndLockOutFollowTheGridsRules) {
    TRadioData data = WithChannels(kHandheld, {1, 2, 4});
    StoreTableEdit(data, EditTableCell(data, 56, TColumn::RxFrequency, "145"));
    data.SetChannel(4, data.GetChannel(4).substr(0, data.GetChannel(4).find(",0,,4")) + ",,,4");
    EXPECT_EQ(SetChannelsLockout(data, {1, 3, 4, 56}, true), 2);  // not the empty 3 nor PR
    EXPECT_EQ(TableCellText(data, 4, TColumn::Lockout), "Yes");   // a damaged mark is set too
    EXPECT_EQ(SetChannelsLockout(data, {1, 2}, true), 1);
    EXPECT_EQ(SetChannelsLockout(data, {1, 2, 4}, false), 3);
    EXPECT_EQ(TableCellText(data, 2, TColumn::Lockout), "");

    EXPECT_EQ(DeleteChannels(data, {2, 3, 56}), 2);
    EXPECT_TRUE(data.Changed);
    EXPECT_FALSE(IsTableRowUsed(data, 56));
    EXPECT_EQ(Names(data, 4), "-1--4");
}

TEST(ChannelTableRows, FillDownTypesTheFirstCellIntoTheOtherUsedRows) {
    TRadioData data = WithChannels(kHandheld, {1, 2, 4});
    StoreTableEdit(data, EditTableCell(data, 1, TColumn::Step, "12.5kHz"));
    StoreTableEdit(data, EditTableCell(data, 2, TColumn::Step, "25kHz"));
    StoreTableEdit(data, EditTableCell(data, 4, TColumn::Step, "6.25kHz"));
    StoreTableEdit(data, EditTableCell(data, 1, TColumn::RxFrequency, "146.0125"));
    const TFillDownReport rounded = FillDown(data, {1, 2, 3, 4}, TColumn::RxFrequency);
    EXPECT_EQ(rounded.Lines,
              (std::vector<std::string>{std::string("Channel 02: ") + kRoundedMessage}));
    EXPECT_EQ(rounded.Refused, 0);
    EXPECT_EQ(TableCellText(data, 2, TColumn::RxFrequency), "146.000");
    EXPECT_EQ(TableCellText(data, 4, TColumn::RxFrequency), "146.0125");
    EXPECT_FALSE(IsTableRowUsed(data, 3));

    StoreTableEdit(data, EditTableCell(data, 1, TColumn::ToneMode, "Tone"));
    StoreTableEdit(data, EditTableCell(data, 1, TColumn::ToneFrequency, "100.0Hz"));
    StoreTableEdit(data, EditTableCell(data, 4, TColumn::ToneMode, "CTCSS"));
    const TFillDownReport refused = FillDown(data, {1, 2, 4}, TColumn::ToneFrequency);
    EXPECT_EQ(
        refused.Lines,
        (std::vector<std::string>{"Channel 02: Choose Tone or CTCSS as the tone mode first."}));
    EXPECT_EQ(refused.Refused, 1);
    EXPECT_EQ(TableCellText(data, 4, TColumn::ToneFrequency), "100.0Hz");
    const TFillDownReport empty = FillDown(data, {3, 4}, TColumn::Name);
    EXPECT_EQ(empty.Lines, (std::vector<std::string>{"Channel 03: empty, nothing to fill down."}));
    EXPECT_EQ(empty.Refused, 1);
}

TEST(ChannelTableRows, FilterMatchesLabelNameFrequencyAndBand) {
    TRadioData data = WithChannels(kEuropean, {});
    const std::pair<int, const char*> channels[] = {{1, "431.5"}, {2, "438.025"}, {3, "439.9"}};
    for (const auto& [row, frequency] : channels) {
        StoreTableEdit(data, EditTableCell(data, row, TColumn::RxFrequency, frequency));
    }
    StoreTableEdit(data, EditTableCell(data, 2, TColumn::Name, "club"));
    const struct {
        const char* Filter;
        bool UsedOnly;
        const char* Rows;  // the matching rows of 0..5
    } cases[] = {
        {"", false, "012345"},      {"", true, "123"},        {"Clu", false, "2"},
        {"438.0", false, "2"},      {"430-438", false, "12"}, {"439", true, "3"},
        {" 431 - 431 ", true, "1"}, {"05", false, "5"},       {"440-450", true, ""},
    };
    for (const auto& c : cases) {
        std::string rows;
        for (int row = 0; row <= 5; ++row) {
            if (TableRowMatches(data, row, c.Filter, c.UsedOnly)) rows += std::to_string(row);
        }
        EXPECT_EQ(rows, c.Rows) << "\"" << c.Filter << "\"";
    }
    EXPECT_TRUE(TableRowMatches(data, 50, "l0", false));
}

}  // namespace
