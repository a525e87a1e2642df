#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/model/menuslots.h"

class TRadioData;

// What each menu setting may hold, for the menu pages that offer the values and for the
// checks that keep anything else from the transceiver. A list or radio group stores the
// position of its choice in decimal, a PF key the position as two hexadecimal digits, the
// brightness its level as two digits, a check box "1" or "0"; the power-on message is text.

// The choices a list or radio group of the menu pages offers, in order; empty for a setting
// that is neither. Choices in words are marked for translation in context "TMenuPages"; the
// radio's own terms stay as they are.
std::span<const char* const> MenuListChoices(TMenuSlot slot);

// The brightness levels run from 0 to this.
inline constexpr int kHighestBrightness = 31;
// The longest power-on message the transceiver shows.
inline constexpr int kPowerOnMessageLength = 6;
// Whether the power-on message may hold this character: "0"-"9", "A"-"Z", "-", "/" and space.
bool IsPowerOnMessageCharacter(char c);

// How many values a setting takes on the data set's model and market: a list's choices, two
// for a check box, the brightness levels; Priority Scan and Weather Alert share a slot, and
// Weather Alert is a choice only where the market has it. 0 for the power-on message and the
// channel count, which are no choices.
int MenuChoiceCount(const TRadioData& data, TMenuSlot slot);
// The text a setting stores for the choice at `position`: "7", "0A" for a PF key, "07" for
// the brightness.
std::string MenuChoiceText(TMenuSlot slot, int position);
// Whether a stored text is exactly what the menu pages store for one of the setting's
// choices; for the power-on message, a message the transceiver shows.
bool IsMenuChoice(const TRadioData& data, TMenuSlot slot, std::string_view stored);

// The setting's name as the menu pages caption it, for messages (context "Messages").
const char* MenuSettingName(const TRadioData& data, TMenuSlot slot);
