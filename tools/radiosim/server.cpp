#include "radiosim/server.h"

#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "radiosim/simline.h"
#include "radiosim/simlog.h"
#include "radiosim/transceiver.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kFailurePause = 50ms;
// A hang-up waits for the last reply to be read, but not for ever.
constexpr auto kLeastDrainTime = 20ms;
constexpr auto kMostDrainTime = 500ms;
constexpr auto kDrainCheck = 10ms;
constexpr size_t kReadChunk = 512;

std::string Numbered(long number, std::string_view direction, std::string_view text) {
    std::string line = "#" + std::to_string(number) + ' ' + std::string(direction);
    if (!text.empty()) line += ' ' + Printable(text);
    return line;
}

std::string Described(const TStrayBytes& stray) {
    const std::string count = std::to_string(stray.Count);
    switch (stray.Kind) {
        case TStrayBytes::TKind::Xoff:
            return "XOFF";
        case TStrayBytes::TKind::Noise:
            return "burst of " + count + " noise bytes";
        case TStrayBytes::TKind::CarriageReturns:
            break;
    }
    return stray.Count == 1 ? "stray CR" : "burst of " + count + " CR";
}

// "<", or "< (garbled)" and the like when faults bend the reply.
std::string ReplyLabel(const TFaultDecision& decision, bool carriedOut) {
    std::string faults;
    const auto add = [&faults](bool played, std::string_view fault) {
        if (!played) return;
        if (!faults.empty()) faults += ", ";
        faults += fault;
    };
    add(decision.NulReply, "64 NUL");
    add(carriedOut && decision.WrongChannel, "wrong channel");
    add(carriedOut && decision.Unstored, "not stored");
    add(decision.Garbled, "garbled");
    return faults.empty() ? "<" : "< (" + faults + ")";
}

}  // namespace

TSimServer::TSimServer(TTransceiver& radio, TFaults& faults, TSimLine& line, TSimLog& log)
    : Radio(radio),
      Faults(faults),
      Line(line),
      Log(log),
      // The noise has a stream of its own, so that it never shifts which commands are refused.
      Replies(faults.Plan().Latency, faults.Plan().Paced, faults.Plan().Seed + 1) {}

void TSimServer::Run(int signalFd) {
    for (;;) {
        TClock::time_point now = TClock::now();
        if (Paused && now >= *Paused) Paused.reset();
        WriteReplies(now);
        if (HangUpPending && HangUpDue(now)) {
            Line.HangUp();
            Log.Write("line hung up");
            return;
        }
        const short events =
            static_cast<short>((Reading() ? POLLIN : 0) | (Blocked && !Paused ? POLLOUT : 0));
        pollfd fds[2] = {{signalFd, POLLIN, 0}, {events != 0 ? Line.MasterFd() : -1, events, 0}};
        if (poll(fds, 2, PollTimeout(now)) < 0 && errno != EINTR) {
            Log.Write("poll failed");
            return;
        }
        if (fds[0].revents != 0) {
            signalfd_siginfo signal{};
            [[maybe_unused]] const ssize_t size = read(signalFd, &signal, sizeof signal);
            Log.Write("stopped by signal " + std::to_string(signal.ssi_signo));
            return;
        }
        now = TClock::now();
        if (fds[1].revents & POLLOUT) Blocked = false;
        if (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL)) {
            Pause(now);
        } else if (fds[1].revents & POLLIN) {
            ReadLine(now);
        }
    }
}

void TSimServer::ReadLine(TClock::time_point now) {
    char buffer[kReadChunk];
    const ssize_t count = read(Line.MasterFd(), buffer, sizeof buffer);
    if (count < 0 && (errno == EAGAIN || errno == EINTR)) return;
    // EIO: no one holds the device. Nothing is lost by waiting a little.
    if (count <= 0) {
        Pause(now);
        return;
    }
    for (const TReceivedCommand& command :
         Collector.Take(std::string_view(buffer, static_cast<size_t>(count)))) {
        if (HangUpPending) break;
        Serve(command, now);
    }
}

void TSimServer::Serve(const TReceivedCommand& command, TClock::time_point arrival) {
    const TFaultDecision decision = Faults.Next(command.Text);
    Log.Write(Numbered(decision.Number, command.Overlong ? "> (overlong)" : ">", command.Text));
    if (decision.HangUp) HangUpPending = true;
    std::string bytes = ReplyBytes(command, decision);
    if (decision.Behind) {
        Log.Write(Numbered(decision.Number, "< (one behind: sends the reply before)", ""));
        std::swap(bytes, PreviousReply);
    } else {
        PreviousReply = bytes;
    }
    for (const TStrayBytes& stray : decision.Strays) {
        Log.Write(Numbered(decision.Number, "< (" + Described(stray) + ")", ""));
    }
    if (!Replies.Add(std::move(bytes), arrival, decision.Strays)) {
        Log.Write(Numbered(decision.Number, "(reply lost: no one reads the line)", ""));
    }
}

// The bytes that answer a command, as the log tells; none when the reply is lost.
std::string TSimServer::ReplyBytes(const TReceivedCommand& command,
                                   const TFaultDecision& decision) {
    std::optional<std::string> reply = ReplyTo(command, decision);
    if (!reply) {
        Log.Write(Numbered(decision.Number, decision.Silent ? "< (silent)" : "< (no reply)", ""));
        return {};
    }
    if (decision.Dropped) {
        Log.Write(Numbered(decision.Number, "< (dropped)", *reply));
        return {};
    }
    if (decision.Garbled) *reply = Garbled(*reply);
    const bool carriedOut = !decision.NulReply && !decision.Refused && !command.Overlong;
    // Sixty-four \x00 would tell nothing the label does not.
    Log.Write(Numbered(decision.Number, ReplyLabel(decision, carriedOut),
                       decision.NulReply ? "" : *reply));
    return *reply + '\r';
}

std::optional<std::string> TSimServer::ReplyTo(const TReceivedCommand& command,
                                               const TFaultDecision& decision) {
    if (decision.Silent) return std::nullopt;
    if (decision.NulReply) return std::string(kNulReplyLength, '\0');
    if (decision.Refused) return Faults.Plan().RefusalText;
    if (command.Overlong) return std::string(kRefused);
    return Answer(command.Text, decision);
}

// The transceiver's answer as the planned faults bend it.
std::optional<std::string> TSimServer::Answer(const std::string& command,
                                              const TFaultDecision& decision) {
    std::optional<TTransceiver> kept;
    if (decision.Unstored) kept = Radio;
    const std::optional<std::string> next =
        decision.WrongChannel ? NextChannelCommand(command) : std::nullopt;
    const bool isRead = next && next->find(',') == std::string::npos;
    std::optional<std::string> reply = Radio.Handle(isRead ? *next : command);
    if (kept) Radio = *kept;
    // A write is kept for the channel it named; only its echo goes astray.
    if (next && !isRead && reply == command) reply = *next;
    return reply;
}

void TSimServer::WriteReplies(TClock::time_point now) {
    while (!Blocked && !Paused) {
        const std::string_view ready = Replies.Ready(now);
        if (ready.empty()) return;
        const ssize_t count = write(Line.MasterFd(), ready.data(), ready.size());
        if (count > 0) {
            Replies.Sent(static_cast<size_t>(count), now);
            Blocked = static_cast<size_t>(count) < ready.size();
        } else if (count < 0 && errno == EAGAIN) {
            Blocked = true;
        } else if (count < 0 && errno != EINTR) {
            Pause(now);
        }
    }
}

bool TSimServer::HangUpDue(TClock::time_point now) {
    if (!Replies.Empty()) return false;
    if (!DrainingSince) DrainingSince = now;
    const auto waited = now - *DrainingSince;
    return (waited >= kLeastDrainTime && Line.Unread() == 0) || waited >= kMostDrainTime;
}

void TSimServer::Pause(TClock::time_point now) {
    Paused = now + kFailurePause;
    Blocked = false;
}

int TSimServer::PollTimeout(TClock::time_point now) const {
    std::optional<TClock::time_point> due;
    const auto consider = [&due](TClock::time_point when) {
        due = due ? std::min(*due, when) : when;
    };
    if (Paused) consider(*Paused);
    if (HangUpPending) consider(now + kDrainCheck);
    if (!Blocked && !Paused) {
        if (const auto next = Replies.NextDue()) consider(*next);
    }
    if (!due) return -1;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*due - now);
    return static_cast<int>(std::clamp<int64_t>(wait.count(), 0, 60'000));
}
