#include "core/files/channelrows.h"

#include <gtest/gtest.h>

#include "core/files/copiedrows.h"
#include "core/model/channeltable.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"

namespace {

constexpr int kRv310America = 7;  // RV-310, 136-173 MHz, with names at 99 channels

TRadioData NewData(const char* count = "99") {
    TRadioData data;
    ApplyConfiguration(data, ModelCatalogue()[kRv310America], count);
    data.ApplyDefaultRecords();
    data.Changed = false;
    return data;
}

bool HasNote(const TCsvImport& import, const std::string& note) {
    return std::find(import.Notes.begin(), import.Notes.end(), note) != import.Notes.end();
}

// Spreadsheet rows go to the target rows in order, whatever their Location says; a comma
// inside a tab-separated field is no separator; rows left over when the targets run out
// are skipped, and a row holding only its Location empties its channel.
TEST(ChannelRows, PasteFillsTheTargetsInOrderAndSkipsTheRowsLeftOver) {
    TRadioData data = NewData();
    data.SetChannel(40, "040,0146000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,OLD");
    const TCsvImport import = PasteChannelRows(data,
                                               "Location\tName\tFrequency\tDuplex\tOffset\r\n"
                                               "9\tONE\t146.52\t\t\r\n"
                                               "\r\n"
                                               "3\tW1,AB\t146.94\t-\t0.6\r\n"
                                               "39\r\n"
                                               "4\tTHREE\t147.0\t+\t0.6\r\n",
                                               {98, 20, 40});
    EXPECT_EQ(import.Imported, 2);
    EXPECT_EQ(import.Emptied, 1);
    EXPECT_EQ(import.Skipped, 1);
    EXPECT_TRUE(HasNote(import, "Line 6: skipped, no channel left to paste into."))
        << CsvImportReport(import);
    EXPECT_TRUE(HasNote(import, "Line 4, channel 20: name \"W1,AB\" stored as \"W1AB\"."));
    EXPECT_EQ(TableCellText(data, 98, TTableColumn::Name), "ONE");
    EXPECT_EQ(TableCellText(data, 20, TTableColumn::Shift), "-");
    EXPECT_FALSE(IsTableRowUsed(data, 40));
    EXPECT_TRUE(data.Changed);
    EXPECT_EQ(ChannelPasteSummary(import),
              "2 channels pasted, 1 adjusted, 1 row skipped, 1 emptied.");
}

// Rows without a header line are taken in the columns Copy writes when every line has
// that shape, as other programs copy them; any other text changes nothing and the
// refusal names the first line that is no such row and what it lacks.
TEST(ChannelRows, RowsWithoutAHeaderAreTakenOnlyInTheColumnsCopyWrites) {
    struct TCase {
        const char* Text;
        const char* Refusal;  // a piece of it; empty when the rows are pasted
        int Imported;
    };
    const TCase cases[] = {
        {"1\tONE\t146.520000\t\t0.000000\tTone\t88.5\t88.5\t023\tNN\t023\tTone->Tone\tFM\t5.00\t\t"
         "50W\t\t\t\t\t\n2\t\t147.0\r\n",
         "", 2},
        {"\"3\"\t\"A\"\t146.1\n7\t\t\n", "", 1},
        {"146.52", "line 1 of the clipboard text has no tabs between its columns", 0},
        {"145.5\t146\n", "has 2 columns, fewer than Location, Name and Frequency", 0},
        {"1\tA\t146.5\n2\tB\tC\n", "line 2 of the clipboard text has no frequency in MHz", 0},
        {"x\tA\t146.5", "has no channel number in its first column", 0},
        {"1\tA\t146.5\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\tmore",
         "has 23 columns, more than the 21 Copy writes", 0},
        {"Name\tFreq\nA\t146.5\n", "line 1 of the clipboard text has 2 columns", 0},
        {"", "The clipboard holds no channel rows", 0},
    };
    TRadioData untouched = NewData();
    EXPECT_EQ(PasteChannelRows(untouched, std::string(2'000'000, '\t'), {5}).Problem,
              "The clipboard text is too long to be channel rows; nothing was pasted.");
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        TRadioData data = NewData();
        const TCsvImport import = PasteChannelRows(data, c.Text, {5, 6, 7});
        EXPECT_EQ(import.Imported, c.Imported) << CsvImportReport(import);
        if (*c.Refusal == '\0') {
            EXPECT_EQ(ChannelPasteFailure(import), "");
            continue;
        }
        EXPECT_NE(import.Problem.find(c.Refusal), std::string::npos) << import.Problem;
        EXPECT_TRUE(data.SameContents(NewData()));
    }
}

const char kChecked[] = "007,0145500000,3,1,1,0,1,0,08,12,000,00600000,1,1,0000000000,0,1,,CLUB";

// Rows copied in the program's own form keep every field, an empty row empties its
// channel, and whatever the target shows differently is noted cell by cell.
TEST(CopiedRows, KeepEveryFieldAndNoteWhatTheTargetChanged) {
    TRadioData source = NewData();
    source.SetChannel(7, kChecked);
    const std::optional<std::vector<TCopiedRow>> rows =
        CopiedRowsOf(CopiedRowsBytes(source, {7, 8, 7}));
    ASSERT_TRUE(rows);

    TRadioData same = NewData();
    same.SetChannel(31, kChecked);
    const TCsvImport kept = PasteCopiedRows(same, *rows, {30, 31, 105});
    EXPECT_EQ(kept.Imported, 2);
    EXPECT_EQ(kept.Emptied, 1);
    EXPECT_EQ(std::string(same.GetChannel(30)).substr(3), std::string(kChecked).substr(3));
    EXPECT_EQ(same.GetChannel(31), "");
    // The scan limit takes no lock-out.
    EXPECT_EQ(kept.Adjusted, 1);
    EXPECT_EQ(kept.Notes, std::vector<std::string>{"Channel U2: lock-out not kept."});

    TRadioData noNames = NewData("199");
    const TCsvImport dropped = PasteCopiedRows(noNames, *rows, {150});
    EXPECT_EQ(dropped.Skipped, 2);
    EXPECT_EQ(dropped.Notes,
              (std::vector<std::string>{"Channel 150: name \"CLUB\" not kept.",
                                        "Copied row 2: skipped, no channel left to paste into.",
                                        "Copied row 3: skipped, no channel left to paste into."}));
    EXPECT_EQ(TableCellText(noNames, 150, TTableColumn::Reverse), "Yes");
    EXPECT_EQ(TableCellText(noNames, 150, TTableColumn::BeatShift), "Yes");

    for (const std::string& bytes : {std::string("007,0145\x01\n"), std::string(100, '1') + "\n",
                                     std::string("007,0145"), std::string(210, '\n')}) {
        EXPECT_FALSE(CopiedRowsOf(bytes)) << bytes;
    }
}

}  // namespace
