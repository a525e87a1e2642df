// The channel display exchange step by step, with a host that records what it is asked.
#include "core/radio/displayexchange.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/radio/exchange.h"

namespace {

using namespace std::chrono_literals;
using TStage = TDisplayExchange::TStage;

class TRecordingHost : public TDisplayHost {
public:
    bool OpenPort() override {
        PortOpen = Opens;
        return Opens;
    }
    void ClosePort() override { PortOpen = false; }
    void SendCommand(const std::string& command) override { Sent.push_back(command); }
    void DiscardInput() override { ++Discards; }
    void StartTimer(TDisplayTimer timer, std::chrono::milliseconds interval) override {
        Running[Index(timer)] = interval;
    }
    void StopTimer(TDisplayTimer timer) override { Running[Index(timer)].reset(); }
    void ShowProtection(bool isProtected) override { Shown = isProtected; }
    void ShowError(const std::string& message) override { Errors.push_back(message); }
    void FlowEnded(TDisplayOutcome outcome) override { Outcomes.push_back(outcome); }

    std::optional<std::chrono::milliseconds> Timer(TDisplayTimer timer) const {
        return Running[Index(timer)];
    }

    bool Opens = true;
    bool PortOpen = false;
    int Discards = 0;
    std::vector<std::string> Sent;
    std::optional<bool> Shown;
    std::vector<std::string> Errors;
    std::vector<TDisplayOutcome> Outcomes;

private:
    static size_t Index(TDisplayTimer timer) { return static_cast<size_t>(timer); }
    std::optional<std::chrono::milliseconds> Running[3];
};

class DisplayExchange : public ::testing::Test {
protected:
    // Fires a timer the way the event loop does: only one that runs.
    void Fire(TDisplayTimer timer) {
        ASSERT_TRUE(Host.Timer(timer)) << "timer " << static_cast<int>(timer) << " not running";
        Exchange.TimerFired(timer);
    }
    // Past the start delay and the wake-up (answered "?", as transceivers do).
    void ToDirect() {
        Fire(TDisplayTimer::Start);
        Exchange.Reply("?\r");
    }
    // A transceiver silent to the direct command, answering in programming mode.
    void ToWrapped() {
        ToDirect();
        Fire(TDisplayTimer::Reply);
        Exchange.Reply("PROGRAM\r");
        Exchange.Reply("PROGRAM\r");
    }

    TRecordingHost Host;
    TDisplayExchange Exchange{Host};
};

TEST_F(DisplayExchange, DirectAnswerIsShownWithoutProgrammingMode) {
    ASSERT_TRUE(Exchange.Query());
    EXPECT_EQ(Host.Timer(TDisplayTimer::Start), 10ms);
    EXPECT_TRUE(Host.Sent.empty());
    Fire(TDisplayTimer::Start);
    EXPECT_EQ(Host.Sent, std::vector<std::string>{""});
    EXPECT_EQ(Host.Timer(TDisplayTimer::Reply), 50ms);
    Exchange.Reply("?\r");
    EXPECT_EQ(Host.Discards, 1);
    EXPECT_EQ(Host.Timer(TDisplayTimer::Reply), 50ms);
    Exchange.Reply("CP 1\r");

    EXPECT_EQ(Host.Sent, (std::vector<std::string>{"", "CP"}));
    EXPECT_EQ(Host.Shown, true);
    EXPECT_FALSE(Host.PortOpen);
    EXPECT_FALSE(Host.Timer(TDisplayTimer::Reply));
    EXPECT_EQ(Host.Outcomes, std::vector<TDisplayOutcome>{TDisplayOutcome::Queried});
    EXPECT_FALSE(Exchange.Busy());
}

TEST_F(DisplayExchange, AnythingButProtectedLeavesTheBoxUnchecked) {
    for (const char* reply :
         {"CP 0\r", "?\r", "E\r", "CP\r", "CP 1 \r", "CP 11\r", "cp 1\r", "\r", "CP 1CP 1CP 1\r"}) {
        TRecordingHost host;
        TDisplayExchange exchange(host);
        exchange.Query();
        exchange.TimerFired(TDisplayTimer::Start);
        exchange.Reply("?\r");
        exchange.Reply(reply);
        EXPECT_EQ(host.Shown, false) << reply;
        EXPECT_EQ(host.Outcomes, std::vector<TDisplayOutcome>{TDisplayOutcome::Queried}) << reply;
    }
}

TEST_F(DisplayExchange, CarriageReturnsInsideAReplyAreDropped) {
    Exchange.Query();
    ToDirect();
    Exchange.Reply("C\rP 1\r");
    EXPECT_EQ(Host.Shown, true);
}

TEST_F(DisplayExchange, SilentTransceiverGetsTheSettingInProgrammingMode) {
    ASSERT_TRUE(Exchange.Set(false));
    Fire(TDisplayTimer::Start);
    Fire(TDisplayTimer::Reply);  // no answer to the wake-up either
    EXPECT_EQ(Host.Sent, (std::vector<std::string>{"", "CP 0"}));
    EXPECT_EQ(Host.Timer(TDisplayTimer::Reply), 50ms);
    Fire(TDisplayTimer::Reply);
    EXPECT_EQ(Host.Sent.back(), "PROGRAM");
    EXPECT_EQ(Host.Timer(TDisplayTimer::Reply), 2000ms);
    Exchange.Reply("PROGRAM\r");
    EXPECT_EQ(Host.Timer(TDisplayTimer::Reply), 2000ms);
    Exchange.Reply("PROGRAM\r");
    EXPECT_EQ(Host.Timer(TDisplayTimer::Reply), 2000ms);  // a setting may take its time
    Exchange.Reply("CP 0\r");
    EXPECT_FALSE(Host.Timer(TDisplayTimer::Reply));
    EXPECT_EQ(Host.Timer(TDisplayTimer::Close), 10ms);

    EXPECT_EQ(Host.Sent,
              (std::vector<std::string>{"", "CP 0", "PROGRAM", "PROGRAM", "CP 0", "END"}));
    EXPECT_TRUE(Host.Outcomes.empty());
    EXPECT_FALSE(Host.Shown);  // a set shows nothing
}

TEST_F(DisplayExchange, CheckedBoxSendsProtectionOn) {
    Exchange.Set(true);
    ToDirect();
    EXPECT_EQ(Host.Sent.back(), "CP 1");
    Exchange.Reply("CP 1\r");
    EXPECT_EQ(Host.Outcomes, std::vector<TDisplayOutcome>{TDisplayOutcome::Set});
    EXPECT_FALSE(Host.PortOpen);
}

TEST_F(DisplayExchange, WrappedQueryHasTheShortWaitAndShowsItsReply) {
    Exchange.Query();
    ToWrapped();
    EXPECT_EQ(Host.Sent.back(), "CP");
    EXPECT_EQ(Host.Timer(TDisplayTimer::Reply), 50ms);
    Exchange.Reply("CP 1\r");
    EXPECT_EQ(Host.Shown, true);
    EXPECT_EQ(Host.Sent.back(), "END");
}

TEST_F(DisplayExchange, EndOfAQueryKeepsTheWindowHoweverFastItIsAnswered) {
    for (const bool answered : {true, false}) {
        TRecordingHost host;
        TDisplayExchange exchange(host);
        exchange.Query();
        exchange.TimerFired(TDisplayTimer::Start);
        exchange.Reply("?\r");
        exchange.TimerFired(TDisplayTimer::Reply);
        exchange.Reply("PROGRAM\r");
        exchange.Reply("PROGRAM\r");
        exchange.Reply("CP 0\r");
        ASSERT_EQ(exchange.Awaited(), TStage::End);
        if (answered) {
            exchange.Reply("END\r");
            EXPECT_FALSE(host.Timer(TDisplayTimer::Close));
        } else {
            exchange.TimerFired(TDisplayTimer::Close);
        }
        EXPECT_FALSE(host.PortOpen) << answered;
        EXPECT_EQ(host.Outcomes, std::vector<TDisplayOutcome>{TDisplayOutcome::Queried})
            << answered;
    }
}

TEST_F(DisplayExchange, EndOfASetClosesWhetherAnsweredOrNot) {
    for (const bool answered : {true, false}) {
        TRecordingHost host;
        TDisplayExchange exchange(host);
        exchange.Set(true);
        exchange.TimerFired(TDisplayTimer::Start);
        exchange.TimerFired(TDisplayTimer::Reply);
        exchange.TimerFired(TDisplayTimer::Reply);
        exchange.Reply("PROGRAM\r");
        exchange.Reply("PROGRAM\r");
        exchange.Reply("CP 1\r");
        if (answered) {
            exchange.Reply("END\r");
        } else {
            exchange.TimerFired(TDisplayTimer::Close);
        }
        EXPECT_FALSE(host.PortOpen);
        EXPECT_EQ(host.Outcomes, std::vector<TDisplayOutcome>{TDisplayOutcome::Set}) << answered;
    }
}

TEST_F(DisplayExchange, SilenceWhereNothingElseCanBeTriedTimesOut) {
    // After the first "PROGRAM", after the second, and after the wrapped command.
    for (const int answered : {0, 1, 2}) {
        TRecordingHost host;
        TDisplayExchange exchange(host);
        exchange.Query();
        exchange.TimerFired(TDisplayTimer::Start);
        exchange.TimerFired(TDisplayTimer::Reply);
        exchange.TimerFired(TDisplayTimer::Reply);
        for (int reply = 0; reply < answered; ++reply) exchange.Reply("PROGRAM\r");
        exchange.TimerFired(TDisplayTimer::Reply);
        EXPECT_EQ(host.Errors,
                  std::vector<std::string>{"Communication timeout error.\nPlease check the cable "
                                           "and the transceiver's power, then try again."})
            << answered;
        EXPECT_EQ(host.Outcomes, std::vector<TDisplayOutcome>{TDisplayOutcome::TimedOut});
        EXPECT_FALSE(host.PortOpen);
        EXPECT_FALSE(exchange.Busy());
        EXPECT_NE(host.Sent.back(), "END");  // nothing is retried or tidied up
    }
}

// A pulled cable: one message, and no further step is tried on the line.
TEST_F(DisplayExchange, ACommandThatCannotBeSentEndsTheFlowAtOnce) {
    Exchange.Set(true);
    ToDirect();
    Exchange.SendFailed("Communication Write Error  ErrorMask=1024");
    EXPECT_EQ(Host.Errors, std::vector<std::string>{"Communication Write Error  ErrorMask=1024\n"
                                                    "Please check the cable and the "
                                                    "transceiver's power, then try again."});
    EXPECT_EQ(Host.Outcomes, std::vector<TDisplayOutcome>{TDisplayOutcome::LineFailed});
    EXPECT_FALSE(Host.PortOpen);
    EXPECT_FALSE(Exchange.Busy());
    EXPECT_FALSE(Host.Timer(TDisplayTimer::Reply));
    Exchange.SendFailed("again");
    EXPECT_EQ(Host.Errors.size(), 1u);
}

TEST_F(DisplayExchange, ChatterBeforeTheWakeUpRestartsTheDelay) {
    Exchange.Query();
    Exchange.Reply("garbage\r");
    EXPECT_EQ(Host.Discards, 1);
    EXPECT_TRUE(Host.Sent.empty());
    EXPECT_EQ(Host.Timer(TDisplayTimer::Start), 10ms);
    Fire(TDisplayTimer::Start);
    EXPECT_EQ(Host.Sent, std::vector<std::string>{""});
}

TEST_F(DisplayExchange, OneFlowAtATime) {
    ASSERT_TRUE(Exchange.Query());
    EXPECT_FALSE(Exchange.Set(true));
    EXPECT_EQ(Exchange.Flow(), TDisplayExchange::TFlow::Query);
}

TEST_F(DisplayExchange, PortThatWillNotOpenStartsNothing) {
    Host.Opens = false;
    EXPECT_FALSE(Exchange.Query());
    EXPECT_FALSE(Host.Timer(TDisplayTimer::Start));
    EXPECT_FALSE(Exchange.Busy());
}

TEST_F(DisplayExchange, AbandonedFlowIgnoresWhatComesLater) {
    Exchange.Query();
    ToDirect();
    Exchange.Abandon();
    Exchange.Reply("CP 1\r");
    Exchange.TimerFired(TDisplayTimer::Reply);
    EXPECT_FALSE(Host.Shown);
    EXPECT_TRUE(Host.Outcomes.empty());
    EXPECT_TRUE(Host.Errors.empty());
}

}  // namespace
