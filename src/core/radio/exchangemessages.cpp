#include "core/radio/exchangemessages.h"

#include "core/model/messagewords.h"
#include "core/radio/exchange.h"
#include "core/radio/radiocommands.h"

namespace {

// A long list would push the rest of the message off the screen.
constexpr size_t kCommandsNamed = 20;

constexpr char kMixedData[] = QT_TRANSLATE_NOOP(
    "Messages", "The transceiver now holds a mix of old and new data. Please write again.");

std::string CommandList(const std::vector<std::string>& commands) {
    std::string list;
    for (size_t i = 0; i < commands.size() && i < kCommandsNamed; ++i) {
        list += "\n" + EntryOfCommand(commands[i]);
    }
    if (commands.size() > kCommandsNamed) list += "\n...";
    return list;
}

std::string Advice(TExchangeKind kind) {
    switch (kind) {
        case TExchangeKind::Read:
            return MessageText(QT_TRANSLATE_NOOP(
                "Messages",
                "Please check the cable and the transceiver's power, then read again."));
        case TExchangeKind::Write:
            return MessageText(QT_TRANSLATE_NOOP(
                "Messages",
                "Please check the cable and the transceiver's power, then write again."));
        case TExchangeKind::Display:
            break;
    }
    return MessageText(QT_TRANSLATE_NOOP(
        "Messages", "Please check the cable and the transceiver's power, then try again."));
}

std::string WhereStopped(const std::string& step, TExchangeKind kind) {
    if (kind == TExchangeKind::Write) {
        return MessageText(
            QT_TRANSLATE_NOOP("Messages",
                              "The write stopped at %1, before any record was written."),
            {step});
    }
    return MessageText(
        QT_TRANSLATE_NOOP("Messages", "The read stopped at %1, before any record was read."),
        {step});
}

}  // namespace

std::string BadRepliesMessage(const std::string& command) {
    return MessageText(
        QT_TRANSLATE_NOOP("Messages",
                          "The transceiver gave no valid reply to \"%1\" (%2) in %3 "
                          "attempts.\nPlease check the cable and the connection."),
        {EntryOfCommand(command), DescribeCommand(command), std::to_string(kMostAttempts)});
}

std::string OutOfStepMessage(const std::string& command) {
    return MessageText(
        QT_TRANSLATE_NOOP("Messages",
                          "The transceiver's replies fell out of step with the requests: the "
                          "answer to \"%1\" (%2) came after the next request.\nPlease check the "
                          "cable and the connection."),
        {EntryOfCommand(command), DescribeCommand(command)});
}

std::string ReadStoppedMessage(const std::string& command) {
    return MessageText(
        QT_TRANSLATE_NOOP("Messages",
                          "The read was not completed: it stopped at %1.\nThe "
                          "records from there on were not read from the transceiver."),
        {DescribeCommand(command)});
}

std::string WriteStoppedMessage(const std::string& command) {
    return MessageText(
        QT_TRANSLATE_NOOP("Messages",
                          "The write was not completed: it stopped at %1.\nThe transceiver now "
                          "holds a mix of old and new data: %1 and the records after it may still "
                          "hold the old data.\nPlease write again."),
        {DescribeCommand(command)});
}

std::string RefusedRecordsMessage(const std::vector<std::string>& refused,
                                  const std::vector<std::string>& unconfirmed) {
    std::string message;
    if (!refused.empty()) {
        message += MessageText(QT_TRANSLATE_NOOP("Messages",
                                                 "The transceiver refused %1 of the records "
                                                 "written:%2\nThese records are not stored in the "
                                                 "transceiver.\n"),
                               {std::to_string(refused.size()), CommandList(refused)});
    }
    if (!unconfirmed.empty()) {
        message += MessageText(QT_TRANSLATE_NOOP("Messages",
                                                 "The transceiver did not confirm %1 of the "
                                                 "records written:%2\nThese records may not be "
                                                 "stored in the transceiver.\n"),
                               {std::to_string(unconfirmed.size()), CommandList(unconfirmed)});
    }
    return message + MessageText(kMixedData);
}

std::string WithAdvice(const std::string& error, TExchangeKind kind) {
    return error + "\n" + Advice(kind);
}

std::string StoppedEarlyMessage(const std::string& error, const std::string& step,
                                TExchangeKind kind) {
    return error + "\n" + WhereStopped(step, kind) + "\n" + Advice(kind);
}

std::string VoxHoldStepName() {
    return MessageText(QT_TRANSLATE_NOOP("Messages", "the VOX setting"));
}
