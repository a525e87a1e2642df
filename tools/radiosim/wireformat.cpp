#include "radiosim/wireformat.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::array<std::string_view, kSpecialEntries> kSpecialLabels = {"L0", "U0", "L1", "U1",
                                                                          "L2", "U2", "PR", "AL"};

// "MU" on the handhelds: twenty one-character values.
constexpr std::array<TMenuPlace, 20> kHandheldMenu = {{
    {1, 1},  {2, 1},  {7, 1},  {11, 1}, {10, 1}, {12, 1}, {8, 1}, {9, 1},  {4, 1},  {13, 1},
    {23, 1}, {14, 1}, {18, 1}, {15, 1}, {16, 1}, {5, 1},  {6, 1}, {17, 1}, {20, 1}, {3, 1},
}};

// "MU" on the mobiles: twenty-five values, the PF keys two characters each.
constexpr std::array<TMenuPlace, 25> kMobileMenu = {{
    {27, 1}, {28, 1}, {13, 1}, {4, 1},  {20, 1}, {2, 1},  {23, 1}, {14, 1}, {9, 1},
    {8, 1},  {6, 1},  {5, 1},  {18, 1}, {16, 1}, {17, 1}, {15, 1}, {33, 1}, {24, 1},
    {29, 2}, {30, 2}, {31, 2}, {32, 2}, {35, 1}, {34, 1}, {3, 1},
}};

constexpr std::array<TSlotMnemonic, 6> kSlotMnemonics = {{
    {"MS", 19, 8, false},  // power-on message
    {"LK", 21, 1, true},   // key lock
    {"BT", 25, 1, true},   // tone burst
    {"LP", 22, 1, true},   // lamp
    {"PF", 24, 1, true},   // MIC PF key
    {"BR", 36, 2, true},   // brightness
}};

std::string Mapped(std::string_view text, char from1, char to1, char from2, char to2) {
    std::string mapped(text);
    for (char& c : mapped) {
        if (c == from1) {
            c = to1;
        } else if (c == from2) {
            c = to2;
        }
    }
    return mapped;
}

}  // namespace

TFamily FamilyOfModel(std::string_view model) {
    return model == "PX-A5" || model == "PX-A7" ? TFamily::Handheld : TFamily::Mobile;
}

TCountChoice CountChoiceOf(TFamily family) {
    return family == TFamily::Handheld ? TCountChoice{"49", "99"} : TCountChoice{"99", "199"};
}

std::string ChannelFieldOf(int entry, TFamily family) {
    const bool mobile = family == TFamily::Mobile;
    if (entry >= 0 && entry < kMemoryChannels) {
        char field[8];
        std::snprintf(field, sizeof field, mobile ? "%03d" : "%02d", entry);
        return field;
    }
    if (entry < kMemoryChannels || entry >= kEntryCount) return {};
    return (mobile ? " " : "") + std::string(kSpecialLabels[entry - kMemoryChannels]);
}

std::optional<int> EntryOfChannelField(std::string_view field, TFamily family) {
    const bool mobile = family == TFamily::Mobile;
    if (field.size() != (mobile ? 3u : 2u)) return std::nullopt;
    if (IsDigits(field)) {
        int number = 0;
        for (const char c : field) number = number * 10 + (c - '0');
        // Digits name memory channels only.
        if (number >= kMemoryChannels) return std::nullopt;
        return number;
    }
    if (mobile) {
        if (field[0] != ' ') return std::nullopt;
        field.remove_prefix(1);
    }
    const auto label = std::find(kSpecialLabels.begin(), kSpecialLabels.end(), field);
    if (label == kSpecialLabels.end()) return std::nullopt;
    return kMemoryChannels + static_cast<int>(label - kSpecialLabels.begin());
}

std::vector<std::string> SplitValues(std::string_view text) {
    std::vector<std::string> values;
    for (;;) {
        const size_t comma = text.find(',');
        values.emplace_back(text.substr(0, comma));
        if (comma == std::string_view::npos) return values;
        text.remove_prefix(comma + 1);
    }
}

std::string JoinValues(std::span<const std::string> values) {
    std::string text;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) text += ',';
        text += values[i];
    }
    return text;
}

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsRecordValues(std::span<const std::string> values, size_t count) {
    return values.size() == count && IsDigits(values.front());
}

std::string DtmfCodeOnWire(std::string_view code) {
    return Mapped(code, '*', 'E', '#', 'F');
}

std::string DtmfCodeOffWire(std::string_view code) {
    return Mapped(code, 'E', '*', 'F', '#');
}

std::span<const TMenuPlace> MenuLayoutOf(TFamily family) {
    if (family == TFamily::Mobile) return kMobileMenu;
    return kHandheldMenu;
}

std::string MenuText(const TMenuSlots& slots, TFamily family) {
    std::string text;
    for (const TMenuPlace& place : MenuLayoutOf(family)) {
        if (!text.empty()) text += ',';
        const std::string_view value = std::string_view(slots[place.Slot]).substr(0, place.Width);
        text.append(place.Width - value.size(), '0');
        text += value;
    }
    return text;
}

bool StoreMenuText(std::string_view text, TFamily family, TMenuSlots& slots) {
    std::vector<std::pair<int, std::string_view>> found;
    size_t position = 0;
    for (const TMenuPlace& place : MenuLayoutOf(family)) {
        if (position > 0) {
            if (position >= text.size() || text[position] != ',') return false;
            ++position;
        }
        const std::string_view value = text.substr(std::min(position, text.size()), place.Width);
        if (value.size() != place.Width || value.find(',') != std::string_view::npos) return false;
        found.emplace_back(place.Slot, value);
        position += place.Width;
    }
    if (position != text.size()) return false;
    for (const auto& [slot, value] : found) slots[slot] = value;
    return true;
}

const TSlotMnemonic* SlotMnemonicOf(std::string_view mnemonic) {
    const auto found = std::find_if(kSlotMnemonics.begin(), kSlotMnemonics.end(),
                                    [&](const TSlotMnemonic& s) { return s.Mnemonic == mnemonic; });
    return found == kSlotMnemonics.end() ? nullptr : &*found;
}
