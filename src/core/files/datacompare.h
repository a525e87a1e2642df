#pragma once

#include <string>
#include <string_view>
#include <vector>

class TRadioData;

// One difference between two data sets: which record, which field of it, and the two values.
struct TDataDifference {
    // "channel 7", "L0".."U2", "PR", "AL", "CALL", "VFO", "programmable VFO", "DTMF 3",
    // "menu", "model", "market code", "band limit", "comment"
    std::string Record;
    // "RxFreq", "Step", ... "Name" for channel-like records; the menu setting's name for
    // "menu" (e.g. "Key Beep"); empty where the record is one value
    std::string Field;
    std::string First;   // the value in the first data set, as stored (raw text of the field)
    std::string Second;  // the value in the second
    bool operator==(const TDataDifference&) const = default;
};

// What a comparison looks at. Everything by default (a whole data file); a
// verification after a write narrows it to what travelled to the transceiver.
struct TComparedParts {
    bool Identity = true;  // model, market code, band limit
    bool Comment = true;
    // Memory channels 0..N, L0..U2, PR, AL, CALL, VFO, programmable VFO, DTMF.
    bool Records = true;
    bool Names = true;         // the Name field of channel records
    bool WeatherAlert = true;  // the AL record (record 207)
    // Only the fields the transceiver stores: channel fields 1..17 and the name (19), CALL
    // fields 2..16, VFO fields 2..14 and 18 (numbered from 1 as in the record layout).
    bool WireFieldsOnly = false;
    bool Menu = true;            // menu slots
    std::vector<int> MenuSlots;  // the slots to compare; empty: every slot the model uses
};

// The differences in a fixed order: identity, comment, the channel records in
// record order (0..N of the larger channel count, then L0..AL), CALL, VFO,
// programmable VFO, DTMF 0..9, then the menu slots in slot order.
std::vector<TDataDifference> CompareData(const TRadioData& first, const TRadioData& second,
                                         const TComparedParts& parts = {});

// One difference as one line of plain text, for example
// `channel 7, RxFreq: written "0145000000", read back "0146000000"`, or with
// both words empty `channel 7, RxFreq: "0145000000" | "0146000000"`.
std::string DifferenceLine(const TDataDifference& d, std::string_view firstWord,
                           std::string_view secondWord);
