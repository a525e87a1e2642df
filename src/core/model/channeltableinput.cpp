#include "core/model/channeltableinput.h"

#include "core/model/messagewords.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include <QtGlobal>

#include "core/model/frequencyrules.h"
#include "core/model/plaintext.h"
#include "core/model/radiodata.h"

namespace {

// The words among the choices are shown translated (context "ChannelTable"); typed and
// stored they stay English.
constexpr std::array<std::pair<TShiftChoice, const char*>, 5> kShiftTexts{{
    {TShiftChoice::Simplex, QT_TRANSLATE_NOOP("ChannelTable", "Simplex")},
    {TShiftChoice::Plus, "+"},
    {TShiftChoice::Minus, "-"},
    {TShiftChoice::Minus76, "-7.6MHz"},
    {TShiftChoice::Split, QT_TRANSLATE_NOOP("ChannelTable", "Split")},
}};

constexpr std::array<std::pair<TToneChoice, const char*>, 4> kToneTexts{{
    {TToneChoice::None, QT_TRANSLATE_NOOP("ChannelTable", "None")},
    {TToneChoice::Tone, QT_TRANSLATE_NOOP("ChannelTable", "Tone")},
    {TToneChoice::Ctcss, "CTCSS"},
    {TToneChoice::Dcs, "DCS"},
}};

template <typename TChoice, size_t N>
const char* TextOfChoice(const std::array<std::pair<TChoice, const char*>, N>& texts,
                         TChoice choice) {
    for (const auto& [value, text] : texts) {
        if (value == choice) return text;
    }
    return "";
}

// "88.5Hz" -> "88.5", so that a value may be typed without its unit; words keep nothing.
std::string WithoutUnit(std::string_view choice) {
    while (!choice.empty() && std::isalpha(static_cast<unsigned char>(choice.back()))) {
        choice.remove_suffix(1);
    }
    return std::string(choice);
}

// The typed text's place in a drop-down list, ignoring case, blanks and the unit; or why
// it has none.
std::string ReadListPosition(const std::vector<std::string>& choices, std::string_view typed,
                             int& position) {
    const std::string wanted = LowerText(TrimmedText(typed));
    for (size_t index = 0; index < choices.size(); ++index) {
        const std::string choice = LowerText(choices[index]);
        const std::string bare = WithoutUnit(choice);
        if (wanted == choice || (!bare.empty() && wanted == bare)) {
            position = static_cast<int>(index);
            return {};
        }
    }
    return WithValue(kNotAChoicePattern, TrimmedText(typed));
}

template <typename TChoice, size_t N>
std::string ReadChoice(const std::array<std::pair<TChoice, const char*>, N>& texts,
                       const std::vector<std::string>& choices, std::string_view typed,
                       TChoice& choice) {
    int position = -1;
    std::string refusal = ReadListPosition(choices, typed, position);
    for (const auto& [value, text] : texts) {
        if (refusal.empty() && choices[static_cast<size_t>(position)] == text) choice = value;
    }
    return refusal;
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
    return QT_TRANSLATE_NOOP("Messages", "Type Yes or No.");
}

// The frequency and offset edits take digits and a point alone.
std::string ReadNumber(std::string_view typed, const char* failureMessage, std::string& text) {
    text = TrimmedText(typed);
    const bool decimal = std::all_of(text.begin(), text.end(),
                                     [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
    return decimal ? std::string() : failureMessage;
}

// The name edit shows capitals, holds six characters and refuses the others.
std::string ReadName(std::string_view typed, std::string& name) {
    name = UpperText(typed);
    if (!std::all_of(name.begin(), name.end(), IsMemoryNameCharacter)) {
        return QT_TRANSLATE_NOOP("Messages",
                                 "A memory name takes only the letters A to Z, the digits 0 to 9, "
                                 "the space, \"-\" and \"/\".");
    }
    if (name.size() > static_cast<size_t>(kMemoryNameLength)) {
        return WithValue(kNameTooLongPattern, std::to_string(kMemoryNameLength));
    }
    return {};
}

std::string ReadShift(const TRadioData& data, std::string_view typed, TMemoryEdits& edits) {
    std::string refusal = ReadChoice(kShiftTexts, ShiftChoiceTexts(data), typed, edits.Shift);
    // Choosing the split channel clears the reverse, as the editor's radio does.
    if (edits.Shift == TShiftChoice::Split) edits.Reverse = false;
    return refusal;
}

std::string ReadToneFrequency(const TRadioData& data, std::string_view typed, TMemoryEdits& edits) {
    const std::vector<std::string> tones =
        TableCellChoices(data, edits.Position, TTableColumn::ToneFrequency);
    if (edits.Tone == TToneChoice::Tone) return ReadListPosition(tones, typed, edits.TonePosition);
    if (edits.Tone == TToneChoice::Ctcss) {
        return ReadListPosition(tones, typed, edits.CtcssPosition);
    }
    return QT_TRANSLATE_NOOP("Messages", "Choose Tone or CTCSS as the tone mode first.");
}

std::string ReadDcsCode(const TRadioData& data, std::string_view typed, TMemoryEdits& edits) {
    if (edits.Tone != TToneChoice::Dcs) {
        return QT_TRANSLATE_NOOP("Messages", "Choose DCS as the tone mode first.");
    }
    return ReadListPosition(TableCellChoices(data, edits.Position, TTableColumn::DcsCode), typed,
                            edits.DcsPosition);
}

std::string ReadTransmitOrOffset(std::string_view typed, TMemoryEdits& edits) {
    if (edits.Shift == TShiftChoice::Split) {
        return ReadNumber(typed, kInvalidFrequencyMessage, edits.TxText);
    }
    return ReadNumber(typed, kInvalidOffsetMessage, edits.OffsetText);
}

}  // namespace

const char* ShiftChoiceText(TShiftChoice shift) {
    return TextOfChoice(kShiftTexts, shift);
}

std::vector<std::string> ShiftChoiceTexts(const TRadioData& data) {
    const bool minus76 = OffersMinus76Shift(data.GetModel(), data.GetMarketCode());
    std::vector<std::string> choices;
    for (const auto& [shift, text] : kShiftTexts) {
        if (shift != TShiftChoice::Minus76 || minus76) choices.push_back(text);
    }
    return choices;
}

const char* ToneChoiceText(TToneChoice tone) {
    return TextOfChoice(kToneTexts, tone);
}

std::vector<std::string> ToneChoiceTexts() {
    std::vector<std::string> choices;
    for (const auto& pair : kToneTexts) choices.push_back(pair.second);
    return choices;
}

std::string ApplyTypedCell(const TRadioData& data, TTableColumn column, std::string_view typed,
                           TMemoryEdits& edits) {
    switch (column) {
        case TTableColumn::RxFrequency:
            return ReadNumber(typed, kInvalidFrequencyMessage, edits.RxText);
        case TTableColumn::Shift:
            return ReadShift(data, typed, edits);
        case TTableColumn::OffsetOrTx:
            return ReadTransmitOrOffset(typed, edits);
        case TTableColumn::ToneMode:
            return ReadChoice(kToneTexts, ToneChoiceTexts(), typed, edits.Tone);
        case TTableColumn::ToneFrequency:
            return ReadToneFrequency(data, typed, edits);
        case TTableColumn::DcsCode:
            return ReadDcsCode(data, typed, edits);
        case TTableColumn::Step:
            return ReadListPosition(TableCellChoices(data, edits.Position, column), typed,
                                    edits.StepPosition);
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
    return kLabelNotEditableMessage;
}

std::string WithValue(const char* pattern, const std::string& value) {
    return MessageText(pattern, {value});
}

TTableMessage TableMessageOf(const std::string& text) {
    for (const char* pattern : {kNoNamesPattern, kNotAChoicePattern, kNameTooLongPattern}) {
        const std::string_view whole(pattern);
        const size_t at = whole.find("%1");
        const std::string_view before = whole.substr(0, at);
        const std::string_view after = whole.substr(at + 2);
        if (text.size() >= before.size() + after.size() && text.starts_with(before) &&
            text.ends_with(after)) {
            return {pattern,
                    text.substr(before.size(), text.size() - before.size() - after.size())};
        }
    }
    return {};
}
