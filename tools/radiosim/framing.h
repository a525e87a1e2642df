#pragma once

#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One command as it came off the line, its carriage return dropped.
struct TReceivedCommand {
    std::string Text;
    bool Overlong = false;  // longer than any command could be; the text is cut short
};

// Splits what arrives on the line into commands at each carriage return.
// Flow-control characters are no part of a command; a line longer than any
// command is kept only in part, so that noise cannot take up memory.
class TCommandCollector {
public:
    static constexpr size_t kLongestCommand = 1024;

    std::vector<TReceivedCommand> Take(std::string_view bytes);

private:
    std::string Pending;
    bool Overflowed = false;
};

using TClock = std::chrono::steady_clock;

// The replies waiting for the line, in order. Each starts a latency after
// its command arrived and not before the one ahead of it is out; paced
// replies go out one byte per byte time of the line.
class TReplyQueue {
public:
    static constexpr size_t kMostQueued = 64 * 1024;

    TReplyQueue(std::chrono::milliseconds latency, bool paced);

    // Queues the bytes of a reply; false (and nothing queued) when the queue is full.
    bool Add(std::string bytes, TClock::time_point arrival);
    // The bytes that may be written at `now`, all from the first reply.
    std::string_view Ready(TClock::time_point now) const;
    void Sent(size_t count);
    // When the next byte may go; nothing when the queue is empty.
    std::optional<TClock::time_point> NextDue() const;
    bool Empty() const { return Replies.empty(); }

private:
    struct TReply {
        std::string Bytes;
        TClock::time_point Start;
        size_t Sent = 0;
    };

    std::deque<TReply> Replies;
    std::chrono::milliseconds Latency;
    bool Paced;
    TClock::time_point LineFree{};
    size_t Queued = 0;
};
