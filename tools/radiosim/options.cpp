#include "radiosim/options.h"

#include <QString>
#include <algorithm>
#include <charconv>
#include <functional>
#include <map>

#include "core/files/datafile.h"
#include "core/model/modelcatalogue.h"

namespace {

constexpr long kLargestCount = 1'000'000'000;
constexpr long kLongestLatency = 60'000;
constexpr int64_t kLongestBurst = 2'000'000;

template <typename T>
std::optional<T> NumberOf(const std::string& text, T lowest, T highest) {
    T value{};
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (problem != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

bool IsPrintableText(const std::string& text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    }
    return !text.empty();
}

// Stores a count option; false when the text is no count in range.
bool StoreCount(const std::string& text, long lowest, const std::function<void(long)>& store) {
    const std::optional<long> value = NumberOf<long>(text, lowest, kLargestCount);
    if (value) store(*value);
    return value.has_value();
}

// "ME" or "ME:3": a mnemonic and how often it is refused.
bool AddRefusalRule(const std::string& text, TFaultPlan& plan) {
    const size_t colon = text.find(':');
    TRefusalRule rule{text.substr(0, colon), -1};
    if (!IsPrintableText(rule.Mnemonic) || rule.Mnemonic.find(' ') != std::string::npos) {
        return false;
    }
    if (colon != std::string::npos) {
        const std::optional<int> count = NumberOf<int>(text.substr(colon + 1), 1, 1'000'000);
        if (!count) return false;
        rule.Count = *count;
    }
    plan.Refusals.push_back(rule);
    return true;
}

// "N:COUNT": COUNT stray bytes after the reply to command N.
bool AddBurst(const std::string& text, TStrayBytes::TKind kind, TFaultPlan& plan) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return false;
    const std::optional<long> number = NumberOf<long>(text.substr(0, colon), 1, kLargestCount);
    const std::optional<int64_t> count =
        NumberOf<int64_t>(text.substr(colon + 1), 1, kLongestBurst);
    if (!number || !count) return false;
    plan.Strays.push_back({*number, kind, *count});
    return true;
}

// Given more than once, an "every command after N" fault starts at the earliest N.
void KeepEarliest(std::optional<long>& limit, long number) {
    limit = limit ? std::min(*limit, number) : number;
}

bool StoreRow(const std::string& value, TSimOptions& options) {
    return StoreCount(value, 1, [&](long row) { options.Row = static_cast<int>(row); });
}

template <std::string TSimOptions::*Member>
bool StoreText(const std::string& value, TSimOptions& options) {
    options.*Member = value;
    return !value.empty();
}

bool StoreId(const std::string& value, TSimOptions& options) {
    options.Id = value;
    return IsPrintableText(value);
}

bool StoreSavePath(const std::string& value, TSimOptions& options) {
    options.SavePath = value;
    return HasDataFileExtension(QString::fromStdString(value));
}

bool SetQuiet(const std::string&, TSimOptions& options) {
    return options.Quiet = true;
}

bool SetProtectInProgram(const std::string&, TSimOptions& options) {
    options.ProtectAnswer = TProtectAnswer::InProgramMode;
    return true;
}

bool StoreLatency(const std::string& value, TSimOptions& options) {
    const std::optional<long> latency = NumberOf<long>(value, 0, kLongestLatency);
    if (latency) options.Faults.Latency = std::chrono::milliseconds(*latency);
    return latency.has_value();
}

bool SetPaced(const std::string&, TSimOptions& options) {
    return options.Faults.Paced = true;
}

bool StoreRefusal(const std::string& value, TSimOptions& options) {
    return AddRefusalRule(value, options.Faults);
}

bool StoreRefusalRate(const std::string& value, TSimOptions& options) {
    const std::optional<double> rate = NumberOf<double>(value, 0.0, 1.0);
    if (rate) options.Faults.RefusalRate = *rate;
    return rate.has_value();
}

bool StoreRefusalText(const std::string& value, TSimOptions& options) {
    options.Faults.RefusalText = value;
    return value == "?" || value == "E" || value == "N";
}

bool StoreSeed(const std::string& value, TSimOptions& options) {
    const std::optional<uint32_t> seed = NumberOf<uint32_t>(value, 0, UINT32_MAX);
    if (seed) options.Seed = *seed;
    return seed.has_value();
}

bool StoreDrop(const std::string& value, TSimOptions& options) {
    return StoreCount(value, 1, [&](long number) { options.Faults.Drops.insert(number); });
}

bool StoreGarble(const std::string& value, TSimOptions& options) {
    return StoreCount(value, 1, [&](long number) { options.Faults.Garbles.insert(number); });
}

bool StoreSilentAfter(const std::string& value, TSimOptions& options) {
    return StoreCount(value, 0, [&](long number) { options.Faults.SilentAfter = number; });
}

bool StoreHangupAfter(const std::string& value, TSimOptions& options) {
    return StoreCount(value, 1, [&](long number) { options.Faults.HangupAfter = number; });
}

bool StoreStrayCr(const std::string& value, TSimOptions& options) {
    return StoreCount(value, 1, [&](long number) {
        options.Faults.Strays.push_back({number, TStrayBytes::TKind::CarriageReturns, 1});
    });
}

bool StoreStrayDelay(const std::string& value, TSimOptions& options) {
    const std::optional<long> delay = NumberOf<long>(value, 0, kLongestLatency);
    if (delay) options.Faults.StrayDelay = std::chrono::milliseconds(*delay);
    return delay.has_value();
}

bool StoreCrBurst(const std::string& value, TSimOptions& options) {
    return AddBurst(value, TStrayBytes::TKind::CarriageReturns, options.Faults);
}

bool StoreNoiseBurst(const std::string& value, TSimOptions& options) {
    return AddBurst(value, TStrayBytes::TKind::Noise, options.Faults);
}

bool StoreXoffAfter(const std::string& value, TSimOptions& options) {
    return StoreCount(value, 1, [&](long number) {
        options.Faults.Strays.push_back({number, TStrayBytes::TKind::Xoff, 1});
    });
}

bool StoreNulRepliesAfter(const std::string& value, TSimOptions& options) {
    return StoreCount(value, 0,
                      [&](long number) { KeepEarliest(options.Faults.NulRepliesAfter, number); });
}

bool StoreGarbleAfter(const std::string& value, TSimOptions& options) {
    return StoreCount(value, 0,
                      [&](long number) { KeepEarliest(options.Faults.GarbleAfter, number); });
}

bool StoreWrongChannel(const std::string& value, TSimOptions& options) {
    return StoreCount(value, 1, [&](long number) { options.Faults.WrongChannels.insert(number); });
}

bool StoreUnstored(const std::string& value, TSimOptions& options) {
    return StoreCount(value, 1, [&](long number) { options.Faults.Unstored.insert(number); });
}

bool StoreBehindFrom(const std::string& value, TSimOptions& options) {
    return StoreCount(value, 2, [&](long number) { options.Faults.BehindFrom = number; });
}

struct TOptionRule {
    bool TakesValue;
    bool (*Store)(const std::string& value, TSimOptions& options);
};

const std::map<std::string, TOptionRule>& OptionRules() {
    static const std::map<std::string, TOptionRule> rules{
        {"--radio", {true, StoreRow}},
        {"--channels", {true, StoreText<&TSimOptions::Channels>}},
        {"--id", {true, StoreId}},
        {"--load", {true, StoreText<&TSimOptions::LoadPath>}},
        {"--save", {true, StoreSavePath}},
        {"--link", {true, StoreText<&TSimOptions::LinkPath>}},
        {"--log", {true, StoreText<&TSimOptions::LogPath>}},
        {"--quiet", {false, SetQuiet}},
        {"--protect-in-program", {false, SetProtectInProgram}},
        {"--latency", {true, StoreLatency}},
        {"--pace", {false, SetPaced}},
        {"--refuse", {true, StoreRefusal}},
        {"--refuse-rate", {true, StoreRefusalRate}},
        {"--refuse-with", {true, StoreRefusalText}},
        {"--seed", {true, StoreSeed}},
        {"--drop", {true, StoreDrop}},
        {"--garble", {true, StoreGarble}},
        {"--silent-after", {true, StoreSilentAfter}},
        {"--hangup-after", {true, StoreHangupAfter}},
        {"--stray-cr", {true, StoreStrayCr}},
        {"--stray-delay", {true, StoreStrayDelay}},
        {"--cr-burst", {true, StoreCrBurst}},
        {"--noise-burst", {true, StoreNoiseBurst}},
        {"--xoff-after", {true, StoreXoffAfter}},
        {"--nul-replies-after", {true, StoreNulRepliesAfter}},
        {"--garble-after", {true, StoreGarbleAfter}},
        {"--wrong-channel", {true, StoreWrongChannel}},
        {"--unstored", {true, StoreUnstored}},
        {"--behind-from", {true, StoreBehindFrom}},
    };
    return rules;
}

bool CheckConfiguration(const TSimOptions& options, std::string& error) {
    if (options.Row < 1 || options.Row > kCatalogueRows) {
        error = "--radio ROW (1.." + std::to_string(kCatalogueRows) + ") is needed";
        return false;
    }
    const TModelInfo& row = ModelCatalogue()[static_cast<size_t>(options.Row - 1)];
    const TChannelCounts counts = ChannelCountsOf(row.Model);
    if (!options.Channels.empty() && options.Channels != counts.Smaller &&
        options.Channels != counts.Larger) {
        error = std::string("--channels must be ") + counts.Smaller + " or " + counts.Larger +
                " for the " + row.Model;
        return false;
    }
    return true;
}

}  // namespace

std::optional<TSimOptions> ParseSimOptions(const std::vector<std::string>& arguments,
                                           std::string& error) {
    TSimOptions options;
    for (size_t next = 0; next < arguments.size(); ++next) {
        std::string name = arguments[next];
        if (name == "--help" || name == "-h") {
            options.Help = true;
            return options;
        }
        if (name == "--version") {
            options.Version = true;
            return options;
        }
        std::optional<std::string> value;
        if (const size_t equals = name.find('='); name.starts_with("--") && equals != name.npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        const auto rule = OptionRules().find(name);
        if (rule == OptionRules().end()) {
            error = "unknown option " + name;
            return std::nullopt;
        }
        if (rule->second.TakesValue && !value) {
            if (next + 1 == arguments.size()) {
                error = name + " needs a value";
                return std::nullopt;
            }
            value = arguments[++next];
        }
        if ((!rule->second.TakesValue && value) ||
            !rule->second.Store(value.value_or(""), options)) {
            error = "bad value for " + name;
            return std::nullopt;
        }
    }
    if (!CheckConfiguration(options, error)) return std::nullopt;
    return options;
}

std::string SimUsageText() {
    std::string rows;
    for (int row = 0; row < kCatalogueRows; ++row) {
        rows += "      " + std::to_string(row + 1) + "  " +
                ModelCatalogue()[static_cast<size_t>(row)].Caption + "\n";
    }
    return "usage: tavrin-radiosim --radio ROW [options]\n"
           "Stands in for a transceiver on a pseudo-terminal. Prints the device path as the\n"
           "first line of standard output and serves until SIGINT, SIGTERM or SIGHUP.\n"
           "  --radio ROW           radio configuration, in the order of Model Select:\n" +
           rows +
           "  --channels N          channel count it reports (one of the model's two)\n"
           "  --id TEXT             identity answered to \"ID\" (e.g. RV-320, XR-100)\n"
           "  --load FILE.tvr       memory contents from a data file\n"
           "  --save FILE.tvr       write the memory to a data file when it ends\n"
           "  --link PATH           symbolic link PATH to the device (removed at the end)\n"
           "  --log FILE            log commands and replies to FILE, not standard error\n"
           "  --quiet               no log\n"
           "  --help, --version     this text, or the version\n"
           "  --protect-in-program  answer \"CP\" only between PROGRAM and END\n"
           "faults (commands are counted from 1, wake-ups included):\n"
           "  --latency MS          wait MS milliseconds before each reply\n"
           "  --pace                send replies at the line rate of 9600 bit/s\n"
           "  --refuse MN[:N]       refuse commands MN (\"*\": any) N times, or always\n"
           "  --refuse-rate P       refuse any command with probability P (0..1)\n"
           "  --refuse-with ?|E|N   the refusal reply (default ?)\n"
           "  --seed S              seed of --refuse-rate and --noise-burst (random, logged)\n"
           "  --drop N              no reply to command N (repeatable)\n"
           "  --garble N            damage the reply to command N (repeatable)\n"
           "  --silent-after N      answer nothing after command N\n"
           "  --hangup-after N      close the line once command N is answered, then end\n"
           "  --nul-replies-after N answer every later command with 64 NULs and a carriage\n"
           "                        return, and carry none of them out\n"
           "  --garble-after N      damage the reply to every command after N\n"
           "  --wrong-channel N     answer memory command N (ME/MN with a channel number) as\n"
           "                        if it named the next channel; a write is kept as sent,\n"
           "                        its echo goes astray (repeatable)\n"
           "  --unstored N          acknowledge write N as usual, keep nothing (repeatable)\n"
           "  --behind-from N       from command N on, answer every command with the reply\n"
           "                        to the one before it, as a line one reply behind\n"
           "line noise after the reply to command N (repeatable):\n"
           "  --stray-cr N          one carriage return\n"
           "  --cr-burst N:COUNT    COUNT carriage returns (up to 2000000)\n"
           "  --noise-burst N:COUNT COUNT random bytes, never XON or XOFF (up to 2000000)\n"
           "  --stray-delay MS      wait MS milliseconds after the reply (default 20)\n"
           "  --xoff-after N        send XOFF as soon as the reply is out, and never XON\n"
           "exit status: 0 after a clean stop, 1 on failure, 2 for usage errors\n";
}
