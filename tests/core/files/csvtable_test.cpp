#include <gtest/gtest.h>

#include "core/files/csvtable.h"

namespace {

using TFields = std::vector<std::string>;

TEST(CsvTable, ReadsQuotedFieldsWithSeparatorsQuotesAndLineEnds) {
    const TCsvTable table = ParseCsvTable(
        "A,B,C\r\n"
        "1,\"x, y\",\"say \"\"hi\"\"\"\r\n"
        "2,\"two\nlines\",  padded  \r\n"
        "3,\"  kept  \",last\r\n");
    EXPECT_EQ(table.Header, (TFields{"A", "B", "C"}));
    ASSERT_EQ(table.Rows.size(), 3u);
    EXPECT_EQ(table.Rows[0].Fields, (TFields{"1", "x, y", "say \"hi\""}));
    EXPECT_EQ(table.Rows[1].Fields, (TFields{"2", "two\nlines", "padded"}));
    EXPECT_EQ(table.Rows[2].Fields, (TFields{"3", "  kept  ", "last"}));
    // A quoted line end does not throw the line numbers off.
    EXPECT_EQ(table.Rows[0].Line, 2);
    EXPECT_EQ(table.Rows[1].Line, 3);
    EXPECT_EQ(table.Rows[2].Line, 5);
}

TEST(CsvTable, SkipsMarkCommentsAndBlankLinesAndFindsTheSeparator) {
    const TCsvTable table = ParseCsvTable(
        "\xEF\xBB\xBF# exported list\n\nName;Frequency\n# comment\n\"A;B\";146.52\n  \nC;1");
    EXPECT_EQ(table.Header, (TFields{"Name", "Frequency"}));
    ASSERT_EQ(table.Rows.size(), 2u);
    EXPECT_EQ(table.Rows[0].Fields, (TFields{"A;B", "146.52"}));
    EXPECT_EQ(table.Rows[0].Line, 5);
    EXPECT_EQ(table.Rows[1].Line, 7);
    // A header with both keeps the comma.
    EXPECT_EQ(ParseCsvTable("A;1,B\nx,y").Rows[0].Fields, (TFields{"x", "y"}));
}

TEST(CsvTable, LooksColumnsUpByNameAndToleratesShortRows) {
    const TCsvTable table = ParseCsvTable("Location, frequency ,Name\n5\n");
    EXPECT_EQ(table.ColumnOf("Frequency"), 1);
    EXPECT_EQ(table.ColumnOf("Skip"), -1);
    ASSERT_EQ(table.Rows.size(), 1u);
    EXPECT_EQ(TCsvTable::FieldOf(table.Rows[0], 0), "5");
    EXPECT_EQ(TCsvTable::FieldOf(table.Rows[0], 2), "");
    EXPECT_EQ(TCsvTable::FieldOf(table.Rows[0], -1), "");
    EXPECT_TRUE(ParseCsvTable("").Header.empty());
    EXPECT_TRUE(ParseCsvTable("\xEF\xBB\xBF\r\n# only\r\n").Header.empty());
}

TEST(CsvTable, WritesLinesThatReadBackUnchanged) {
    const TFields fields{"plain", "a,b", "say \"x\"", "", "two\r\nlines"};
    const std::string line = CsvLine(fields);
    EXPECT_EQ(line, "plain,\"a,b\",\"say \"\"x\"\"\",,\"two\r\nlines\"\r\n");
    const TCsvTable table = ParseCsvTable(CsvLine({"1", "2", "3", "4", "5"}) + line);
    ASSERT_EQ(table.Rows.size(), 1u);
    EXPECT_EQ(table.Rows[0].Fields, fields);

    // Tab-separated, as spreadsheets copy rows: a comma is plain text, a tab is quoted.
    const TFields tabbed{"a,b", "tab\there", "say \"x\""};
    EXPECT_EQ(TabSeparatedLine(tabbed), "a,b\t\"tab\there\"\t\"say \"\"x\"\"\"\r\n");
    const TCsvTable rows =
        ParseCsvTable(TabSeparatedLine({"A", "B", "C"}) + TabSeparatedLine(tabbed));
    ASSERT_EQ(rows.Rows.size(), 1u);
    EXPECT_EQ(rows.Rows[0].Fields, tabbed);
}

TEST(CsvTable, CellsASpreadsheetWouldRunGetAnApostropheThatImportDropsAgain) {
    const struct {
        const char* Text;
        const char* Written;
    } cases[] = {
        {"=HYPERLINK(\"x\")", "'=HYPERLINK(\"x\")"},
        {"=1+2", "'=1+2"},
        {"+SUM(A1)", "'+SUM(A1)"},
        {"-2+3", "'-2+3"},
        {"@cmd", "'@cmd"},
        {"\tA", "'\tA"},
        {"\rA", "'\rA"},
        {"'=A", "''=A"},  // the name's own apostrophe survives the way back
        {"''@", "'''@"},
        {"'A", "'A"},
        {"A=B", "A=B"},
        {"'", "'"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NeutralisedCell(c.Text), c.Written) << c.Text;
        EXPECT_EQ(RestoredCell(c.Written), c.Text) << c.Text;
    }
}

TEST(CsvTable, FieldsAreShownWithoutControlCharactersAndCutShort) {
    const std::string forty(40, 'x');
    std::string bells;
    for (int i = 0; i < 40; ++i) bells += "<0x07>";
    const struct {
        std::string Field;
        std::string Shown;
    } cases[] = {
        {"plain", "plain"},
        {"\x1B[2J\x07", "<0x1B>[2J<0x07>"},
        {std::string("a\0b", 3), "a<0x00>b"},
        {"K\xC3\xB6ln", "K\xC3\xB6ln"},
        {"\xC2\x9B"
         "1m",
         "<U+009B>1m"},  // a C1 control
        {"ab\xE2\x80\xAE"
         "cd",
         "ab<U+202E>cd"},              // turns the text after it around
        {"\xFF\xC3", "<0xFF><0xC3>"},  // not UTF-8
        {"\xC0\xAF", "<0xC0><0xAF>"},  // overlong
        {forty, forty},
        {forty + "y", forty + "..."},
        {std::string(39, 'x') + "\xC3\xA9!", std::string(39, 'x') + "\xC3\xA9..."},
        {std::string(3 << 20, '\x07'), bells + "..."},
    };
    for (const auto& c : cases) EXPECT_EQ(ShownField(c.Field), c.Shown) << c.Shown;
}

}  // namespace
