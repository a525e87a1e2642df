#include "core/radio/slotcommands.h"

#include <algorithm>
#include <vector>

#include "core/model/menusettings.h"

namespace {

// The PF keys' functions take two hexadecimal digits; every other value one character.
int MenuValueWidth(const TMenuSetting& setting) {
    return setting.Kind == TMenuKind::PfKey ? 2 : 1;
}

std::vector<TMenuValue> LayoutOf(TMenuSet menu) {
    std::vector<TMenuValue> layout;
    for (const TMenuSetting& setting : MenuSettings()) {
        const int place = CarriageIn(setting, menu).MenuValue;
        if (place < 0) continue;
        if (layout.size() <= static_cast<size_t>(place))
            layout.resize(static_cast<size_t>(place) + 1);
        layout[static_cast<size_t>(place)] = {setting.Slot, MenuValueWidth(setting)};
    }
    return layout;
}

}  // namespace

std::span<const TMenuValue> MenuLayout(TMenuSet menu) {
    static const std::vector<TMenuValue> kHandheldMenu = LayoutOf(TMenuSet::Handheld);
    static const std::vector<TMenuValue> kMobileMenu = LayoutOf(TMenuSet::Mobile);
    return menu == TMenuSet::Mobile ? kMobileMenu : kHandheldMenu;
}

size_t HeldMenuPosition() {
    size_t position = 0;
    for (const TMenuValue& value : MenuLayout(TMenuSet::Handheld)) {
        if (value.Slot == kHandheldHeldMenuSlot) break;
        position += static_cast<size_t>(value.Width) + 1;
    }
    return position;
}

const TSlotCommand* SlotCommandOf(std::string_view mnemonic) {
    const auto* found = std::find_if(kSlotCommands.begin(), kSlotCommands.end(),
                                     [&](const TSlotCommand& c) { return c.Mnemonic == mnemonic; });
    return found == kSlotCommands.end() ? nullptr : found;
}

bool ExchangesSlotCommand(const TSlotCommand& command, TMenuSet menu, bool toneBurstShown) {
    const TMenuSetting& setting = MenuSettingOf(command.Slot);
    if (setting.Shown == TMenuShown::WithToneBurst && !toneBurstShown) return false;
    return CarriageIn(setting, menu).Alone;
}

const TSlotCommand* NextSlotCommand(const TSlotCommand* previous, TMenuSet menu,
                                    bool toneBurstShown) {
    const auto* next = previous ? previous + 1 : kSlotCommands.begin();
    for (; next != kSlotCommands.end(); ++next) {
        if (ExchangesSlotCommand(*next, menu, toneBurstShown)) return next;
    }
    return nullptr;
}
