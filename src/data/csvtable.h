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
// a ';' and no ','.
TCsvTable ParseCsvTable(std::string_view text);

// One line of fields, each quoted only when it holds a comma, a quote, CR or
// LF, ended with CR LF.
std::string CsvLine(const std::vector<std::string>& fields);
