#include "core/radio/writechecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/model/channelediting.h"
#include "core/model/channelrecord.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "support/everyconfiguration.h"
#include "support/testdata.h"

namespace {

constexpr int kEuropeRow = 2;    // PX-A5E: 144-146 MHz, 12.5 kHz, names with 49 channels
constexpr int kUsCanadaRow = 8;  // RV-310 MKF: 136-174 MHz, 2.5 kHz step, AL entry
constexpr char kChannel12[] =
    "12,0144500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,CLUB";

TRadioData NewData(int row, const char* count = "") {
    TRadioData data;
    ApplyConfiguration(data, ModelCatalogue()[static_cast<size_t>(row - 1)], count);
    data.ApplyDefaultRecords();
    data.ApplyWeatherAlertDefault();
    data.ApplyMenuDefaults();
    return data;
}

// A record with one field replaced.
std::string WithField(std::string_view record, int field, std::string_view value) {
    std::vector<std::string> fields;
    for (int index = 0; index <= kLastField; ++index) {
        fields.push_back(ExtractField(record, index, index == kLastField));
    }
    fields[static_cast<size_t>(field)] = value;
    std::string text = fields[0];
    for (size_t index = 1; index < fields.size(); ++index) text += "," + fields[index];
    return text;
}

std::function<void(TRadioData&)> Channel12(int field, std::string value) {
    return [=](TRadioData& data) { data.SetChannel(12, WithField(kChannel12, field, value)); };
}

std::vector<std::pair<std::string, std::string>> RecordsAndFields(const TRuleBreaks& breaks) {
    std::vector<std::pair<std::string, std::string>> named;
    for (const TRuleBreak& ruleBreak : breaks)
        named.emplace_back(ruleBreak.Record, ruleBreak.Field);
    return named;
}

TEST(WriteChecks, EveryRuleNamesTheRecordAndTheFieldThatBreakIt) {
    const struct {
        const char* What;
        std::function<void(TRadioData&)> Change;
        const char* Record;
        const char* Field;
    } cases[] = {
        {"outside the band", Channel12(kRxFreqField, "0999999999"), "channel 12", "RxFreq"},
        {"off the step", Channel12(kRxFreqField, "0144506000"), "channel 12", "RxFreq"},
        {"no frequency", Channel12(kRxFreqField, "144.5"), "channel 12", "RxFreq"},
        {"split outside the band", Channel12(kTxFreqField, "0146000000"), "channel 12", "TxFreq"},
        {"2.5 kHz is the RV-310's", Channel12(kStepField, "A"), "channel 12", "Step"},
        {"-7.6 MHz not offered", Channel12(kShiftField, "3"), "channel 12", "Shift"},
        {"offset off 50 kHz", Channel12(kOffsetField, "00612345"), "channel 12", "Offset"},
        {"tone index 99", Channel12(kToneIndexField, "99"), "channel 12", "ToneIndex"},
        {"DCS index 104", Channel12(kDcsIndexField, "104"), "channel 12", "DcsIndex"},
        {"flag 2", Channel12(kReverseField, "2"), "channel 12", "Reverse"},
        {"33-character name", Channel12(kNameField, std::string(33, 'N')), "channel 12", "Name"},
        {"small letters", Channel12(kNameField, "club"), "channel 12", "Name"},
        {"CALL outside the band",
         [](TRadioData& d) { d.SetCall(WithField(d.GetCall(), kRxFreqField, "0150000000")); },
         "the CALL channel", "RxFreq"},
        {"VFO outside its range", [](TRadioData& d) { d.SetProgramVfo("0145,0145"); }, "the VFO",
         "RxFreq"},
        {"VFO power 3", [](TRadioData& d) { d.SetVfo(WithField(d.GetVfo(), kVfoPowerField, "3")); },
         "the VFO", "Power"},
        {"range reversed",
         [](TRadioData& d) {
             d.SetProgramVfo("0145,0144");
             d.SetVfo(WithField(d.GetVfo(), kRxFreqField, "0145500000"));
         },
         "the programmable VFO", "Range"},
        {"range outside the band", [](TRadioData& d) { d.SetProgramVfo("0100,0145"); },
         "the programmable VFO", "Range"},
        {"27-key DTMF code", [](TRadioData& d) { d.SetDtmf(3, "3," + std::string(27, '1')); },
         "DTMF memory 3", "Code"},
        {"DTMF key E", [](TRadioData& d) { d.SetDtmf(3, "3,12E"); }, "DTMF memory 3", "Code"},
        {"time-out timer 3", [](TRadioData& d) { d.SetMenuSlot(kTimeOutTimerSlot, "3"); },
         "the menu settings", "Time-out Timer"},
        {"weather alert where there is none",
         [](TRadioData& d) { d.SetMenuSlot(kPriorityScanSlot, "2"); }, "the menu settings",
         "Priority Scan/Weather Alert"},
        {"power-on message of 7",
         [](TRadioData& d) { d.SetMenuSlot(kPowerOnMessageSlot, "SEVENSS"); }, "the menu settings",
         "Power-on Message"},
    };
    TRadioData clean = NewData(kEuropeRow);
    clean.SetChannel(12, kChannel12);
    ASSERT_EQ(RuleBreaksOfWrite(clean, TTransferScope::All, false), TRuleBreaks{});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        TRadioData data = clean;
        c.Change(data);
        EXPECT_EQ(RecordsAndFields(RuleBreaksOfWrite(data, TTransferScope::All, false)),
                  (std::vector<std::pair<std::string, std::string>>{{c.Record, c.Field}}));
    }
}

// What the program makes itself never breaks a rule: the defaults of every configuration in
// both channel counts, and the records the memory editor stores for a channel and the last
// special entry.
class WriteChecksOfEveryConfiguration : public ::testing::TestWithParam<int> {};

TEST_P(WriteChecksOfEveryConfiguration, WhatTheProgramMakesPasses) {
    const int row = GetParam() + 1;
    const TChannelCounts counts =
        ChannelCountsOf(ModelCatalogue()[static_cast<size_t>(row - 1)].Model);
    for (const char* count : {counts.Smaller, counts.Larger}) {
        SCOPED_TRACE(testing::Message() << "row " << row << ", " << count);
        TRadioData data = NewData(row, count);
        for (const int position : {5, data.LastRowPosition()}) {
            const TMemoryRecord built =
                BuildMemoryRecord(data, EditsOf(MemoryDisplayOf(data, position), position));
            data.SetChannel(built.RecordIndex, built.Text);
        }
        EXPECT_EQ(RuleBreaksOfWrite(data, TTransferScope::All, true), TRuleBreaks{});
    }
}

INSTANTIATE_FOR_EVERY_CONFIGURATION(WriteChecksOfEveryConfiguration);

// The scope decides what is sent, and so what counts: a cleared entry, a channel above the
// channel count and AL outside U.S.A./Canada are not sent.
TEST(WriteChecks, OnlyWhatTheWriteSendsCounts) {
    const std::string offBand = WithField(kChannel12, kRxFreqField, "0999999999");
    const struct {
        const char* What;
        int Row;
        TTransferScope Scope;
        std::function<void(TRadioData&)> Change;
        size_t Breaks;
    } cases[] = {
        {"menu only", kEuropeRow, TTransferScope::Menu,
         [&](TRadioData& d) { d.SetChannel(12, offBand); }, 0},
        {"memory only", kEuropeRow, TTransferScope::Memory,
         [](TRadioData& d) { d.SetMenuSlot(kTimeOutTimerSlot, "9"); }, 0},
        {"cleared entry", kEuropeRow, TTransferScope::All,
         [](TRadioData& d) { d.SetChannel(12, "12,,3,9,9"); }, 0},
        {"above the count", kEuropeRow, TTransferScope::All,
         [&](TRadioData& d) { d.SetChannel(60, offBand); }, 0},
        {"AL outside U.S.A./Canada", kEuropeRow, TTransferScope::All,
         [&](TRadioData& d) { d.SetChannel(TRadioData::kWeatherAlertRecord, offBand); }, 0},
        {"AL in U.S.A./Canada", kUsCanadaRow, TTransferScope::All,
         [&](TRadioData& d) { d.SetChannel(TRadioData::kWeatherAlertRecord, offBand); }, 1},
        {"tone burst without its setting shown", kEuropeRow, TTransferScope::All,
         [](TRadioData& d) { d.SetMenuSlot(kToneBurstSlot, "7"); }, 0},
        {"names of the larger count", kUsCanadaRow, TTransferScope::All,
         [](TRadioData& d) {
             d.SetMenuSlot(kChannelCountSlot, "199");
             d.SetChannel(12,
                          "012,0144500000,0,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,"
                          "far too long");
         },
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        TRadioData data = NewData(c.Row);
        c.Change(data);
        EXPECT_EQ(RuleBreaksOfWrite(data, c.Scope, false).size(), c.Breaks);
    }
}

TEST(WriteChecks, TheMessageNamesTwentyRecordsAndCountsTheRest) {
    TRadioData data = NewData(kEuropeRow);
    for (int channel = 0; channel < 23; ++channel) {
        data.SetChannel(channel, WithField(kChannel12, kRxFreqField, "0999999999"));
    }
    data.SetChannel(0, WithField(kChannel12, kNameField,
                                 "A\x1b"
                                 "B"));
    const std::string message =
        WriteRefusedMessage(RuleBreaksOfWrite(data, TTransferScope::All, false));
    EXPECT_TRUE(message.starts_with(
        "The data cannot be written: these records break the transceiver's rules.\n"
        "channel 00, Name: \"A<0x1B>B\" holds a character other than 0-9, A-Z, -, / and space\n"
        "channel 01, RxFreq: \"0999999999\" is outside the band 144-146 MHz\n"))
        << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 21);
    EXPECT_TRUE(
        message.ends_with("\nchannel 19, RxFreq: \"0999999999\" is outside the band "
                          "144-146 MHz\n... and 3 more."))
        << message;
}

}  // namespace
