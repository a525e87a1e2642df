#include "core/model/channeltable.h"

#include <array>
#include <utility>

#include <QtGlobal>

#include "core/model/channelediting.h"
#include "core/model/channeltableinput.h"
#include "core/model/frequencyrules.h"
#include "core/model/messagewords.h"
#include "core/model/radiodata.h"

namespace {

constexpr char kYes[] = "Yes";

// The window shows the titles in its language (context "ChannelTable").
constexpr std::array<const char*, kTableColumnCount> kColumnTitles{
    QT_TRANSLATE_NOOP("ChannelTable", "Channel"),
    QT_TRANSLATE_NOOP("ChannelTable", "Rx Frequency"),
    QT_TRANSLATE_NOOP("ChannelTable", "Shift"),
    QT_TRANSLATE_NOOP("ChannelTable", "Offset / Tx"),
    QT_TRANSLATE_NOOP("ChannelTable", "Tone Mode"),
    QT_TRANSLATE_NOOP("ChannelTable", "Tone Frequency"),
    QT_TRANSLATE_NOOP("ChannelTable", "DCS Code"),
    QT_TRANSLATE_NOOP("ChannelTable", "Step"),
    QT_TRANSLATE_NOOP("ChannelTable", "Reverse"),
    QT_TRANSLATE_NOOP("ChannelTable", "Beat Shift"),
    QT_TRANSLATE_NOOP("ChannelTable", "FM Narrow"),
    QT_TRANSLATE_NOOP("ChannelTable", "Lock Out"),
    QT_TRANSLATE_NOOP("ChannelTable", "Memory Name"),
};

bool IsRow(const TRadioData& data, int row) {
    return row >= 0 && row < TableRowCount(data);
}

bool IsToneColumn(TTableColumn column) {
    return column == TTableColumn::ToneMode || column == TTableColumn::ToneFrequency ||
           column == TTableColumn::DcsCode;
}

std::string CheckText(bool on) {
    return on ? kYes : "";
}

std::string ListText(const std::vector<std::string>& list, int position) {
    return position >= 0 && static_cast<size_t>(position) < list.size() ? list[position] : "";
}

template <size_t N>
std::vector<std::string> ListTexts(const std::array<const char*, N>& list) {
    return {list.begin(), list.end()};
}

std::string ToneFrequencyText(const TMemoryDisplay& display) {
    if (display.Tone == TToneChoice::Tone) return ToneList()[display.TonePosition];
    if (display.Tone == TToneChoice::Ctcss) return ToneList()[display.CtcssPosition];
    return {};
}

std::string ShownCellText(const TRadioData& data, const TMemoryDisplay& display,
                          TTableColumn column) {
    switch (column) {
        case TTableColumn::Channel:
            return {};
        case TTableColumn::RxFrequency:
            return display.RxFrequency;
        case TTableColumn::Shift:
            return ShiftChoiceText(display.Shift);
        case TTableColumn::OffsetOrTx:
            return display.Shift == TShiftChoice::Split ? display.TxFrequency : display.Offset;
        case TTableColumn::ToneMode:
            return display.TonesEnabled ? ToneChoiceText(display.Tone) : "";
        case TTableColumn::ToneFrequency:
            return ToneFrequencyText(display);
        case TTableColumn::DcsCode:
            return display.Tone == TToneChoice::Dcs ? DcsList()[display.DcsPosition] : "";
        case TTableColumn::Step:
            return ListText(StepListTexts(data.GetModel()), display.StepPosition);
        case TTableColumn::Reverse:
            return CheckText(display.Reverse);
        case TTableColumn::BeatShift:
            return CheckText(display.BeatShift);
        case TTableColumn::Narrow:
            return CheckText(display.Narrow);
        case TTableColumn::Lockout:
            return CheckText(display.LockoutEnabled && display.Lockout);
        case TTableColumn::Name:
            return display.NameShown ? display.Name : "";
    }
    return {};
}

// Why a cell of the row cannot be edited at all, or nothing.
std::string CellRefusal(const TRadioData& data, int row, TTableColumn column) {
    if (!IsRow(data, row)) return QT_TRANSLATE_NOOP("Messages", "There is no such row.");
    if (column == TTableColumn::Channel) return kLabelNotEditableMessage;
    const TMemoryDisplay display = MemoryDisplayOf(data, row);
    if (column == TTableColumn::Name && !display.NameShown) {
        return WithValue(kNoNamesPattern, std::to_string(data.ChannelCount()));
    }
    if (IsToneColumn(column) && !display.TonesEnabled) {
        return QT_TRANSLATE_NOOP("Messages", "The weather alert channel has no tones.");
    }
    if (column == TTableColumn::Lockout && !display.LockoutEnabled) {
        return QT_TRANSLATE_NOOP("Messages", "Only the numbered channels can be locked out.");
    }
    if (column == TTableColumn::Reverse && !display.ReverseEnabled) {
        return QT_TRANSLATE_NOOP("Messages", "A split channel has no reverse.");
    }
    return {};
}

// The reason in the windows' words (a reason with a value is already in them).
TTableEdit Refused(const std::string& reason) {
    TTableEdit edit;
    edit.Refusal = MessageText(reason.c_str());
    return edit;
}

}  // namespace

const char* TableColumnTitle(TTableColumn column) {
    const auto index = static_cast<size_t>(column);
    return index < kColumnTitles.size() ? kColumnTitles[index] : "";
}

int TableRowCount(const TRadioData& data) {
    return LastEditorPosition(data) + 1;
}

bool IsTableRowUsed(const TRadioData& data, int row) {
    if (!IsRow(data, row)) return false;
    return data.GetChannel(data.RecordIndexOfPosition(row)).size() > kEmptyRecordLength;
}

std::string TableCellText(const TRadioData& data, int row, TTableColumn column) {
    if (!IsRow(data, row)) return {};
    if (column == TTableColumn::Channel) return LabelFieldText(data, row);
    if (!IsTableRowUsed(data, row)) return {};
    return ShownCellText(data, MemoryDisplayOf(data, row), column);
}

bool IsTableCellEditable(const TRadioData& data, int row, TTableColumn column) {
    return CellRefusal(data, row, column).empty();
}

std::vector<std::string> TableCellChoices(const TRadioData& data, int /*row*/,
                                          TTableColumn column) {
    switch (column) {
        case TTableColumn::Shift:
            return ShiftChoiceTexts(data);
        case TTableColumn::ToneMode:
            return ToneChoiceTexts();
        case TTableColumn::ToneFrequency:
            return ListTexts(ToneList());
        case TTableColumn::DcsCode:
            return ListTexts(DcsList());
        case TTableColumn::Step:
            return StepListTexts(data.GetModel());
        default:
            return {};
    }
}

TTableEdit EditTableCell(const TRadioData& data, int row, TTableColumn column,
                         std::string_view typed) {
    if (std::string reason = CellRefusal(data, row, column); !reason.empty()) {
        return Refused(reason);
    }
    TMemoryEdits edits = EditsOf(MemoryDisplayOf(data, row), row);
    if (std::string reason = ApplyTypedCell(data, column, typed, edits); !reason.empty()) {
        return Refused(reason);
    }
    const TMemoryRecord record = BuildMemoryRecord(data, edits);
    if (record.Failure != TEditFailure::None) return Refused(FailureMessage(record.Failure));
    TTableEdit edit;
    edit.RecordIndex = record.RecordIndex;
    edit.Record = record.Text;
    if (record.Rounded) edit.Note = MessageText(kRoundedMessage);
    return edit;
}

void StoreTableEdit(TRadioData& data, const TTableEdit& edit) {
    if (!edit.Refusal.empty() || edit.RecordIndex < 0) return;
    data.SetChannel(edit.RecordIndex, edit.Record);
    data.Changed = true;
}
