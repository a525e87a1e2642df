#pragma once

#include <QtGlobal>
#include <string>
#include <vector>

#include "core/radio/exchange.h"

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
// `error` (the serial component's own words, or the time-out) followed by
// what to do about it: check the cable and the power, then `kind` again.
std::string WithAdvice(const std::string& error, TExchangeKind kind);
// A read or write that ended with `error` at `step` ("the market code")
// before it had read or written any record: where it stopped and what to do.
std::string StoppedEarlyMessage(const std::string& error, const std::string& step,
                                TExchangeKind kind);
// The handhelds' VOX hold as a step of the exchange.
std::string VoxHoldStepName();

// A verified write could not read back what it wrote.
inline constexpr char kVerifyStoppedMessage[] =
    QT_TRANSLATE_NOOP("Messages",
                      "The data was written, but reading it back to verify it did not complete.\n"
                      "The data in the transceiver was not verified.");
// The same after the write itself had named records the transceiver did not confirm.
inline constexpr char kVerifyStoppedAfterRefusalsMessage[] = QT_TRANSLATE_NOOP(
    "Messages",
    "Some records were not confirmed by the transceiver, and reading the data back to verify it "
    "did not complete.\nThe data in the transceiver was not verified.");
