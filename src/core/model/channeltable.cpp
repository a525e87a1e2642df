#include "core/model/channeltable.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "core/model/channelediting.h"
#include "core/model/frequencyrules.h"
#include "core/model/modelprofile.h"
#include "core/model/plaintext.h"
#include "core/model/radiodata.h"

namespace {

constexpr char kYes[] = "Yes";

constexpr std::array<const char*, kTableColumnCount> kColumnTitles{
    "Channel",  "Rx Frequency", "Shift",      "Offset / Tx", "Tone Mode", "Tone Frequency", "DCS Code",
    "Step",     "Reverse",      "Beat Shift", "FM Narrow",   "Lock Out",  "Memory Name"};

constexpr std::array<std::pair<TShiftChoice, const char*>, 5> kShiftTexts{{
    {TShiftChoice::Simplex, "Simplex"},
    {TShiftChoice::Plus, "+"},
    {TShiftChoice::Minus, "-"},
    {TShiftChoice::Minus76, "-7.6MHz"},
    {TShiftChoice::Split, "Split"},
}};

constexpr std::array<std::pair<TToneChoice, const char*>, 4> kToneModeTexts{{
    {TToneChoice::None, "None"},
    {TToneChoice::Tone, "Tone"},
    {TToneChoice::Ctcss, "CTCSS"},
    {TToneChoice::Dcs, "DCS"},
}};

template <typename TChoice, size_t N>
std::vector<std::string> ChoiceTexts(const std::array<std::pair<TChoice, const char*>, N>& texts) {
    std::vector<std::string> choices;
    for (const auto& pair : texts) choices.push_back(pair.second);
    return choices;
}

template <typename TChoice, size_t N>
const char* TextOfChoice(const std::array<std::pair<TChoice, const char*>, N>& texts,
                         TChoice choice) {
    for (const auto& [value, text] : texts) {
        if (value == choice) return text;
    }
    return "";
}

bool IsRow(const TRadioData& data, int row) {
    return row >= 0 && row < TableRowCount(data);
}

bool IsToneColumn(TTableColumn column) {
    return column == TTableColumn::ToneMode || column == TTableColumn::ToneFrequency ||
           column == TTableColumn::DcsCode;
}

// "88.5Hz" -> "88.5", so that a value may be typed without its unit; words keep nothing.
std::string WithoutUnit(std::string_view choice) {
    while (!choice.empty() && std::isalpha(static_cast<unsigned char>(choice.back()))) {
        choice.remove_suffix(1);
    }
    return std::string(choice);
}

// The position of the typed text in a drop-down list, ignoring case, blanks and the unit.
int ChoicePosition(const std::vector<std::string>& choices, std::string_view typed) {
    const std::string wanted = LowerText(TrimmedText(typed));
    for (size_t position = 0; position < choices.size(); ++position) {
        const std::string choice = LowerText(choices[position]);
        const std::string bare = WithoutUnit(choice);
        if (wanted == choice || (!bare.empty() && wanted == bare)) return static_cast<int>(position);
    }
    return -1;
}

std::string NotAChoice(std::string_view typed) {
    return "\"" + TrimmedText(typed) + "\" is not one of the choices.";
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
            return TextOfChoice(kShiftTexts, display.Shift);
        case TTableColumn::OffsetOrTx:
            return display.Shift == TShiftChoice::Split ? display.TxFrequency : display.Offset;
        case TTableColumn::ToneMode:
            return display.TonesEnabled ? TextOfChoice(kToneModeTexts, display.Tone) : "";
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
    if (!IsRow(data, row)) return "There is no such row.";
    if (column == TTableColumn::Channel) return "The channel label cannot be changed.";
    const TMemoryDisplay display = MemoryDisplayOf(data, row);
    if (column == TTableColumn::Name && !display.NameShown) {
        return "There are no memory names with " + std::to_string(data.ChannelCount()) +
               " channels.";
    }
    if (IsToneColumn(column) && !display.TonesEnabled) {
        return "The weather alert channel has no tones.";
    }
    if (column == TTableColumn::Lockout && !display.LockoutEnabled) {
        return "Only the numbered channels can be locked out.";
    }
    if (column == TTableColumn::Reverse && !display.ReverseEnabled) {
        return "A split channel has no reverse.";
    }
    return {};
}

// A check column's typed value: "Yes"/"No", "1"/"0", "y"/"n", "x"/"", in any case.
std::string ReadCheck(std::string_view typed, bool& value) {
    const std::string text = LowerText(TrimmedText(typed));
    for (const char* on : {"yes", "1", "y", "x"}) {
        if (text == on) return value = true, std::string();
    }
    for (const char* off : {"no", "0", "n", ""}) {
        if (text == off) return value = false, std::string();
    }
    return "Type Yes or No.";
}

bool IsDecimalText(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

// The frequency and offset edits take digits and a point alone.
std::string ReadNumber(std::string_view typed, const char* failureMessage, std::string& text) {
    text = TrimmedText(typed);
    return IsDecimalText(text) ? std::string() : failureMessage;
}

// The name edit shows capitals, holds six characters and refuses the others.
std::string ReadName(std::string_view typed, std::string& name) {
    name = UpperText(typed);
    if (!std::all_of(name.begin(), name.end(), IsMemoryNameCharacter)) {
        return kInvalidCharacterMessage;
    }
    if (name.size() > static_cast<size_t>(kMemoryNameLength)) {
        return "A memory name holds at most " + std::to_string(kMemoryNameLength) +
               " characters.";
    }
    return {};
}

std::string ReadShift(const TRadioData& data, std::string_view typed, TMemoryEdits& edits) {
    const std::vector<std::string> choices =
        TableCellChoices(data, edits.Position, TTableColumn::Shift);
    const int position = ChoicePosition(choices, typed);
    if (position < 0) return NotAChoice(typed);
    for (const auto& [shift, text] : kShiftTexts) {
        if (choices[position] == text) edits.Shift = shift;
    }
    // Choosing the split channel clears the reverse, as the editor's radio does.
    if (edits.Shift == TShiftChoice::Split) edits.Reverse = false;
    return {};
}

std::string ReadToneMode(std::string_view typed, TMemoryEdits& edits) {
    const int position = ChoicePosition(ChoiceTexts(kToneModeTexts), typed);
    if (position < 0) return NotAChoice(typed);
    edits.Tone = kToneModeTexts[position].first;
    return {};
}

std::string ReadListPosition(const std::vector<std::string>& choices, std::string_view typed,
                             int& position) {
    const int found = ChoicePosition(choices, typed);
    if (found < 0) return NotAChoice(typed);
    position = found;
    return {};
}

std::string ReadToneFrequency(std::string_view typed, TMemoryEdits& edits) {
    const std::vector<std::string> tones = ListTexts(ToneList());
    if (edits.Tone == TToneChoice::Tone) return ReadListPosition(tones, typed, edits.TonePosition);
    if (edits.Tone == TToneChoice::Ctcss) {
        return ReadListPosition(tones, typed, edits.CtcssPosition);
    }
    return "Choose Tone or CTCSS as the tone mode first.";
}

std::string ReadDcsCode(std::string_view typed, TMemoryEdits& edits) {
    if (edits.Tone != TToneChoice::Dcs) return "Choose DCS as the tone mode first.";
    return ReadListPosition(ListTexts(DcsList()), typed, edits.DcsPosition);
}

// The one control of the editor the column stands for, changed as the user would change it.
std::string ApplyTyped(const TRadioData& data, TTableColumn column, std::string_view typed,
                       TMemoryEdits& edits) {
    switch (column) {
        case TTableColumn::RxFrequency:
            return ReadNumber(typed, kInvalidFrequencyMessage, edits.RxText);
        case TTableColumn::Shift:
            return ReadShift(data, typed, edits);
        case TTableColumn::OffsetOrTx:
            if (edits.Shift == TShiftChoice::Split) {
                return ReadNumber(typed, kInvalidFrequencyMessage, edits.TxText);
            }
            return ReadNumber(typed, kInvalidOffsetMessage, edits.OffsetText);
        case TTableColumn::ToneMode:
            return ReadToneMode(typed, edits);
        case TTableColumn::ToneFrequency:
            return ReadToneFrequency(typed, edits);
        case TTableColumn::DcsCode:
            return ReadDcsCode(typed, edits);
        case TTableColumn::Step:
            return ReadListPosition(StepListTexts(data.GetModel()), typed, edits.StepPosition);
        case TTableColumn::Reverse:
            return ReadCheck(typed, edits.Reverse);
        case TTableColumn::BeatShift:
            return ReadCheck(typed, edits.BeatShift);
        case TTableColumn::Narrow:
            return ReadCheck(typed, edits.Narrow);
        case TTableColumn::Lockout:
            return ReadCheck(typed, edits.Lockout);
        case TTableColumn::Name:
            return ReadName(typed, edits.Name);
        case TTableColumn::Channel:
            break;
    }
    return "The channel label cannot be changed.";
}

TTableEdit Refused(std::string reason) {
    TTableEdit edit;
    edit.Refusal = std::move(reason);
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

std::vector<std::string> TableCellChoices(const TRadioData& data, int /*row*/, TTableColumn column) {
    switch (column) {
        case TTableColumn::Shift: {
            const bool minus76 = OffersMinus76Shift(data.GetModel(), data.GetMarketCode());
            std::vector<std::string> choices;
            for (const auto& [shift, text] : kShiftTexts) {
                if (shift != TShiftChoice::Minus76 || minus76) choices.push_back(text);
            }
            return choices;
        }
        case TTableColumn::ToneMode:
            return ChoiceTexts(kToneModeTexts);
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
        return Refused(std::move(reason));
    }
    TMemoryEdits edits = EditsOf(MemoryDisplayOf(data, row), row);
    if (std::string reason = ApplyTyped(data, column, typed, edits); !reason.empty()) {
        return Refused(std::move(reason));
    }
    const TMemoryRecord record = BuildMemoryRecord(data, edits);
    if (record.Failure != TEditFailure::None) return Refused(FailureMessage(record.Failure));
    TTableEdit edit;
    edit.RecordIndex = record.RecordIndex;
    edit.Record = record.Text;
    if (record.Rounded) edit.Note = kRoundedMessage;
    return edit;
}

void StoreTableEdit(TRadioData& data, const TTableEdit& edit) {
    if (!edit.Refusal.empty() || edit.RecordIndex < 0) return;
    data.SetChannel(edit.RecordIndex, edit.Record);
    data.Changed = true;
}
