#include "core/model/menusettings.h"

#include <QtGlobal>
#include <array>

#include "core/model/pffunctions.h"

namespace {

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
constexpr std::array<const char*, 3> kListedScanResumeChoices{"Time-Operated Mode",
                                                              "Carrier-Operated Mode", "Seek Mode"};
constexpr std::array<const char*, 2> kDtmfSpeedChoices{QT_TRANSLATE_NOOP("TMenuPages", "Fast"),
                                                       QT_TRANSLATE_NOOP("TMenuPages", "Slow")};
constexpr std::array<const char*, 2> kCallKeyChoices{
    "CALL", QT_TRANSLATE_NOOP("TMenuPages", "1750Hz Tone")};

// A value's place in "MU", and a slot that travels by a command of its own.
constexpr TMenuCarriage Mu(int place) {
    return {.MenuValue = place};
}
constexpr TMenuCarriage kAlone{.Alone = true};

const std::array<TMenuSetting, kLastMenuSlot>& Table() {
    using enum TMenuKind;
    using enum TListedValue;
    static const std::array<TMenuSetting, kLastMenuSlot> kSettings{{
        {.Slot = kBatterySaverSlot,
         .Kind = List,
         .Name = QT_TRANSLATE_NOOP("Messages", "Battery Saver"),
         .Choices = kSaveChoices,
         .OnHandhelds = Mu(0),
         .Help = 205,
         .Listing = {.Name = "Battery Saver", .As = Choice}},
        {.Slot = kAutoPowerOffSlot,
         .Kind = List,
         .Name = QT_TRANSLATE_NOOP("Messages", "Auto Power Off"),
         .Choices = kApoChoices,
         .OnHandhelds = Mu(1),
         .OnMobiles = Mu(5),
         .Help = 210,
         .Listing = {.Name = "Auto Power Off", .As = Choice}},
        {.Slot = kPriorityScanSlot,
         .Kind = Scan,
         .Name = QT_TRANSLATE_NOOP("Messages", "Priority Scan/Weather Alert"),
         .OnHandhelds = Mu(19),
         .OnMobiles = Mu(24),
         .Help = 215,
         .Listing = {.Name = "Priority Scan", .As = PriorityScan}},
        {.Slot = kScanResumeSlot,
         .Kind = List,
         .Name = QT_TRANSLATE_NOOP("Messages", "Scan Resume"),
         .Choices = kScanResumeChoices,
         .OnHandhelds = Mu(8),
         .OnMobiles = Mu(3),
         .Help = 225,
         .Listing = {.Name = "Scan Resume Method",
                     .As = Choice,
                     .Words = kListedScanResumeChoices,
                     .Fallback = 2}},
        {.Slot = kTuneEnableSlot,
         .Kind = Box,
         .Name = QT_TRANSLATE_NOOP("Messages", "Tune Enable"),
         .OnHandhelds = Mu(15),
         .OnMobiles = Mu(11),
         .Help = 230,
         .Listing = {.Name = "Tune Enable"}},
        {.Slot = kKeyBeepSlot,
         .Kind = Box,
         .Name = QT_TRANSLATE_NOOP("Messages", "Key Beep"),
         .OnHandhelds = Mu(16),
         .OnMobiles = Mu(10),
         .Help = 235,
         .Listing = {.Name = "Key Beep"}},
        {.Slot = kTxInhibitSlot,
         .Kind = Box,
         .Name = QT_TRANSLATE_NOOP("Messages", "Tx Inhibit"),
         .OnHandhelds = Mu(2),
         .Help = 240,
         .Listing = {.Name = "Tx Inhibit"}},
        {.Slot = kBusyChannelLockoutSlot,
         .Kind = Box,
         .Name = QT_TRANSLATE_NOOP("Messages", "Busy Ch Lockout"),
         .OnHandhelds = Mu(6),
         .OnMobiles = Mu(9),
         .Help = 245,
         .Listing = {.Name = "Busy Channel Lockout"}},
        {.Slot = kTimeOutTimerSlot,
         .Kind = List,
         .Name = QT_TRANSLATE_NOOP("Messages", "Time-out Timer"),
         .Choices = kTotChoices,
         .OnHandhelds = Mu(7),
         .OnMobiles = Mu(8),
         .Help = 250,
         .Listing = {.Name = "Time-out Timer", .As = Choice}},
        {.Slot = kVoxGainSlot,
         .Kind = List,
         .Name = QT_TRANSLATE_NOOP("Messages", "VOX Gain"),
         .Choices = kVoxGainChoices,
         .OnHandhelds = Mu(4),
         .Help = 255,
         .Listing = {.Name = "VOX Gain", .As = Text, .OffText = "0"}},
        {.Slot = kVoxOnBusySlot,
         .Kind = Box,
         .Name = QT_TRANSLATE_NOOP("Messages", "VOX on Busy"),
         .OnHandhelds = Mu(3),
         .Help = 260,
         .Listing = {.Name = "VOX on Busy"}},
        {.Slot = kVoxDelaySlot,
         .Kind = List,
         .Name = QT_TRANSLATE_NOOP("Messages", "VOX Delay"),
         .Choices = kVoxDelayChoices,
         .OnHandhelds = Mu(5),
         .Help = 265,
         .Listing = {.Name = "VOX Deley", .As = Choice}},
        {.Slot = kRepeaterOffsetSlot,
         .Kind = Box,
         .Name = QT_TRANSLATE_NOOP("Messages", "Automatic Repeater Offset"),
         .OnHandhelds = Mu(9),
         .OnMobiles = Mu(2),
         .Help = 270,
         .Listing = {.Name = "Automatic Repeater Offset"}},
        {.Slot = kToneHoldSlot,
         .Kind = Box,
         .Name = QT_TRANSLATE_NOOP("Messages", "1750Hz Tone Hold"),
         .OnHandhelds = Mu(11),
         .OnMobiles = Mu(7),
         .Help = 275,
         .Listing = {.Name = "1750Hz Tone Hold"}},
        {.Slot = kDtmfLockSlot,
         .Kind = Box,
         .Name = QT_TRANSLATE_NOOP("Messages", "DTMF Lock"),
         .OnHandhelds = Mu(13),
         .OnMobiles = Mu(15),
         .Help = 290,
         .Listing = {.Name = "DTMF Lock"}},
        {.Slot = kDtmfHoldSlot,
         .Kind = Box,
         .Name = QT_TRANSLATE_NOOP("Messages", "DTMF Hold"),
         .OnHandhelds = Mu(14),
         .OnMobiles = Mu(13),
         .Shown = TMenuShown::WhereDtmfHolds,
         .Help = 295,
         .Listing = {.Name = "DTMF Hold"}},
        {.Slot = kDtmfPauseSlot,
         .Kind = List,
         .Name = QT_TRANSLATE_NOOP("Messages", "DTMF Pause"),
         .Choices = kDtmfPauseChoices,
         .OnHandhelds = Mu(17),
         .OnMobiles = Mu(14),
         .Help = 300,
         .Listing = {.Name = "DTMF Pause", .As = Choice, .Fallback = -1}},
        {.Slot = kDtmfSpeedSlot,
         .Kind = List,
         .Name = QT_TRANSLATE_NOOP("Messages", "DTMF Speed"),
         .Choices = kDtmfSpeedChoices,
         .OnHandhelds = Mu(12),
         .OnMobiles = Mu(12),
         .Help = 305,
         .Listing = {.Name = "DTMF Speed", .As = Choice, .Fallback = 1}},
        {.Slot = kPowerOnMessageSlot,
         .Kind = Message,
         .Name = QT_TRANSLATE_NOOP("Messages", "Power-on Message"),
         .OnHandhelds = kAlone,
         .OnMobiles = kAlone,
         .Help = 310,
         .Listing = {.Name = "Power-on Message", .As = Text}},
        {.Slot = kMemoryNameSlot,
         .Kind = Box,
         .Name = QT_TRANSLATE_NOOP("Messages", "Memory Name"),
         .OnHandhelds = Mu(18),
         .OnMobiles = Mu(4),
         .Help = 320,
         .Listing = {.Name = "Memory Name", .As = OffForOne}},
        {.Slot = kKeyLockSlot,
         .Kind = Box,
         .Name = QT_TRANSLATE_NOOP("Messages", "Key Lock"),
         .OnHandhelds = kAlone,
         .OnMobiles = kAlone,
         .Help = 315,
         .Listing = {.Name = "Key Lock"}},
        {.Slot = kLampSlot,
         .Kind = Box,
         .Name = QT_TRANSLATE_NOOP("Messages", "Lamp"),
         .OnHandhelds = kAlone,
         .Help = 325,
         .Listing = {.Name = "Lamp"}},
        {.Slot = kCallKeySlot,
         .Kind = List,
         .Name = QT_TRANSLATE_NOOP("Messages", "CALL Key"),
         .Choices = kCallKeyChoices,
         .OnHandhelds = Mu(10),
         .OnMobiles = Mu(6),
         .Help = 280,
         .Listing = {.Name = "CALL Key", .As = Choice, .Fallback = 1}},
        {.Slot = kMicKeyLockSlot,
         .Kind = Box,
         .Name = QT_TRANSLATE_NOOP("Messages", "Disable MIC PF Key"),
         .NameOnMobiles = QT_TRANSLATE_NOOP("Messages", "Mic Key Lock"),
         .OnHandhelds = kAlone,
         .OnMobiles = Mu(17),
         .Help = 330,
         .HelpOnMobiles = 730,
         .Listing = {.Name = "MIC Key Lock", .NameOnHandhelds = "Disable MIC PF Key"}},
        {.Slot = kToneBurstSlot,
         .Kind = List,
         .Name = QT_TRANSLATE_NOOP("Messages", "Tone Burst Frequency"),
         .Choices = kToneBurstChoices,
         .OnHandhelds = kAlone,
         .OnMobiles = kAlone,
         .Shown = TMenuShown::WithToneBurst,
         .Listing = {.Name = "Tone Burst Frequency", .As = Choice, .Fallback = 2}},
        {.Slot = kChannelCountSlot,
         .Kind = Count,
         .Name = "Channel Count",
         .OnHandhelds = kAlone,
         .OnMobiles = kAlone,
         .Listing = {.Name = "Channel Quantity", .As = ChannelCount}},
        {.Slot = kSmeterSquelchSlot,
         .Kind = Box,
         .Name = QT_TRANSLATE_NOOP("Messages", "S-Meter Squelch"),
         .OnMobiles = Mu(0),
         .Help = 700,
         .Listing = {.Name = "S-Meter Squelch"}},
        {.Slot = kSquelchHangTimeSlot,
         .Kind = List,
         .Name = QT_TRANSLATE_NOOP("Messages", "Squelch Hang Time"),
         .Choices = kSquelchHangChoices,
         .OnMobiles = Mu(1),
         .Help = 705,
         .Listing = {.Name = "Squelch Hang Time", .As = Choice}},
        {.Slot = kPf1Slot,
         .Kind = PfKey,
         .Name = "PF1",
         .Choices = PfFunctionList(),
         .OnMobiles = Mu(18),
         .Help = 715,
         .Listing = {.Name = "PF1", .As = PfFunction}},
        {.Slot = kPf2Slot,
         .Kind = PfKey,
         .Name = "PF2",
         .Choices = PfFunctionList(),
         .OnMobiles = Mu(19),
         .Help = 715,
         .Listing = {.Name = "PF2", .As = PfFunction}},
        {.Slot = kPf3Slot,
         .Kind = PfKey,
         .Name = "PF3",
         .Choices = PfFunctionList(),
         .OnMobiles = Mu(20),
         .Help = 715,
         .Listing = {.Name = "PF3", .As = PfFunction}},
        {.Slot = kPf4Slot,
         .Kind = PfKey,
         .Name = "PF4",
         .Choices = PfFunctionList(),
         .OnMobiles = Mu(21),
         .Help = 715,
         .Listing = {.Name = "PF4", .As = PfFunction}},
        {.Slot = kDtmfMonitorSlot,
         .Kind = Box,
         .Name = QT_TRANSLATE_NOOP("Messages", "DTMF Monitor"),
         .OnMobiles = Mu(16),
         .Help = 710,
         .Listing = {.Name = "DTMF Monitor"}},
        {.Slot = kAutoBrightnessSlot,
         .Kind = Box,
         .Name = QT_TRANSLATE_NOOP("Messages", "Auto Brightness"),
         .OnMobiles = Mu(23),
         .Help = 725,
         .Listing = {.Name = "Auto Brightness"}},
        {.Slot = kDataSpeedSlot,
         .Kind = List,
         .Name = QT_TRANSLATE_NOOP("Messages", "Data Speed"),
         .Choices = kDataSpeedChoices,
         .OnMobiles = Mu(22),
         .Help = 735,
         .Listing = {.Name = "Data Speed", .As = Choice, .Fallback = 1}},
        {.Slot = kBrightnessSlot,
         .Kind = Brightness,
         .Name = QT_TRANSLATE_NOOP("Messages", "Brightness"),
         .OnMobiles = kAlone,
         .Help = 720,
         .Listing = {.Name = "Brightness", .As = Text, .OffText = "00"}},
    }};
    return kSettings;
}

}  // namespace

const TMenuSetting& MenuSettingOf(int slot) {
    static const TMenuSetting kNone{.Slot = kChannelCountSlot,
                                    .Kind = TMenuKind::Count,
                                    .Name = "",
                                    .Listing = {.Name = nullptr}};
    if (slot < kFirstMenuSlot || slot > kLastMenuSlot) return kNone;
    return Table()[static_cast<size_t>(slot - kFirstMenuSlot)];
}

std::span<const TMenuSetting> MenuSettings() {
    return Table();
}

const TMenuCarriage& CarriageIn(const TMenuSetting& setting, TMenuSet menu) {
    return menu == TMenuSet::Mobile ? setting.OnMobiles : setting.OnHandhelds;
}

const char* NameIn(const TMenuSetting& setting, TMenuSet menu) {
    if (menu == TMenuSet::Mobile && setting.NameOnMobiles) return setting.NameOnMobiles;
    return setting.Name;
}

int HelpIn(const TMenuSetting& setting, TMenuSet menu) {
    if (menu == TMenuSet::Mobile && setting.HelpOnMobiles != 0) return setting.HelpOnMobiles;
    return setting.Help;
}

const char* ListedNameIn(const TMenuSetting& setting, TMenuSet menu) {
    if (menu == TMenuSet::Handheld && setting.Listing.NameOnHandhelds) {
        return setting.Listing.NameOnHandhelds;
    }
    return setting.Listing.Name;
}
