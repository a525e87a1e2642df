#include "radiosim/framing.h"

#include <algorithm>
#include <utility>

#include "radiosim/faults.h"

namespace {

constexpr char kXon = 17;
constexpr char kXoff = 19;

// Any byte but the flow-control pair, which would stop the line rather than disturb it.
char NoiseByte(std::mt19937& random) {
    auto code = static_cast<unsigned>(random() % 254);
    if (code >= static_cast<unsigned>(kXon)) ++code;
    if (code >= static_cast<unsigned>(kXoff)) ++code;
    return static_cast<char>(code);
}

}  // namespace

std::vector<TReceivedCommand> TCommandCollector::Take(std::string_view bytes) {
    std::vector<TReceivedCommand> commands;
    for (const char c : bytes) {
        if (c == kXon || c == kXoff) continue;
        if (c == '\r') {
            commands.push_back({std::move(Pending), Overflowed});
            Pending.clear();
            Overflowed = false;
        } else if (Pending.size() < kLongestCommand) {
            Pending += c;
        } else {
            Overflowed = true;
        }
    }
    return commands;
}

TReplyQueue::TReplyQueue(std::chrono::milliseconds latency, bool paced, uint32_t noiseSeed)
    : Latency(latency), Paced(paced), Noise(noiseSeed) {}

bool TReplyQueue::Add(std::string bytes, TClock::time_point arrival,
                      std::vector<TStrayBytes> strays) {
    if (bytes.empty() && strays.empty()) return true;
    if (Queued + bytes.size() > kMostQueued) return false;
    Queued += bytes.size();
    // A lost reply still takes its turn, so that the strays after it keep their time.
    Replies.push_back({std::move(bytes), std::nullopt, arrival + Latency, std::move(strays), 0});
    return true;
}

std::string_view TReplyQueue::Ready(TClock::time_point now) {
    for (TOutput* output = Current(); output != nullptr; output = Current()) {
        const TClock::time_point start = StartOf(*output);
        if (now < start) return {};
        if (output->Size() == 0) {
            Finish(start);
            continue;
        }
        int64_t count = output->Size() - output->Sent;
        if (Paced) count = std::min(count, BytesInLineTime(now - start) + 1 - output->Sent);
        if (count <= 0) return {};
        if (output->Run) return RunBytes(*output, count);
        return std::string_view(output->Bytes)
            .substr(static_cast<size_t>(output->Sent), static_cast<size_t>(count));
    }
    return {};
}

void TReplyQueue::Sent(size_t count, TClock::time_point now) {
    TOutput* output = Current();
    if (output == nullptr) return;
    const int64_t taken = std::min(static_cast<int64_t>(count), output->Size() - output->Sent);
    output->Sent += taken;
    if (!output->Run) Queued -= static_cast<size_t>(taken);
    if (output->Sent == output->Size()) Finish(now);
}

std::optional<TClock::time_point> TReplyQueue::NextDue() const {
    const TOutput* output = Current();
    if (output == nullptr) return std::nullopt;
    const TClock::time_point start = StartOf(*output);
    return Paced ? start + LineTime(output->Sent) : start;
}

// Whatever has begun goes on to its end; otherwise the earlier due goes first.
const TReplyQueue::TOutput* TReplyQueue::Current() const {
    const TOutput* reply = Replies.empty() ? nullptr : &Replies.front();
    const TOutput* stray = Strays.empty() ? nullptr : &Strays.front();
    if (reply == nullptr || stray == nullptr) return reply != nullptr ? reply : stray;
    if (reply->Sent > 0) return reply;
    if (stray->Sent > 0) return stray;
    return stray->Due <= reply->Due ? stray : reply;
}

TReplyQueue::TOutput* TReplyQueue::Current() {
    return const_cast<TOutput*>(std::as_const(*this).Current());
}

TClock::time_point TReplyQueue::StartOf(const TOutput& output) const {
    return Paced ? std::max(output.Due, LineFree) : output.Due;
}

std::string_view TReplyQueue::RunBytes(const TOutput& output, int64_t count) {
    if (output.Sent >= ChunkFrom + static_cast<int64_t>(Chunk.size())) {
        ChunkFrom = output.Sent;
        Chunk.resize(static_cast<size_t>(
            std::min(static_cast<int64_t>(kRunChunk), output.Size() - output.Sent)));
        if (output.Run->Kind == TStrayBytes::TKind::Noise) {
            std::generate(Chunk.begin(), Chunk.end(), [this] { return NoiseByte(Noise); });
        } else {
            std::fill(Chunk.begin(), Chunk.end(),
                      output.Run->Kind == TStrayBytes::TKind::Xoff ? kXoff : '\r');
        }
    }
    const auto offset = static_cast<size_t>(output.Sent - ChunkFrom);
    return std::string_view(Chunk).substr(offset, static_cast<size_t>(count));
}

// The output on the line is out: its strays are due a delay after its last byte.
void TReplyQueue::Finish(TClock::time_point now) {
    TOutput* output = Current();
    const TClock::time_point end =
        Paced ? std::max(now, StartOf(*output) + LineTime(output->Size())) : now;
    if (Paced) LineFree = end;
    const std::vector<TStrayBytes> followers = std::move(output->Followers);
    if (!Strays.empty() && output == &Strays.front()) {
        Strays.pop_front();
    } else {
        Replies.pop_front();
    }
    Chunk.clear();
    ChunkFrom = 0;
    for (const TStrayBytes& stray : followers) {
        const TClock::time_point due = end + stray.Delay;
        const auto later = std::upper_bound(
            Strays.begin(), Strays.end(), due,
            [](TClock::time_point when, const TOutput& queued) { return when < queued.Due; });
        Strays.insert(later, {{}, stray, due, {}, 0});
    }
}
