#include "core/radio/readexchange.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/files/datafile.h"
#include "core/model/modelcatalogue.h"
#include "core/radio/exchangemessages.h"
#include "support/everyconfiguration.h"
#include "support/fakeline.h"
#include "support/testdata.h"

namespace {

const TModelInfo& Row(int number) {
    return ModelCatalogue()[static_cast<size_t>(number - 1)];
}

// The program's data set before a read: configured as another radio would leave it.
TRadioData ProgramData(const char* model = "PX-A5", const char* market = "AKF0",
                       const char* count = "49") {
    TRadioData data = ConfiguredData(model, market, count);
    data.SetBandLimit("0136,0173");
    data.ApplyDefaultRecords();
    data.ApplyMenuDefaults();
    return data;
}

TFakeLine LineTo(const TModelInfo& row, const char* count, std::string id = {}) {
    return TFakeLine(TTransceiver(FilledData(row, count), id.empty() ? row.Model : id));
}

std::vector<std::string> Mnemonics(const std::vector<std::string>& commands) {
    std::vector<std::string> mnemonics;
    for (const std::string& command : commands) mnemonics.push_back(command.substr(0, 2));
    return mnemonics;
}

class ReadExchangeOfEveryConfiguration : public ::testing::TestWithParam<int> {};

TEST_P(ReadExchangeOfEveryConfiguration, ReadsWholeIntoTheDataSet) {
    const TModelInfo& row = RowOf(GetParam());
    const TChannelCounts counts = ChannelCountsOf(row.Model);
    for (const char* count : {counts.Smaller, counts.Larger}) {
        TRadioData radioData = FilledData(row, count);
        radioData.SetDtmf(3, "3,1");  // one key: the shortest code, "DM 3,1"
        TFakeLine line(TTransceiver(radioData, row.Model));
        TRadioData data = ProgramData();
        TReadExchange read(data, line, TTransferScope::All, false);
        line.Run(read);
        ASSERT_EQ(line.Outcome, TExchangeOutcome::Done) << row.Caption;
        TRadioData expected = line.Radio.Data();
        expected.SetComment(data.GetComment());
        EXPECT_EQ(WriteDataFile(data), WriteDataFile(expected)) << row.Caption << " " << count;
        EXPECT_EQ(data.GetMarketCode(), row.MarketCode);
        EXPECT_EQ(data.GetBandLimit(), row.BandLimit);
        EXPECT_NEAR(line.Progress, line.ProgressMaximum, 1) << row.Caption;
        EXPECT_FALSE(line.PortOpen);
    }
}

INSTANTIATE_FOR_EVERY_CONFIGURATION(ReadExchangeOfEveryConfiguration);

TEST(ReadExchange, HandheldMenuReadHoldsTheVoxSettingAndGivesItBack) {
    TRadioData radioData = FilledData(Row(2), "49");
    radioData.SetMenuSlot(10, "7");
    TFakeLine line(TTransceiver(radioData, "PX-A5"));
    TRadioData data = ProgramData();
    TReadExchange read(data, line, TTransferScope::Menu, false);
    line.Run(read);
    EXPECT_EQ(Mnemonics(line.Sent),
              (std::vector<std::string>{"", "ID", "MU", "MU", "CQ", "TY", "FL", "MU", "MS", "LK",
                                        "LP", "PF", "MU"}));
    EXPECT_EQ(line.Sent[3][3 + 8], '0');
    EXPECT_EQ(line.Sent.back()[3 + 8], '7');
    EXPECT_EQ(data.GetMenuSlot(10), "7");
    EXPECT_EQ(line.Radio.Data().GetMenuSlot(10), "7");
    EXPECT_EQ(line.ProgressMaximum, 5 + 1);
}

TEST(ReadExchange, HandheldMemoryReadGivesTheVoxSettingBack) {
    TRadioData radioData = FilledData(Row(2), "49");
    radioData.SetMenuSlot(10, "7");
    TFakeLine line(TTransceiver(radioData, "PX-A5"));
    TRadioData data = ProgramData();
    TReadExchange read(data, line, TTransferScope::Memory, false);
    line.Run(read);
    EXPECT_EQ(line.Outcome, TExchangeOutcome::Done);
    EXPECT_EQ(line.Sent[line.Sent.size() - 2], "DM 9");
    EXPECT_EQ(line.Sent.back().substr(0, 3), "MU ");
    EXPECT_EQ(line.Radio.Data().GetMenuSlot(10), "7");
}

TEST(ReadExchange, ToneBurstIsReadOnlyWhenItsSettingIsShown) {
    TFakeLine line = LineTo(Row(9), "99");
    TRadioData data = ProgramData();
    TReadExchange read(data, line, TTransferScope::Menu, true);
    line.Run(read);
    EXPECT_EQ(Mnemonics(line.Sent),
              (std::vector<std::string>{"", "ID", "CQ", "TY", "FL", "MU", "MS", "LK", "BT", "BR"}));
}

TEST(ReadExchange, MemoryReadOnAMobileEndsWithTheLastDtmfMemory) {
    TFakeLine line = LineTo(Row(13), "199");
    TRadioData data = ProgramData();
    data.SetMenuSlot(1, "9");
    TReadExchange read(data, line, TTransferScope::Memory, false);
    line.Run(read);
    EXPECT_EQ(line.Sent.back(), "DM 9");
    for (const std::string& command : line.Sent) EXPECT_NE(command.substr(0, 2), "MU");
    EXPECT_EQ(data.GetMenuSlot(1), "9");  // the menu is not touched
    EXPECT_EQ(line.ProgressMaximum, 199 + 21);
}

TEST(ReadExchange, UsCanadaRv350SkipsAlButCountsIt) {
    TRadioData radioData = FilledData(Row(13), "99");
    radioData.SetMarketCode("MKF");
    TFakeLine line(TTransceiver(radioData, "RV-350"));
    TRadioData data = ProgramData();
    TReadExchange read(data, line, TTransferScope::Memory, false);
    line.Run(read);
    const auto pr = std::find(line.Sent.begin(), line.Sent.end(), "ME  PR");
    ASSERT_NE(pr, line.Sent.end());
    EXPECT_EQ(*(pr + 1), "CA");
    EXPECT_EQ(line.ProgressMaximum, 99 + 21 + 1);
}

TEST(ReadExchange, MobileAsksAgainAfterARefusalHandheldTakesItAsEmpty) {
    TFakeLine mobile = LineTo(Row(8), "99");
    int refusals = 0;
    mobile.Answer = [&refusals](const std::string& command, int, std::optional<std::string> reply) {
        if (command == "ME 005" && refusals < 3) {
            ++refusals;
            return std::optional<std::string>("?");
        }
        return reply;
    };
    TRadioData data = ProgramData();
    TReadExchange read(data, mobile, TTransferScope::Memory, false);
    mobile.Run(read);
    EXPECT_EQ(std::count(mobile.Sent.begin(), mobile.Sent.end(), "ME 005"), 4);
    EXPECT_EQ(data.GetChannel(5).substr(0, 14), mobile.Radio.Data().GetChannel(5).substr(0, 14));

    TFakeLine handheld = LineTo(Row(1), "49");
    handheld.Answer = [](const std::string& command, int, std::optional<std::string> reply) {
        return command == "ME 03" ? std::optional<std::string>("?") : reply;
    };
    TRadioData handheldData = ProgramData();
    TReadExchange handheldRead(handheldData, handheld, TTransferScope::Memory, false);
    handheld.Run(handheldRead);
    EXPECT_EQ(std::count(handheld.Sent.begin(), handheld.Sent.end(), "ME 03"), 1);
    EXPECT_EQ(handheldData.GetChannel(3), "");
    EXPECT_EQ(handheld.Outcome, TExchangeOutcome::Done);
}

TEST(ReadExchange, MobileEchoOfAnotherChannelIsAskedAgain) {
    TFakeLine line = LineTo(Row(8), "99");
    bool garbled = false;
    line.Answer = [&garbled](const std::string& command, int, std::optional<std::string> reply) {
        if (command == "ME 006" && !garbled) {
            garbled = true;
            return std::optional<std::string>("ME 009,0145000000,3");
        }
        return reply;
    };
    TRadioData data = ProgramData();
    TReadExchange read(data, line, TTransferScope::Memory, false);
    line.Run(read);
    EXPECT_EQ(std::count(line.Sent.begin(), line.Sent.end(), "ME 006"), 2);
    EXPECT_EQ(data.GetChannel(6), line.Radio.Data().GetChannel(6));
}

TEST(ReadExchange, EmptyChannelStaysEmpty) {
    TRadioData radioData = FilledData(Row(8), "99");
    radioData.SetChannel(17, "");
    TFakeLine line(TTransceiver(radioData, "RV-310"));
    TRadioData data = ProgramData();
    TReadExchange read(data, line, TTransferScope::Memory, false);
    line.Run(read);
    EXPECT_EQ(data.GetChannel(17), "");
    const auto request = std::find(line.Sent.begin(), line.Sent.end(), "ME 017");
    ASSERT_NE(request, line.Sent.end());
    EXPECT_EQ(*(request + 1), "ME 018");
}

TEST(ReadExchange, Rv320IsReadAsRv310AndTheWindowHearsOfTheModel) {
    TFakeLine line = LineTo(Row(8), "99", "RV-320");
    TRadioData data = ProgramData();
    TReadExchange read(data, line, TTransferScope::Menu, false);
    line.Run(read);
    EXPECT_EQ(data.GetModel(), "RV-310");
    EXPECT_EQ(line.ModelChanges, 1);
    EXPECT_EQ(line.Outcome, TExchangeOutcome::Done);
}

TEST(ReadExchange, UnsupportedTransceiverLeavesTheRecords) {
    TFakeLine line = LineTo(Row(8), "99", "XR-100");
    TRadioData data = ProgramData();
    data.SetChannel(3, "03,0145000000");
    TReadExchange read(data, line, TTransferScope::All, false);
    line.Run(read);
    EXPECT_EQ(line.Outcome, TExchangeOutcome::Unsupported);
    EXPECT_EQ(line.Messages, std::vector<std::string>{kUnsupportedMessage});
    EXPECT_EQ(data.GetChannel(3), "03,0145000000");
    EXPECT_FALSE(line.PortOpen);
}

TEST(ReadExchange, SilenceTimesOutAfterTheReplyTimeOutKeepingWhatArrived) {
    TFakeLine line = LineTo(Row(13), "99");
    line.Answer = [](const std::string&, int index, std::optional<std::string> reply) {
        return index < 20 ? reply : std::nullopt;
    };
    TRadioData data = ProgramData();
    TReadExchange read(data, line, TTransferScope::All, false);
    line.Run(read);
    EXPECT_EQ(line.Outcome, TExchangeOutcome::TimedOut);
    EXPECT_EQ(line.Messages,
              (std::vector<std::string>{kTimeoutMessage, ReadStoppedMessage("ME 011")}));
    EXPECT_EQ(data.GetChannel(0), line.Radio.Data().GetChannel(0));
    EXPECT_EQ(line.Sent.size(), 21u);
    // 50 ms start delay, the wake-up and "ID" without pause (the data set was a
    // handheld's until the reply), 19 commands after the mobile pause, the time-out.
    EXPECT_EQ(line.Now.count(), 50 + 19 * 80 + 2500);
}

TEST(ReadExchange, CancelBeforeTheFirstMenuReplySendsNoMenuCommand) {
    TFakeLine line = LineTo(Row(1), "49");
    TRadioData data = ProgramData();
    TReadExchange read(data, line, TTransferScope::All, false);
    line.Run(read, 3);  // after "", "ID" and "MU" went out
    EXPECT_EQ(line.Outcome, TExchangeOutcome::Cancelled);
    EXPECT_EQ(line.Sent, (std::vector<std::string>{"", "ID", "MU"}));
}

TEST(ReadExchange, CancelAfterTheFirstMenuReplyGivesTheVoxSettingBack) {
    TRadioData radioData = FilledData(Row(1), "49");
    radioData.SetMenuSlot(10, "4");
    TFakeLine line(TTransceiver(radioData, "PX-A5"));
    TRadioData data = ProgramData();
    TReadExchange read(data, line, TTransferScope::All, false);
    line.Run(read, 6);
    EXPECT_EQ(line.Outcome, TExchangeOutcome::Cancelled);
    ASSERT_EQ(line.Sent.size(), 7u);
    EXPECT_EQ(line.Sent.back().substr(0, 3), "MU ");
    EXPECT_EQ(line.Radio.Data().GetMenuSlot(10), "4");
}

TEST(ReadExchange, CancelWithASilentTransceiverEndsAfterTheGracePeriod) {
    TFakeLine line = LineTo(Row(8), "99");
    line.Answer = [](const std::string&, int index, std::optional<std::string> reply) {
        return index < 2 ? reply : std::nullopt;
    };
    TRadioData data = ProgramData();
    TReadExchange read(data, line, TTransferScope::All, false);
    line.Run(read, 3);
    EXPECT_EQ(line.Outcome, TExchangeOutcome::Cancelled);
    EXPECT_TRUE(line.Messages.empty());
    EXPECT_EQ(line.Now.count(), 50 + 1 * 80 + 300);
}

TEST(ReadExchange, DataBeforeTheWakeUpRestartsTheStartDelay) {
    TFakeLine line = LineTo(Row(1), "49");
    TRadioData data = ProgramData();
    TReadExchange read(data, line, TTransferScope::Menu, false);
    read.Start();
    read.Reply("noise\r");
    EXPECT_EQ(read.Awaited(), TReadExchange::TRequest::Start);
    EXPECT_TRUE(line.Sent.empty());
    line.Run(read);
    EXPECT_EQ(line.Outcome, TExchangeOutcome::Done);
}

// ---- A noisy line ----

using TAnswer =
    std::function<std::optional<std::string>(const std::string&, int, std::optional<std::string>)>;

// The reply the transceiver gives to `command`, as it would on a clean line.
std::optional<std::string> CleanReply(TFakeLine& line, const std::string& command) {
    TTransceiver copy = line.Radio;
    return copy.Handle(command);
}

// No answer to the first `command` or anything after it.
TAnswer SilentFrom(const std::string& command) {
    auto silent = std::make_shared<bool>(false);
    return [=](const std::string& sent, int, std::optional<std::string> reply) {
        *silent = *silent || sent == command;
        return *silent ? std::nullopt : reply;
    };
}

constexpr char kLineLost[] = "Communication Write Error  ErrorMask=1024";

struct TLineFault {
    using TMake = std::function<TAnswer(TFakeLine&, const std::string& six)>;
    using TSaid = std::function<std::vector<std::string>(bool handheld)>;
    TLineFault(const char* name, TMake make, TExchangeOutcome outcome, const char* lostAt = nullptr,
               TSaid said = {})
        : Name(name),
          Make(std::move(make)),
          Outcome(outcome),
          LostAt(lostAt),
          Said(std::move(said)) {}

    const char* Name;
    // Makes the fault for a line: the channel field of channel 6 is "06" or "006".
    TMake Make;
    TExchangeOutcome Outcome;
    // The first command starting so cannot be sent, as on a pulled cable.
    const char* LostAt;
    // What the user is told on a handheld (true) or a mobile; when not given,
    // that channel 6 kept failing its checks.
    TSaid Said;
};

// The advice that follows a stop on the line's account.
const std::string kReadAgain =
    "\nPlease check the cable and the transceiver's power, then read again.";

std::vector<std::string> StoppedEarly(const std::string& error, const std::string& step) {
    return {error + "\nThe read stopped at " + step + ", before any record was read." + kReadAgain};
}

TEST(ReadExchange, NoiseOnTheLineGivesTheRightDataOrAFailureNeverWrongData) {
    const std::vector<TLineFault> faults = {
        {"a lone carriage return before every reply",
         [](TFakeLine&, const std::string&) -> TAnswer {
             return [](const std::string&, int, std::optional<std::string> reply) {
                 return reply ? std::optional<std::string>("\r" + *reply) : reply;
             };
         },
         TExchangeOutcome::Done},
        {"channel 6 answered once with channel 9",
         [](TFakeLine& line, const std::string& six) -> TAnswer {
             auto once = std::make_shared<bool>(true);
             std::string nine = six;
             nine.back() = '9';
             const std::optional<std::string> wrong = CleanReply(line, "ME " + nine);
             return [once, six, wrong](const std::string& command, int,
                                       std::optional<std::string> reply) {
                 if (command != "ME " + six || !*once) return reply;
                 *once = false;
                 return wrong;
             };
         },
         TExchangeOutcome::Done},
        {"DTMF memory 9 answered once with memory 0",
         [](TFakeLine& line, const std::string&) -> TAnswer {
             auto once = std::make_shared<bool>(true);
             const std::optional<std::string> wrong = CleanReply(line, "DM 0");
             return
                 [once, wrong](const std::string& command, int, std::optional<std::string> reply) {
                     if (command != "DM 9" || !*once) return reply;
                     *once = false;
                     return wrong;
                 };
         },
         TExchangeOutcome::Done},
        {"channel 5 asked again, and its first asking answered late, before channel 6",
         [](TFakeLine&, const std::string& six) -> TAnswer {
             auto garbled = std::make_shared<bool>(true);
             auto late = std::make_shared<bool>(true);
             std::string five = six;
             five.back() = '5';
             return [=](const std::string& command, int, std::optional<std::string> reply) {
                 if (command == "ME " + five && *garbled) {
                     *garbled = false;
                     return std::optional<std::string>("#E$005,01");
                 }
                 if (command != "ME " + six || !*late || !reply) return reply;
                 *late = false;
                 return std::optional<std::string>("N\r" + *reply);
             };
         },
         TExchangeOutcome::Done},
        {"64 NUL bytes once, for the CALL channel",
         [](TFakeLine&, const std::string&) -> TAnswer {
             auto once = std::make_shared<bool>(true);
             return [once](const std::string& command, int, std::optional<std::string> reply) {
                 if (command != "CA" || !*once) return reply;
                 *once = false;
                 return std::optional<std::string>(std::string(64, '\0'));
             };
         },
         TExchangeOutcome::Done},
        {"channel 6 always answered with garbage",
         [](TFakeLine&, const std::string& six) -> TAnswer {
             return [six](const std::string& command, int, std::optional<std::string> reply) {
                 return command == "ME " + six ? std::optional<std::string>("#E$006,01") : reply;
             };
         },
         TExchangeOutcome::LineFailed},
        // Before the market code nothing was read: the error itself says where and what next.
        {"no reply to the wake-up", [](TFakeLine&, const std::string&) { return SilentFrom(""); },
         TExchangeOutcome::TimedOut, nullptr,
         [](bool) { return StoppedEarly(kTimeoutMessage, "the identification"); }},
        {"no reply from the market code on",
         [](TFakeLine&, const std::string&) { return SilentFrom("TY"); },
         TExchangeOutcome::TimedOut, nullptr,
         [](bool) { return StoppedEarly(kTimeoutMessage, "the market code"); }},
        {"no reply to the first MU",
         [](TFakeLine&, const std::string&) { return SilentFrom("MU"); },
         TExchangeOutcome::TimedOut, nullptr,
         [](bool handheld) {
             if (handheld) return StoppedEarly(kTimeoutMessage, "the VOX setting");
             return std::vector<std::string>{kTimeoutMessage, ReadStoppedMessage("MU")};
         }},
        {"the line lost at the channel count",
         [](TFakeLine&, const std::string&) { return TAnswer(); }, TExchangeOutcome::LineFailed,
         "CQ", [](bool) { return StoppedEarly(kLineLost, "the channel count"); }},
        {"the line lost at the CALL channel",
         [](TFakeLine&, const std::string&) { return TAnswer(); }, TExchangeOutcome::LineFailed,
         "CA",
         [](bool) {
             return std::vector<std::string>{kLineLost + kReadAgain, ReadStoppedMessage("CA")};
         }},
    };
    for (const int number : {1, 8}) {
        for (const TLineFault& fault : faults) {
            SCOPED_TRACE(std::string(Row(number).Caption) + ": " + fault.Name);
            TFakeLine line = LineTo(Row(number), Row(number).Model[0] == 'P' ? "49" : "99");
            const std::string six = ProfileOf(line.Radio.Data()).IsMobile() ? "006" : "06";
            line.Answer = fault.Make(line, six);
            TRadioData data = ProgramData();
            TReadExchange read(data, line, TTransferScope::All, false);
            if (fault.LostAt) {
                line.Answer = [&read, lostAt = std::string(fault.LostAt)](
                                  const std::string& command, int,
                                  std::optional<std::string> reply) {
                    if (command.starts_with(lostAt)) read.SendFailed(kLineLost);
                    return reply;
                };
            }
            line.Run(read);
            ASSERT_EQ(line.Outcome, fault.Outcome);
            EXPECT_FALSE(line.PortOpen);
            if (fault.Outcome == TExchangeOutcome::Done) {
                TRadioData expected = line.Radio.Data();
                expected.SetComment(data.GetComment());
                EXPECT_EQ(WriteDataFile(data), WriteDataFile(expected));
                EXPECT_TRUE(line.Messages.empty());
                continue;
            }
            if (fault.Said) {
                EXPECT_EQ(line.Messages, fault.Said(!ProfileOf(line.Radio.Data()).IsMobile()));
                continue;
            }
            EXPECT_EQ(std::count(line.Sent.begin(), line.Sent.end(), "ME " + six), kMostAttempts);
            EXPECT_EQ(line.Messages, (std::vector<std::string>{BadRepliesMessage("ME " + six),
                                                               ReadStoppedMessage("ME " + six)}));
        }
    }
}

// "?" and "E" refuse; "N" means "no data" only for channels, names and DTMF
// memories. Whichever query is refused once, the read completes with the
// transceiver's data; refused every time, it fails.
TEST(ReadExchange, ARefusalIsNeverData) {
    const struct {
        int Row;
        const char* Count;
        std::vector<std::string> Queries;
    } families[] = {
        {2,
         "49",
         {"ID", "MU", "CQ", "TY", "FL", "ME", "MN", "CA", "VF", "PC", "PV", "DM", "MS", "LK", "BT",
          "LP", "PF"}},
        {9,
         "99",
         {"ID", "CQ", "TY", "FL", "ME", "MN", "CA", "VF", "PC", "PV", "DM", "MU", "MS", "LK", "BT",
          "BR"}},
    };
    for (const auto& family : families) {
        for (const std::string& query : family.Queries) {
            for (const std::string refusal : {"?", "E", "N"}) {
                const bool noData = query == "ME" || query == "MN" || query == "DM";
                if (refusal == "N" && noData) continue;
                // A handheld's "?" to a channel request is an empty channel.
                if (refusal == "?" && query == "ME" && family.Row == 2) continue;
                for (const bool always : {false, true}) {
                    SCOPED_TRACE(std::string(Row(family.Row).Caption) + ": " + query + " " +
                                 refusal + (always ? " always" : " once"));
                    TFakeLine line = LineTo(Row(family.Row), family.Count);
                    bool refused = false;
                    line.Answer = [&](const std::string& command, int,
                                      std::optional<std::string> reply) {
                        const bool asks =
                            command.rfind(query, 0) == 0 && !(query == "MU" && command.size() > 2);
                        if (!asks || (refused && !always)) return reply;
                        refused = true;
                        return std::optional<std::string>(refusal);
                    };
                    TRadioData data = ProgramData();
                    TReadExchange read(data, line, TTransferScope::All, true);
                    line.Run(read);
                    if (always) {
                        EXPECT_EQ(line.Outcome, TExchangeOutcome::LineFailed);
                        continue;
                    }
                    ASSERT_EQ(line.Outcome, TExchangeOutcome::Done);
                    TRadioData expected = line.Radio.Data();
                    expected.SetComment(data.GetComment());
                    EXPECT_EQ(WriteDataFile(data), WriteDataFile(expected));
                }
            }
        }
    }
}

// A line that falls one reply behind from some command on answers every
// request with the reply to the one before it. A reply is never stored for the
// wrong request: the read ends with exactly the transceiver's data, or fails.
TEST(ReadExchange, RepliesOneBehindNeverSlideOntoTheNextEntry) {
    for (const int number : {1, 8}) {
        for (size_t from = 2;; ++from) {
            SCOPED_TRACE(std::string(Row(number).Caption) + ": behind from command " +
                         std::to_string(from));
            TFakeLine line = LineTo(Row(number), number == 1 ? "49" : "99");
            std::optional<std::string> previous;
            line.Answer = [&](const std::string&, int index, std::optional<std::string> reply) {
                if (static_cast<size_t>(index) >= from) std::swap(previous, reply);
                previous = static_cast<size_t>(index) >= from ? previous : reply;
                return reply;
            };
            TRadioData data = ProgramData();
            TReadExchange read(data, line, TTransferScope::All, false);
            line.Run(read);
            if (line.Outcome == TExchangeOutcome::Done) {
                TRadioData expected = line.Radio.Data();
                expected.SetComment(data.GetComment());
                EXPECT_EQ(WriteDataFile(data), WriteDataFile(expected));
            }
            if (from > line.Sent.size()) break;
        }
    }
}

}  // namespace
