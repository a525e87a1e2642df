#pragma once

#include <string>
#include <vector>

#include "core/model/menuslots.h"

class TRadioData;

// The transceiver's rules over the values of a data set: what the editors, the menu pages and
// the CSV import let into a record, checked on records that came from anywhere (a data file
// edited by hand, another program). A record the editors would store unchanged keeps them.

// A value that breaks a rule, as the user is told of it.
struct TRuleBreak {
    std::string Record;  // as the user knows it: "channel 012", "the VFO", "the menu settings"
    std::string Field;   // "RxFreq", "Code", "Time-out Timer"
    std::string Value;   // as stored
    std::string Rule;    // "is outside the band 144-146 MHz"
    bool operator==(const TRuleBreak&) const = default;
};
using TRuleBreaks = std::vector<TRuleBreak>;

// Each check adds the breaks of one record, named `record`, to `breaks`, at most one for each
// field. A memory channel or special entry is checked as it is written (fields 2 to 17, and
// the name where names are exchanged); one without a receive frequency is cleared when
// written and breaks nothing.
void CheckMemoryEntry(const TRadioData& data, int recordIndex, const std::string& record,
                      TRuleBreaks& breaks);
// The CALL channel: fields 2 to 16, in the band.
void CheckCallRecord(const TRadioData& data, const std::string& record, TRuleBreaks& breaks);
// The VFO: fields 2 to 14, inside the programmable VFO range, and the power.
void CheckVfoRecord(const TRadioData& data, const std::string& record, TRuleBreaks& breaks);
// The programmable VFO range: whole MHz inside the band, the lower end first.
void CheckProgramVfo(const TRadioData& data, const std::string& record, TRuleBreaks& breaks);
// A DTMF memory's code; an empty entry or code breaks nothing.
void CheckDtmfEntry(const TRadioData& data, int entry, const std::string& record,
                    TRuleBreaks& breaks);
// A menu setting against its choices.
void CheckMenuSetting(const TRadioData& data, TMenuSlot slot, const std::string& record,
                      TRuleBreaks& breaks);

// "channel 012, RxFreq: "0999999999" is outside the band 144-146 MHz", with the value's
// control characters and bytes outside ASCII made visible.
std::string RuleBreakLine(const TRuleBreak& ruleBreak);
// The lines of the first 20 breaks, each after a line break, then "... and 5 more.".
std::string RuleBreakList(const TRuleBreaks& breaks);
// Why a write is refused: a fixed first line and the list.
std::string WriteRefusedMessage(const TRuleBreaks& breaks);
// What Open says of a file holding values the transceiver does not take; empty for none.
std::string OutOfRuleFileMessage(const TRuleBreaks& breaks);
