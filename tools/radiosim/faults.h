#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// Refuses commands with one mnemonic ("*": any command) `Count` times; a
// negative count refuses them every time.
struct TRefusalRule {
    std::string Mnemonic;
    int Count = -1;
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
};

// What becomes of one command.
struct TFaultDecision {
    long Number = 0;
    bool Silent = false;   // neither carried out nor answered
    bool Refused = false;  // not carried out, answered with the refusal
    bool Dropped = false;  // carried out, the reply lost
    bool Garbled = false;
    bool HangUp = false;  // the line is closed once the reply is out
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

    TFaultPlan FaultPlan;
    std::mt19937 Random;
    long Count = 0;
};

// The mnemonic of a command: the text before the first blank.
std::string_view MnemonicOf(std::string_view command);

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
