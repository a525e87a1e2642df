#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <QtGlobal>

#include "core/model/channelediting.h"
#include "core/model/channeltable.h"

class TRadioData;

// How the channel table reads a typed cell: the texts of its shift and tone mode
// drop-downs, and the one memory editor control a cell stands for.

// "Simplex", "+", "-", "-7.6MHz", "Split".
const char* ShiftChoiceText(TShiftChoice shift);
// The shift drop-down: "-7.6MHz" only where the editor offers it.
std::vector<std::string> ShiftChoiceTexts(const TRadioData& data);
// "None", "Tone", "CTCSS", "DCS".
const char* ToneChoiceText(TToneChoice tone);
std::vector<std::string> ToneChoiceTexts();

inline constexpr char kLabelNotEditableMessage[] =
    QT_TRANSLATE_NOOP("Messages", "The channel label cannot be changed.");

// The refusals that carry a value, "%1" standing for it.
inline constexpr char kNoNamesPattern[] =
    QT_TRANSLATE_NOOP("Messages", "There are no memory names with %1 channels.");
inline constexpr char kNotAChoicePattern[] =
    QT_TRANSLATE_NOOP("Messages", "\"%1\" is not one of the choices.");
inline constexpr char kNameTooLongPattern[] =
    QT_TRANSLATE_NOOP("Messages", "A memory name holds at most %1 characters.");
// A pattern with its value put in.
std::string WithValue(const char* pattern, const std::string& value);

// Changes the control `column` stands for as the user would to show `typed`; why it
// cannot be changed so, or nothing.
std::string ApplyTypedCell(const TRadioData& data, TTableColumn column, std::string_view typed,
                           TMemoryEdits& edits);
