#pragma once

// The menu slots of a data set by what each holds. The numbers are the slots'
// places in the menu section of a data file, and TRadioData reads and writes
// the slots by them. Handhelds use slots 1..26, mobiles all 36; a slot that a
// family's menu pages do not show keeps its default.
enum TMenuSlot : int {
    kBatterySaverSlot = 1,  // handhelds
    kAutoPowerOffSlot = 2,
    // "1" Priority Scan (needs the PR channel), "2" Weather Alert (needs AL), "0" neither.
    kPriorityScanSlot = 3,
    kScanResumeSlot = 4,
    kTuneEnableSlot = 5,
    kKeyBeepSlot = 6,
    kTxInhibitSlot = 7,  // handhelds
    kBusyChannelLockoutSlot = 8,
    kTimeOutTimerSlot = 9,
    kVoxGainSlot = 10,         // handhelds
    kVoxOnBusySlot = 11,       // handhelds
    kVoxDelaySlot = 12,        // handhelds
    kRepeaterOffsetSlot = 13,  // Automatic Repeater Offset
    kToneHoldSlot = 14,        // 1750 Hz tone hold
    kDtmfLockSlot = 15,
    kDtmfHoldSlot = 16,
    kDtmfPauseSlot = 17,
    kDtmfSpeedSlot = 18,
    kPowerOnMessageSlot = 19,
    kMemoryNameSlot = 20,  // "0" shows the memory names
    kKeyLockSlot = 21,
    kLampSlot = 22,  // handhelds
    kCallKeySlot = 23,
    // "Disable MIC PF Key" on the handhelds, "MIC Key Lock" on the mobiles.
    kMicKeyLockSlot = 24,
    kToneBurstSlot = 25,      // the tone-burst frequency
    kChannelCountSlot = 26,   // the highest memory channel: 49, 99 or 199
    kSmeterSquelchSlot = 27,  // mobiles from here on
    kSquelchHangTimeSlot = 28,
    kPf1Slot = 29,  // the PF keys' functions, two hexadecimal digits each
    kPf2Slot = 30,
    kPf3Slot = 31,
    kPf4Slot = 32,
    kDtmfMonitorSlot = 33,
    kAutoBrightnessSlot = 34,
    kDataSpeedSlot = 35,
    kBrightnessSlot = 36,
};

inline constexpr int kFirstMenuSlot = kBatterySaverSlot;
inline constexpr int kLastMenuSlot = kBrightnessSlot;
// The handhelds use the slots up to the channel count.
inline constexpr int kLastHandheldMenuSlot = kChannelCountSlot;
