#pragma once

#include <array>
#include <string>
#include <string_view>

// The functions a PF key can take, by position; the menu pages offer them in
// this order and a PF key's slot (kPf1Slot..kPf4Slot) stores the position as two
// hexadecimal digits.
constexpr int kPfFunctionCount = 19;
const std::array<const char*, kPfFunctionCount>& PfFunctionList();

// The function named by a stored slot text ("06" -> "MHz"); empty when the text
// is not a position of the list.
std::string PfFunctionOfSlot(std::string_view slotText);
