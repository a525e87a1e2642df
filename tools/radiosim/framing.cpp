#include "radiosim/framing.h"

#include <algorithm>
#include <utility>

#include "radiosim/faults.h"

namespace {

constexpr char kXon = 17;
constexpr char kXoff = 19;

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

TReplyQueue::TReplyQueue(std::chrono::milliseconds latency, bool paced)
    : Latency(latency), Paced(paced) {}

bool TReplyQueue::Add(std::string bytes, TClock::time_point arrival) {
    if (Queued + bytes.size() > kMostQueued) return false;
    const TClock::time_point start = std::max(arrival + Latency, LineFree);
    const auto size = static_cast<int64_t>(bytes.size());
    LineFree = Paced ? start + LineTime(size) : start;
    Queued += bytes.size();
    Replies.push_back({std::move(bytes), start, 0});
    return true;
}

std::string_view TReplyQueue::Ready(TClock::time_point now) const {
    if (Replies.empty() || now < Replies.front().Start) return {};
    const TReply& reply = Replies.front();
    const std::string_view rest = std::string_view(reply.Bytes).substr(reply.Sent);
    if (!Paced) return rest;
    const int64_t due = BytesInLineTime(now - reply.Start) + 1;
    const auto allowed =
        static_cast<size_t>(std::min<int64_t>(due, static_cast<int64_t>(reply.Bytes.size())));
    return rest.substr(0, allowed > reply.Sent ? allowed - reply.Sent : 0);
}

void TReplyQueue::Sent(size_t count) {
    if (Replies.empty()) return;
    TReply& reply = Replies.front();
    count = std::min(count, reply.Bytes.size() - reply.Sent);
    reply.Sent += count;
    Queued -= count;
    if (reply.Sent == reply.Bytes.size()) Replies.pop_front();
}

std::optional<TClock::time_point> TReplyQueue::NextDue() const {
    if (Replies.empty()) return std::nullopt;
    const TReply& reply = Replies.front();
    if (!Paced) return reply.Start;
    return reply.Start + LineTime(static_cast<int64_t>(reply.Sent));
}
