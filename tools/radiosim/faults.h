#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "radiosim/framing.h"

// Refuses commands with one mnemonic ("*": any command) `Count` times; a
// negative count refuses them every time.
struct TRefusalRule {
    std::string Mnemonic;
    int Count = -1;
};

// Stray bytes planned after the reply to one command.
struct TPlannedStray {
    long Number = 0;
    TStrayBytes::TKind Kind = TStrayBytes::TKind::CarriageReturns;
    int64_t Count = 1;

    bool operator==(const TPlannedStray&) const = default;
};

// The faults a run plays. Commands are counted from 1 as they arrive, the
// wake-up included.
struct TFaultPlan {
    std::chrono::milliseconds Latency{0};
    bool Paced = false;  // replies go out at the line rate of 9600 bit/s
    std::vector<TRefusalRule> Refusals;
    double RefusalRate = 0.0;
    uint32_t Seed = 0;
    std::string RefusalText = "?";
    std::set<long> Drops;    // commands whose reply is lost
    std::set<long> Garbles;  // commands whose reply arrives damaged
    std::optional<long> SilentAfter;
    std::optional<long> HangupAfter;
    std::optional<long> NulRepliesAfter;
    std::optional<long> GarbleAfter;
    std::set<long> WrongChannels;  // memory reads and writes answered for the next channel
    std::set<long> Unstored;       // writes acknowledged but not kept
    // From this command on, every command is answered with the reply to the
    // one before it: a transceiver (or an adapter) that falls one reply behind.
    std::optional<long> BehindFrom;
    std::vector<TPlannedStray> Strays;
    std::chrono::milliseconds StrayDelay{20};  // from a reply to the stray bytes after it
};

// What becomes of one command.
struct TFaultDecision {
    long Number = 0;
    bool Silent = false;   // neither carried out nor answered
    bool Refused = false;  // not carried out, answered with the refusal
    bool Dropped = false;  // carried out, the reply lost
    bool Garbled = false;
    bool HangUp = false;              // the line is closed once the reply is out
    bool NulReply = false;            // not carried out, answered with a line of NULs
    bool WrongChannel = false;        // a memory command answered for the next channel
    bool Unstored = false;            // carried out and answered, but nothing kept
    bool Behind = false;              // answered with the reply to the command before it
    std::vector<TStrayBytes> Strays;  // sent after the reply, in this order
};

class TFaults {
public:
    explicit TFaults(TFaultPlan plan);

    // Decides the fate of the next command; called once per command, in order.
    TFaultDecision Next(std::string_view command);

    const TFaultPlan& Plan() const { return FaultPlan; }

private:
    bool RefusedByRule(std::string_view mnemonic);
    bool RefusedByChance();
    std::vector<TStrayBytes> StraysAfter(long number) const;

    TFaultPlan FaultPlan;
    std::mt19937 Random;
    long Count = 0;
};

// The mnemonic of a command: the text before the first blank.
std::string_view MnemonicOf(std::string_view command);

// A memory command ("ME 007", "MN 07,NAME") as if it named the next channel,
// numbered in the same width; nothing for any other command.
std::optional<std::string> NextChannelCommand(std::string_view command);

// The reply of a transceiver that has lost its mind: NULs, then the carriage return.
inline constexpr size_t kNulReplyLength = 64;

// The reply as a noisy line delivers it: the same length, each character
// changed, and still nothing but printable characters.
std::string Garbled(std::string_view reply);

// The time `bytes` bytes take on the line: 10 bits each at 9600 bit/s.
inline constexpr std::chrono::nanoseconds LineTime(int64_t bytes) {
    return std::chrono::nanoseconds((bytes * 10'000'000'000 + 9599) / 9600);
}
// How many bytes the line carries in `time`.
inline constexpr int64_t BytesInLineTime(std::chrono::nanoseconds time) {
    return time.count() * 9600 / 10'000'000'000;
}
