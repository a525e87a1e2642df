#include "core/files/channelrows.h"

#include <gtest/gtest.h>

#include "core/model/channeltable.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"

namespace {

constexpr int kRv310America = 7;  // RV-310, 136-173 MHz, with names at 99 channels

TRadioData NewData() {
    TRadioData data;
    ApplyConfiguration(data, ModelCatalogue()[kRv310America], "99");
    data.ApplyDefaultRecords();
    data.Changed = false;
    return data;
}

bool HasNote(const TCsvImport& import, const std::string& note) {
    return std::find(import.Notes.begin(), import.Notes.end(), note) != import.Notes.end();
}

// Spreadsheet rows go to the channels from the first row on, whatever their Location says;
// a comma inside a tab-separated field is no separator; rows past the last channel are skipped.
TEST(ChannelRows, PasteNumbersTheLinesFromTheFirstRowAndSkipsThosePastTheEnd) {
    TRadioData data = NewData();
    const TCsvImport import = PasteChannelRows(data,
                                               "Location\tName\tFrequency\tDuplex\tOffset\r\n"
                                               "9\tONE\t146.52\t\t\r\n"
                                               "\r\n"
                                               "3\tW1,AB\t146.94\t-\t0.6\r\n"
                                               "4\tTHREE\t147.0\t+\t0.6\r\n",
                                               98);
    EXPECT_EQ(import.Imported, 2);
    EXPECT_EQ(import.Skipped, 1);
    EXPECT_TRUE(HasNote(import, "Line 5: skipped, location 100 is beyond the last channel (99)."))
        << CsvImportReport(import);
    EXPECT_TRUE(HasNote(import, "Line 4, channel 99: name \"W1,AB\" stored as \"W1AB\"."));
    EXPECT_EQ(TableCellText(data, 98, TTableColumn::Name), "ONE");
    EXPECT_EQ(TableCellText(data, 98, TTableColumn::RxFrequency), "146.520");
    EXPECT_EQ(TableCellText(data, 99, TTableColumn::Shift), "-");
    EXPECT_FALSE(IsTableRowUsed(data, 9));
    EXPECT_TRUE(data.Changed);
}

TEST(ChannelRows, CommaSeparatedRowsWithoutLocationsAndTextsThatAreNoRows) {
    TRadioData data = NewData();
    const TCsvImport import = PasteChannelRows(data, "Frequency,Name\n145.5,\"A-1\"\n146,B\n", 5);
    EXPECT_EQ(import.Imported, 2);
    EXPECT_EQ(TableCellText(data, 5, TTableColumn::Name), "A-1");
    EXPECT_EQ(TableCellText(data, 6, TTableColumn::RxFrequency), "146.000");

    TRadioData untouched = NewData();
    EXPECT_FALSE(PasteChannelRows(untouched, "145.5\t146\n", 0).Problem.empty());
    EXPECT_TRUE(untouched.SameContents(NewData()));

    const std::pair<const char*, bool> texts[] = {
        {"Location\tFrequency\n1\t145.5", true},
        {"Name,frequency", true},
        {"# list\n\n\"Frequency\"\t\"Name\"", true},
        {"145.5\t146", false},
        {"", false},
        {"Frequency list: 145.5", false},
    };
    for (const auto& [text, rows] : texts) EXPECT_EQ(LooksLikeChannelRows(text), rows) << text;
}

}  // namespace
