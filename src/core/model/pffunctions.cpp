#include "core/model/pffunctions.h"

#include <cctype>

const std::array<const char*, kPfFunctionCount>& PfFunctionList() {
    static constexpr std::array<const char*, kPfFunctionCount> kFunctions{
        "MONI", "ENTER", "1750", "VFO",   "MR",  "CALL",   "MHz",  "REV",  "SQL", "M>V",
        "M.IN", "C.IN",  "MENU", "SHIFT", "LOW", "BRIGHT", "LOCK", "TONE", "STEP"};
    return kFunctions;
}

std::string PfFunctionOfSlot(std::string_view slotText) {
    if (slotText.empty() || slotText.size() > 2) return {};
    int position = 0;
    for (const char digit : slotText) {
        if (!std::isxdigit(static_cast<unsigned char>(digit))) return {};
        const int value = std::isdigit(static_cast<unsigned char>(digit))
                              ? digit - '0'
                              : std::toupper(static_cast<unsigned char>(digit)) - 'A' + 10;
        position = position * 16 + value;
    }
    return position < kPfFunctionCount ? PfFunctionList()[static_cast<size_t>(position)] : "";
}
