#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "core/model/menuslots.h"
#include "core/model/modelprofile.h"

// Which command carries which menu slot. "MU" carries most of them, each at a
// fixed position of its text, in a layout of its own in each menu; a few
// travel alone, one command each, after "MU". Where each setting goes is a
// column of the menu settings' table (menusettings.h).

// One value of the "MU" text: the menu slot it belongs to and its width.
struct TMenuValue {
    TMenuSlot Slot;
    int Width;
};
// The values in the order "MU" carries them. Each starts one character after
// the previous value ends, so the positions are fixed.
std::span<const TMenuValue> MenuLayout(TMenuSet menu);
// The slot that is held at "0" for the whole of an exchange where the model
// holds the VOX off (the handhelds), and its place in their "MU" text.
inline constexpr TMenuSlot kHandheldHeldMenuSlot = kVoxGainSlot;
size_t HeldMenuPosition();

// A command that carries one menu slot alone: the mnemonic asks for it, the
// mnemonic, a blank and the value write it.
struct TSlotCommand {
    std::string_view Mnemonic;
    TMenuSlot Slot;
    bool DigitsOnly;  // the value is a number; the power-on message is text
};

inline constexpr TSlotCommand kPowerOnMessageCommand{"MS", kPowerOnMessageSlot, false};
inline constexpr TSlotCommand kKeyLockCommand{"LK", kKeyLockSlot, true};
// Only where the tone-burst setting is shown.
inline constexpr TSlotCommand kToneBurstCommand{"BT", kToneBurstSlot, true};
// The handhelds' lamp and MIC PF key.
inline constexpr TSlotCommand kLampCommand{"LP", kLampSlot, true};
inline constexpr TSlotCommand kMicKeyLockCommand{"PF", kMicKeyLockSlot, true};
// The mobiles' display brightness.
inline constexpr TSlotCommand kBrightnessCommand{"BR", kBrightnessSlot, true};

// All of them, in the order the exchanges send them after "MU".
inline constexpr std::array<TSlotCommand, 6> kSlotCommands{
    kPowerOnMessageCommand, kKeyLockCommand,    kToneBurstCommand,
    kLampCommand,           kMicKeyLockCommand, kBrightnessCommand,
};

// Whether an exchange sends the command: where the menu carries its slot alone (the
// lamp and the MIC PF key on the handhelds, the brightness on the mobiles), the tone
// burst only where its setting is shown.
bool ExchangesSlotCommand(const TSlotCommand& command, TMenuSet menu, bool toneBurstShown);

// The command an exchange sends after `previous` (nullptr: the first after "MU"), in the
// order of kSlotCommands; nullptr after the last.
const TSlotCommand* NextSlotCommand(const TSlotCommand* previous, TMenuSet menu,
                                    bool toneBurstShown);

// The command of that mnemonic; nullptr for one that carries no slot alone.
const TSlotCommand* SlotCommandOf(std::string_view mnemonic);
