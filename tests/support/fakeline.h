#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/radio/exchange.h"
#include "radiosim/transceiver.h"

// A transceiver on a fake line with a fake clock: commands reach the
// simulated transceiver at once, replies come back in order, and timers fire
// when the clock reaches them. An exchange runs to its end in no real time.
class TFakeLine : public TExchangeHost {
public:
    explicit TFakeLine(TTransceiver radio) : Radio(std::move(radio)) {}

    // Replaces the transceiver's answer to the n-th command (from 0); nothing keeps silent.
    std::function<std::optional<std::string>(const std::string& command, int index,
                                             std::optional<std::string> reply)>
        Answer;
    // Answers the market code question.
    bool ContinueAnswer = true;

    void Run(TExchange& exchange, int cancelAfterCommands = -1) {
        Exchange = &exchange;
        exchange.Start();
        while (!Outcome) {
            if (cancelAfterCommands >= 0 && static_cast<int>(Sent.size()) == cancelAfterCommands) {
                cancelAfterCommands = -1;
                exchange.Cancel();
            }
            if (!PendingReplies.empty()) {
                const std::string reply = PendingReplies.front();
                PendingReplies.pop_front();
                exchange.Reply(reply + "\r");
            } else if (!FireNextTimer()) {
                break;
            }
        }
    }

    void SendCommand(const std::string& command, std::chrono::milliseconds delay) override {
        Now += delay;
        Sent.push_back(command);
        std::optional<std::string> reply = Radio.Handle(command);
        if (Answer) reply = Answer(command, static_cast<int>(Sent.size()) - 1, reply);
        // An answer with carriage returns in it arrives as several lines.
        PendingReplies.clear();
        for (size_t start = 0; reply;) {
            const size_t end = reply->find('\r', start);
            PendingReplies.push_back(reply->substr(start, end - start));
            if (end == std::string::npos) break;
            start = end + 1;
        }
        Timers[TExchangeTimer::Reply] = Now + std::chrono::milliseconds(2500);
    }
    void DiscardInput() override {}
    void StartTimer(TExchangeTimer timer, std::chrono::milliseconds interval) override {
        Timers[timer] = Now + interval;
    }
    void StopTimer(TExchangeTimer timer) override { Timers.erase(timer); }
    void ClosePort() override {
        PortOpen = false;
        PendingReplies.clear();
    }
    void SetProgressMaximum(int maximum) override { ProgressMaximum = maximum; }
    void SetProgress(int position) override { Progress = position; }
    void ShowError(const std::string& message) override { Messages.push_back(message); }
    void ShowWarning(const std::string& message) override { Messages.push_back(message); }
    bool AskToContinue(const std::string& question) override {
        Messages.push_back(question);
        return ContinueAnswer;
    }
    void ModelChanged() override { ModelChanges++; }
    void Finish(TExchangeOutcome outcome) override { Outcome = outcome; }

    TTransceiver Radio;
    std::vector<std::string> Sent;
    std::vector<std::string> Messages;
    std::optional<TExchangeOutcome> Outcome;
    std::chrono::milliseconds Now{0};
    int Progress = 0;
    int ProgressMaximum = 0;
    int ModelChanges = 0;
    bool PortOpen = true;

private:
    bool FireNextTimer() {
        if (Timers.empty()) return false;
        auto next = Timers.begin();
        for (auto it = Timers.begin(); it != Timers.end(); ++it) {
            if (it->second < next->second) next = it;
        }
        const TExchangeTimer timer = next->first;
        Now = std::max(Now, next->second);
        Timers.erase(next);
        Exchange->TimerFired(timer);
        return true;
    }

    TExchange* Exchange = nullptr;
    std::deque<std::string> PendingReplies;
    std::map<TExchangeTimer, std::chrono::milliseconds> Timers;
};
