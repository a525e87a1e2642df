#include "core/model/menuchoices.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cstdio>

#include "core/model/channelediting.h"
#include "core/model/modelprofile.h"
#include "core/model/pffunctions.h"
#include "core/model/radiodata.h"

namespace {

enum class TKind {
    List,        // a list or radio group: the position in decimal
    Box,         // a check box: "1" or "0"
    Scan,        // Priority Scan "1", Weather Alert "2", neither "0"
    PfKey,       // the PF function's position as two hexadecimal digits
    Brightness,  // the level as two digits
    Message,     // the power-on message
    Count,       // the channel count, set by the configuration
};

struct TSetting {
    TKind Kind;
    const char* Name;
    std::span<const char* const> Choices = {};
    const char* MobileName = nullptr;  // where the mobiles caption it otherwise
};

constexpr std::array<const char*, 10> kSaveChoices{"OFF",    "0.2sec", "0.4sec", "0.6sec",
                                                   "0.8sec", "1.0sec", "2.0sec", "3.0sec",
                                                   "4.0sec", "5.0sec"};
constexpr std::array<const char*, 6> kApoChoices{"OFF",   "30min",  "60min",
                                                 "90min", "120min", "180min"};
constexpr std::array<const char*, 3> kTotChoices{"3min", "5min", "10min"};
constexpr std::array<const char*, 10> kVoxGainChoices{"OFF", "1", "2", "3", "4",
                                                      "5",   "6", "7", "8", "9"};
constexpr std::array<const char*, 7> kVoxDelayChoices{"250ms",  "500ms",  "750ms", "1000ms",
                                                      "1500ms", "2000ms", "3000ms"};
constexpr std::array<const char*, 7> kDtmfPauseChoices{"100ms",  "250ms",  "500ms", "750ms",
                                                       "1000ms", "1500ms", "2000ms"};
constexpr std::array<const char*, 4> kToneBurstChoices{"1000Hz", "1450Hz", "1750Hz", "2100Hz"};
constexpr std::array<const char*, 4> kSquelchHangChoices{"OFF", "125ms", "250ms", "500ms"};
constexpr std::array<const char*, 2> kDataSpeedChoices{"1200bps", "9600bps"};
constexpr std::array<const char*, 3> kScanResumeChoices{QT_TRANSLATE_NOOP("TMenuPages", "Time"),
                                                        QT_TRANSLATE_NOOP("TMenuPages", "Carrier"),
                                                        QT_TRANSLATE_NOOP("TMenuPages", "Seek")};
constexpr std::array<const char*, 2> kDtmfSpeedChoices{QT_TRANSLATE_NOOP("TMenuPages", "Fast"),
                                                       QT_TRANSLATE_NOOP("TMenuPages", "Slow")};
constexpr std::array<const char*, 2> kCallKeyChoices{
    "CALL", QT_TRANSLATE_NOOP("TMenuPages", "1750Hz Tone")};

const std::array<TSetting, kLastMenuSlot>& Settings() {
    using enum TKind;
    static const std::array<TSetting, kLastMenuSlot> kSettings{{
        {List, QT_TRANSLATE_NOOP("Messages", "Battery Saver"), kSaveChoices},
        {List, QT_TRANSLATE_NOOP("Messages", "Auto Power Off"), kApoChoices},
        {Scan, QT_TRANSLATE_NOOP("Messages", "Priority Scan/Weather Alert")},
        {List, QT_TRANSLATE_NOOP("Messages", "Scan Resume"), kScanResumeChoices},
        {Box, QT_TRANSLATE_NOOP("Messages", "Tune Enable")},
        {Box, QT_TRANSLATE_NOOP("Messages", "Key Beep")},
        {Box, QT_TRANSLATE_NOOP("Messages", "Tx Inhibit")},
        {Box, QT_TRANSLATE_NOOP("Messages", "Busy Ch Lockout")},
        {List, QT_TRANSLATE_NOOP("Messages", "Time-out Timer"), kTotChoices},
        {List, QT_TRANSLATE_NOOP("Messages", "VOX Gain"), kVoxGainChoices},
        {Box, QT_TRANSLATE_NOOP("Messages", "VOX on Busy")},
        {List, QT_TRANSLATE_NOOP("Messages", "VOX Delay"), kVoxDelayChoices},
        {Box, QT_TRANSLATE_NOOP("Messages", "Automatic Repeater Offset")},
        {Box, QT_TRANSLATE_NOOP("Messages", "1750Hz Tone Hold")},
        {Box, QT_TRANSLATE_NOOP("Messages", "DTMF Lock")},
        {Box, QT_TRANSLATE_NOOP("Messages", "DTMF Hold")},
        {List, QT_TRANSLATE_NOOP("Messages", "DTMF Pause"), kDtmfPauseChoices},
        {List, QT_TRANSLATE_NOOP("Messages", "DTMF Speed"), kDtmfSpeedChoices},
        {Message, QT_TRANSLATE_NOOP("Messages", "Power-on Message")},
        {Box, QT_TRANSLATE_NOOP("Messages", "Memory Name")},
        {Box, QT_TRANSLATE_NOOP("Messages", "Key Lock")},
        {Box, QT_TRANSLATE_NOOP("Messages", "Lamp")},
        {List, QT_TRANSLATE_NOOP("Messages", "CALL Key"), kCallKeyChoices},
        {Box,
         QT_TRANSLATE_NOOP("Messages", "Disable MIC PF Key"),
         {},
         QT_TRANSLATE_NOOP("Messages", "Mic Key Lock")},
        {List, QT_TRANSLATE_NOOP("Messages", "Tone Burst Frequency"), kToneBurstChoices},
        {Count, "Channel Count"},
        {Box, QT_TRANSLATE_NOOP("Messages", "S-Meter Squelch")},
        {List, QT_TRANSLATE_NOOP("Messages", "Squelch Hang Time"), kSquelchHangChoices},
        {PfKey, "PF1", PfFunctionList()},
        {PfKey, "PF2", PfFunctionList()},
        {PfKey, "PF3", PfFunctionList()},
        {PfKey, "PF4", PfFunctionList()},
        {Box, QT_TRANSLATE_NOOP("Messages", "DTMF Monitor")},
        {Box, QT_TRANSLATE_NOOP("Messages", "Auto Brightness")},
        {List, QT_TRANSLATE_NOOP("Messages", "Data Speed"), kDataSpeedChoices},
        {Brightness, QT_TRANSLATE_NOOP("Messages", "Brightness")},
    }};
    return kSettings;
}

// A slot outside 1..36 is none of the settings: it reads as the channel count, which no
// page offers.
const TSetting& SettingOf(TMenuSlot slot) {
    static const TSetting kNone{TKind::Count, ""};
    if (slot < kFirstMenuSlot || slot > kLastMenuSlot) return kNone;
    return Settings()[static_cast<size_t>(slot - kFirstMenuSlot)];
}

constexpr int kBoxChoices = 2;
constexpr int kScanChoicesWithWeather = 3;

}  // namespace

std::span<const char* const> MenuListChoices(TMenuSlot slot) {
    return SettingOf(slot).Choices;
}

bool IsPowerOnMessageCharacter(char c) {
    // The transceiver shows the same characters it takes in a memory name.
    return IsMemoryNameCharacter(c);
}

int MenuChoiceCount(const TRadioData& data, TMenuSlot slot) {
    const TSetting& setting = SettingOf(slot);
    switch (setting.Kind) {
        case TKind::List:
        case TKind::PfKey:
            return static_cast<int>(setting.Choices.size());
        case TKind::Box:
            return kBoxChoices;
        case TKind::Scan:
            return ProfileOf(data).HasWeatherAlert ? kScanChoicesWithWeather : kBoxChoices;
        case TKind::Brightness:
            return kHighestBrightness + 1;
        default:
            return 0;
    }
}

std::string MenuChoiceText(TMenuSlot slot, int position) {
    char text[8];
    const TKind kind = SettingOf(slot).Kind;
    const char* format = kind == TKind::PfKey ? "%02X" : kind == TKind::Brightness ? "%02d" : "%d";
    std::snprintf(text, sizeof text, format, position);
    return text;
}

bool IsMenuChoice(const TRadioData& data, TMenuSlot slot, std::string_view stored) {
    if (SettingOf(slot).Kind == TKind::Message) {
        return stored.size() <= static_cast<size_t>(kPowerOnMessageLength) &&
               std::all_of(stored.begin(), stored.end(), IsPowerOnMessageCharacter);
    }
    const int count = MenuChoiceCount(data, slot);
    for (int position = 0; position < count; ++position) {
        if (MenuChoiceText(slot, position) == stored) return true;
    }
    return SettingOf(slot).Kind == TKind::Count;
}

const char* MenuSettingName(const TRadioData& data, TMenuSlot slot) {
    const TSetting& setting = SettingOf(slot);
    return data.IsMobile() && setting.MobileName != nullptr ? setting.MobileName : setting.Name;
}
