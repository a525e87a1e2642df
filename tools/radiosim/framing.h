#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <random>
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

// Bytes the transceiver sends unasked once a reply is out: the carriage
// returns of a plug that moves, the noise of a bad line, a flow-control stop.
struct TStrayBytes {
    enum class TKind { CarriageReturns, Noise, Xoff };

    TKind Kind = TKind::CarriageReturns;
    int64_t Count = 1;
    std::chrono::milliseconds Delay{0};  // after the reply is out

    bool operator==(const TStrayBytes&) const = default;
};

// What goes out on the line, in time order. Replies keep their order: each
// is due a latency after its command arrived. Stray bytes are due a delay
// after the reply they follow is out, and go between replies as their times
// fall, never inside one. Paced output goes one byte per byte time of the
// line. Runs of stray bytes are made as they go out, so that a long burst
// takes no more memory than a short one.
class TReplyQueue {
public:
    static constexpr size_t kMostQueued = size_t{64} * 1024;
    static constexpr size_t kRunChunk = 4096;  // a run is made this many bytes at a time

    // `noiseSeed` seeds the noise bursts, so that a seed gives the same noise.
    TReplyQueue(std::chrono::milliseconds latency, bool paced, uint32_t noiseSeed = 0);

    // Queues the bytes of a reply (none when it is lost) and the stray bytes
    // that follow it; false (and nothing queued) when the queue is full.
    bool Add(std::string bytes, TClock::time_point arrival, std::vector<TStrayBytes> strays = {});
    // The bytes that may be written at `now`, all from one reply or run.
    std::string_view Ready(TClock::time_point now);
    // `count` bytes of what Ready gave have been written at `now`.
    void Sent(size_t count, TClock::time_point now);
    // When the next byte may go; nothing when the queue is empty.
    std::optional<TClock::time_point> NextDue() const;
    bool Empty() const { return Replies.empty() && Strays.empty(); }

private:
    struct TOutput {
        std::string Bytes;               // a reply
        std::optional<TStrayBytes> Run;  // or a run of stray bytes instead
        TClock::time_point Due;
        std::vector<TStrayBytes> Followers;
        int64_t Sent = 0;

        int64_t Size() const { return Run ? Run->Count : static_cast<int64_t>(Bytes.size()); }
    };

    const TOutput* Current() const;
    TOutput* Current();
    TClock::time_point StartOf(const TOutput& output) const;
    std::string_view RunBytes(const TOutput& output, int64_t count);
    void Finish(TClock::time_point now);

    std::deque<TOutput> Replies;
    std::deque<TOutput> Strays;  // by due time
    std::chrono::milliseconds Latency;
    bool Paced;
    TClock::time_point LineFree{};
    size_t Queued = 0;
    std::mt19937 Noise;
    std::string Chunk;      // the stretch of the current run now going out
    int64_t ChunkFrom = 0;  // where in the run it begins
};
