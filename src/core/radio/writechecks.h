#pragma once

#include <string>

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
