#include "core/files/copiedrows.h"

#include <QtGlobal>
#include <algorithm>
#include <array>

#include "core/files/channelrows.h"
#include "core/model/channelclipboard.h"
#include "core/model/channelrecord.h"
#include "core/model/channeltable.h"
#include "core/model/frequencyrules.h"
#include "core/model/radiodata.h"

namespace {

constexpr char kCellSeparator = '\t';
constexpr char kRowEnd = '\n';
constexpr size_t kLongestRecord = TRadioData::kRecordCapacity - 1;
// A cell shows at most a few words; a name is the longest free text.
constexpr size_t kLongestCell = 32;

// What a note says of a cell that shows differently after the paste: changed, or
// shown no longer. The check columns name the mark alone.
struct TCellWords {
    const char* Changed;
    const char* Dropped;
};
constexpr std::array<TCellWords, kTableColumnCount> kCellWords{{
    {"", ""},  // the label is the target's own
    {QT_TRANSLATE_NOOP("CsvChannels", "frequency %1 stored as %2"),
     QT_TRANSLATE_NOOP("CsvChannels", "frequency %1 not kept")},
    {QT_TRANSLATE_NOOP("CsvChannels", "shift %1 stored as %2"),
     QT_TRANSLATE_NOOP("CsvChannels", "shift %1 not kept")},
    {QT_TRANSLATE_NOOP("CsvChannels", "offset / Tx %1 stored as %2"),
     QT_TRANSLATE_NOOP("CsvChannels", "offset / Tx %1 not kept")},
    {QT_TRANSLATE_NOOP("CsvChannels", "tone mode %1 stored as %2"),
     QT_TRANSLATE_NOOP("CsvChannels", "tone mode %1 not kept")},
    {QT_TRANSLATE_NOOP("CsvChannels", "tone %1 stored as %2"),
     QT_TRANSLATE_NOOP("CsvChannels", "tone %1 not kept")},
    {QT_TRANSLATE_NOOP("CsvChannels", "DCS code %1 stored as %2"),
     QT_TRANSLATE_NOOP("CsvChannels", "DCS code %1 not kept")},
    {QT_TRANSLATE_NOOP("CsvChannels", "step %1 stored as %2"),
     QT_TRANSLATE_NOOP("CsvChannels", "step %1 not kept")},
    {QT_TRANSLATE_NOOP("CsvChannels", "reverse set"),
     QT_TRANSLATE_NOOP("CsvChannels", "reverse not kept")},
    {QT_TRANSLATE_NOOP("CsvChannels", "beat shift set"),
     QT_TRANSLATE_NOOP("CsvChannels", "beat shift not kept")},
    {QT_TRANSLATE_NOOP("CsvChannels", "FM narrow set"),
     QT_TRANSLATE_NOOP("CsvChannels", "FM narrow not kept")},
    {QT_TRANSLATE_NOOP("CsvChannels", "lock-out set"),
     QT_TRANSLATE_NOOP("CsvChannels", "lock-out not kept")},
    {QT_TRANSLATE_NOOP("CsvChannels", "name \"%1\" stored as \"%2\""),
     QT_TRANSLATE_NOOP("CsvChannels", "name \"%1\" not kept")},
}};

bool IsRowByte(char c) {
    return (c >= ' ' && c <= '~') || c == kCellSeparator;
}

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t end = text.find(separator); end != std::string_view::npos;
         start = end + 1, end = text.find(separator, start)) {
        parts.emplace_back(text.substr(start, end - start));
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

std::optional<TCopiedRow> RowOfLine(std::string_view line) {
    std::vector<std::string> parts = Split(line, kCellSeparator);
    TCopiedRow row{parts.front(), {parts.begin() + 1, parts.end()}};
    const bool fits = row.Record.size() <= kLongestRecord &&
                      row.Cells.size() <= static_cast<size_t>(kTableColumnCount) &&
                      std::all_of(row.Cells.begin(), row.Cells.end(), [](const std::string& cell) {
                          return cell.size() <= kLongestCell;
                      });
    if (!fits) return std::nullopt;
    return row;
}

// The label a note names a row by: "07", "PR".
std::string RowName(const TRadioData& data, int row) {
    std::string label = TableCellText(data, row, TTableColumn::Channel);
    label.erase(0, label.find_first_not_of(' '));
    return label;
}

// Where there are no memory names the record keeps none, as the table shows none.
std::string WithoutName(const std::string& record) {
    size_t start = 0;
    for (int field = 0; field < kNameField; ++field) {
        const size_t comma = record.find(',', start);
        if (comma == std::string::npos) return record;
        start = comma + 1;
    }
    return record.substr(0, start);
}

std::vector<TCsvPhrase> ChangedCells(const TRadioData& data, int target, const TCopiedRow& row) {
    std::vector<TCsvPhrase> changes;
    for (size_t column = 1; column < row.Cells.size(); ++column) {
        const std::string& before = row.Cells[column];
        const std::string after = TableCellText(data, target, static_cast<TTableColumn>(column));
        if (before == after) continue;
        const TCellWords& words = kCellWords[column];
        if (after.empty()) {
            changes.push_back({words.Dropped, {before}});
        } else {
            changes.push_back({words.Changed, {before, after}});
        }
    }
    return changes;
}

// Why a copied record cannot go to a row, as a note says it.
TCsvPhrase UnfitReason(TClipFit fit, const std::string& record) {
    switch (fit) {
        case TClipFit::OutsideBand:
            return {QT_TRANSLATE_NOOP("CsvChannels", "frequency %1 MHz is outside the band"),
                    {FormatFrequencyText(RecordField(record, kRxFreqField))}};
        case TClipFit::StepNotOffered:
            return {QT_TRANSLATE_NOOP("CsvChannels", "its step is not offered by this transceiver"),
                    {}};
        default:
            return {QT_TRANSLATE_NOOP("CsvChannels", "it holds no channel"), {}};
    }
}

class TRowPaster {
public:
    explicit TRowPaster(TRadioData& data) : Data(data) {}

    void Paste(int line, const TCopiedRow& row, int target) {
        const int record = Data.RecordIndexOfPosition(target);
        if (row.Record.size() <= kEmptyRecordLength) {
            Data.SetChannel(record, "");
            Data.Changed = true;
            ++Result.Emptied;
            return;
        }
        const int gridRow = target + 1;
        const TClipFit fit = ClipFitOf(Data, TClipGrid::Memory, gridRow, row.Record);
        if (fit != TClipFit::Suits) return Skip(line, UnfitReason(fit, row.Record));
        std::string pasted = PastedRecordOf(Data, TClipGrid::Memory, gridRow, row.Record);
        if (!Data.HasMemoryNames()) pasted = WithoutName(pasted);
        Data.SetChannel(record, pasted);
        Data.Changed = true;
        ++Result.Imported;
        std::vector<TCsvPhrase> changes = ChangedCells(Data, target, row);
        if (changes.empty()) return;
        ++Result.Adjusted;
        Note({TCsvNoteKind::ChannelAdjusted, line, target, std::move(changes),
              RowName(Data, target)});
    }

    void Skip(int line, TCsvPhrase reason) {
        ++Result.Skipped;
        Note({TCsvNoteKind::RowSkipped, line, -1, {std::move(reason)}, {}});
    }

    TCsvImport Finish() { return std::move(Result); }

private:
    void Note(TCsvNote note) {
        Result.Notes.push_back(CsvNoteText(note));
        Result.NoteParts.push_back(std::move(note));
    }

    TRadioData& Data;
    TCsvImport Result;
};

}  // namespace

std::string CopiedRowsBytes(const TRadioData& data, const std::vector<int>& rows) {
    std::string bytes;
    for (const int row : rows) {
        bytes += data.GetChannel(data.RecordIndexOfPosition(row));
        for (int column = 0; column < kTableColumnCount; ++column) {
            bytes += kCellSeparator + TableCellText(data, row, static_cast<TTableColumn>(column));
        }
        bytes += kRowEnd;
    }
    return bytes;
}

std::optional<std::vector<TCopiedRow>> CopiedRowsOf(std::string_view bytes) {
    if (bytes.empty() || bytes.back() != kRowEnd) return std::nullopt;
    bytes.remove_suffix(1);
    if (!std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return c == kRowEnd || IsRowByte(c); }))
        return std::nullopt;
    const std::vector<std::string> lines = Split(bytes, kRowEnd);
    if (lines.size() > static_cast<size_t>(TRadioData::kChannelCount)) return std::nullopt;
    std::vector<TCopiedRow> rows;
    for (const std::string& line : lines) {
        std::optional<TCopiedRow> row = RowOfLine(line);
        if (!row) return std::nullopt;
        rows.push_back(std::move(*row));
    }
    return rows;
}

TCsvImport PasteCopiedRows(TRadioData& data, const std::vector<TCopiedRow>& rows,
                           const std::vector<int>& targets) {
    TRowPaster paster(data);
    for (size_t index = 0; index < rows.size(); ++index) {
        const int line = static_cast<int>(index) + 1;
        if (index < targets.size()) {
            paster.Paste(line, rows[index], targets[index]);
        } else {
            paster.Skip(line, {kNoChannelLeftPattern, {}});
        }
    }
    return paster.Finish();
}
