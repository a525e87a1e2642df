#include "core/radio/radiocommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string_view>
#include <utility>
#include <vector>

#include "support/testdata.h"

#include "core/model/channelrecord.h"
#include "core/model/menusettings.h"
#include "core/model/radiodata.h"

namespace {

using std::chrono::milliseconds;

const char kMobileChannel7[] =
    "007,0435500000,6,1,0,1,0,0,12,08,000,05000000,0,0,0000000000,0,1,,A,B";
const char kMobilePriority[] =
    " PR,0430000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,0,,RPT";

TRadioData Fresh(const char* model, const char* marketCode, const char* count) {
    TRadioData data = ConfiguredData(model, marketCode, count);
    data.SetBandLimit("0136,0173");
    data.ApplyDefaultRecords();
    data.ApplyWeatherAlertDefault();
    data.ApplyMenuDefaults();
    return data;
}

size_t FieldCount(const std::string& record) {
    return static_cast<size_t>(std::count(record.begin(), record.end(), ',')) + 1;
}

// The label form of a family, as the tables below name it.
const TLabelForm& LabelsOf(bool mobile) {
    return mobile ? kMobileLabels : kHandheldLabels;
}

TEST(Framing, CommandsEndInOneCarriageReturnAndRepliesLoseAllOfThem) {
    EXPECT_EQ(FramedCommand(kWakeUpCommand), "\r");
    EXPECT_EQ(FramedCommand("ID"), "ID\r");
    // A carriage return smuggled in through a name must not end the command early.
    EXPECT_EQ(FramedCommand("MN 07,A\rB\nC"), "MN 07,ABC\r");
    EXPECT_EQ(ReplyText("\rID PX-A5\r\r"), "ID PX-A5");
    EXPECT_TRUE(IsRefusal("?") && IsRefusal("E") && !IsRefusal("E ") && IsNoData("N"));
}

TEST(ModelOfId, SupportedModelsAndTheirCommandDelay) {
    const struct {
        const char* Id;
        const char* Model;
        int Delay;
    } cases[] = {{"PX-A5", "PX-A5", 0},    {"PX-A7", "PX-A7", 0},    {"RV-310", "RV-310", 80},
                 {"RV-320", "RV-310", 80}, {"RV-350", "RV-350", 80}, {"RV-380", "RV-380", 80},
                 {"RV-330", "", 0},        {"PX-A5 ", "", 0},        {"", "", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(ModelOfId(c.Id), c.Model) << c.Id;
        EXPECT_EQ(CommandDelay(c.Id), milliseconds(c.Delay)) << c.Id;
    }
}

TEST(EntrySequence, CountersMapOntoRecordsAndChannelFields) {
    const struct {
        int Counter;
        int Count;
        bool Mobile;
        int Record;
        const char* Field;
    } cases[] = {
        {7, 99, true, 7, "007"},      {7, 49, false, 7, "07"},      {49, 49, false, 49, "49"},
        {50, 49, false, 200, "L0"},   {51, 49, false, 201, "U0"},   {56, 49, false, 206, "PR"},
        {57, 49, false, 207, "AL"},   {58, 49, false, -1, ""},      {199, 199, true, 199, "199"},
        {202, 199, true, 202, " L1"}, {206, 199, true, 206, " PR"}, {-1, 99, true, -1, ""},
        {5, 200, true, -1, ""},       {150, 199, false, 150, ""}};  // no handheld 150
    for (const auto& c : cases) {
        EXPECT_EQ(RecordOfCounter(c.Counter, c.Count), c.Record) << c.Counter << "/" << c.Count;
        EXPECT_EQ(ChannelField(c.Counter, c.Count, LabelsOf(c.Mobile)), c.Field) << c.Counter;
    }
}

TEST(EntrySequence, ChannelFieldsParseBackOnlyInTheModelsOwnForm) {
    for (const bool mobile : {false, true}) {
        for (int record = 0; record <= TRadioData::kWeatherAlertRecord; ++record) {
            const std::string field = RecordChannelField(record, LabelsOf(mobile));
            if (!field.empty()) {
                EXPECT_EQ(RecordOfChannelField(field, LabelsOf(mobile)), record) << field;
            }
        }
    }
    for (const char* field : {"7", "07", "PR", "  PR", "XXX", " 07", "0x7", ""}) {
        EXPECT_EQ(RecordOfChannelField(field, kMobileLabels), -1) << field;
    }
    for (const char* field : {"7", "007", " PR", "XX", "P", "7 "}) {
        EXPECT_EQ(RecordOfChannelField(field, kHandheldLabels), -1) << field;
    }
}

TEST(ReplyPayload, CutsThePrefixOfEachReplyKindAndNeverReadsPastTheEnd) {
    EXPECT_EQ(MemoryPayload("ME PR,0145", true, kHandheldLabels), "PR,0145");
    EXPECT_EQ(MemoryPayload("ME  PR,0430", true, kMobileLabels), "PR,0430");
    EXPECT_EQ(NamePayload("MN 07,AB,CD", kHandheldLabels), "AB,CD");
    EXPECT_EQ(NamePayload("MN  AL,WX", kMobileLabels), "WX");
    EXPECT_EQ(NamePayload("MN  AL,", kMobileLabels), "");
    for (const char* shortReply : {"", "N", "?", "ME  "}) {
        EXPECT_EQ(MemoryPayload(shortReply, true, kMobileLabels), "") << shortReply;
        EXPECT_EQ(NamePayload(shortReply, kMobileLabels), "") << shortReply;
    }
}

TEST(MemoryWrite, SendsFieldsTwoToSeventeenAndNamesOnlyWhenExchanged) {
    TRadioData handheld = Fresh("PX-A5", "AKF0", "49");
    EXPECT_EQ(BuildMemoryWrite(handheld, 57),
              "ME AL,0162550000,0,0,0,0,0,0,08,08,000,00000000,0,0,0000000000,0,0");
    EXPECT_EQ(BuildNameWrite(handheld, 57), "MN AL,");
    EXPECT_EQ(BuildMemoryRead(handheld, 7), "ME 07");
    EXPECT_EQ(BuildMemoryRead(handheld, 56), "ME PR");

    TRadioData mobile = Fresh("RV-310", "MKF", "99");
    mobile.SetChannel(7, kMobileChannel7);
    mobile.SetChannel(12, "012,,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,0,,GONE");
    EXPECT_EQ(BuildMemoryWrite(mobile, 7),
              "ME 007,0435500000,6,1,0,1,0,0,12,08,000,05000000,0,0,0000000000,0,1");
    EXPECT_EQ(BuildNameWrite(mobile, 7), "MN 007,A,B");
    EXPECT_EQ(BuildMemoryWrite(mobile, 12), "ME 012,");
    EXPECT_EQ(BuildNameWrite(mobile, 12), "");
    EXPECT_EQ(BuildMemoryRead(mobile, 7), "ME 007");
    EXPECT_EQ(BuildMemoryRead(mobile, 106), "ME  PR");
    EXPECT_EQ(BuildNameRead(mobile, 107), "MN  AL");
    EXPECT_EQ(BuildMemoryWrite(mobile, 108), "");
    EXPECT_EQ(BuildMemoryRead(mobile, -1), "");

    mobile.SetMenuSlot(26, "199");
    EXPECT_EQ(BuildNameWrite(mobile, 7), "");
    EXPECT_EQ(BuildNameRead(mobile, 7), "");
}

TEST(MemoryRead, WriteTextsReadBackAsTheSameRecords) {
    TRadioData mobile = Fresh("RV-310", "MKF", "99");
    const struct {
        int Counter;
        const char* Record;
    } cases[] = {{7, kMobileChannel7}, {106, kMobilePriority}, {107, ""}};
    for (const auto& c : cases) {
        mobile.SetChannel(RecordOfCounter(c.Counter, 99), c.Record);
        // A stand-in transceiver answers a read with the text of the write.
        const std::string meReply = BuildMemoryWrite(mobile, c.Counter);
        const std::string mnReply = BuildNameWrite(mobile, c.Counter);
        TRadioData read = Fresh("RV-310", "MKF", "99");
        StoreMemoryReplies(read, c.Counter, meReply, mnReply);
        EXPECT_EQ(read.GetChannel(RecordOfCounter(c.Counter, 99)), c.Record) << c.Counter;
    }
}

TEST(MemoryRead, EmptyShortAndGarbledEntries) {
    EXPECT_EQ(MemoryRecord("03,0", "X", "03"), "");
    // Too few values still give 19 fields with the name in the last.
    const std::string garbled = MemoryRecord("03,0145000000", "AB", "03");
    EXPECT_EQ(FieldCount(garbled), 19u);
    EXPECT_EQ(RecordField(garbled, kNameField), "AB");

    TRadioData large = Fresh("RV-310", "MKF", "199");
    StoreMemoryReplies(large, 3, "ME 003,0145000000,6,0,0,0,0,0,08,08,000,05000000,0,0,,0,0",
                       "MN 003,IGNORED");
    EXPECT_EQ(large.GetChannel(3), "003,0145000000,6,0,0,0,0,0,08,08,000,05000000,0,0,,0,0,,");
    large.SetChannel(4, kMobileChannel7);
    StoreMemoryReplies(large, 4, "N", "");
    EXPECT_EQ(large.GetChannel(4), "");
}

TEST(CallAndVfo, WrittenRecordsReadBackByteForByte) {
    for (const char* model : {"PX-A5", "RV-380"}) {
        const TRadioData data = Fresh(model, "MKF", "99");
        const std::string call = BuildCallWrite(data);
        EXPECT_EQ(CallRecord(ReplyPayload(call)), data.GetCall()) << call;
        EXPECT_EQ(VfoRecord(ReplyPayload(BuildVfoWrite(data)), ReplyPayload(BuildPowerWrite(data))),
                  data.GetVfo());
    }
    EXPECT_EQ(BuildProgramVfoWrite(Fresh("RV-310", "MKF", "99")), "PV 0136,0173");
    for (const char* payload : {"", "0144000000", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17"}) {
        EXPECT_EQ(FieldCount(CallRecord(payload)), 19u) << payload;
        EXPECT_EQ(FieldCount(VfoRecord(payload, "0")), 19u) << payload;
    }
}

TEST(Dtmf, StarAndHashTravelAsEAndFInTheCodeOnly) {
    TRadioData data;
    data.SetDtmf(4, "4,12*#");
    data.SetDtmf(0, "0,#");
    data.SetDtmf(1, "1");
    const struct {
        int Entry;
        const char* Command;
    } writes[] = {{4, "DM 4,12EF"}, {0, "DM 0,F"}, {1, "DM 1,"}, {3, "DM 3,"}, {10, ""}, {-1, ""}};
    for (const auto& c : writes) EXPECT_EQ(BuildDtmfWrite(data, c.Entry), c.Command) << c.Entry;

    const struct {
        int Entry;
        const char* Payload;
        const char* Stored;
    } reads[] = {{4, "4,12EF", "4,12*#"}, {2, "2,ABCDEF", "2,ABCD*#"},
                 {3, "3,1", "3,1"},       {3, "3,", ""},
                 {4, "5,12", ""},         {0, "", ""}};
    for (const auto& c : reads) EXPECT_EQ(DtmfEntry(c.Entry, c.Payload), c.Stored) << c.Payload;
}

TEST(Menu, MobileValuesSitAtTheirFixedPositions) {
    TRadioData data = Fresh("RV-350", "MKF", "99");
    const std::string text = MenuValuesText(data);
    ASSERT_EQ(text.size(), 53u);
    EXPECT_EQ(text.substr(36, 11), data.GetMenuSlot(29) + "," + data.GetMenuSlot(30) + "," +
                                       data.GetMenuSlot(31) + "," + data.GetMenuSlot(32));
    data.SetMenuSlot(35, "7");
    data.SetMenuSlot(34, "8");
    data.SetMenuSlot(3, "9");
    data.SetMenuSlot(30, "4");  // filled to "04" so the rest keeps its place
    data.SetMenuSlot(27, "");
    const std::string changed = BuildMenuWrite(data);
    EXPECT_EQ(changed.substr(0, 5), "MU 0,");
    EXPECT_EQ(changed.substr(3 + 39, 2), "04");
    EXPECT_EQ(changed.substr(3 + 48), "7,8,9");

    TRadioData read = Fresh("RV-350", "MKF", "99");
    StoreMenuValues(read, ReplyPayload(changed));
    for (int slot = 1; slot <= TRadioData::kMenuSlotCount; ++slot) {
        if (slot != 27 && slot != 30) {
            EXPECT_EQ(read.GetMenuSlot(slot), data.GetMenuSlot(slot)) << slot;
        }
    }
    EXPECT_EQ(read.GetMenuSlot(27), "0");
    EXPECT_EQ(read.GetMenuSlot(30), "04");
}

TEST(Menu, ValuesOfEachFamilyAndShortOrGarbledPayloads) {
    // Each value of "MU" and the slot it belongs to, in the order of the text.
    const struct {
        const char* Model;
        const char* Payload;
        std::vector<std::pair<int, const char*>> Slots;
    } families[] = {
        {"PX-A5",
         "a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t",
         {{1, "a"},  {2, "b"}, {7, "c"},  {11, "d"}, {10, "e"}, {12, "f"}, {8, "g"},
          {9, "h"},  {4, "i"}, {13, "j"}, {23, "k"}, {14, "l"}, {18, "m"}, {15, "n"},
          {16, "o"}, {5, "p"}, {6, "q"},  {17, "r"}, {20, "s"}, {3, "t"}}},
        {"RV-350",
         "a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,ST,UV,WX,YZ,s,t,u",
         {{27, "a"},  {28, "b"}, {13, "c"}, {4, "d"},  {20, "e"},  {2, "f"},   {23, "g"},
          {14, "h"},  {9, "i"},  {8, "j"},  {6, "k"},  {5, "l"},   {18, "m"},  {16, "n"},
          {17, "o"},  {15, "p"}, {33, "q"}, {24, "r"}, {29, "ST"}, {30, "UV"}, {31, "WX"},
          {32, "YZ"}, {35, "s"}, {34, "t"}, {3, "u"}}},
    };
    for (const auto& family : families) {
        TRadioData data = Fresh(family.Model, family.Model[0] == 'P' ? "AKF0" : "MKF", "99");
        StoreMenuValues(data, family.Payload);
        for (const auto& [slot, value] : family.Slots) {
            EXPECT_EQ(data.GetMenuSlot(slot), value) << family.Model << " slot " << slot;
        }
        EXPECT_EQ(MenuValuesText(data), family.Payload) << family.Model;
    }
    TRadioData data = Fresh("PX-A5", "AKF0", "49");
    StoreMenuValues(data, "1,2,3,4,5,6,7,8,9,1,2,3,4,5,6,7,8,9,1,2");
    EXPECT_EQ(data.GetMenuSlot(kHandheldHeldMenuSlot), "5");

    TRadioData mobile = Fresh("RV-310", "MKF", "99");
    const TRadioData before = mobile;
    StoreMenuValues(mobile, "5,5,5");
    EXPECT_EQ(mobile.GetMenuSlot(13), "5");
    EXPECT_EQ(mobile.GetMenuSlot(4), before.GetMenuSlot(4));
    // A one-character value where two belong throws the rest out of step.
    StoreMenuValues(mobile, std::string(36, '1') + "6,07,08,09,1,2,3");
    EXPECT_EQ(mobile.GetMenuSlot(29), before.GetMenuSlot(29));
    EXPECT_EQ(mobile.GetMenuSlot(3), before.GetMenuSlot(3));
}

TEST(Menu, SlotsThatTravelAloneEachHaveTheirCommand) {
    const struct {
        const char* Mnemonic;
        int Slot;
        bool DigitsOnly;
    } cases[] = {{"MS", 19, false}, {"LK", 21, true}, {"BT", 25, true},
                 {"LP", 22, true},  {"PF", 24, true}, {"BR", 36, true}};
    ASSERT_EQ(kSlotCommands.size(), std::size(cases));
    TRadioData data = Fresh("RV-310", "MKF", "99");
    data.SetMenuSlot(19, "CQ");
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        EXPECT_EQ(kSlotCommands[i].Mnemonic, c.Mnemonic);  // the order the exchanges send them
        const TSlotCommand* command = SlotCommandOf(c.Mnemonic);
        ASSERT_NE(command, nullptr) << c.Mnemonic;
        EXPECT_EQ(command->Slot, c.Slot) << c.Mnemonic;
        EXPECT_EQ(command->DigitsOnly, c.DigitsOnly) << c.Mnemonic;
        EXPECT_EQ(BuildSlotRead(*command), c.Mnemonic);
        EXPECT_EQ(BuildSlotWrite(data, *command),
                  std::string(c.Mnemonic) + " " + data.GetMenuSlot(c.Slot));
        EXPECT_EQ(DescribeCommand(c.Mnemonic), "the menu settings");
    }
    EXPECT_EQ(SlotCommandOf("MU"), nullptr);
}

// After "MU" each menu sends its own commands, the tone burst only where it is shown; every
// slot a menu carries alone has its command (the channel count has "CQ").
TEST(Menu, EachMenuSendsItsOwnSlotCommandsAfterTheMenuText) {
    const struct {
        TMenuSet Menu;
        bool ToneBurst;
        std::vector<std::string_view> Mnemonics;
    } cases[] = {
        {TMenuSet::Handheld, false, {"MS", "LK", "LP", "PF"}},
        {TMenuSet::Handheld, true, {"MS", "LK", "BT", "LP", "PF"}},
        {TMenuSet::Mobile, false, {"MS", "LK", "BR"}},
        {TMenuSet::Mobile, true, {"MS", "LK", "BT", "BR"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string_view> sent;
        for (const TSlotCommand* command = NextSlotCommand(nullptr, c.Menu, c.ToneBurst); command;
             command = NextSlotCommand(command, c.Menu, c.ToneBurst)) {
            sent.push_back(command->Mnemonic);
        }
        EXPECT_EQ(sent, c.Mnemonics) << c.ToneBurst;
    }
    for (const TMenuSetting& setting : MenuSettings()) {
        for (const TMenuSet menu : {TMenuSet::Handheld, TMenuSet::Mobile}) {
            if (!CarriageIn(setting, menu).Alone || setting.Slot == kChannelCountSlot) continue;
            EXPECT_TRUE(std::any_of(kSlotCommands.begin(), kSlotCommands.end(),
                                    [&](const TSlotCommand& c) { return c.Slot == setting.Slot; }))
                << setting.Slot;
        }
    }
}

TEST(ChannelCount, SmallerCountOfEachModelGroup) {
    const struct {
        const char* Model;
        const char* Payload;
        const char* Slot;
    } reads[] = {{"PX-A5", "1", "49"},  {"PX-A5", "0", "99"},   {"PX-A7", "", "99"},
                 {"RV-350", "1", "99"}, {"RV-350", "0", "199"}, {"RV-380", "11", "199"}};
    for (const auto& c : reads) {
        TRadioData data = ConfiguredData(c.Model, "MKF", "");
        StoreChannelCount(data, c.Payload);
        EXPECT_EQ(data.GetMenuSlot(26), c.Slot) << c.Model << " " << c.Payload;
        const bool smaller = std::string_view(c.Payload) == "1";
        EXPECT_EQ(BuildChannelCountWrite(data), smaller ? "CQ 1" : "CQ 0");
    }
    EXPECT_EQ(BuildChannelCountWrite(ConfiguredData("RV-310", "MKF", "49")), "CQ 0");
}

}  // namespace
