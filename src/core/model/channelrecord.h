#pragma once

// Field numbers of a channel record as GetField counts them (from 0). The
// CALL and VFO records use the same positions; the VFO keeps its power in
// the otherwise empty field 17.
enum TChannelField {
    kLabelField = 0,
    kRxFreqField = 1,
    kStepField = 2,
    kShiftField = 3,
    kReverseField = 4,
    kToneField = 5,
    kCtcssField = 6,
    kDcsField = 7,
    kToneIndexField = 8,
    kCtcssIndexField = 9,
    kDcsIndexField = 10,
    kOffsetField = 11,
    kNarrowField = 12,
    kBeatShiftField = 13,
    kTxFreqField = 14,
    kTxStepField = 15,
    kLockoutField = 16,
    kVfoPowerField = 17,
    kNameField = 18,
};

constexpr int kLastField = 18;
