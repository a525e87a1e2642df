#include "core/radio/exchangemessages.h"

#include "core/radio/exchange.h"
#include "core/radio/radiocommands.h"

namespace {

// A long list would push the rest of the message off the screen.
constexpr size_t kCommandsNamed = 20;

constexpr char kMixedData[] =
    "The transceiver now holds a mix of old and new data. Please write again.";

std::string CommandList(const std::vector<std::string>& commands) {
    std::string list;
    for (size_t i = 0; i < commands.size() && i < kCommandsNamed; ++i) {
        list += "\n" + EntryOfCommand(commands[i]);
    }
    if (commands.size() > kCommandsNamed) list += "\n...";
    return list;
}

}  // namespace

std::string BadRepliesMessage(const std::string& command) {
    return "The transceiver gave no valid reply to \"" + EntryOfCommand(command) + "\" (" +
           DescribeCommand(command) + ") in " + std::to_string(kMostAttempts) +
           " attempts.\nPlease check the cable and the connection.";
}

std::string ReadStoppedMessage(const std::string& command) {
    return "The read was not completed: it stopped at " + DescribeCommand(command) +
           ".\nThe records from there on were not read from the transceiver.";
}

std::string WriteStoppedMessage(const std::string& command) {
    const std::string record = DescribeCommand(command);
    return "The write was not completed: it stopped at " + record +
           ".\nThe transceiver now holds a mix of old and new data: " + record +
           " and the records after it may still hold the old data.\nPlease write again.";
}

std::string RefusedRecordsMessage(const std::vector<std::string>& refused,
                                  const std::vector<std::string>& unconfirmed) {
    std::string message;
    if (!refused.empty()) {
        message += "The transceiver refused " + std::to_string(refused.size()) +
                   " of the records written:" + CommandList(refused) +
                   "\nThese records are not stored in the transceiver.\n";
    }
    if (!unconfirmed.empty()) {
        message += "The transceiver did not confirm " + std::to_string(unconfirmed.size()) +
                   " of the records written:" + CommandList(unconfirmed) +
                   "\nThese records may not be stored in the transceiver.\n";
    }
    return message + kMixedData;
}
