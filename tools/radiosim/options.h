#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "radiosim/faults.h"
#include "radiosim/transceiver.h"

// Exit statuses of the simulator.
constexpr int kExitClean = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

struct TSimOptions {
    int Row = 0;           // catalogue row 1..15
    std::string Channels;  // one of the model's two counts; empty for the row's own
    std::string Id;        // the identity answered to "ID"; empty for the row's model
    std::string LoadPath;
    std::string SavePath;
    std::string LinkPath;
    std::string LogPath;  // empty: the log goes to standard error
    bool Quiet = false;
    bool Help = false;
    bool Version = false;
    TProtectAnswer ProtectAnswer = TProtectAnswer::Always;
    TFaultPlan Faults;
    std::optional<uint32_t> Seed;  // of the refusal rate and the noise; random when not given
};

// Parses the arguments after the program name. On a usage error returns
// nothing and tells why in `error`.
std::optional<TSimOptions> ParseSimOptions(const std::vector<std::string>& arguments,
                                           std::string& error);

std::string SimUsageText();
