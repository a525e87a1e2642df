#pragma once

#include <QtGlobal>
#include <string>
#include <vector>

// What the read and write exchanges tell the user when they could not do
// everything they set out to do. Each names the record concerned as the user
// knows it, from the command that was under way.

// The replies to `command` kept failing their checks.
std::string BadRepliesMessage(const std::string& command);
// The labelled answer to `command` came after a bare reply had been taken
// for it: the replies fell out of step with the requests.
std::string OutOfStepMessage(const std::string& command);
// A read ended before its last record; `command` was the request under way.
std::string ReadStoppedMessage(const std::string& command);
// A write ended before its last record; `command` was the command under way.
std::string WriteStoppedMessage(const std::string& command);
// A write went to its end, but the transceiver refused some records (`refused`)
// or gave replies that confirm nothing (`unconfirmed`); the commands as sent.
std::string RefusedRecordsMessage(const std::vector<std::string>& refused,
                                  const std::vector<std::string>& unconfirmed = {});
// A verified write could not read back what it wrote.
inline constexpr char kVerifyStoppedMessage[] =
    QT_TRANSLATE_NOOP("Messages",
                      "The data was written, but reading it back to verify it did not complete.\n"
                      "The data in the transceiver was not verified.");
