#include "core/radio/writeexchange.h"

#include <gtest/gtest.h>

#include <set>

#include "core/files/datafile.h"
#include "core/model/modelcatalogue.h"
#include "core/radio/exchangemessages.h"
#include "core/radio/radiocommands.h"
#include "core/radio/verifiedwrite.h"
#include "support/everyconfiguration.h"
#include "support/fakeline.h"
#include "support/testdata.h"

namespace {

const TModelInfo& Row(int number) {
    return ModelCatalogue()[static_cast<size_t>(number - 1)];
}

// A transceiver as it left the factory, of the given row.
TTransceiver FreshRadio(const TModelInfo& row, const char* count, std::string id = {}) {
    TRadioData data;
    ApplyConfiguration(data, row, count);
    data.ApplyDefaultRecords();
    data.ApplyWeatherAlertDefault();
    data.ApplyMenuDefaults();
    return TTransceiver(data, id.empty() ? row.Model : id);
}

std::vector<std::string> Commands(const std::vector<std::string>& sent, const std::string& prefix) {
    std::vector<std::string> matching;
    for (const std::string& command : sent) {
        if (command.starts_with(prefix)) matching.push_back(command);
    }
    return matching;
}

class WriteExchangeOfEveryConfiguration : public ::testing::TestWithParam<int> {};

TEST_P(WriteExchangeOfEveryConfiguration, WritesWholeIntoTheTransceiver) {
    const TModelInfo& row = RowOf(GetParam());
    const TChannelCounts counts = ChannelCountsOf(row.Model);
    for (const char* count : {counts.Smaller, counts.Larger}) {
        const TRadioData data = FilledData(row, count);
        TFakeLine line(FreshRadio(row, count));
        TWriteExchange write(data, line, TTransferScope::All, false);
        line.Run(write);
        ASSERT_EQ(line.Outcome, TExchangeOutcome::Done)
            << row.Caption << " " << (line.Messages.empty() ? "" : line.Messages[0]);
        TRadioData written = line.Radio.Data();
        written.SetComment(data.GetComment());
        EXPECT_EQ(WriteDataFile(written), WriteDataFile(data)) << row.Caption << " " << count;
        EXPECT_FALSE(line.PortOpen);
    }
}

INSTANTIATE_FOR_EVERY_CONFIGURATION(WriteExchangeOfEveryConfiguration);

TEST(WriteExchange, LargeMobileSendsEveryChannelAndNoNames) {
    const TRadioData data = FilledData(Row(13), "199");
    TFakeLine line(FreshRadio(Row(13), "199"));
    TWriteExchange write(data, line, TTransferScope::Memory, false);
    line.Run(write);
    const std::vector<std::string> entries = Commands(line.Sent, "ME ");
    ASSERT_EQ(entries.size(), 200u + 7u);
    EXPECT_TRUE(entries[0].starts_with("ME 000,"));
    EXPECT_TRUE(entries[199].starts_with("ME 199,"));
    EXPECT_TRUE(entries[200].starts_with("ME  L0,"));
    EXPECT_TRUE(entries[206].starts_with("ME  PR,"));
    EXPECT_TRUE(Commands(line.Sent, "MN").empty());
    EXPECT_EQ(line.Sent.back(), "DM 9,1 2");
    EXPECT_EQ(line.Radio.Data().GetChannel(150), data.GetChannel(150));
}

TEST(WriteExchange, HandheldSendsNamesAfterChannelsThatHaveAFrequency) {
    TRadioData data = FilledData(Row(2), "49");
    data.SetChannel(3, "");
    TFakeLine line(FreshRadio(Row(2), "49"));
    TWriteExchange write(data, line, TTransferScope::Memory, false);
    line.Run(write);
    const auto first = std::find(line.Sent.begin(), line.Sent.end(), "VM 0");
    ASSERT_NE(first, line.Sent.end());
    EXPECT_TRUE((first + 1)->starts_with("ME 00,0145"));
    EXPECT_EQ(*(first + 2), "MN 00,N0");
    const auto cleared = std::find(line.Sent.begin(), line.Sent.end(), "ME 03,");
    ASSERT_NE(cleared, line.Sent.end());
    EXPECT_TRUE((cleared + 1)->starts_with("ME 04,"));
}

TEST(WriteExchange, OrderOfTheRecordCommandsAndTheHandheldVoxHold) {
    TRadioData data = FilledData(Row(1), "49");
    data.SetMenuSlot(10, "6");
    TFakeLine line(FreshRadio(Row(1), "49"));
    TWriteExchange write(data, line, TTransferScope::All, false);
    line.Run(write);
    std::vector<std::string> mnemonics;
    for (const std::string& command : line.Sent) {
        if (!command.starts_with("ME") && !command.starts_with("MN") &&
            !command.starts_with("DM")) {
            mnemonics.push_back(command.substr(0, 2));
        }
    }
    EXPECT_EQ(mnemonics,
              (std::vector<std::string>{"", "ID", "MU", "MU", "TY", "CQ", "VM", "CA", "VF", "PV",
                                        "PC", "MU", "MS", "LK", "LP", "PF", "MU"}));
    const std::vector<std::string> menus = Commands(line.Sent, "MU ");
    EXPECT_EQ(menus[1][3 + 8], '0');
    EXPECT_EQ(menus[2][3 + 8], '6');
    EXPECT_EQ(line.Radio.Data().GetMenuSlot(10), "6");
}

TEST(WriteExchange, HandheldGetsItsOwnVoxSettingBackWheneverTheWriteEnds) {
    TRadioData data = FilledData(Row(1), "49");
    data.SetMenuSlot(10, "2");
    TRadioData radioData = data;
    radioData.SetMenuSlot(10, "6");
    TFakeLine line(TTransceiver(radioData, "PX-A5"));
    TWriteExchange write(data, line, TTransferScope::Memory, false);
    line.Run(write);
    EXPECT_EQ(line.Outcome, TExchangeOutcome::Done);
    EXPECT_EQ(line.Sent.back().substr(0, 3), "MU ");
    EXPECT_EQ(line.Radio.Data().GetMenuSlot(10), "6");

    TFakeLine cancelled(TTransceiver(radioData, "PX-A5"));
    TWriteExchange second(data, cancelled, TTransferScope::All, false);
    cancelled.Run(second, 12);
    EXPECT_EQ(cancelled.Outcome, TExchangeOutcome::Cancelled);
    EXPECT_EQ(cancelled.Sent.back().substr(0, 3), "MU ");
    EXPECT_EQ(cancelled.Radio.Data().GetMenuSlot(10), "6");

    // Ending at the market code: another market letter, or another variant declined.
    const std::pair<const char*, TExchangeOutcome> kRefusals[] = {
        {"AEB0", TExchangeOutcome::Unsupported}, {"AKG0", TExchangeOutcome::Cancelled}};
    for (const auto& [market, outcome] : kRefusals) {
        TRadioData other = radioData;
        other.SetMarketCode(market);
        TFakeLine refused(TTransceiver(other, "PX-A5"));
        refused.ContinueAnswer = false;
        TWriteExchange third(data, refused, TTransferScope::All, false);
        refused.Run(third);
        EXPECT_EQ(refused.Outcome, outcome) << market;
        EXPECT_EQ(refused.Sent.back().substr(0, 3), "MU ") << market;
        EXPECT_EQ(refused.Radio.Data().GetMenuSlot(10), "6") << market;
    }
}

TEST(WriteExchange, AlIsWrittenOnEveryUsCanadaModel) {
    TRadioData data = FilledData(Row(13), "99");
    data.SetMarketCode("MKF");
    data.SetChannel(207, "");
    TRadioData radioData = data;
    TFakeLine line(TTransceiver(radioData, "RV-350"));
    TWriteExchange write(data, line, TTransferScope::Memory, false);
    line.Run(write);
    const auto al = std::find(line.Sent.begin(), line.Sent.end(), "ME  AL,");
    ASSERT_NE(al, line.Sent.end());
    EXPECT_TRUE((al + 1)->starts_with("CA "));
}

TEST(WriteExchange, Rv310DataGoesToAnRv320ButNotToAnotherModel) {
    const TRadioData data = FilledData(Row(8), "99");
    TFakeLine rv320(FreshRadio(Row(8), "99", "RV-320"));
    TWriteExchange write(data, rv320, TTransferScope::Menu, false);
    rv320.Run(write);
    EXPECT_EQ(rv320.Outcome, TExchangeOutcome::Done);

    const TRadioData rv350 = FilledData(Row(13), "99");
    TFakeLine rv380(FreshRadio(Row(15), "99"));
    TWriteExchange refused(rv350, rv380, TTransferScope::All, false);
    rv380.Run(refused);
    EXPECT_EQ(rv380.Outcome, TExchangeOutcome::Unsupported);
    EXPECT_EQ(rv380.Messages, std::vector<std::string>{kUnsupportedMessage});
    EXPECT_EQ(rv380.Sent, (std::vector<std::string>{"", "ID"}));
}

TEST(WriteExchange, OtherMarketLetterIsNotSupported) {
    TRadioData data = FilledData(Row(8), "99");
    data.SetMarketCode("MED");
    TFakeLine line(FreshRadio(Row(8), "99"));
    TWriteExchange write(data, line, TTransferScope::All, false);
    line.Run(write);
    EXPECT_EQ(line.Outcome, TExchangeOutcome::Unsupported);
    EXPECT_EQ(line.Sent.back(), "TY");
}

TEST(WriteExchange, OtherVariantAsksWhetherToGoOn) {
    TRadioData data = FilledData(Row(10), "99");    // MM8
    TFakeLine declined(FreshRadio(Row(11), "99"));  // MM9
    declined.ContinueAnswer = false;
    TWriteExchange first(data, declined, TTransferScope::All, false);
    declined.Run(first);
    EXPECT_EQ(declined.Outcome, TExchangeOutcome::Cancelled);
    ASSERT_EQ(declined.Messages.size(), 1u);
    EXPECT_TRUE(
        declined.Messages[0].starts_with("The market code selected in this software does not \n"));
    EXPECT_EQ(declined.Sent.back(), "TY");

    TFakeLine accepted(FreshRadio(Row(11), "99"));
    TWriteExchange second(data, accepted, TTransferScope::All, false);
    accepted.Run(second);
    EXPECT_EQ(accepted.Outcome, TExchangeOutcome::Done);
    EXPECT_EQ(accepted.Radio.Data().GetChannel(0), data.GetChannel(0));
}

TEST(WriteExchange, RefusedRecordsAreNamedWhenTheWriteEnds) {
    const TRadioData data = FilledData(Row(8), "99");
    TFakeLine line(FreshRadio(Row(8), "99"));
    line.Answer = [](const std::string& command, int, std::optional<std::string> reply) {
        if (command.starts_with("ME 003,") || command.starts_with("DM 9")) {
            return std::optional<std::string>("?");
        }
        return reply;
    };
    TWriteExchange write(data, line, TTransferScope::All, false);
    line.Run(write);
    EXPECT_EQ(line.Outcome, TExchangeOutcome::Refused);
    ASSERT_EQ(line.Messages.size(), 1u);
    EXPECT_EQ(line.Messages[0],
              "The transceiver refused 2 of the records written:\nME 003\nDM 9\n"
              "These records are not stored in the transceiver.\n"
              "The transceiver now holds a mix of old and new data. Please write again.");
    // The write went on to the end all the same.
    EXPECT_EQ(line.Sent.back().substr(0, 2), "BR");

    // Twenty are named; past twenty the list ends in "...".
    for (const int refused : {20, 21}) {
        TFakeLine many(FreshRadio(Row(8), "99"));
        many.Answer = [refused](const std::string& command, int, std::optional<std::string> reply) {
            const bool channel = command.starts_with("ME 0") && command[6] == ',';
            if (channel && std::stoi(command.substr(3, 3)) < refused) {
                return std::optional<std::string>("?");
            }
            return reply;
        };
        TWriteExchange manyWrite(data, many, TTransferScope::Memory, false);
        many.Run(manyWrite);
        std::string named;
        for (int channel = 0; channel < 20; ++channel) {
            named += "\nME 0" + std::string(channel < 10 ? "0" : "") + std::to_string(channel);
        }
        EXPECT_EQ(many.Messages,
                  std::vector<std::string>{"The transceiver refused " + std::to_string(refused) +
                                           " of the records written:" + named +
                                           (refused > 20 ? "\n..." : "") +
                                           "\nThese records are not stored in the transceiver.\n"
                                           "The transceiver now holds a mix of old and new data. "
                                           "Please write again."});
    }
}

TEST(WriteExchange, CancelEndsWithTheNextReplyOrAfterTheGracePeriod) {
    const TRadioData data = FilledData(Row(8), "99");
    TFakeLine line(FreshRadio(Row(8), "99"));
    TWriteExchange write(data, line, TTransferScope::All, false);
    line.Run(write, 10);
    EXPECT_EQ(line.Outcome, TExchangeOutcome::Cancelled);
    EXPECT_EQ(line.Sent.size(), 10u);

    TFakeLine silent(FreshRadio(Row(8), "99"));
    silent.Answer = [](const std::string&, int index, std::optional<std::string> reply) {
        return index < 5 ? reply : std::nullopt;
    };
    TWriteExchange second(data, silent, TTransferScope::All, false);
    silent.Run(second, 6);
    EXPECT_EQ(silent.Outcome, TExchangeOutcome::Cancelled);
    // Channel 0 was under way: the channel count had been written already.
    EXPECT_EQ(silent.Messages, std::vector<std::string>{WriteStoppedMessage(silent.Sent.back())});
    EXPECT_TRUE(silent.Sent.back().starts_with("ME 000,"));
}

TEST(WriteExchange, SilenceTimesOut) {
    const TRadioData data = FilledData(Row(2), "49");
    TFakeLine line(FreshRadio(Row(2), "49"));
    line.Answer = [](const std::string&, int index, std::optional<std::string> reply) {
        return index < 30 ? reply : std::nullopt;
    };
    TWriteExchange write(data, line, TTransferScope::All, false);
    line.Run(write);
    EXPECT_EQ(line.Outcome, TExchangeOutcome::TimedOut);
    EXPECT_EQ(line.Messages,
              (std::vector<std::string>{kTimeoutMessage, WriteStoppedMessage(line.Sent.back())}));
    EXPECT_TRUE(
        line.Messages[1].starts_with("The write was not completed: it stopped at channel 17."));
}

// ---- A noisy line ----

const std::string kWriteAgain =
    "\nPlease check the cable and the transceiver's power, then write again.";
constexpr char kLineLost[] = "Communication Write Error  ErrorMask=1024";

// A line that stops answering, or is lost, at the first command that starts
// with `at`: before anything is written the error says where and what next;
// afterwards the write's own account follows it.
TEST(WriteExchange, AStopOnTheLineSaysWhereAndWhatNext) {
    const auto early = [](const std::string& error, const char* step) {
        return std::vector<std::string>{error + "\nThe write stopped at " + step +
                                        ", before any record was written." + kWriteAgain};
    };
    const struct {
        const char* At;
        bool Lost;  // otherwise silent from there on
        // What the user is told on a handheld (true) or a mobile; `last` was sent last.
        std::function<std::vector<std::string>(bool handheld, const std::string& last)> Said;
    } cases[] = {
        {"TY", false, [&](bool, auto&) { return early(kTimeoutMessage, "the market code"); }},
        {"MU", true,
         [&](bool handheld, const std::string& last) {
             if (handheld) return early(kLineLost, "the VOX setting");
             return std::vector<std::string>{kLineLost + kWriteAgain, WriteStoppedMessage(last)};
         }},
        {"CQ", true,
         [&](bool, const std::string& last) {
             return std::vector<std::string>{kLineLost + kWriteAgain, WriteStoppedMessage(last)};
         }},
    };
    for (const int number : {2, 8}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(Row(number).Caption) + " at \"" + c.At + "\"");
            const char* count = Row(number).Model[0] == 'P' ? "49" : "99";
            const TRadioData data = FilledData(Row(number), count);
            TFakeLine line(FreshRadio(Row(number), count));
            TWriteExchange write(data, line, TTransferScope::All, false);
            auto reached = std::make_shared<bool>(false);
            line.Answer = [&, reached](const std::string& command, int,
                                       std::optional<std::string> reply) {
                *reached = *reached || command.starts_with(c.At);
                if (!*reached) return reply;
                if (c.Lost) write.SendFailed(kLineLost);
                return c.Lost ? reply : std::nullopt;
            };
            line.Run(write);
            EXPECT_EQ(line.Outcome,
                      c.Lost ? TExchangeOutcome::LineFailed : TExchangeOutcome::TimedOut);
            EXPECT_EQ(line.Messages, c.Said(ProfileOf(data).IsHandheld(), line.Sent.back()));
            EXPECT_FALSE(line.PortOpen);
        }
    }
}

TEST(WriteExchange, OnlyConfirmedCommandsCountAsWritten) {
    for (const int number : {2, 8}) {
        SCOPED_TRACE(Row(number).Caption);
        const char* count = Row(number).Model[0] == 'P' ? "49" : "99";
        const TRadioData data = FilledData(Row(number), count);

        // Stray carriage returns before every reply change nothing.
        TFakeLine noisy(FreshRadio(Row(number), count));
        noisy.Answer = [](const std::string&, int, std::optional<std::string> reply) {
            return reply ? std::optional<std::string>("\r\r" + *reply) : reply;
        };
        TWriteExchange clean(data, noisy, TTransferScope::All, false);
        noisy.Run(clean);
        EXPECT_EQ(noisy.Outcome, TExchangeOutcome::Done);
        EXPECT_TRUE(noisy.Messages.empty());

        // NUL bytes confirm nothing: every record after the 20th command is named.
        TFakeLine nul(FreshRadio(Row(number), count));
        nul.Answer = [](const std::string&, int index, std::optional<std::string> reply) {
            return index < 20 ? reply : std::optional<std::string>(std::string(64, '\0'));
        };
        TWriteExchange unconfirmed(data, nul, TTransferScope::All, false);
        nul.Run(unconfirmed);
        EXPECT_EQ(nul.Outcome, TExchangeOutcome::Refused);
        EXPECT_EQ(unconfirmed.UnconfirmedCommands().size(), nul.Sent.size() - 20);
        ASSERT_EQ(nul.Messages.size(), 1u);
        EXPECT_TRUE(nul.Messages[0].starts_with("The transceiver did not confirm " +
                                                std::to_string(nul.Sent.size() - 20)));

        // "N", "?" and "E" never confirm a write; a refused question is asked again.
        for (const std::string special : {"N", "?", "E"}) {
            TFakeLine line(FreshRadio(Row(number), count));
            std::set<std::string> answered;
            line.Answer = [&](const std::string& command, int, std::optional<std::string> reply) {
                const std::string mnemonic = command.substr(0, 2);
                const bool once = mnemonic == "ID" || mnemonic == "TY" || mnemonic == "CA";
                if (!once || !answered.insert(mnemonic).second) return reply;
                return std::optional<std::string>(special);
            };
            TWriteExchange write(data, line, TTransferScope::All, false);
            line.Run(write);
            EXPECT_EQ(line.Outcome, TExchangeOutcome::Refused) << special;
            const std::vector<std::string> call{BuildCallWrite(data)};
            EXPECT_EQ(special == "N" ? write.UnconfirmedCommands() : write.RefusedCommands(), call);
            EXPECT_EQ(std::count(line.Sent.begin(), line.Sent.end(), "TY"), 2);
        }

        // A command that cannot be sent ends the write at once.
        TFakeLine failing(FreshRadio(Row(number), count));
        TWriteExchange stopped(data, failing, TTransferScope::All, false);
        failing.Answer = [&stopped](const std::string&, int index,
                                    std::optional<std::string> reply) {
            if (index == 25) stopped.SendFailed("Write data Timeout");
            return reply;
        };
        failing.Run(stopped);
        EXPECT_EQ(failing.Outcome, TExchangeOutcome::LineFailed);
        EXPECT_EQ(failing.Sent.size(), 26u);
        EXPECT_EQ(failing.Messages,
                  (std::vector<std::string>{"Write data Timeout" + kWriteAgain,
                                            WriteStoppedMessage(failing.Sent[25])}));
        EXPECT_FALSE(failing.PortOpen);
    }
}

TEST(WriteExchange, AGarbledIdentificationIsAskedAgainAFewTimesOnly) {
    const TRadioData data = FilledData(Row(8), "99");
    TFakeLine line(FreshRadio(Row(8), "99"));
    line.Answer = [](const std::string& command, int, std::optional<std::string> reply) {
        return command == "TY" ? std::optional<std::string>("#Y MKF") : reply;
    };
    TWriteExchange write(data, line, TTransferScope::All, false);
    line.Run(write);
    EXPECT_EQ(line.Outcome, TExchangeOutcome::LineFailed);
    EXPECT_EQ(std::count(line.Sent.begin(), line.Sent.end(), "TY"), kMostAttempts);
    // Nothing was written, so nothing is mixed.
    EXPECT_EQ(line.Messages, std::vector<std::string>{BadRepliesMessage("TY")});
}

// ---- Verification ----

TEST(VerifiedWrite, AWriteCountsAsDoneOnlyWhenTheTransceiverGivesItBack) {
    for (const int number : {1, 8}) {
        for (const TTransferScope scope :
             {TTransferScope::All, TTransferScope::Memory, TTransferScope::Menu}) {
            SCOPED_TRACE(std::string(Row(number).Caption) + " scope " + std::to_string(int(scope)));
            const char* count = Row(number).Model[0] == 'P' ? "49" : "99";
            const TRadioData data = FilledData(Row(number), count);
            TFakeLine line(FreshRadio(Row(number), count));
            TVerifiedWrite verified(data, line, scope, false);
            line.Run(verified);
            EXPECT_EQ(line.Outcome, TExchangeOutcome::Done);
            EXPECT_TRUE(verified.Differences().empty());
            EXPECT_TRUE(line.Messages.empty());
            // The read-back asked for the records after the last write command.
            EXPECT_GT(std::count(line.Sent.begin(), line.Sent.end(), "ID"), 1);
            EXPECT_FALSE(line.PortOpen);
        }
    }
}

TEST(VerifiedWrite, WhatTheTransceiverDidNotStoreIsListed) {
    const TRadioData data = FilledData(Row(8), "99");
    TFakeLine line(FreshRadio(Row(8), "99"));
    // Channel 3 is acknowledged, but the transceiver gives back another frequency.
    line.Answer = [](const std::string& command, int, std::optional<std::string> reply) {
        if (command == "ME 003" && reply) reply->replace(reply->find(",0145") + 4, 1, "6");
        return reply;
    };
    TVerifiedWrite verified(data, line, TTransferScope::All, false);
    line.Run(verified);
    EXPECT_EQ(line.Outcome, TExchangeOutcome::Differs);
    ASSERT_EQ(verified.Differences().size(), 1u);
    EXPECT_EQ(DifferenceLine(verified.Differences()[0], "written", "read back"),
              "channel 3, RxFreq: written \"0145100003\", read back \"0146100003\"");
}

// After a write that named a record as unconfirmed, a read-back that does not
// complete must not claim that the data was written.
TEST(VerifiedWrite, AReadBackThatStopsAfterUnconfirmedRecordsSaysSo) {
    const TRadioData data = FilledData(Row(8), "99");
    TFakeLine line(FreshRadio(Row(8), "99"));
    auto wakeUps = std::make_shared<int>(0);
    line.Answer = [=](const std::string& command, int, std::optional<std::string> reply) {
        if (command.empty() && ++*wakeUps > 1) return std::optional<std::string>();
        if (command == "MS " + data.GetMenuSlot(19)) return std::optional<std::string>("\x7f");
        return reply;
    };
    TVerifiedWrite verified(data, line, TTransferScope::Menu, false);
    line.Run(verified);
    EXPECT_EQ(line.Outcome, TExchangeOutcome::TimedOut);
    EXPECT_EQ(line.Messages,
              (std::vector<std::string>{RefusedRecordsMessage({}, {"MS " + data.GetMenuSlot(19)}),
                                        kTimeoutMessage, kVerifyStoppedAfterRefusalsMessage}));
}

TEST(VerifiedWrite, AWriteThatFailsIsNotReadBack) {
    const TRadioData data = FilledData(Row(8), "99");
    TFakeLine line(FreshRadio(Row(8), "99"));
    line.Answer = [](const std::string&, int index, std::optional<std::string> reply) {
        return index < 30 ? reply : std::nullopt;
    };
    TVerifiedWrite verified(data, line, TTransferScope::All, false);
    line.Run(verified);
    EXPECT_EQ(line.Outcome, TExchangeOutcome::TimedOut);
    EXPECT_EQ(line.Sent.size(), 31u);
    EXPECT_FALSE(line.PortOpen);
}

}  // namespace
