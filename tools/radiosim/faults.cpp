#include "radiosim/faults.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace {

// Far more digits than any channel field has, and few enough to count on.
constexpr size_t kLongestChannelNumber = 9;

bool After(const std::optional<long>& limit, long number) {
    return limit && number > *limit;
}

}  // namespace

TFaults::TFaults(TFaultPlan plan) : FaultPlan(std::move(plan)), Random(FaultPlan.Seed) {}

TFaultDecision TFaults::Next(std::string_view command) {
    TFaultDecision decision;
    decision.Number = ++Count;
    decision.HangUp = FaultPlan.HangupAfter == Count;
    // The line's noise comes whether the transceiver answers or not.
    decision.Strays = StraysAfter(Count);
    if (After(FaultPlan.SilentAfter, Count)) {
        decision.Silent = true;
        return decision;
    }
    // Both checks run, so that a rule's count goes down whatever the chance decided.
    const bool byRule = RefusedByRule(MnemonicOf(command));
    decision.Refused = RefusedByChance() || byRule;
    decision.Dropped = FaultPlan.Drops.contains(Count);
    decision.NulReply = After(FaultPlan.NulRepliesAfter, Count);
    // NULs stay NULs: a garbled one would read as a printable line.
    decision.Garbled = !decision.NulReply &&
                       (FaultPlan.Garbles.contains(Count) || After(FaultPlan.GarbleAfter, Count));
    decision.WrongChannel =
        FaultPlan.WrongChannels.contains(Count) && NextChannelCommand(command).has_value();
    decision.Unstored = FaultPlan.Unstored.contains(Count);
    decision.Behind = FaultPlan.BehindFrom && Count >= *FaultPlan.BehindFrom;
    return decision;
}

bool TFaults::RefusedByRule(std::string_view mnemonic) {
    for (TRefusalRule& rule : FaultPlan.Refusals) {
        if (rule.Count == 0 || (rule.Mnemonic != "*" && rule.Mnemonic != mnemonic)) continue;
        if (rule.Count > 0) --rule.Count;
        return true;
    }
    return false;
}

bool TFaults::RefusedByChance() {
    if (FaultPlan.RefusalRate <= 0.0) return false;
    // Drawn from the raw generator, so that a seed gives the same run on any library.
    return Random() < FaultPlan.RefusalRate * static_cast<double>(std::mt19937::max());
}

// A flow-control stop goes as soon as the reply is out; the noise a delay later.
std::vector<TStrayBytes> TFaults::StraysAfter(long number) const {
    std::vector<TStrayBytes> strays;
    for (const TPlannedStray& planned : FaultPlan.Strays) {
        if (planned.Number != number) continue;
        const bool stop = planned.Kind == TStrayBytes::TKind::Xoff;
        strays.push_back({planned.Kind, planned.Count,
                          stop ? std::chrono::milliseconds(0) : FaultPlan.StrayDelay});
    }
    std::stable_sort(strays.begin(), strays.end(),
                     [](const TStrayBytes& a, const TStrayBytes& b) { return a.Delay < b.Delay; });
    return strays;
}

std::string_view MnemonicOf(std::string_view command) {
    return command.substr(0, command.find(' '));
}

std::optional<std::string> NextChannelCommand(std::string_view command) {
    const std::string_view mnemonic = MnemonicOf(command);
    if ((mnemonic != "ME" && mnemonic != "MN") || command.size() < 4) return std::nullopt;
    const std::string_view payload = command.substr(3);
    const std::string_view channel = payload.substr(0, payload.find(','));
    const bool isNumber =
        !channel.empty() && channel.size() <= kLongestChannelNumber &&
        std::all_of(channel.begin(), channel.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!isNumber) return std::nullopt;
    long number = 0;
    std::from_chars(channel.data(), channel.data() + channel.size(), number);
    std::string next = std::to_string(number + 1);
    if (next.size() < channel.size()) next.insert(0, channel.size() - next.size(), '0');
    return std::string(command.substr(0, 3)) + next + std::string(payload.substr(channel.size()));
}

std::string Garbled(std::string_view reply) {
    std::string garbled(reply);
    for (char& c : garbled) {
        const auto flipped = static_cast<unsigned char>(static_cast<unsigned char>(c) ^ 0x01);
        c = flipped >= 0x20 && flipped < 0x7F ? static_cast<char>(flipped) : '#';
    }
    return garbled;
}
