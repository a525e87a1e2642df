#include "core/files/channelrows.h"

#include <algorithm>
#include <climits>

#include "core/files/csvtable.h"
#include "core/model/channeltable.h"
#include "core/model/messagewords.h"
#include "core/model/radiodata.h"

namespace {

// The columns a header-less row must have: Location, Name, Frequency.
constexpr size_t kFewestColumns = 3;
constexpr size_t kLocationColumn = 0;
constexpr size_t kFrequencyColumn = 2;

constexpr char kNotRowsPattern[] = QT_TRANSLATE_NOOP(
    "Messages",
    "Nothing was pasted: line %1 of the clipboard text %2. Rows are pasted with a line "
    "naming their columns over them, or without one in the columns Copy writes: Location, "
    "Name, Frequency, Duplex, Offset and the rest, separated by tabs.");
constexpr char kNoTabs[] = QT_TRANSLATE_NOOP("Messages", "has no tabs between its columns");
constexpr char kTooFewColumns[] =
    QT_TRANSLATE_NOOP("Messages", "has %1 columns, fewer than Location, Name and Frequency");
constexpr char kTooManyColumns[] =
    QT_TRANSLATE_NOOP("Messages", "has %1 columns, more than the %2 Copy writes");
constexpr char kNoLocation[] =
    QT_TRANSLATE_NOOP("Messages", "has no channel number in its first column (Location)");
constexpr char kNoFrequency[] =
    QT_TRANSLATE_NOOP("Messages", "has no frequency in MHz in its third column (Frequency)");
constexpr char kNoRowsMessage[] =
    QT_TRANSLATE_NOOP("Messages", "The clipboard holds no channel rows to paste.");
// Several times the longest rows a table copies; a longer text is not read at all.
constexpr size_t kLongestRowsText = size_t{1024} * 1024;
constexpr char kTooLongMessage[] = QT_TRANSLATE_NOOP(
    "Messages", "The clipboard text is too long to be channel rows; nothing was pasted.");

bool IsNumberedRow(const TRadioData& data, int row) {
    return row >= 0 && row <= data.ChannelCount();
}

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "146.52", "146": digits with one point at most.
bool IsMhz(std::string_view text) {
    const size_t point = text.find('.');
    if (point == std::string_view::npos) return IsDigits(text);
    return (point == 0 || IsDigits(text.substr(0, point))) && IsDigits(text.substr(point + 1));
}

// A row that holds its Location and nothing else: an empty channel.
bool IsEmptyChannelRow(const TCsvRow& row, int location) {
    for (size_t column = 0; column < row.Fields.size(); ++column) {
        if (static_cast<int>(column) != location && !row.Fields[column].empty()) return false;
    }
    return true;
}

// What a header-less line lacks to be a row in the columns Copy writes, or nothing.
std::string HeaderlessRowProblem(const TCsvRow& row) {
    const std::vector<std::string>& fields = row.Fields;
    const size_t most = CsvChannelColumns().size();
    if (fields.size() == 1) return MessageText(kNoTabs);
    if (fields.size() < kFewestColumns) {
        return MessageText(kTooFewColumns, {std::to_string(fields.size())});
    }
    if (fields.size() > most) {
        return MessageText(kTooManyColumns, {std::to_string(fields.size()), std::to_string(most)});
    }
    const std::string& location = fields[kLocationColumn];
    if (!location.empty() && !IsDigits(location)) return MessageText(kNoLocation);
    if (IsEmptyChannelRow(row, static_cast<int>(kLocationColumn)) && !location.empty()) return {};
    return IsMhz(fields[kFrequencyColumn]) ? std::string() : MessageText(kNoFrequency);
}

// Header-less rows read under the column names Copy writes, which take the text's first
// line: a row's line is one more than in the text.
TCsvImport ReadHeaderlessRows(std::string_view text, TCsvTable& table) {
    table = ParseCsvTable(TabSeparatedLine(CsvChannelColumns()) + std::string(text));
    TCsvImport refusal;
    for (const TCsvRow& row : table.Rows) {
        const std::string problem = HeaderlessRowProblem(row);
        if (!problem.empty()) {
            refusal.Problem = MessageText(kNotRowsPattern, {std::to_string(row.Line - 1), problem});
            return refusal;
        }
    }
    return refusal;
}

// The notes name the lines of the text the user pasted.
void ShiftNoteLines(TCsvImport& paste, int by) {
    for (size_t at = 0; at < paste.NoteParts.size(); ++at) {
        TCsvNote& note = paste.NoteParts[at];
        if (note.Kind == TCsvNoteKind::WholeList) continue;
        note.Line += by;
        paste.Notes[at] = CsvNoteText(note);
    }
}

// The rows that go to channels, rewritten as the CSV layout with their targets as
// Locations. Blank lines keep every row on its own line number, so the import's
// notes name the pasted lines.
std::string TargetedCsv(TCsvTable table, const std::vector<std::pair<int, int>>& targetOfRow) {
    int location = table.ColumnOf("Location");
    if (location < 0) {
        table.Header.push_back("Location");
        location = static_cast<int>(table.Header.size()) - 1;
    }
    std::string csv = CsvLine(table.Header);
    int line = 2;
    for (const auto& [index, target] : targetOfRow) {
        TCsvRow& row = table.Rows[static_cast<size_t>(index)];
        for (; line < row.Line; ++line) csv += "\r\n";
        row.Fields.resize(std::max(row.Fields.size(), static_cast<size_t>(location) + 1));
        row.Fields[static_cast<size_t>(location)] = std::to_string(target);
        const std::string text = CsvLine(row.Fields);
        line += static_cast<int>(std::count(text.begin(), text.end(), '\n'));
        csv += text;
    }
    return csv;
}

// The notes in the order of their lines; notes about the whole list last.
void SortNotesByLine(TCsvImport& paste) {
    std::vector<size_t> order(paste.NoteParts.size());
    for (size_t at = 0; at < order.size(); ++at) order[at] = at;
    const auto key = [&paste](size_t at) {
        const TCsvNote& note = paste.NoteParts[at];
        return note.Kind == TCsvNoteKind::WholeList ? INT_MAX : note.Line;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&key](size_t a, size_t b) { return key(a) < key(b); });
    std::vector<std::string> notes;
    std::vector<TCsvNote> parts;
    for (const size_t at : order) {
        notes.push_back(paste.Notes[at]);
        parts.push_back(paste.NoteParts[at]);
    }
    paste.Notes = std::move(notes);
    paste.NoteParts = std::move(parts);
}

void NoteLeftOver(TCsvImport& paste, int line) {
    ++paste.Skipped;
    TCsvNote note{TCsvNoteKind::Skipped, line, -1, {{kNoChannelLeftPattern, {}}}, {}};
    paste.Notes.push_back(CsvNoteText(note));
    paste.NoteParts.push_back(std::move(note));
}

}  // namespace

std::string ChannelRowsText(const TRadioData& data, const std::vector<int>& rows) {
    std::string text = TabSeparatedLine(CsvChannelColumns());
    TCsvExport unreported;  // the clipboard carries no report
    for (const int row : rows) {
        if (!IsNumberedRow(data, row)) continue;
        text += IsTableRowUsed(data, row)
                    ? TabSeparatedLine(CsvChannelFields(data, row, unreported))
                    : TabSeparatedLine({std::to_string(row)});
    }
    return text;
}

TCsvImport PasteChannelRows(TRadioData& data, std::string_view text,
                            const std::vector<int>& targets) {
    if (text.size() > kLongestRowsText) {
        TCsvImport refusal;
        refusal.Problem = MessageText(kTooLongMessage);
        return refusal;
    }
    TCsvTable table = ParseCsvTable(text);
    const bool headerless = table.ColumnOf("Frequency") < 0;
    if (headerless) {
        if (TCsvImport refusal = ReadHeaderlessRows(text, table); !refusal.Problem.empty()) {
            return refusal;
        }
    }
    TCsvImport paste;
    if (table.Rows.empty()) {
        paste.Problem = MessageText(kNoRowsMessage);
        return paste;
    }
    std::vector<int> channels;
    for (const int target : targets) {
        if (IsNumberedRow(data, target)) channels.push_back(target);
    }
    const int location = table.ColumnOf("Location");
    std::vector<std::pair<int, int>> stored;
    std::vector<int> emptied;
    for (size_t index = 0; index < table.Rows.size(); ++index) {
        if (index >= channels.size()) {
            NoteLeftOver(paste, table.Rows[index].Line);
        } else if (IsEmptyChannelRow(table.Rows[index], location)) {
            emptied.push_back(channels[index]);
        } else {
            stored.emplace_back(static_cast<int>(index), channels[index]);
        }
    }
    const int skipped = paste.Skipped;
    std::vector<std::string> notes = std::move(paste.Notes);
    std::vector<TCsvNote> parts = std::move(paste.NoteParts);
    if (!stored.empty()) paste = ImportCsvChannels(data, TargetedCsv(table, stored));
    paste.Skipped += skipped;
    paste.Notes.insert(paste.Notes.end(), notes.begin(), notes.end());
    paste.NoteParts.insert(paste.NoteParts.end(), parts.begin(), parts.end());
    for (const int channel : emptied) data.SetChannel(data.RecordIndexOfPosition(channel), "");
    paste.Emptied = static_cast<int>(emptied.size());
    if (paste.Emptied > 0) data.Changed = true;
    if (headerless) ShiftNoteLines(paste, -1);
    SortNotesByLine(paste);
    return paste;
}

std::string ChannelPasteSummary(const TCsvImport& paste, const TPatternText& patternText) {
    const auto count = [&](int number, const char* one, const char* many) {
        return CsvPhraseText({number == 1 ? one : many, {std::to_string(number)}}, patternText);
    };
    std::vector<std::string> parts{
        count(paste.Imported, QT_TRANSLATE_NOOP("CsvChannels", "%1 channel pasted"),
              QT_TRANSLATE_NOOP("CsvChannels", "%1 channels pasted")),
        CsvPhraseText(
            {QT_TRANSLATE_NOOP("CsvChannels", "%1 adjusted"), {std::to_string(paste.Adjusted)}},
            patternText),
        count(paste.Skipped, QT_TRANSLATE_NOOP("CsvChannels", "%1 row skipped"),
              QT_TRANSLATE_NOOP("CsvChannels", "%1 rows skipped"))};
    if (paste.Emptied == 0) {
        return CsvPhraseText({QT_TRANSLATE_NOOP("CsvChannels", "%1, %2, %3."), parts}, patternText);
    }
    parts.push_back(CsvPhraseText(
        {QT_TRANSLATE_NOOP("CsvChannels", "%1 emptied"), {std::to_string(paste.Emptied)}},
        patternText));
    return CsvPhraseText({QT_TRANSLATE_NOOP("CsvChannels", "%1, %2, %3, %4."), parts}, patternText);
}

std::string ChannelPasteFailure(const TCsvImport& paste) {
    if (!paste.Problem.empty()) return paste.Problem;
    return paste.Imported == 0 && paste.Emptied == 0 ? kNothingPastedMessage : std::string();
}
