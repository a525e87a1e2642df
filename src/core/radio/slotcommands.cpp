#include "core/radio/slotcommands.h"

#include <algorithm>

namespace {

// "MU" on the mobiles: 25 values, the four two-character PF keys in the middle.
constexpr std::array<TMenuValue, 25> kMobileMenu = {{
    {kSmeterSquelchSlot, 1},
    {kSquelchHangTimeSlot, 1},
    {kRepeaterOffsetSlot, 1},
    {kScanResumeSlot, 1},
    {kMemoryNameSlot, 1},
    {kAutoPowerOffSlot, 1},
    {kCallKeySlot, 1},
    {kToneHoldSlot, 1},
    {kTimeOutTimerSlot, 1},
    {kBusyChannelLockoutSlot, 1},
    {kKeyBeepSlot, 1},
    {kTuneEnableSlot, 1},
    {kDtmfSpeedSlot, 1},
    {kDtmfHoldSlot, 1},
    {kDtmfPauseSlot, 1},
    {kDtmfLockSlot, 1},
    {kDtmfMonitorSlot, 1},
    {kMicKeyLockSlot, 1},
    {kPf1Slot, 2},
    {kPf2Slot, 2},
    {kPf3Slot, 2},
    {kPf4Slot, 2},
    {kDataSpeedSlot, 1},
    {kAutoBrightnessSlot, 1},
    {kPriorityScanSlot, 1},
}};

// "MU" on the handhelds: 20 one-character values.
constexpr std::array<TMenuValue, 20> kHandheldMenu = {{
    {kBatterySaverSlot, 1},       {kAutoPowerOffSlot, 1}, {kTxInhibitSlot, 1},
    {kVoxOnBusySlot, 1},          {kVoxGainSlot, 1},      {kVoxDelaySlot, 1},
    {kBusyChannelLockoutSlot, 1}, {kTimeOutTimerSlot, 1}, {kScanResumeSlot, 1},
    {kRepeaterOffsetSlot, 1},     {kCallKeySlot, 1},      {kToneHoldSlot, 1},
    {kDtmfSpeedSlot, 1},          {kDtmfLockSlot, 1},     {kDtmfHoldSlot, 1},
    {kTuneEnableSlot, 1},         {kKeyBeepSlot, 1},      {kDtmfPauseSlot, 1},
    {kMemoryNameSlot, 1},         {kPriorityScanSlot, 1},
}};

// Every value before the held one takes one character and its comma.
static_assert(kHandheldMenu[kHandheldHeldMenuPosition / 2].Slot == kHandheldHeldMenuSlot);

}  // namespace

std::span<const TMenuValue> MenuLayout(bool mobile) {
    if (mobile) return kMobileMenu;
    return kHandheldMenu;
}

const TSlotCommand* SlotCommandOf(std::string_view mnemonic) {
    const auto* found = std::find_if(kSlotCommands.begin(), kSlotCommands.end(),
                                     [&](const TSlotCommand& c) { return c.Mnemonic == mnemonic; });
    return found == kSlotCommands.end() ? nullptr : found;
}

bool ExchangesSlotCommand(const TSlotCommand& command, bool mobile, bool toneBurstShown) {
    if (command.Slot == kToneBurstCommand.Slot) return toneBurstShown;
    if (command.Slot == kLampCommand.Slot || command.Slot == kMicKeyLockCommand.Slot)
        return !mobile;
    if (command.Slot == kBrightnessCommand.Slot) return mobile;
    return true;
}
