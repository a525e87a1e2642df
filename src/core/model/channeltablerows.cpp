// The channel table's row commands: inserting, moving, deleting, locking out, filling down

#include <QtGlobal>

#include "core/model/messagewords.h"
// and finding rows.
#include "core/model/channeltable.h"

#include <algorithm>
#include <optional>

#include "core/model/channelclipboard.h"
#include "core/model/channelediting.h"
#include "core/model/channelrecord.h"
#include "core/model/numbertext.h"
#include "core/model/plaintext.h"
#include "core/model/radiodata.h"

namespace {

bool IsNumberedRow(const TRadioData& data, int row) {
    return row >= 0 && row <= data.ChannelCount();
}

// The grids count their rows from 1, under the title row.
int GridRowOf(int row) {
    return row + 1;
}

// A record moved to another numbered channel carries that channel's label.
std::string RecordMovedTo(const TRadioData& data, const std::string& record, int row) {
    const size_t comma = record.find(',');
    if (comma == std::string::npos) return record;
    return LabelFieldText(data, row) + record.substr(comma);
}

void MoveRecord(TRadioData& data, int from, int to) {
    data.SetChannel(to, RecordMovedTo(data, data.GetChannel(from), to));
}

void SwapChannels(TRadioData& data, int row, int other) {
    const std::string kept = data.GetChannel(row);
    MoveRecord(data, other, row);
    data.SetChannel(other, RecordMovedTo(data, kept, other));
}

bool IsLockedOut(const TRadioData& data, int row) {
    return RecordField(data.GetChannel(row), kLockoutField) == "1";
}

// The label a message names a row by: "07", "L0".
std::string RowName(const TRadioData& data, int row) {
    std::string label = LabelFieldText(data, row);
    label.erase(0, label.find_first_not_of(' '));
    return label;
}

std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct TMhzBand {
    int Lower = 0;
    int Upper = 0;
};

// "144" is 144 to 144.999999 MHz, "430-440" is 430 to 440.999999 MHz.
std::optional<TMhzBand> BandOfFilter(std::string_view filter) {
    const size_t dash = filter.find('-');
    const std::string lower = TrimmedText(filter.substr(0, dash));
    const std::string upper =
        dash == std::string_view::npos ? lower : TrimmedText(filter.substr(dash + 1));
    if (!IsDigits(lower) || !IsDigits(upper)) return {};
    return TMhzBand{LeadingNumber(lower), LeadingNumber(upper)};
}

bool FrequencyInBand(const TRadioData& data, int row, const TMhzBand& band) {
    const std::string& record = data.GetChannel(data.RecordIndexOfPosition(row));
    const int mhz = LeadingNumber(RecordField(record, kRxFreqField).substr(0, 4));
    return mhz >= band.Lower && mhz <= band.Upper;
}

bool TextMatches(const TRadioData& data, int row, const std::string& filter) {
    for (const TTableColumn column :
         {TTableColumn::Channel, TTableColumn::Name, TTableColumn::RxFrequency}) {
        const std::string text = LowerText(TableCellText(data, row, column));
        if (text.find(filter) != std::string::npos) return true;
    }
    return false;
}

}  // namespace

bool InsertEmptyChannel(TRadioData& data, int row) {
    const int last = data.ChannelCount();
    if (!IsNumberedRow(data, row) || IsTableRowUsed(data, last)) return false;
    for (int target = last; target > row; --target) MoveRecord(data, target - 1, target);
    data.SetChannel(row, "");
    data.Changed = true;
    return true;
}

bool MoveChannels(TRadioData& data, const std::vector<int>& selected, int direction) {
    std::vector<int> rows = selected;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty() || (direction != -1 && direction != 1)) return false;
    for (const int row : rows) {
        if (!IsNumberedRow(data, row) || !IsNumberedRow(data, row + direction)) return false;
    }
    // The row nearest the way taken goes first, so each passes over a channel not yet moved.
    if (direction < 0) {
        for (auto row = rows.begin(); row != rows.end(); ++row) SwapChannels(data, *row, *row - 1);
    } else {
        for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
            SwapChannels(data, *row, *row + 1);
        }
    }
    data.Changed = true;
    return true;
}

int DeleteChannels(TRadioData& data, const std::vector<int>& rows) {
    int emptied = 0;
    for (const int row : rows) {
        const bool used = IsTableRowUsed(data, row);
        if (DeleteRow(data, TClipGrid::Memory, GridRowOf(row)) && used) ++emptied;
    }
    return emptied;
}

int SetChannelsLockout(TRadioData& data, const std::vector<int>& rows, bool lockout) {
    int changed = 0;
    for (const int row : rows) {
        if (!IsTableRowUsed(data, row) || !LockOutAllowed(data, GridRowOf(row))) continue;
        if (IsLockedOut(data, row) == lockout) continue;
        // A damaged mark is first set to "0" by the toggle, then to "1".
        for (int toggles = 0; toggles < 2 && IsLockedOut(data, row) != lockout; ++toggles) {
            ToggleLockout(data, GridRowOf(row));
        }
        ++changed;
    }
    return changed;
}

TFillDownReport FillDown(TRadioData& data, const std::vector<int>& rows, TTableColumn column) {
    TFillDownReport report;
    if (rows.empty()) return report;
    if (!IsTableRowUsed(data, rows.front())) {
        return {
            {MessageText(QT_TRANSLATE_NOOP("Messages", "Channel %1: empty, nothing to fill down."),
                         {RowName(data, rows.front())})},
            1};
    }
    const std::string typed = TableCellText(data, rows.front(), column);
    for (auto row = rows.begin() + 1; row != rows.end(); ++row) {
        if (!IsTableRowUsed(data, *row)) continue;
        const TTableEdit edit = EditTableCell(data, *row, column, typed);
        StoreTableEdit(data, edit);
        const std::string& told = edit.Refusal.empty() ? edit.Note : edit.Refusal;
        if (told.empty()) continue;
        if (!edit.Refusal.empty()) ++report.Refused;
        report.Lines.push_back(MessageText(QT_TRANSLATE_NOOP("Messages", "Channel %1: %2"),
                                           {RowName(data, *row), OneLine(told)}));
    }
    return report;
}

std::vector<int> ChangedTableRows(const TRadioData& before, const TRadioData& after) {
    std::vector<int> rows;
    for (int row = 0; row < TableRowCount(before); ++row) {
        const int record = before.RecordIndexOfPosition(row);
        if (before.GetChannel(record) != after.GetChannel(record)) rows.push_back(row);
    }
    return rows;
}

bool TableRowMatches(const TRadioData& data, int row, std::string_view filter, bool usedOnly) {
    if (row < 0 || row >= TableRowCount(data)) return false;
    const bool used = IsTableRowUsed(data, row);
    if (usedOnly && !used) return false;
    const std::string wanted = LowerText(TrimmedText(filter));
    if (wanted.empty() || TextMatches(data, row, wanted)) return true;
    const std::optional<TMhzBand> band = BandOfFilter(wanted);
    return used && band && FrequencyInBand(data, row, *band);
}
