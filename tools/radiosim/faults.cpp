#include "radiosim/faults.h"

#include <utility>

TFaults::TFaults(TFaultPlan plan) : FaultPlan(std::move(plan)), Random(FaultPlan.Seed) {}

TFaultDecision TFaults::Next(std::string_view command) {
    TFaultDecision decision;
    decision.Number = ++Count;
    decision.HangUp = FaultPlan.HangupAfter == Count;
    if (FaultPlan.SilentAfter && Count > *FaultPlan.SilentAfter) {
        decision.Silent = true;
        return decision;
    }
    // Both checks run, so that a rule's count goes down whatever the chance decided.
    const bool byRule = RefusedByRule(MnemonicOf(command));
    decision.Refused = RefusedByChance() || byRule;
    decision.Dropped = FaultPlan.Drops.contains(Count);
    decision.Garbled = FaultPlan.Garbles.contains(Count);
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

std::string_view MnemonicOf(std::string_view command) {
    return command.substr(0, command.find(' '));
}

std::string Garbled(std::string_view reply) {
    std::string garbled(reply);
    for (char& c : garbled) {
        const auto flipped = static_cast<unsigned char>(static_cast<unsigned char>(c) ^ 0x01);
        c = flipped >= 0x20 && flipped < 0x7F ? static_cast<char>(flipped) : '#';
    }
    return garbled;
}
