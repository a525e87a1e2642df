#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <iostream>
#include <random>

#include "core/files/datafile.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "core/radio/exchangerunner.h"
#include "core/radio/kcomm.h"
#include "core/radio/radiocommands.h"
#include "radiosim/faults.h"
#include "radiosim/framing.h"
#include "radiosim/options.h"
#include "radiosim/transceiver.h"
#include "support/everyconfiguration.h"
#include "support/testdata.h"

namespace {

using namespace std::chrono_literals;

constexpr int kHandheldRow = 1;  // PX-A5, AKF0
constexpr int kMobileRow = 8;    // RV-310, MKF

const char kMobile7[] = "007,0435500000,6,1,0,1,0,0,12,08,000,05000000,0,0,0000000000,0,1,,A,B";
const char kMobilePriority[] =
    " PR,0430000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,0,,RPT";
const char kHandheld7[] = "07,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,RPT";
const char kFields[] = "0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0";
// Records whose values all differ, so that no two of them can trade places unseen:
// an entry's 16 values (receive frequency .. lock-out), CALL's 15 and the VFO's 13.
const std::string kEntry = "0145500000,6,2,1,0,7,8,12,34,567,00600000,3,4,0146100000,9,5";
const std::string kOtherEntry = "0433200000,5,1,0,3,2,4,21,43,765,05000000,8,9,0438200000,6,7";
const std::string kCall = "0145250000,5,2,1,0,3,4,12,34,056,00600000,6,7,0146250000,8";
const std::string kOtherCall = "0435250000,4,1,0,2,5,3,21,43,065,05000000,7,6,0436250000,9";
const std::string kVfo = "0145750000,4,2,1,0,3,5,23,45,067,00500000,6,7";
const std::string kOtherVfo = "0146000000,5,3,1,0,2,4,21,43,076,00700000,7,6";
const int kU2 = 205;

// A data set as New makes it, with a few entries of the model's kind.
TRadioData Fresh(int row, const char* count = "") {
    TRadioData data;
    ApplyConfiguration(data, ModelCatalogue()[static_cast<size_t>(row - 1)], count);
    data.ApplyDefaultRecords();
    data.ApplyWeatherAlertDefault();
    data.ApplyMenuDefaults();
    data.SetChannel(7, ProfileOf(data).IsMobile() ? kMobile7 : kHandheld7);
    if (ProfileOf(data).IsMobile()) data.SetChannel(TRadioData::kPriorityRecord, kMobilePriority);
    data.SetChannel(kU2, (ProfileOf(data).IsMobile() ? " U2," : "U2,") + kEntry + ",,");
    data.SetCall("0," + kCall + ",,,");
    data.SetVfo("0," + kVfo + ",,,,2,");
    data.SetProgramVfo("0137,0172");
    data.SetDtmf(4, "4,12*#");
    return data;
}

void SetSlots(TRadioData& data, std::initializer_list<std::pair<int, const char*>> values) {
    for (const auto& [slot, value] : values) data.SetMenuSlot(slot, value);
}

TTransceiver Radio(bool mobile, const char* count = "", const char* id = nullptr,
                   TProtectAnswer answer = TProtectAnswer::Always) {
    const int row = mobile ? kMobileRow : kHandheldRow;
    const char* model = ModelCatalogue()[static_cast<size_t>(row - 1)].Model;
    return TTransceiver(Fresh(row, count), id ? id : model, answer);
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find(' ', start), text.size());
        words.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

std::string Reply(TTransceiver& radio, std::string_view command) {
    return radio.Handle(command).value_or("(silent)");
}

TEST(Transceiver, ReadsAnswerFromTheMemory) {
    const struct {
        bool Mobile;
        const char* Count;
        const char* Command;
        std::string Reply;
    } cases[] = {
        {true, "99", "ID", "ID RV-310"},
        {false, "", "ID", "ID PX-A5"},
        {true, "", "TY", "TY MKF"},
        {false, "", "TY", "TY AKF0"},
        {false, "", "FL", "FL 0136,0173"},
        {true, "", "FL", "FL 0136,0173"},
        {true, "99", "CQ", "CQ 1"},
        {true, "199", "CQ", "CQ 0"},
        {false, "49", "CQ", "CQ 1"},
        {false, "99", "CQ", "CQ 0"},
        {true, "", "ME 007", "ME 007,0435500000,6,1,0,1,0,0,12,08,000,05000000,0,0,0000000000,0,1"},
        {false, "", "ME 07", "ME 07,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0"},
        {true, "", "ME  PR", "ME  PR,0430000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,0"},
        {true, "", "ME 008", "N"},
        {true, "", "ME  U2", "ME  U2," + kEntry},
        {false, "", "ME U2", "ME U2," + kEntry},
        {false, "", "ME  L0", "?"},  // the handhelds' field has no blank
        {true, "", "ME 07", "?"},    // nor the mobiles' two characters
        {true, "99", "ME 150", "?"},
        {true, "199", "ME 150", "N"},
        {true, "199", "ME 200", "?"},  // digits never name a special entry
        {true, "", "MN 007", "MN 007,A,B"},
        {true, "", "MN 008", "MN 008,"},
        {false, "", "DM 4", "DM 4,12EF"},
        {false, "", "DM 5", "DM 5,"},
        {true, "", "CA", "CA " + kCall},
        {false, "", "CA", "CA " + kCall},
        {true, "", "VF", "VF " + kVfo},
        {false, "", "VF", "VF " + kVfo},
        {true, "", "PC", "PC 2"},
        {true, "", "PV", "PV 0137,0172"},
        {true, "", "MU", "MU 0,0,1,0,0,0,0,0,2,0,1,0,0,0,2,0,0,0,06,04,03,05,0,0,0"},
        {false, "", "MU", "MU 5,1,0,0,0,1,0,2,0,1,0,0,0,0,0,0,1,2,0,0"},
        {true, "", "MS", "MS "},
        {true, "", "BT", "BT 2"},
        {true, "", "BR", "BR 31"},
        {true, "", "CP", "CP 0"},
        {true, "", "PROGRAM", "PROGRAM"},
        {true, "", "END", "END"},
        {true, "", "", "?"},
        {true, "", "ID 1", "?"},
        {true, "", "IDX", "?"},
        {true, "", "M", "?"},
        {true, "", "XX", "?"},
        {true, "", "VM", "?"},
        {true, "", "ME 007\x01", "?"},
    };
    for (const auto& c : cases) {
        TTransceiver radio = Radio(c.Mobile, c.Count);
        EXPECT_EQ(Reply(radio, c.Command), c.Reply) << c.Command;
    }
    TTransceiver renamed = Radio(true, "", "RV-320");
    EXPECT_EQ(Reply(renamed, "ID"), "ID RV-320");
    EXPECT_EQ(ReplyPayload(Reply(renamed, "ME  PR"), 4).substr(0, 3), "PR,");
}

// What an upload of a data set (below) does not show: the reads after a write, and
// where each value of a literal write lands in the memory (the rest staying as it was).
TEST(Transceiver, WritesAreEchoedAndReadBack) {
    using TData = TRadioData&;
    const std::string fields(kFields);
    const struct {
        bool Mobile;
        std::string Write;
        const char* Read;
        std::string Expected;
        std::function<void(TRadioData&)> Stored;
    } cases[] = {
        {true, "ME  L1," + fields, "ME  L1", "ME  L1," + fields,
         [&](TData d) { d.SetChannel(202, " L1," + fields + ",,"); }},
        {true, "ME 007,", "ME 007", "N", [](TData d) { d.SetChannel(7, ""); }},
        {true, "ME 007," + kEntry, "ME 007", "ME 007," + kEntry,
         [](TData d) { d.SetChannel(7, "007," + kEntry + ",,A,B"); }},  // the name stays
        {false, "ME 07," + kEntry, "ME 07", "ME 07," + kEntry,
         [](TData d) { d.SetChannel(7, "07," + kEntry + ",,RPT"); }},
        {true, "ME  U2," + kOtherEntry, "ME  U2", "ME  U2," + kOtherEntry,
         [](TData d) { d.SetChannel(kU2, " U2," + kOtherEntry + ",,"); }},
        {false, "ME PR," + kOtherEntry, "ME PR", "ME PR," + kOtherEntry,
         [](TData d) { d.SetChannel(206, "PR," + kOtherEntry + ",,"); }},
        {true, "MN 007,NAME", "MN 007", "MN 007,NAME",
         [](TData d) { d.SetChannel(7, std::string(kMobile7, 66) + "NAME"); }},
        {false, "MN U2,AB,CD", "MN U2", "MN U2,AB,CD",
         [](TData d) { d.SetChannel(kU2, "U2," + kEntry + ",,AB,CD"); }},
        {true, "MN 008,LOST", "MN 008", "MN 008,", [](TData) {}},  // an empty entry keeps no name
        {true, "CA " + kOtherCall, "CA", "CA " + kOtherCall,
         [](TData d) { d.SetCall("0," + kOtherCall + ",,,"); }},
        {false, "CA " + kOtherCall, "CA", "CA " + kOtherCall,
         [](TData d) { d.SetCall("0," + kOtherCall + ",,,"); }},
        {true, "VF " + kOtherVfo, "VF", "VF " + kOtherVfo,
         [](TData d) { d.SetVfo("0," + kOtherVfo + ",,,,2,"); }},  // the power stays
        {false, "VF " + kOtherVfo, "PC", "PC 2",
         [](TData d) { d.SetVfo("0," + kOtherVfo + ",,,,2,"); }},
        {true, "PC 1", "VF", "VF " + kVfo, [](TData d) { d.SetVfo("0," + kVfo + ",,,,1,"); }},
        {false, "PC 1", "PC", "PC 1", [](TData d) { d.SetVfo("0," + kVfo + ",,,,1,"); }},
        {true, "PV 0140,0150", "PV", "PV 0140,0150", [](TData d) { d.SetProgramVfo("0140,0150"); }},
        {false, "PV 0140,0150", "PV", "PV 0140,0150",
         [](TData d) { d.SetProgramVfo("0140,0150"); }},
        {false, "DM 9,1E2F", "DM 9", "DM 9,1E2F", [](TData d) { d.SetDtmf(9, "9,1*2#"); }},
        {true, "DM 3,0123456789ABCDEF", "DM 3", "DM 3,0123456789ABCDEF",
         [](TData d) { d.SetDtmf(3, "3,0123456789ABCD*#"); }},
        {true, "DM 4,", "DM 4", "DM 4,", [](TData d) { d.SetDtmf(4, ""); }},
        {true, "MU 1,2,3,4,5,6,7,8,9,A,B,C,D,E,F,G,H,I,1A,2B,3C,4D,J,K,L", "MU",
         "MU 1,2,3,4,5,6,7,8,9,A,B,C,D,E,F,G,H,I,1A,2B,3C,4D,J,K,L",
         [](TData d) {
             SetSlots(d, {{27, "1"},  {28, "2"},  {13, "3"}, {4, "4"},   {20, "5"},
                          {2, "6"},   {23, "7"},  {14, "8"}, {9, "9"},   {8, "A"},
                          {6, "B"},   {5, "C"},   {18, "D"}, {16, "E"},  {17, "F"},
                          {15, "G"},  {33, "H"},  {24, "I"}, {29, "1A"}, {30, "2B"},
                          {31, "3C"}, {32, "4D"}, {35, "J"}, {34, "K"},  {3, "L"}});
         }},
        {false, "MU 1,2,3,4,5,6,7,8,9,A,B,C,D,E,F,G,H,I,J,K", "MU",
         "MU 1,2,3,4,5,6,7,8,9,A,B,C,D,E,F,G,H,I,J,K",
         [](TData d) {
             SetSlots(d,
                      {{1, "1"},  {2, "2"}, {7, "3"},  {11, "4"}, {10, "5"}, {12, "6"}, {8, "7"},
                       {9, "8"},  {4, "9"}, {13, "A"}, {23, "B"}, {14, "C"}, {18, "D"}, {15, "E"},
                       {16, "F"}, {5, "G"}, {6, "H"},  {17, "I"}, {20, "J"}, {3, "K"}});
         }},
        {true, "MS HELLO 7", "MS", "MS HELLO 7", [](TData d) { d.SetMenuSlot(19, "HELLO 7"); }},
        {true, "LK 1", "LK", "LK 1", [](TData d) { d.SetMenuSlot(21, "1"); }},
        {false, "BT 3", "BT", "BT 3", [](TData d) { d.SetMenuSlot(25, "3"); }},
        {false, "LP 4", "LP", "LP 4", [](TData d) { d.SetMenuSlot(22, "4"); }},
        {false, "PF 5", "PF", "PF 5", [](TData d) { d.SetMenuSlot(24, "5"); }},
        {true, "BR 12", "BR", "BR 12", [](TData d) { d.SetMenuSlot(36, "12"); }},
        {true, "CQ 0", "CQ", "CQ 0", [](TData d) { d.SetMenuSlot(26, "199"); }},
        {false, "CQ 0", "ME 75", "N", [](TData d) { d.SetMenuSlot(26, "99"); }},
        {true, "CP 1", "CP", "CP 1", [](TData) {}},
        {true, "VM 0", "ID", "ID RV-310", [](TData) {}},
    };
    for (const auto& c : cases) {
        TTransceiver radio = Radio(c.Mobile);
        EXPECT_EQ(Reply(radio, c.Write), c.Write);
        EXPECT_EQ(Reply(radio, c.Read), c.Expected) << c.Write;
        TRadioData expected = Fresh(c.Mobile ? kMobileRow : kHandheldRow);
        c.Stored(expected);
        EXPECT_EQ(WriteDataFile(radio.Data()), WriteDataFile(expected)) << c.Write;
    }
}

// Everything the program uploads, built by its own command builders, lands in the
// memory exactly as the data files hold it.
class TransceiverOfEveryConfiguration : public ::testing::TestWithParam<int> {};

TEST_P(TransceiverOfEveryConfiguration, AnUploadOfEveryRecordKindIsStoredAsSent) {
    const int row = GetParam() + 1;
    const TModelInfo& model = ModelCatalogue()[static_cast<size_t>(row - 1)];
    const TChannelCounts counts = ChannelCountsOf(model.Model);
    for (const char* count : {counts.Smaller, counts.Larger}) {
        const TRadioData source = FilledData(model, count);
        TTransceiver radio(Fresh(row, count == counts.Smaller ? counts.Larger : counts.Smaller),
                           model.Model);
        std::vector<std::string> writes = {
            BuildChannelCountWrite(source),
            BuildCallWrite(source),
            BuildVfoWrite(source),
            BuildPowerWrite(source),
            BuildProgramVfoWrite(source),
            BuildMenuWrite(source),
            BuildSlotWrite(source, kPowerOnMessageCommand),
            BuildSlotWrite(source, kKeyLockCommand),
            BuildSlotWrite(source, kToneBurstCommand),
        };
        for (int counter = 0; !BuildMemoryWrite(source, counter).empty(); ++counter) {
            writes.push_back(BuildMemoryWrite(source, counter));
            writes.push_back(BuildNameWrite(source, counter));
        }
        for (int entry = 0; entry < TRadioData::kDtmfCount; ++entry) {
            writes.push_back(BuildDtmfWrite(source, entry));
        }
        for (const std::string& write : writes) {
            if (write.empty()) continue;
            EXPECT_EQ(Reply(radio, write), write) << row << ": " << write;
        }
        TRadioData received = radio.Data();
        received.SetComment(source.GetComment());
        EXPECT_EQ(WriteDataFile(received), WriteDataFile(source)) << model.Caption << count;
    }
}

INSTANTIATE_FOR_EVERY_CONFIGURATION(TransceiverOfEveryConfiguration);

TEST(Transceiver, MalformedWritesAreRefusedAndChangeNothing) {
    const char* const writes[] = {"ME 012,0145500000,3",
                                  "ME 012,X,2,3,4,5,6,7,8,9,0,1,2,3,4,5,6",
                                  "ME 250,",
                                  "ME 100,",
                                  "CQ 2",
                                  "PC 12",
                                  "PV 0140",
                                  "PV 0140,",
                                  "DM 4,12*#",
                                  "DM 10,1",
                                  "DM x,1",
                                  "MU 1,1",
                                  "MU 1,2,3,4,5,6,7,8,9,A,B,C,D,E,F,G,H,I,J,K",  // the handhelds'
                                  "MU 1,2,3,4,5,6,7,8,9,A,B,C,D,E,F,G,H,I,1A2,B,3C,4D,J,K,L",
                                  "DM 1,01234567890123456",
                                  "LK x",
                                  "BR 1234",
                                  "MS TOO LONG!",
                                  "VM",
                                  "CP 2",
                                  "CA 1,2",
                                  "VF ,5,0,0,0,0,0,08,08,000,0,0,1"};
    for (const char* write : writes) {
        TTransceiver radio = Radio(true);
        const std::string before = WriteDataFile(radio.Data());
        EXPECT_EQ(Reply(radio, write), "?") << write;
        EXPECT_EQ(WriteDataFile(radio.Data()), before) << write;
    }
}

TEST(Transceiver, ProtectionIsAnsweredInTheChosenMode) {
    TTransceiver always = Radio(true);
    EXPECT_EQ(Reply(always, "CP 1"), "CP 1");
    EXPECT_EQ(Reply(always, "CP"), "CP 1");

    TTransceiver programOnly = Radio(true, "", nullptr, TProtectAnswer::InProgramMode);
    EXPECT_EQ(programOnly.Handle("CP"), std::nullopt);
    EXPECT_EQ(programOnly.Handle("CP 1"), std::nullopt);
    EXPECT_EQ(Reply(programOnly, "PROGRAM"), "PROGRAM");
    EXPECT_EQ(Reply(programOnly, "CP"), "CP 0");
    EXPECT_EQ(Reply(programOnly, "CP 1"), "CP 1");
    EXPECT_EQ(Reply(programOnly, "CP"), "CP 1");
    EXPECT_EQ(Reply(programOnly, "END"), "END");
    EXPECT_EQ(programOnly.Handle("CP"), std::nullopt);
    EXPECT_TRUE(programOnly.DisplayProtected());
}

// Near-commands and noise: every reply stays one printable line and the memory stays saveable.
TEST(Transceiver, AnyLineGetsAPrintableReply) {
    const char* const mnemonics[] = {"ME ", "MN ", "ME  ", "DM ", "MU ", "CA ", "VF ", "PV ",
                                     "PC ", "MS ", "CQ ",  "BR ", "CP ", "",    "ID"};
    const std::string_view alphabet = "0123456789,,,  EFPRLU\x01\xff\x7f";
    std::mt19937 random(11);
    TCommandCollector collector;
    for (const bool mobile : {true, false}) {
        TTransceiver radio = Radio(mobile);
        for (int round = 0; round < 3000; ++round) {
            std::string line = mnemonics[random() % std::size(mnemonics)];
            for (unsigned length = random() % 90; length > 0; --length) {
                line += alphabet[random() % alphabet.size()];
            }
            for (const TReceivedCommand& command : collector.Take(line + '\r')) {
                const std::string reply = Reply(radio, command.Text);
                EXPECT_EQ(reply.find_first_of("\r\n\x11\x13"), std::string::npos) << line;
            }
        }
        TRadioData reloaded = Fresh(mobile ? kMobileRow : kHandheldRow);
        const std::string saved = WriteDataFile(radio.Data());
        EXPECT_EQ(ReadDataFile(reloaded, saved), TDataFileResult::Loaded);
    }
}

TEST(Faults, EachCommandMeetsThePlannedFaults) {
    TFaultPlan plan;
    plan.Refusals = {{"ME", 2}, {"TY", -1}};
    plan.Drops = {3};
    plan.Garbles = {4};
    plan.HangupAfter = 5;
    plan.SilentAfter = 5;
    TFaults faults(plan);
    const struct {
        const char* Command;
        bool Refused, Dropped, Garbled, HangUp, Silent;
    } expected[] = {
        {"ME 001", true, false, false, false, false}, {"ID", false, false, false, false, false},
        {"ME 002", true, true, false, false, false},  {"ME 003", false, false, true, false, false},
        {"TY", true, false, false, true, false},      {"TY", false, false, false, false, true},
    };
    long number = 0;
    for (const auto& e : expected) {
        const TFaultDecision d = faults.Next(e.Command);
        EXPECT_EQ(d.Number, ++number);
        EXPECT_EQ(std::tuple(d.Refused, d.Dropped, d.Garbled, d.HangUp, d.Silent),
                  std::tuple(e.Refused, e.Dropped, e.Garbled, e.HangUp, e.Silent))
            << "command " << number;
    }
    TFaultPlan anyOnce;
    anyOnce.Refusals = {{"*", 1}};
    TFaults any(anyOnce);
    EXPECT_TRUE(any.Next("").Refused);
    EXPECT_FALSE(any.Next("").Refused);

    using enum TStrayBytes::TKind;
    TFaultPlan line;
    line.WrongChannels = {1, 2};
    line.Unstored = {2};
    line.GarbleAfter = 3;
    line.NulRepliesAfter = 4;
    line.SilentAfter = 5;
    line.StrayDelay = 35ms;
    line.Strays = {{1, CarriageReturns, 1}, {1, Xoff, 1}, {2, Noise, 500}, {6, CarriageReturns, 9}};
    TFaults lineFaults(line);
    const struct {
        const char* Command;
        bool WrongChannel, Unstored, Garbled, NulReply, Silent;
        std::vector<TStrayBytes> Strays;
    } played[] = {
        {"ME 007", true, false, false, false, false, {{Xoff, 1, 0ms}, {CarriageReturns, 1, 35ms}}},
        {"ID", false, true, false, false, false, {{Noise, 500, 35ms}}},  // no memory command
        {"ME 007,", false, false, false, false, false, {}},
        {"MN 007", false, false, true, false, false, {}},
        {"TY", false, false, false, true, false, {}},  // NULs, not garbled NULs
        {"TY", false, false, false, false, true, {{CarriageReturns, 9, 35ms}}},
    };
    for (const auto& p : played) {
        const TFaultDecision d = lineFaults.Next(p.Command);
        EXPECT_EQ(std::tuple(d.WrongChannel, d.Unstored, d.Garbled, d.NulReply, d.Silent),
                  std::tuple(p.WrongChannel, p.Unstored, p.Garbled, p.NulReply, p.Silent))
            << "command " << d.Number;
        EXPECT_EQ(d.Strays, p.Strays) << "command " << d.Number;
    }
}

TEST(Faults, WrongChannelNamesTheNextChannelInTheSameWidth) {
    const struct {
        const char* Command;
        std::optional<std::string> Next;
    } cases[] = {
        {"ME 007", "ME 008"},
        {"ME 07", "ME 08"},
        {"ME 009,0145500000,3", "ME 010,0145500000,3"},
        {"MN 099,NAME", "MN 100,NAME"},
        {"MN 99,", "MN 100,"},
        {"ME  PR", std::nullopt},
        {"ME L0", std::nullopt},
        {"ME 0x7", std::nullopt},
        {"ME", std::nullopt},
        {"CA 007", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(NextChannelCommand(c.Command), c.Next) << c.Command;
}

TEST(Faults, RefusalRateFollowsTheSeed) {
    const auto run = [](double rate, uint32_t seed) {
        TFaultPlan plan;
        plan.RefusalRate = rate;
        plan.Seed = seed;
        TFaults faults(plan);
        std::vector<bool> refused;
        for (int command = 0; command < 400; ++command)
            refused.push_back(faults.Next("ID").Refused);
        return refused;
    };
    const std::vector<bool> first = run(0.25, 42);
    EXPECT_EQ(run(0.25, 42), first);
    EXPECT_NE(run(0.25, 43), first);
    const auto count = std::count(first.begin(), first.end(), true);
    EXPECT_GT(count, 60);
    EXPECT_LT(count, 140);
    EXPECT_EQ(run(1.0, 1), std::vector<bool>(400, true));
    EXPECT_EQ(run(0.0, 1), std::vector<bool>(400, false));
}

TEST(Faults, GarbledRepliesDifferInEveryCharacterButStayPrintable) {
    for (const std::string_view reply : {"ID RV-310", "?", "MU 0,0,~", "\x7f\x80#\""}) {
        const std::string garbled = Garbled(reply);
        ASSERT_EQ(garbled.size(), reply.size());
        for (size_t i = 0; i < reply.size(); ++i) {
            EXPECT_NE(garbled[i], reply[i]) << reply;
            EXPECT_TRUE(garbled[i] >= 0x20 && garbled[i] < 0x7F) << reply;
        }
    }
}

TEST(Options, ParsesEveryOptionAndRefusesBadOnes) {
    std::string error;
    const auto options = ParseSimOptions(
        Words("--radio 12 --channels 199 --id RV-320 --latency=25 --pace --refuse ME:3 --refuse * "
              "--refuse-rate 0.25 --refuse-with E --seed 9 --drop 4 --drop 6 --garble 2 "
              "--silent-after 0 --hangup-after 10 --protect-in-program --save x.TVR --quiet "
              "--stray-cr 3 --stray-delay 15 --cr-burst 4:2000000 --noise-burst=5:200 "
              "--xoff-after 6 --nul-replies-after 30 --nul-replies-after 20 --garble-after 7 "
              "--wrong-channel 8 --wrong-channel 11 --unstored 9 --behind-from 12"),
        error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->Row, 12);
    EXPECT_EQ(options->Channels, "199");
    EXPECT_EQ(options->Id, "RV-320");
    EXPECT_EQ(options->Faults.Latency, 25ms);
    EXPECT_TRUE(options->Faults.Paced);
    ASSERT_EQ(options->Faults.Refusals.size(), 2u);
    EXPECT_EQ(options->Faults.Refusals[0].Count, 3);
    EXPECT_EQ(options->Faults.Refusals[1].Count, -1);
    EXPECT_EQ(options->Faults.RefusalText, "E");
    EXPECT_EQ(options->Seed, 9u);
    EXPECT_EQ(options->Faults.Drops, (std::set<long>{4, 6}));
    EXPECT_EQ(options->Faults.SilentAfter, 0);
    EXPECT_EQ(options->Faults.HangupAfter, 10);
    EXPECT_EQ(options->ProtectAnswer, TProtectAnswer::InProgramMode);
    using enum TStrayBytes::TKind;
    EXPECT_EQ(options->Faults.Strays, (std::vector<TPlannedStray>{{3, CarriageReturns, 1},
                                                                  {4, CarriageReturns, 2'000'000},
                                                                  {5, Noise, 200},
                                                                  {6, Xoff, 1}}));
    EXPECT_EQ(options->Faults.StrayDelay, 15ms);
    EXPECT_EQ(options->Faults.NulRepliesAfter, 20);  // the earlier of two
    EXPECT_EQ(options->Faults.GarbleAfter, 7);
    EXPECT_EQ(options->Faults.WrongChannels, (std::set<long>{8, 11}));
    EXPECT_EQ(options->Faults.Unstored, (std::set<long>{9}));
    EXPECT_EQ(options->Faults.BehindFrom, 12);

    const char* const refused[] = {"",
                                   "--radio 0",
                                   "--radio 16",
                                   "--radio 1 --channels 199",
                                   "--radio 8 --channels 49",
                                   "--radio 8 --save out.txt",
                                   "--radio 8 --refuse ME:0",
                                   "--radio 8 --refuse-rate 1.5",
                                   "--radio 8 --refuse-with X",
                                   "--radio 8 --behind-from 1",
                                   "--radio 8 --latency -1",
                                   "--radio 8 --drop x",
                                   "--radio 8 --hangup-after 0",
                                   "--radio 8 --pace=1",
                                   "--radio 8 --cr-burst 4",
                                   "--radio 8 --cr-burst 4:0",
                                   "--radio 8 --noise-burst 4:2000001",
                                   "--radio 8 --noise-burst 0:5",
                                   "--radio 8 --stray-cr 0",
                                   "--radio 8 --xoff-after 0",
                                   "--radio 8 --stray-delay 60001",
                                   "--radio 8 --wrong-channel x",
                                   "--radio 8 --id=",
                                   "--radio 8 --link",
                                   "--radio 8 --color"};
    EXPECT_TRUE(ParseSimOptions(Words("--version"), error)->Version);
    for (const char* arguments : refused) {
        EXPECT_FALSE(ParseSimOptions(Words(arguments), error)) << arguments;
        EXPECT_FALSE(error.empty());
    }
}

TEST(Framing, CommandsEndAtEachCarriageReturn) {
    TCommandCollector collector;
    EXPECT_TRUE(collector.Take("I").empty());
    auto commands = collector.Take("D\r\x11TY\x13\r\rME 0");
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].Text, "ID");
    EXPECT_EQ(commands[1].Text, "TY");
    EXPECT_EQ(commands[2].Text, "");
    commands = collector.Take("07" + std::string(3000, 'x') + "\rID\r");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_TRUE(commands[0].Overlong);
    EXPECT_EQ(commands[0].Text.size(), TCommandCollector::kLongestCommand);
    EXPECT_TRUE(commands[0].Text.starts_with("ME 007x"));
    EXPECT_EQ(commands[1].Text, "ID");
    EXPECT_FALSE(commands[1].Overlong);
}

TEST(Framing, RepliesKeepOrderLatencyAndTheLineRate) {
    const TClock::time_point t0{};
    TReplyQueue late(30ms, false);
    ASSERT_TRUE(late.Add("A\r", t0));
    ASSERT_TRUE(late.Add("B\r", t0 + 1ms));
    EXPECT_EQ(late.Ready(t0 + 29ms), "");
    EXPECT_EQ(late.NextDue(), t0 + 30ms);
    EXPECT_EQ(late.Ready(t0 + 30ms), "A\r");
    late.Sent(2, t0 + 30ms);
    EXPECT_EQ(late.Ready(t0 + 30ms), "");
    EXPECT_EQ(late.Ready(t0 + 31ms), "B\r");
    late.Sent(2, t0 + 31ms);
    EXPECT_TRUE(late.Empty());
    EXPECT_FALSE(late.NextDue());

    TReplyQueue paced(0ms, true);
    ASSERT_TRUE(paced.Add("ID PX-A5\r", t0, {{TStrayBytes::TKind::CarriageReturns, 1, 20ms}}));
    ASSERT_TRUE(paced.Add("N\r", t0));
    EXPECT_EQ(paced.Ready(t0), "I");
    EXPECT_EQ(paced.Ready(t0 + LineTime(4)), "ID PX");
    paced.Sent(5, t0 + LineTime(4));
    EXPECT_EQ(paced.NextDue(), t0 + LineTime(5));
    EXPECT_EQ(paced.Ready(t0 + LineTime(8)), "-A5\r");
    paced.Sent(4, t0 + LineTime(8));
    EXPECT_EQ(paced.NextDue(), t0 + LineTime(9));  // the second waits for the first
    EXPECT_EQ(paced.Ready(t0 + LineTime(11)), "N\r");
    paced.Sent(2, t0 + LineTime(11));
    EXPECT_EQ(paced.NextDue(), t0 + LineTime(9) + 20ms);  // the stray after the end of the first
    EXPECT_EQ(LineTime(960), 1s);

    TReplyQueue full(0ms, false);
    EXPECT_TRUE(full.Add(std::string(TReplyQueue::kMostQueued, 'x'), t0));
    EXPECT_FALSE(full.Add("?\r", t0));
}

// Stray bytes follow the reply they belong to, let an earlier-due reply go first and
// never break into one; a long run is made a chunk at a time and takes no room in the queue.
TEST(Framing, StrayBytesGoBetweenRepliesInTimeOrder) {
    using enum TStrayBytes::TKind;
    const TClock::time_point t0{};
    const auto drain = [](TReplyQueue& queue, TClock::time_point now) {
        std::string out;
        for (std::string_view ready = queue.Ready(now); !ready.empty(); ready = queue.Ready(now)) {
            out += ready;
            queue.Sent(ready.size(), now);
        }
        return out;
    };
    TReplyQueue queue(0ms, false);
    ASSERT_TRUE(queue.Add("A\r", t0, {{Xoff, 1, 0ms}, {CarriageReturns, 1, 20ms}}));
    EXPECT_EQ(drain(queue, t0), "A\r\x13");
    ASSERT_TRUE(queue.Add("B\r", t0 + 5ms, {{CarriageReturns, 3, 1ms}}));
    EXPECT_EQ(drain(queue, t0 + 5ms), "B\r");
    EXPECT_EQ(drain(queue, t0 + 6ms), "\r\r\r");
    EXPECT_EQ(queue.NextDue(), t0 + 20ms);
    EXPECT_EQ(drain(queue, t0 + 20ms), "\r");
    EXPECT_TRUE(queue.Empty());

    ASSERT_TRUE(queue.Add("", t0, {{CarriageReturns, 2'000'000, 0ms}}));  // a dropped reply
    EXPECT_EQ(queue.Ready(t0).size(), TReplyQueue::kRunChunk);
    queue.Sent(100, t0);
    ASSERT_TRUE(queue.Add(std::string(TReplyQueue::kMostQueued - 1, 'x') + "\r", t0));
    const std::string out = drain(queue, t0);
    ASSERT_EQ(out.size(), 2'000'000 - 100 + TReplyQueue::kMostQueued);
    EXPECT_EQ(out.find_first_not_of('\r'), 2'000'000u - 100);

    const auto noise = [&](uint32_t seed) {
        TReplyQueue noisy(0ms, false, seed);
        EXPECT_TRUE(noisy.Add("", t0, {{Noise, 100'000, 0ms}}));
        return drain(noisy, t0);
    };
    const std::string bytes = noise(7);
    EXPECT_EQ(noise(7), bytes);
    EXPECT_NE(noise(8), bytes);
    const std::set<char> values(bytes.begin(), bytes.end());
    EXPECT_EQ(values.size(), 254u);
    EXPECT_FALSE(values.contains('\x11') || values.contains('\x13'));
}

// ---- The program itself, spoken to through the serial component ----

// A component set up as the radio windows set theirs up.
// The port as the program sets it for a transceiver.
void ConfigureForRadio(TKComm& comm, const std::string& device) {
    comm.SetDeviceName(device);
    ConfigureRadioLine(comm);
}

class RadioSimulator : public ::testing::Test {
protected:
    void TearDown() override {
        Comm.CloseCommport();
        if (Process.state() != QProcess::NotRunning) {
            Process.kill();
            Process.waitForFinished(5000);
        }
        if (HasFailure()) std::cerr << Process.readAllStandardError().toStdString();
    }

    // Starts the simulator and gives the device path it prints; empty when none came.
    std::string Start(QStringList arguments) {
        Process.start(QStringLiteral(TAVRIN_RADIOSIM_PATH), arguments);
        while (!Process.canReadLine() && Process.waitForReadyRead(5000)) {
        }
        return Process.readLine().trimmed().toStdString();
    }

    void Connect(const std::string& device) {
        Comm.CloseCommport();
        ConfigureForRadio(Comm, device);
        Comm.OpenCommport();
    }

    // Sends a command and gives the reply with its carriage return; empty when none came in time.
    std::string Ask(const std::string& command, int within = 2000) {
        QSignalSpy events(&Comm, &TKComm::OnCommEvent);
        Comm.WriteStringData(FramedCommand(command));
        if (!events.wait(within)) return {};
        EXPECT_EQ(events.size(), 1);
        return Comm.ReadStringData(static_cast<uint32_t>(Comm.CountInBuff()));
    }

    int Stop() {
        Process.terminate();
        EXPECT_TRUE(Process.waitForFinished(5000));
        return Process.exitCode();
    }

    QString Path(const char* name) const { return Files.filePath(QLatin1String(name)); }

    QString WriteFile(const char* name, const std::string& bytes) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return file.fileName();
    }

    // Bytes straight off the device, for floods that the component would turn into events.
    std::string ReadRaw(const std::string& device, const std::string& command, size_t count) {
        const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        EXPECT_GE(fd, 0) << device;
        std::string bytes;
        if (fd < 0 || write(fd, command.data(), command.size()) < 0) return bytes;
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        char buffer[65536];
        while (bytes.size() < count && std::chrono::steady_clock::now() < deadline) {
            pollfd readable{fd, POLLIN, 0};
            if (poll(&readable, 1, 100) <= 0) continue;
            const ssize_t got = read(fd, buffer, sizeof buffer);
            if (got > 0) bytes.append(buffer, static_cast<size_t>(got));
        }
        close(fd);
        return bytes;
    }

    static std::string Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    QProcess Process;
    TKComm Comm;
    QTemporaryDir Files;
};

TEST_F(RadioSimulator, AnswersEachCommandWithOneLine) {
    Connect(Start({"--radio", "8", "--id", "RV-320"}));
    EXPECT_EQ(Ask(std::string(kWakeUpCommand)), "?\r");
    EXPECT_EQ(Ask("ID"), "ID RV-320\r");
    EXPECT_EQ(Ask("TY"), "TY MKF\r");
    EXPECT_EQ(Ask("ME 007"), "N\r");
    // Noise longer than any command, flow-control characters and NULs, then a command again.
    for (int chunk = 0; chunk < 3; ++chunk) Comm.WriteStringData(std::string(900, 'x'));
    Comm.WriteStringData(std::string("\x11\0\x13", 3));
    EXPECT_EQ(Ask(""), "?\r");
    EXPECT_EQ(Ask("FL"), "FL 0136,0173\r");
    EXPECT_EQ(Stop(), 0);
}

TEST_F(RadioSimulator, LinkLeadsToTheDeviceWhileItRuns) {
    const QString link = Path("radio");
    QFile::link(QStringLiteral("/dev/null"), link);  // an old link is replaced
    const std::string device = Start({"--radio", "1", "--link", link});
    EXPECT_EQ(QFileInfo(link).symLinkTarget().toStdString(), device);
    Connect(link.toStdString());
    EXPECT_EQ(Ask("ID"), "ID PX-A5\r");
    Comm.CloseCommport();  // the program lets go between exchanges; the line stays up
    Connect(link.toStdString());
    EXPECT_EQ(Ask("ID"), "ID PX-A5\r");
    EXPECT_EQ(Stop(), 0);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}

TEST_F(RadioSimulator, SavesWhatItLoadedAndWhatWasWritten) {
    TRadioData data = Fresh(kMobileRow, "99");
    data.SetComment("club");
    const QString in = WriteFile("in.tvr", WriteDataFile(data));
    Connect(Start({"--radio", "8", "--load", in, "--save", Path("same.tvr")}));
    EXPECT_EQ(Ask("MN 007"), "MN 007,A,B\r");
    EXPECT_EQ(Stop(), 0);
    EXPECT_EQ(Contents(Path("same.tvr")), Contents(in));

    Connect(Start({"--radio", "8", "--load", in, "--save", Path("changed.tvr")}));
    Ask("ME 005," + std::string(kFields));
    Ask("MN 005,HOME");
    Ask("DM 2,9E");
    EXPECT_EQ(Stop(), 0);
    data.SetChannel(5, "005," + std::string(kFields) + ",,HOME");
    data.SetDtmf(2, "2,9*");
    EXPECT_EQ(Contents(Path("changed.tvr")), WriteDataFile(data));
}

TEST_F(RadioSimulator, UsageErrorsEndWithStatusTwoBeforeAnyDevice) {
    const QString otherModel = WriteFile("handheld.tvr", WriteDataFile(Fresh(kHandheldRow)));
    const QStringList cases[] = {
        {"--radio", "16"},
        {"--radio", "1", "--channels", "199"},
        {"--radio", "8", "--load", Path("missing.tvr")},
        {"--radio", "8", "--load", otherModel},
    };
    for (const QStringList& arguments : cases) {
        Process.start(QStringLiteral(TAVRIN_RADIOSIM_PATH), arguments);
        ASSERT_TRUE(Process.waitForFinished(5000));
        EXPECT_EQ(Process.exitCode(), 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(Process.readAllStandardOutput().isEmpty());
    }
}

TEST_F(RadioSimulator, RefusesThenAnswersThenFallsSilent) {
    Connect(Start({"--radio", "8", "--refuse", "ID:2", "--refuse-with", "E", "--latency", "20",
                   "--silent-after", "4"}));
    EXPECT_EQ(Ask("ID"), "E\r");
    EXPECT_EQ(Ask("TY"), "TY MKF\r");
    EXPECT_EQ(Ask("ID"), "E\r");
    EXPECT_EQ(Ask("ID"), "ID RV-310\r");
    EXPECT_EQ(Ask("ID", 300), "");
}

// A line one reply behind: from the third command on, each answer is the one before.
TEST_F(RadioSimulator, RefusesWithNoDataAndFallsOneReplyBehind) {
    Connect(
        Start({"--radio", "8", "--refuse", "TY:1", "--refuse-with", "N", "--behind-from", "3"}));
    EXPECT_EQ(Ask("TY"), "N\r");
    EXPECT_EQ(Ask("ID"), "ID RV-310\r");
    EXPECT_EQ(Ask("TY"), "ID RV-310\r");
    EXPECT_EQ(Ask("FL"), "TY MKF\r");
    EXPECT_EQ(Ask("ID"), "FL 0136,0173\r");
    EXPECT_EQ(Stop(), 0);
}

TEST_F(RadioSimulator, HangUpIsSeenAsAPulledCable) {
    Connect(Start({"--radio", "8", "--hangup-after", "2"}));
    QSignalSpy lost(&Comm, &TKComm::OnCommLost);
    EXPECT_EQ(Ask(""), "?\r");
    EXPECT_EQ(Ask("ID"), "ID RV-310\r");
    EXPECT_TRUE(!lost.isEmpty() || lost.wait(2000));
    EXPECT_TRUE(Process.state() == QProcess::NotRunning || Process.waitForFinished(2000));
    EXPECT_EQ(Process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(Process.exitCode(), 0);
}

// The plug that moves and the radio that stops the line: a lone carriage return
// a little after the second reply, and an XOFF that holds everything after the third.
TEST_F(RadioSimulator, StrayBytesFollowTheReplyAndXoffHoldsTheProgram) {
    Connect(Start({"--radio", "8", "--stray-cr", "2", "--xoff-after", "3", "--latency", "5"}));
    EXPECT_EQ(Ask("ID"), "ID RV-310\r");
    EXPECT_EQ(Ask("TY"), "TY MKF\r");
    QSignalSpy stray(&Comm, &TKComm::OnCommEvent);
    EXPECT_TRUE(stray.wait(1000));
    EXPECT_EQ(Comm.ReadStringData(static_cast<uint32_t>(Comm.CountInBuff())), "\r");
    EXPECT_EQ(Ask("FL"), "FL 0136,0173\r");
    // The XOFF leaves the simulator just after the reply; on a loaded machine it
    // may take a moment to go out. Until it holds the line, a lone NUL (no command
    // to the simulator) still goes through.
    const auto held = [&] {
        try {
            Comm.WriteStringData(std::string(1, '\0'));
            return false;
        } catch (const ECommError&) {
            return true;
        }
    };
    EXPECT_TRUE(QTest::qWaitFor(held, 5000));
    EXPECT_THROW(Comm.WriteStringData(FramedCommand("ID")), ECommError);
    EXPECT_EQ(Stop(), 0);
    const std::string log = Process.readAllStandardError().toStdString();
    EXPECT_NE(log.find("#2 < (stray CR)"), std::string::npos) << log;
    EXPECT_NE(log.find("#3 < (XOFF)"), std::string::npos) << log;
    EXPECT_EQ(log.find("#4 >"), std::string::npos) << log;  // held on the program's side
}

TEST_F(RadioSimulator, AMillionCarriageReturnsFollowTheReplyAndTheRadioAnswersOn) {
    const std::string device = Start({"--radio", "8", "--cr-burst", "1:1000000", "--quiet"});
    const std::string reply = "ID RV-310\r";
    const std::string burst = ReadRaw(device, "ID\r", reply.size() + 1'000'000);
    ASSERT_EQ(burst.size(), reply.size() + 1'000'000);
    EXPECT_TRUE(burst.starts_with(reply));
    EXPECT_EQ(burst.find_first_not_of('\r', reply.size()), std::string::npos);
    EXPECT_EQ(ReadRaw(device, "TY\r", 7), "TY MKF\r");
    EXPECT_EQ(Stop(), 0);
}

// Memory commands answered for the next channel, a write acknowledged and forgotten,
// then a radio that answers nothing but NULs.
TEST_F(RadioSimulator, MemoryCommandsGoAstrayAsPlanned) {
    const QString in = WriteFile("in.tvr", WriteDataFile(Fresh(kMobileRow)));
    Connect(Start({"--radio", "8", "--load", in, "--wrong-channel", "1", "--wrong-channel", "2",
                   "--unstored", "3", "--nul-replies-after", "5"}));
    const std::string fields(kFields);
    const std::pair<std::string, std::string> exchanges[] = {
        {"ME 006", "ME 007,0435500000,6,1,0,1,0,0,12,08,000,05000000,0,0,0000000000,0,1\r"},
        {"ME 005," + fields, "ME 006," + fields + "\r"},
        {"ME 009," + fields, "ME 009," + fields + "\r"},
        {"ME 005", "ME 005," + fields + "\r"},  // kept for the channel it named
        {"ME 009", "N\r"},
        {"ID", std::string(64, '\0') + "\r"},
    };
    for (const auto& [command, reply] : exchanges) EXPECT_EQ(Ask(command), reply) << command;
}

}  // namespace
