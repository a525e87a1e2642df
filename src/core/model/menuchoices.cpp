#include "core/model/menuchoices.h"

#include <algorithm>
#include <cstdio>

#include "core/model/channelediting.h"
#include "core/model/menusettings.h"
#include "core/model/modelprofile.h"
#include "core/model/radiodata.h"

namespace {

constexpr int kBoxChoices = 2;
constexpr int kScanChoicesWithWeather = 3;

}  // namespace

std::span<const char* const> MenuListChoices(TMenuSlot slot) {
    return MenuSettingOf(slot).Choices;
}

bool IsPowerOnMessageCharacter(char c) {
    // The transceiver shows the same characters it takes in a memory name.
    return IsMemoryNameCharacter(c);
}

int MenuChoiceCount(const TRadioData& data, TMenuSlot slot) {
    const TMenuSetting& setting = MenuSettingOf(slot);
    switch (setting.Kind) {
        case TMenuKind::List:
        case TMenuKind::PfKey:
            return static_cast<int>(setting.Choices.size());
        case TMenuKind::Box:
            return kBoxChoices;
        case TMenuKind::Scan:
            return ProfileOf(data).HasWeatherAlert ? kScanChoicesWithWeather : kBoxChoices;
        case TMenuKind::Brightness:
            return kHighestBrightness + 1;
        default:
            return 0;
    }
}

std::string MenuChoiceText(TMenuSlot slot, int position) {
    char text[8];
    const TMenuKind kind = MenuSettingOf(slot).Kind;
    const char* format = kind == TMenuKind::PfKey        ? "%02X"
                         : kind == TMenuKind::Brightness ? "%02d"
                                                         : "%d";
    std::snprintf(text, sizeof text, format, position);
    return text;
}

bool IsMenuChoice(const TRadioData& data, TMenuSlot slot, std::string_view stored) {
    if (MenuSettingOf(slot).Kind == TMenuKind::Message) {
        return stored.size() <= static_cast<size_t>(kPowerOnMessageLength) &&
               std::all_of(stored.begin(), stored.end(), IsPowerOnMessageCharacter);
    }
    const int count = MenuChoiceCount(data, slot);
    for (int position = 0; position < count; ++position) {
        if (MenuChoiceText(slot, position) == stored) return true;
    }
    return MenuSettingOf(slot).Kind == TMenuKind::Count;
}

const char* MenuSettingName(const TRadioData& data, TMenuSlot slot) {
    return NameIn(MenuSettingOf(slot), ProfileOf(data).Menu);
}
