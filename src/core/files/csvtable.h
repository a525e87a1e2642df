#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated tables as other programs write them: a header line naming
// the columns, then one row per line. Texts are UTF-8.
struct TCsvRow {
    int Line = 0;  // line number in the file, from 1
    std::vector<std::string> Fields;
};

struct TCsvTable {
    std::vector<std::string> Header;
    std::vector<TCsvRow> Rows;

    // The column of a header name (compared without regard to case and
    // surrounding blanks), or -1.
    int ColumnOf(std::string_view name) const;
    // A row's field of a column; empty when the column is -1 or the row is short.
    static std::string FieldOf(const TCsvRow& row, int column);
};

// Reads a table: a UTF-8 byte-order mark is dropped, lines end in LF or CR LF,
// fields may be quoted ("" inside quotes is one quote, and a quoted field may
// span lines), lines starting with '#' and blank lines are skipped. The first
// remaining line is the header; ';' separates the fields when the header holds
// a ';' and no ',', a tab when it holds neither but a tab (rows a spreadsheet copied).
TCsvTable ParseCsvTable(std::string_view text);

// One line of fields, each quoted only when it holds a comma, a quote, CR or
// LF, ended with CR LF.
std::string CsvLine(const std::vector<std::string>& fields);
// The same with tabs between the fields, as spreadsheets put rows on the clipboard; a field
// is quoted when it holds a tab, a quote, CR or LF.
std::string TabSeparatedLine(const std::vector<std::string>& fields);

// Spreadsheets run a cell as a formula when its text starts with '=', '+', '-', '@', a tab
// or a carriage return, and names come from opened files and radio replies, not only from
// the editor. Such a text cell leaves with a leading apostrophe, so it stays text; so does
// one that starts with apostrophes and then such a character, so that RestoredCell can
// tell the added apostrophe from one of the name's own.
std::string NeutralisedCell(std::string_view text);
// The text NeutralisedCell was given: drops the one apostrophe it added, and nothing else.
std::string RestoredCell(std::string_view text);

// A field taken from a file as a message shows it: control characters, characters that
// turn text around and bytes that are not UTF-8 made visible ("<0x1B>", "<U+202E>"), and
// cut after kShownFieldCharacters characters with "...", so neither a terminal nor a
// report dialog gets what the file's author put there for them.
inline constexpr size_t kShownFieldCharacters = 40;
std::string ShownField(std::string_view text);
