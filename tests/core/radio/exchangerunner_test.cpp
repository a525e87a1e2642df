#include "core/radio/exchangerunner.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "core/model/modelcatalogue.h"
#include "core/radio/radiocommands.h"
#include "core/radio/readexchange.h"
#include "core/radio/writeexchange.h"
#include "support/pseudoterminal.h"
#include "support/tempsettings.h"
#include "support/testdata.h"

namespace {

using namespace std::chrono_literals;

// What the window would show of an exchange.
class TRecordingView : public TExchangeView {
public:
    void SetProgressMaximum(int) override {}
    void SetProgress(int) override {}
    void ShowError(const std::string& message) override { Messages.push_back(message); }
    void ShowWarning(const std::string& message) override { Messages.push_back(message); }
    bool AskToContinue(const std::string&) override { return false; }
    void Finished(TExchangeOutcome outcome) override {
        Outcome = outcome;
        ++Finishes;
    }

    std::vector<std::string> Messages;
    std::optional<TExchangeOutcome> Outcome;
    int Finishes = 0;
};

// An exchange with a transceiver that never answers, on the event loop's own timers.
struct TSilentExchange {
    TPseudoTerminal Line;
    TRecordingView View;
    TExchangeRunner Runner{View};
};

// A Cancel just before the reply time-out of the wake-up: only the grace period may
// end the exchange. A reply timer still running after Cancel would fire within it.
TEST(ExchangeRunner, CancelJustBeforeTheReplyTimeOutEndsCancelledAndNothingFiresAfterIt) {
    TTempSettings settings;
    TRadioData readInto = FilledData(ModelCatalogue()[0], "49");
    const TRadioData written = readInto;
    TSilentExchange read;
    TSilentExchange write;
    read.Runner.SetExchange(
        std::make_unique<TReadExchange>(readInto, read.Runner, TTransferScope::All, false));
    write.Runner.SetExchange(
        std::make_unique<TWriteExchange>(written, write.Runner, TTransferScope::All, false));

    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(read.Runner.Begin(read.Line.Path()));
    ASSERT_TRUE(write.Runner.Begin(write.Line.Path()));
    // The wake-up goes out after the start delay and arms the reply time-out then, so
    // that time-out is due no sooner than kStartDelay + kReplyTimeout: the Cancel, due
    // 150 ms before, always comes first, however late the event loop runs.
    const auto cancelAt = kStartDelay + kReplyTimeout - 150ms;
    QTimer::singleShot(cancelAt, Qt::PreciseTimer, [&] {
        read.Runner.Cancel();
        write.Runner.Cancel();
    });
    const auto ended = [&] { return read.View.Outcome && write.View.Outcome; };
    ASSERT_TRUE(QTest::qWaitFor(ended, 10000));
    EXPECT_GE(clock.elapsed(), (cancelAt + kCancelGrace).count());
    // Past the time the reply time-out would have been due, and a grace period more.
    const qint64 quietUntil = (kStartDelay + kReplyTimeout + kCancelGrace).count();
    EXPECT_TRUE(QTest::qWaitFor([&] { return clock.elapsed() >= quietUntil; }, 2 * quietUntil));

    for (const TSilentExchange* exchange : {&read, &write}) {
        SCOPED_TRACE(exchange == &read ? "read" : "write");
        EXPECT_EQ(exchange->View.Outcome, TExchangeOutcome::Cancelled);
        EXPECT_EQ(exchange->View.Finishes, 1);
        EXPECT_TRUE(exchange->View.Messages.empty());
        EXPECT_FALSE(exchange->Runner.Port.GetPortStatus());
    }
}

// The reply time-out is 2500 ms on the event loop's own timers: a reply just
// inside it is taken, and silence ends the exchange then and not before.
TEST(ExchangeRunner, TheReplyTimeOutIsTwoAndAHalfSeconds) {
    TTempSettings settings;
    TRadioData data = FilledData(ModelCatalogue()[0], "49");
    TSilentExchange read;
    read.Runner.SetExchange(
        std::make_unique<TReadExchange>(data, read.Runner, TTransferScope::All, false));
    std::string heard;
    const auto hears = [&](const std::string& command) {
        return QTest::qWaitFor(
            [&] {
                heard += read.Line.Receive(1, 1ms);
                return heard.ends_with(command);
            },
            5000);
    };
    QElapsedTimer clock;
    ASSERT_TRUE(read.Runner.Begin(read.Line.Path()));
    ASSERT_TRUE(hears("\r"));  // the wake-up
    clock.start();
    QTimer::singleShot(2200ms, Qt::PreciseTimer, [&] { read.Line.Send("?\r"); });
    ASSERT_TRUE(hears("ID\r"));
    const qint64 idSent = clock.elapsed();
    EXPECT_GE(idSent, 2200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return read.View.Outcome.has_value(); }, 5000));
    EXPECT_EQ(read.View.Outcome, TExchangeOutcome::TimedOut);
    // Measured from when the line heard "ID", a little after the time-out was armed.
    EXPECT_GE(clock.elapsed() - idSent, 2450);
    EXPECT_LT(clock.elapsed() - idSent, 3500);
}

}  // namespace
