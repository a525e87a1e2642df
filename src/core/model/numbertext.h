#pragma once

#include <string_view>

// The value of a text's leading decimal digits, as the stored digit texts are
// read everywhere: 0 when there are none, and saturating at 999,999,999 so
// that a damaged or overlong text can never overflow.
int LeadingNumber(std::string_view text);
