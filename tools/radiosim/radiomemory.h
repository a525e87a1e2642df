#pragma once

#include <array>
#include <string>
#include <vector>

#include "radiosim/wireformat.h"

class TRadioData;

// One entry as the transceiver keeps it.
struct TStoredEntry {
    std::vector<std::string> Values;  // kEntryValues of them; none while the entry is empty
    std::string Name;

    bool Stored() const { return !Values.empty(); }
};

inline constexpr int kDtmfMemories = 10;

// The transceiver's memory: what it answers from and what the writes change.
struct TRadioMemory {
    std::string Model;
    std::string MarketCode;
    std::string BandLimit;
    TFamily Family = TFamily::Handheld;
    std::array<TStoredEntry, kEntryCount> Entries;
    std::vector<std::string> Call = std::vector<std::string>(kCallValues);
    std::vector<std::string> Vfo = std::vector<std::string>(kVfoValues);
    std::string Power;
    std::string LowerLimit;  // of the programmable VFO, in MHz
    std::string UpperLimit;
    std::array<std::string, kDtmfMemories> Dtmf;  // as keyed in, "*" and "#" included
    TMenuSlots Menu;

    // The highest memory channel of the channel count in use.
    int HighestChannel() const;
};

// The memory that a data set describes, records in the data files' layout.
TRadioMemory MemoryOfData(const TRadioData& data);
// Puts the memory into a data set in the same layout; what the transceiver
// does not keep (the comment, the spare record) is left alone.
void ShowMemoryIn(const TRadioMemory& memory, TRadioData& data);
