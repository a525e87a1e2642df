#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The transceiver's side of the text on the line: how it names its entries,
// lays out its records and menu values, and spells DTMF codes. Pure text
// functions of the simulator's own; the program's command builders and
// parsers are never asked, so that a fault in them cannot hide in here.

enum class TFamily { Handheld, Mobile };

// "PX-A5" and "PX-A7" are handhelds; every other model is taken as a mobile
// ("RV-310", "RV-350", "RV-380").
TFamily FamilyOfModel(std::string_view model);

// The channel counts the family offers: memory names go with the smaller.
struct TCountChoice {
    std::string_view Smaller;
    std::string_view Larger;
};
TCountChoice CountChoiceOf(TFamily family);

// ---- Entries ----
// Entries 0..199 are the memory channels; L0, U0, L1, U1, L2, U2, PR and AL follow.

inline constexpr int kMemoryChannels = 200;
inline constexpr int kSpecialEntries = 8;
inline constexpr int kEntryCount = kMemoryChannels + kSpecialEntries;

// The channel field of an entry: "07" and "PR" on handhelds, "007" and " PR" on mobiles.
std::string ChannelFieldOf(int entry, TFamily family);
// The entry a channel field names, when it has exactly the family's form.
std::optional<int> EntryOfChannelField(std::string_view field, TFamily family);

// ---- Record values ----

// Values an entry carries: receive frequency through lock-out.
inline constexpr size_t kEntryValues = 16;
// Values of the CALL channel: receive frequency through the split step.
inline constexpr size_t kCallValues = 15;
// Values of the VFO: receive frequency through beat shift.
inline constexpr size_t kVfoValues = 13;

// The text split at every comma; an empty text is one empty value.
std::vector<std::string> SplitValues(std::string_view text);
std::string JoinValues(std::span<const std::string> values);
// A record write: exactly `count` values, the first (a frequency) all digits.
bool IsRecordValues(std::span<const std::string> values, size_t count);
bool IsDigits(std::string_view text);

// ---- DTMF codes ----

// The keypad's "*" and "#" travel as "E" and "F".
std::string DtmfCodeOnWire(std::string_view code);
std::string DtmfCodeOffWire(std::string_view code);

// ---- Menu ----

inline constexpr int kMenuSlots = 36;
inline constexpr int kCountMenuSlot = 26;
using TMenuSlots = std::array<std::string, kMenuSlots + 1>;  // [0] unused

// One value of the "MU" text: the slot it belongs to and its width.
struct TMenuPlace {
    int Slot;
    size_t Width;
};
std::span<const TMenuPlace> MenuLayoutOf(TFamily family);
// The values in the family's order, each filled with leading zeros to its width.
std::string MenuText(const TMenuSlots& slots, TFamily family);
// Each value from its fixed place; false (and nothing stored) unless the text
// has exactly the layout's shape.
bool StoreMenuText(std::string_view text, TFamily family, TMenuSlots& slots);

// A command that carries one menu slot alone ("LK", "MS", ...).
struct TSlotMnemonic {
    std::string_view Mnemonic;
    int Slot;
    size_t Width;     // the most characters it takes
    bool DigitsOnly;  // all but the power-on message
};
const TSlotMnemonic* SlotMnemonicOf(std::string_view mnemonic);
