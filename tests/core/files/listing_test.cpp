#include "core/files/listing.h"

#include <gtest/gtest.h>

#include <string>

#include "core/model/radiodata.h"
#include "support/qtprinters.h"
#include "support/testdata.h"

namespace {

// Fields: label, rx, step, shift, reverse, tone, ctcss, dcs, tone/ctcss/dcs index,
// offset, narrow, beat shift, tx, tx step, lockout, power, name.
struct TChannelCase {
    const char* What;
    const char* Model;
    const char* MarketCode;
    const char* Record;
    const char* Line;
};

class ChannelLines : public ::testing::TestWithParam<TChannelCase> {};

TEST_P(ChannelLines, MemoryLineText) {
    const TChannelCase& c = GetParam();
    TRadioData data =
        ConfiguredData(c.Model, c.MarketCode, ProfileOf(c.Model, {}).IsHandheld() ? "49" : "99");
    data.SetChannel(7, c.Record);
    EXPECT_EQ(FormatChannelLine(data, TChannelLineKind::Memory, 7), QString::fromLatin1(c.Line))
        << c.What;
}

INSTANTIATE_TEST_SUITE_P(
    EveryPart, ChannelLines,
    ::testing::Values(
        TChannelCase{"simplex", "PX-A7", "AEB0",
                     "07,0433500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,",
                     "07 433.500MHz 12.5kHz FM "},
        TChannelCase{"split: own tx step, no offset", "PX-A5", "AKF0",
                     "07,0145500000,0,1,0,0,0,0,08,08,000,00600000,1,0,0146012500,3,0,,",
                     "07 145.500MHz 5kHz FMN + TX:146.0125MHz 12.5kHz"},
        TChannelCase{"plus shift with offset", "PX-A5", "AKF0",
                     "07,0145500000,0,1,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,",
                     "07 145.500MHz 5kHz FM + Offset:0.60MHz"},
        TChannelCase{"minus shift without offset text", "PX-A5", "AKF0",
                     "07,0145500000,0,2,0,0,0,0,08,08,000,0,0,0,0000000000,0,0,,",
                     "07 145.500MHz 5kHz FM -"},
        TChannelCase{"reversed simplex", "PX-A7", "AEB0",
                     "07,0433500000,3,0,1,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,",
                     "07 433.500MHz 12.5kHz FM R"},
        TChannelCase{"-7.6 MHz in Europe", "RV-310", "MED",
                     "007,0145500000,A,3,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,",
                     "007 145.500MHz 2.5kHz FM -7.6MHz"},
        TChannelCase{"-7.6 MHz elsewhere shows a blank", "RV-350", "MC1",
                     "007,0435500000,9,3,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,",
                     "007 435.500MHz 100kHz FM "},
        TChannelCase{"-7.6 MHz on the PX-A5 shows nothing", "PX-A5", "AEB0",
                     "07,0145500000,0,3,1,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,",
                     "07 145.500MHz 5kHz FMR"},
        TChannelCase{"every tone kind, name, beat shift, lock-out", "PX-A7", "AM70",
                     "07,0433500000,3,0,0,1,1,1,00,41,103,00600000,0,1,0000000000,0,1,,ALPHA",
                     "07 433.500MHz 12.5kHz FM  T:67.0Hz CT:254.1Hz DCS:754 Name:ALPHA BS *"},
        TChannelCase{"name with a comma", "PX-A7", "AM70",
                     "07,0433500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,A,B",
                     "07 433.500MHz 12.5kHz FM  Name:A,B"},
        TChannelCase{"scan limit on a mobile", "RV-380", "MM2",
                     " L0,0400000000,2,0,0,0,0,0,08,08,000,00600000,,0,0000000000,0,0,,",
                     " L0 400.000MHz 10kHz "}));

TEST(ChannelLine, VfoEndsWithItsPowerAndCallHasNoLabel) {
    TRadioData data = ConfiguredData("PX-A5", "AKF0", "49");
    data.SetVfo("0,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,,,,2,");
    data.SetCall("0,0145000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,,,");
    EXPECT_EQ(FormatChannelLine(data, TChannelLineKind::Vfo),
              QStringLiteral("145.500MHz 12.5kHz FM  TX Power:Low"));
    EXPECT_EQ(FormatChannelLine(data, TChannelLineKind::Call),
              QStringLiteral("145.000MHz 12.5kHz FM "));
    for (const auto& [power, text] : {std::pair{"0", "High"}, {"1", "Mid"}}) {
        data.SetVfo(std::string("0,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,,,,") + power +
                    ",");
        EXPECT_TRUE(FormatChannelLine(data, TChannelLineKind::Vfo).endsWith(QLatin1String(text)));
    }
}

// The menu lines a data set as New makes it prints, with and without the tone-burst option.
QStringList MenuLines(const TModelInfo& row, bool toneBurst) {
    TRadioData data;
    ApplyConfiguration(data, row);
    data.ApplyMenuDefaults();
    QStringList lines;
    for (int item = 1; item <= 36; ++item) {
        const QString line = FormatMenuLine(data, item, toneBurst);
        if (!line.isEmpty()) lines.append(line.left(line.indexOf(QLatin1String(" : "))));
    }
    return lines;
}

TEST(MenuLines, HandheldsAndMobilesPrintTheirOwnItems) {
    const QStringList handheld = MenuLines(ModelCatalogue()[4], false);  // PX-A7E
    const QStringList mobile = MenuLines(ModelCatalogue()[12], false);   // RV-350 -1
    for (const char* item : {"Battery Saver", "Tx Inhibit", "VOX Gain", "VOX on Busy", "VOX Deley",
                             "Lamp", "Disable MIC PF Key"}) {
        EXPECT_TRUE(handheld.contains(QLatin1String(item))) << item;
        EXPECT_FALSE(mobile.contains(QLatin1String(item))) << item;
    }
    for (const char* item : {"S-Meter Squelch", "Squelch Hang Time", "DTMF Monitor", "PF1", "PF4",
                             "Brightness", "Auto Brightness", "Data Speed", "MIC Key Lock"}) {
        EXPECT_TRUE(mobile.contains(QLatin1String(item))) << item;
        EXPECT_FALSE(handheld.contains(QLatin1String(item))) << item;
    }
    EXPECT_EQ(handheld.size(), 25);
    EXPECT_EQ(mobile.size(), 29);
    EXPECT_EQ(mobile.first(), QStringLiteral("Auto Power Off"));
    EXPECT_EQ(mobile.last(), QStringLiteral("Channel Quantity"));
}

TEST(MenuLines, MarketAndOptionDecideTheirItems) {
    // The tone-burst line needs the option and a market other than 'K'.
    EXPECT_TRUE(
        MenuLines(ModelCatalogue()[1], true).contains(QStringLiteral("Tone Burst Frequency")));
    EXPECT_FALSE(
        MenuLines(ModelCatalogue()[1], false).contains(QStringLiteral("Tone Burst Frequency")));
    EXPECT_FALSE(
        MenuLines(ModelCatalogue()[0], true).contains(QStringLiteral("Tone Burst Frequency")));
    // No DTMF hold in Japan.
    EXPECT_FALSE(MenuLines(ModelCatalogue()[2], false).contains(QStringLiteral("DTMF Hold")));
    EXPECT_TRUE(MenuLines(ModelCatalogue()[3], false).contains(QStringLiteral("DTMF Hold")));
}

struct TMenuCase {
    const char* Model;
    const char* MarketCode;
    int Item;
    int Slot;
    const char* Value;
    const char* Line;
};

class MenuValues : public ::testing::TestWithParam<TMenuCase> {};

TEST_P(MenuValues, LineOfTheSlotValue) {
    const TMenuCase& c = GetParam();
    TRadioData data =
        ConfiguredData(c.Model, c.MarketCode, ProfileOf(c.Model, {}).IsHandheld() ? "49" : "99");
    data.SetMenuSlot(c.Slot, c.Value);
    EXPECT_EQ(FormatMenuLine(data, c.Item, true), QString::fromLatin1(c.Line));
}

INSTANTIATE_TEST_SUITE_P(
    Tables, MenuValues,
    ::testing::Values(TMenuCase{"PX-A7", "AEB0", 1, 1, "9", "Battery Saver : 5.0sec"},
                      TMenuCase{"PX-A7", "AEB0", 1, 1, "0", "Battery Saver : OFF"},
                      TMenuCase{"PX-A7", "AEB0", 2, 2, "5", "Auto Power Off : 180min"},
                      TMenuCase{"PX-A5", "AKF0", 3, 3, "0", "Priority Scan/Weather Alart : OFF"},
                      TMenuCase{"RV-310", "MKF", 3, 3, "2", "Weather Alart : ON"},
                      TMenuCase{"RV-310", "MED", 3, 3, "0", "Priority Scan : OFF"},
                      TMenuCase{"PX-A7", "AM70", 3, 3, "1", "Priority Scan : ON"},
                      TMenuCase{"PX-A7", "AM70", 4, 4, "1",
                                "Scan Resume Method : Carrier-Operated Mode"},
                      TMenuCase{"PX-A7", "AM70", 4, 4, "2", "Scan Resume Method : Seek Mode"},
                      TMenuCase{"PX-A7", "AM70", 5, 5, "0", "Tune Enable : OFF"},
                      TMenuCase{"RV-380", "MM2", 10, 28, "3", "Squelch Hang Time : 500ms"},
                      TMenuCase{"PX-A7", "AM70", 11, 9, "2", "Time-out Timer : 10min"},
                      TMenuCase{"PX-A7", "AM70", 11, 9, "0", "Time-out Timer : 3min"},
                      TMenuCase{"PX-A7", "AM70", 12, 10, "7", "VOX Gain : 7"},
                      TMenuCase{"PX-A7", "AM70", 14, 12, "0", "VOX Deley : 250ms"},
                      TMenuCase{"PX-A7", "AM70", 17, 23, "1", "CALL Key : 1750Hz Tone"},
                      TMenuCase{"PX-A7", "AEB0", 18, 25, "3", "Tone Burst Frequency : 2100Hz"},
                      TMenuCase{"PX-A7", "AEB0", 18, 25, "2", "Tone Burst Frequency : 1750Hz"},
                      TMenuCase{"PX-A7", "AM70", 22, 17, "6", "DTMF Pause : 2000ms"},
                      TMenuCase{"PX-A7", "AM70", 22, 17, "7", "DTMF Pause : "},
                      TMenuCase{"RV-380", "MM2", 24, 29, "06", "PF1 : MHz"},
                      TMenuCase{"RV-380", "MM2", 27, 32, "12", "PF4 : STEP"},
                      TMenuCase{"RV-380", "MM2", 28, 36, "00", "Brightness : OFF"},
                      TMenuCase{"RV-380", "MM2", 28, 36, "03", "Brightness : 03"},
                      TMenuCase{"PX-A7", "AM70", 30, 19, "HI-73", "Power-on Message : HI-73"},
                      TMenuCase{"PX-A7", "AM70", 32, 20, "1", "Memory Name : OFF"},
                      TMenuCase{"RV-380", "MM2", 34, 24, "1", "MIC Key Lock : ON"},
                      TMenuCase{"RV-380", "MM2", 35, 35, "0", "Data Speed : 1200bps"},
                      TMenuCase{"PX-A7", "AM70", 36, 26, "99", "Channel Quantity : 100ch"},
                      TMenuCase{"RV-380", "MM2", 36, 26, "199", "Channel Quantity : 200ch"}));

// A data set of a PX-A7E with `used` memory channels and nothing else in the way.
TRadioData WithChannels(int used, const char* count = "99") {
    TRadioData data = ConfiguredData("PX-A7", "AEB0", count);
    data.SetProgramVfo("0430,0439");
    data.SetVfo("0,0433000000,3,0,0,0,0,0,08,08,000,00600000,0,0,,,,0,");
    for (int channel = 0; channel < used; ++channel) {
        char label[12];
        std::snprintf(label, sizeof label, "%02d", channel);
        data.SetChannel(
            channel,
            std::string(label) + ",0433500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,");
    }
    return data;
}

const QString kCaption = QStringLiteral("TAVRIN [PX-A7E]  [x.tvr]");

TEST(ListingPages, OnePageWithEverySectionInOrder) {
    TRadioData data = WithChannels(0, "49");
    data.SetChannel(3, "03,0433500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,");
    data.SetComment("club");
    data.SetDtmf(2, "2,123#");
    const std::vector<TListingPage> pages = ListingPages(data, kCaption, false);
    ASSERT_EQ(pages.size(), 1u);
    const QStringList expectedStart{kCaption,
                                    "",
                                    "[Comment]",
                                    "club",
                                    "",
                                    "[Memory Channel]",
                                    "03 433.500MHz 12.5kHz FM ",
                                    "",
                                    "[VFO]",
                                    "433.000MHz 12.5kHz FM  TX Power:High",
                                    "Program VFO : 430MHz - 439MHz",
                                    "",
                                    "[CALL Channel]",
                                    "",
                                    "[DTMF Memory]",
                                    "2 123#",
                                    "",
                                    "[Menu]"};
    EXPECT_EQ(pages[0].mid(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(pages[0].last(), QStringLiteral("Channel Quantity : 50ch"));
}

// Where each heading landed: page and line.
std::vector<std::pair<size_t, int>> HeadingPlaces(const std::vector<TListingPage>& pages) {
    std::vector<std::pair<size_t, int>> places;
    for (size_t page = 0; page < pages.size(); ++page) {
        for (int line = 0; line < pages[page].size(); ++line) {
            if (pages[page][line].startsWith(QLatin1Char('['))) places.emplace_back(page, line);
        }
    }
    return places;
}

TEST(ListingPages, FullPagesRepeatTheCaptionAndContinueOnLineTwo) {
    const std::vector<TListingPage> pages = ListingPages(WithChannels(100), kCaption, false);
    ASSERT_EQ(pages.size(), 3u);
    for (const TListingPage& page : pages) {
        EXPECT_EQ(page.first(), kCaption);
        EXPECT_TRUE(page.at(1).isEmpty());
        EXPECT_LE(page.size(), kListingPageLines);
    }
    // Page 1: caption, blank, heading, channels 00..56 on lines 3..59.
    EXPECT_EQ(pages[0].size(), 60);
    EXPECT_TRUE(pages[0][59].startsWith(QLatin1String("56 ")));
    EXPECT_TRUE(pages[1][2].startsWith(QLatin1String("57 ")));
}

TEST(ListingPages, HeadingsKeepALineAfterThemOnTheirPage) {
    // Channel counts that bring the VFO heading's check to lines 56..60 of page 1.
    for (int used = 52; used <= 57; ++used) {
        const std::vector<TListingPage> pages = ListingPages(WithChannels(used), kCaption, false);
        for (const auto& [page, line] : HeadingPlaces(pages)) {
            EXPECT_LE(line, 57) << used << " channels, page " << page;
            EXPECT_GE(line, 2) << used << " channels, page " << page;
        }
    }
    // Counter at 56: the blank and "[VFO]" still fit on line 57, the VFO under it.
    const std::vector<TListingPage> fits = ListingPages(WithChannels(53), kCaption, false);
    EXPECT_EQ(fits[0][57], QStringLiteral("[VFO]"));
    EXPECT_EQ(fits[0][58], QStringLiteral("433.000MHz 12.5kHz FM  TX Power:High"));
    // Counter at 57: a new page, the heading after its blank line; never on line 58 or 59.
    const std::vector<TListingPage> moves = ListingPages(WithChannels(54), kCaption, false);
    EXPECT_EQ(moves[0].size(), 57);
    EXPECT_EQ(moves[1][2], QStringLiteral("[VFO]"));
}

TEST(ListingPages, ProgramVfoMovedToANewPageStartsOnLineTwo) {
    for (int used : {52, 53}) {
        const std::vector<TListingPage> pages = ListingPages(WithChannels(used), kCaption, false);
        ASSERT_GE(pages.size(), 2u);
        EXPECT_EQ(pages[0].last(), QStringLiteral("433.000MHz 12.5kHz FM  TX Power:High")) << used;
        EXPECT_TRUE(pages[1][1].isEmpty()) << used;
        EXPECT_EQ(pages[1][2], QStringLiteral("Program VFO : 430MHz - 439MHz")) << used;
    }
}

TEST(ListingText, PagesSeparatedByAFormFeedLine) {
    const std::vector<TListingPage> pages{{"A", "", "b"}, {"A", "", "c"}};
    EXPECT_EQ(ListingText(pages), QStringLiteral("A\n\nb\n\f\nA\n\nc\n"));
}

}  // namespace
