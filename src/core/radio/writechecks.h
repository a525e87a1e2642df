#pragma once

#include <string>

#include "core/model/recordchecks.h"
#include "core/radio/exchange.h"

class TRadioData;

// What a write must say before it begins, the same in the window and on the
// command line: Priority Scan or Weather Alert switched on in the menu
// without its PR or AL channel.
struct TWriteCheck {
    std::string Question;  // asked with OK and Cancel: the write goes on only with OK
    std::string Notice;    // shown; the write goes on
};

TWriteCheck CheckBeforeWrite(const TRadioData& data, TTransferScope scope);

// The values a write of `scope` would send that the transceiver does not take, in the order
// the write sends them: the entries it writes (not the cleared ones, nor channels above the
// channel count), the CALL channel, the VFO, its range, the DTMF memories and the menu
// settings it carries. A write goes ahead only when there are none.
TRuleBreaks RuleBreaksOfWrite(const TRadioData& data, TTransferScope scope, bool toneBurstShown);

// What Open says of a file it loaded: the damaged-file warning for what the file lacks
// (`missing`, as the reader gives it) and the values a full write would refuse, the tone
// burst counted wherever the market offers it. Empty for a whole file within the rules.
std::string OpenedFileWarning(const TRadioData& data, const std::string& missing);
