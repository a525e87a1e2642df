#include "core/files/channelrows.h"

#include <algorithm>

#include "core/files/csvtable.h"
#include "core/model/channeltable.h"
#include "core/model/radiodata.h"

namespace {

// Only the header decides whether a text is channel rows; a huge clipboard need not be read.
constexpr size_t kHeaderSearchLength = size_t{64} * 1024;

bool IsNumberedRow(const TRadioData& data, int row) {
    return row >= 0 && row <= data.ChannelCount();
}

int LocationColumn(std::vector<std::string>& header) {
    const int found = TCsvTable{header, {}}.ColumnOf("Location");
    if (found >= 0) return found;
    header.push_back("Location");
    return static_cast<int>(header.size()) - 1;
}

// Rewrites the table as the CSV layout with the rows numbered from `firstRow` on. Blank lines
// keep every row on its own line number, so the import's notes name the pasted lines.
std::string NumberedCsv(TCsvTable table, int firstRow) {
    const int location = LocationColumn(table.Header);
    std::string csv = CsvLine(table.Header);
    int line = static_cast<int>(std::count(csv.begin(), csv.end(), '\n')) + 1;
    int channel = firstRow;
    for (TCsvRow& row : table.Rows) {
        for (; line < row.Line; ++line) csv += "\r\n";
        row.Fields.resize(std::max(row.Fields.size(), static_cast<size_t>(location) + 1));
        row.Fields[static_cast<size_t>(location)] = std::to_string(channel++);
        const std::string text = CsvLine(row.Fields);
        line += static_cast<int>(std::count(text.begin(), text.end(), '\n'));
        csv += text;
    }
    return csv;
}

}  // namespace

std::string ChannelRowsText(const TRadioData& data, const std::vector<int>& rows) {
    std::string text = TabSeparatedLine(CsvChannelColumns());
    TCsvExport unreported;  // the clipboard carries no report
    for (const int row : rows) {
        if (!IsNumberedRow(data, row) || !IsTableRowUsed(data, row)) continue;
        text += TabSeparatedLine(CsvChannelFields(data, row, unreported));
    }
    return text;
}

bool LooksLikeChannelRows(std::string_view text) {
    return ParseCsvTable(text.substr(0, kHeaderSearchLength)).ColumnOf("Frequency") >= 0;
}

TCsvImport PasteChannelRows(TRadioData& data, std::string_view text, int firstRow) {
    const TCsvTable table = ParseCsvTable(text);
    // Without a Frequency column the import tells what is wrong.
    if (table.ColumnOf("Frequency") < 0) return ImportCsvChannels(data, text);
    // Rows past the last channel get locations beyond it, which the import skips with a note.
    return ImportCsvChannels(data, NumberedCsv(table, std::max(firstRow, 0)));
}
