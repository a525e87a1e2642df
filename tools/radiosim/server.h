#pragma once

#include <optional>
#include <string>

#include "radiosim/faults.h"
#include "radiosim/framing.h"

class TTransceiver;
class TSimLine;
class TSimLog;

// The event loop: takes commands off the line, has the transceiver answer
// them as the fault plan allows, and sends the replies in their time.
// Single-threaded; every wait is bounded by the next thing due.
class TSimServer {
public:
    TSimServer(TTransceiver& radio, TFaults& faults, TSimLine& line, TSimLog& log);

    // Serves until a stop signal can be read from `signalFd` or the line is hung up.
    void Run(int signalFd);

private:
    bool Reading() const { return !HangUpPending && !Paused; }
    void ReadLine(TClock::time_point now);
    void Serve(const TReceivedCommand& command, TClock::time_point arrival);
    std::string ReplyBytes(const TReceivedCommand& command, const TFaultDecision& decision);
    std::optional<std::string> ReplyTo(const TReceivedCommand& command,
                                       const TFaultDecision& decision);
    std::optional<std::string> Answer(const std::string& command, const TFaultDecision& decision);
    void WriteReplies(TClock::time_point now);
    bool HangUpDue(TClock::time_point now);
    void Pause(TClock::time_point now);
    int PollTimeout(TClock::time_point now) const;

    TTransceiver& Radio;
    TFaults& Faults;
    TSimLine& Line;
    TSimLog& Log;
    TCommandCollector Collector;
    TReplyQueue Replies;
    bool Blocked = false;  // the line took no more bytes; wait until it is writable
    std::optional<TClock::time_point> Paused;  // the line failed; leave it alone until then
    bool HangUpPending = false;
    std::optional<TClock::time_point> DrainingSince;
    // The bytes of the last reply, for a line that falls one reply behind.
    std::string PreviousReply;
};
