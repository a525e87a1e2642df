#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "core/files/csvchannels.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"

namespace {

constexpr int kRv310America = 7;  // RV-310, market MKF, 136-173 MHz, 99 channels with names

std::string Fixture(const char* name) {
    std::ifstream file(std::string(TAVRIN_CSV_FIXTURES) + "/" + name, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TRadioData NewData(int row, const char* count = nullptr) {
    TRadioData data;
    ApplyConfiguration(data, ModelCatalogue()[row], count ? count : "");
    data.ApplyDefaultRecords();
    data.ApplyMenuDefaults();
    data.Changed = false;
    return data;
}

bool HasNote(const TCsvImport& import, const std::string& part) {
    for (const std::string& note : import.Notes) {
        if (note.find(part) != std::string::npos) return true;
    }
    return false;
}

TEST(CsvImport, StoresSimplexDuplexSplitTonesNarrowSkipAndNames) {
    TRadioData data = NewData(kRv310America);
    const TCsvImport import = ImportCsvChannels(data, Fixture("channels.csv"));
    EXPECT_EQ(import.Imported, 8);
    EXPECT_EQ(import.Skipped, 0);
    EXPECT_EQ(import.Adjusted, 2);
    EXPECT_TRUE(data.Changed);
    const char* const expected[] = {
        "000,0146520000,0,0,0,0,0,0,08,08,000,00000000,0,0,0000000000,0,0,,CALL",
        "001,0146940000,0,2,0,1,0,0,12,08,000,00600000,0,0,0000000000,0,0,,RPT1",
        "002,0147000000,4,1,0,0,1,0,08,20,000,00600000,0,0,0000000000,0,0,,RPT2",
        "003,0145000000,0,0,0,0,0,0,08,08,000,00000000,0,0,0146500000,0,0,,SPLIT",
        "004,0145500000,0,0,0,0,0,1,08,08,103,00600000,0,0,0000000000,0,0,,DCS",
        "005,0145612500,3,0,0,0,0,0,08,08,000,00600000,1,0,0000000000,0,1,,NARROW",
        "006,0144390000,0,0,0,0,0,0,08,08,000,00000000,0,0,0000000000,0,0,,W1/AB",
        "007,0145775000,6,2,0,1,0,0,00,08,000,00600000,0,0,0000000000,0,0,,KOLN-2",
    };
    for (int channel = 0; channel < 8; ++channel) {
        EXPECT_EQ(data.GetChannel(channel), expected[channel]) << "channel " << channel;
    }
    EXPECT_EQ(data.GetChannel(8), "");
    EXPECT_TRUE(HasNote(import, "Line 9, channel 6: name \"W1/ab, c\" stored as \"W1/AB\""));
    EXPECT_TRUE(HasNote(import, "Line 10, channel 7: name \"K\xC3\xB6ln-2\" stored as \"KOLN-2\""));
    EXPECT_TRUE(HasNote(import, "Power, Comment and digital voice columns"));
}

TEST(CsvImport, ReadsSemicolonsAfterAMarkAndChoosesAStepThatHoldsTheFrequency) {
    TRadioData data = NewData(kRv310America);
    const TCsvImport import = ImportCsvChannels(data, Fixture("semicolons_bom.csv"));
    EXPECT_EQ(import.Imported, 2);
    // 145.6875 MHz lies on no 5 kHz step: the finest step that holds it exactly is taken.
    EXPECT_EQ(data.GetChannel(10),
              "010,0145687500,A,2,0,1,0,0,18,08,000,00600000,0,0,0000000000,0,0,,RELAIS");
    EXPECT_EQ(data.GetChannel(11),
              "011,0145500000,0,0,0,0,0,0,08,08,000,00000000,1,0,0000000000,0,0,,SIMPLE");
    EXPECT_TRUE(HasNote(import, "Line 3, channel 11: name \"Simplex\" stored as \"SIMPLE\""));
}

TEST(CsvImport, MissingColumnsTakeDefaultsAndLinesWithoutLocationFollowEachOther) {
    TRadioData data = NewData(kRv310America);
    const TCsvImport import = ImportCsvChannels(data, Fixture("missing_columns.csv"));
    EXPECT_EQ(import.Imported, 3);
    EXPECT_TRUE(import.Notes.empty());
    EXPECT_EQ(data.GetChannel(0),
              "000,0146520000,0,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,FIRST");
    EXPECT_EQ(data.GetChannel(1).substr(0, 14), "001,0146550000");
    EXPECT_EQ(data.GetChannel(2).substr(0, 14), "002,0146580000");
    EXPECT_EQ(data.GetChannel(2).substr(data.GetChannel(2).rfind(',')), ",THIRD");
}

TEST(CsvImport, WhatCannotBeStoredIsSkippedWithItsReasonAndNothingChanges) {
    TRadioData data = NewData(kRv310America);
    data.SetChannel(0, "000,0146000000,0,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,KEEP");
    const TCsvImport import = ImportCsvChannels(data, Fixture("nothing_importable.csv"));
    EXPECT_EQ(import.Imported, 0);
    EXPECT_EQ(import.Skipped, 12);
    EXPECT_FALSE(data.Changed);
    EXPECT_EQ(data.GetChannel(0).substr(data.GetChannel(0).rfind(',')), ",KEEP");
    for (const char* reason : {
             "Line 2: skipped, mode AM cannot be stored.",
             "Line 3: skipped, receive-only channels (duplex \"off\") cannot be stored.",
             "Line 4: skipped, tone mode \"Cross\" cannot be stored.",
             "Line 5: skipped, tone mode \"DTCS-R\" cannot be stored.",
             "Line 6: skipped, DCS polarity RN cannot be stored.",
             "Line 7: skipped, tone 88.6 Hz is not offered.",
             "Line 8: skipped, frequency 446.000000 MHz is outside the band.",
             "Line 9: skipped, location 200 is beyond the last channel (99).",
             "Line 10: skipped, location \"seven\" is not a channel number.",
             "Line 11: skipped, DCS code 024 is not offered.",
             "Line 12: skipped, tone mode \"TSQL-R\" cannot be stored.",
             "Line 13: skipped, no frequency.",
         }) {
        EXPECT_TRUE(HasNote(import, reason)) << reason;
    }
    EXPECT_EQ(CsvImportReport(import).find("0 channels imported, 0 adjusted, 12 lines skipped.\n"),
              0u);
}

TEST(CsvImport, EveryAdjustmentIsReported) {
    TRadioData data = NewData(kRv310America);
    const TCsvImport import = ImportCsvChannels(data, Fixture("adjusted.csv"));
    EXPECT_EQ(import.Imported, 5);  // line 6 replaces line 5: one channel
    EXPECT_EQ(import.Adjusted, 5);
    EXPECT_EQ(data.GetChannel(20).substr(0, 16), "020,0146520000,0");
    EXPECT_TRUE(
        HasNote(import,
                "Line 2, channel 20: name \"LONGNAME1\" stored as \"LONGNA\"; "
                "frequency 146.523000 MHz moved to 146.520000 MHz to fit the band and step."));
    EXPECT_TRUE(HasNote(import,
                        "Line 3, channel 21: offset 0.625000 MHz stored as 0.60 MHz; "
                        "priority scan mark not kept."));
    EXPECT_TRUE(HasNote(import, "Line 4, channel 22: step 8.33 kHz replaced by 5.00 kHz."));
    EXPECT_TRUE(HasNote(import, "Line 6, channel 23: replaces line 5."));
    EXPECT_EQ(data.GetChannel(23).substr(data.GetChannel(23).rfind(',')), ",SECOND");
    EXPECT_TRUE(HasNote(import, "Line 7, channel 24: step 5.00 kHz replaced by 6.25 kHz."));
    EXPECT_EQ(data.GetChannel(24).substr(0, 16), "024,0145006250,1");
    EXPECT_EQ(CsvImportReport(import).find("5 channels imported, 5 adjusted, 0 lines skipped.\n"),
              0u);
}

TEST(CsvImport, TheNotesInPiecesGiveTheSameTextsAndTakePatternsOfAnotherLanguage) {
    TRadioData data = NewData(kRv310America);
    const TCsvImport import = ImportCsvChannels(data, Fixture("adjusted.csv"));
    ASSERT_EQ(import.NoteParts.size(), import.Notes.size());
    for (size_t note = 0; note < import.Notes.size(); ++note) {
        EXPECT_EQ(CsvNoteText(import.NoteParts[note]), import.Notes[note]);
    }
    const TCsvNote& replaced = import.NoteParts[3];
    EXPECT_EQ(replaced.Kind, TCsvNoteKind::Adjusted);
    EXPECT_EQ(replaced.Line, 6);
    EXPECT_EQ(replaced.Channel, 23);
    const TPatternText german = [](const char* pattern) -> std::string {
        const std::map<std::string, std::string> texts{
            {"Line %1, channel %2: %3.", "Zeile %1, Kanal %2: %3."},
            {"replaces line %1", "ersetzt Zeile %1"},
            {"%1, %2, %3.", "%3 / %2 / %1"}};
        const auto text = texts.find(pattern);
        return text == texts.end() ? pattern : text->second;
    };
    EXPECT_EQ(CsvNoteText(replaced, german), "Zeile 6, Kanal 23: ersetzt Zeile 5.");
    EXPECT_EQ(CsvImportSummary(import, german),
              "0 lines skipped / 5 adjusted / 5 channels imported");

    // What the list holds is put in as it is, a placeholder of its own included.
    const TCsvImport named = ImportCsvChannels(data, "Location,Name,Frequency\n1,%2%1,146.52\n");
    ASSERT_EQ(named.NoteParts.size(), 1u);
    EXPECT_EQ(CsvNoteText(named.NoteParts[0], german),
              "Zeile 2, Kanal 1: name \"%2%1\" stored as \"21\".");
    EXPECT_EQ(named.Notes[0], "Line 2, channel 1: name \"%2%1\" stored as \"21\".");
}

TEST(CsvImport, NamesAreDroppedWithTheLargerChannelCountAndFilesWithoutFrequenciesAreRefused) {
    TRadioData data = NewData(kRv310America, "199");
    const TCsvImport import = ImportCsvChannels(data, "Location,Name,Frequency\n150,Home,146.52\n");
    EXPECT_EQ(import.Imported, 1);
    EXPECT_EQ(data.GetChannel(150).back(), ',');
    EXPECT_TRUE(HasNote(import, "name \"Home\" not kept: no names with 199 channels"));

    TRadioData other = NewData(kRv310America);
    EXPECT_FALSE(ImportCsvChannels(other, "Location,Name\n1,x\n").Problem.empty());
    EXPECT_FALSE(ImportCsvChannels(other, "").Problem.empty());
    EXPECT_FALSE(ImportCsvChannels(other, std::string("\0\xFF\xFE,\"", 5)).Problem.empty());
    EXPECT_FALSE(other.Changed);
}

TEST(CsvImport, TheReportShowsWhatTheFileHoldsHarmlesslyAndStaysShort) {
    TRadioData data = NewData(kRv310America);
    std::string list = "Location,Name,Frequency,Mode\n1,X,146.52,\x1B[2J\x07";
    list += std::string(1, '\0') + "\n2,X," + std::string(3 << 20, '9') + "\n";
    for (int line = 0; line < 1500; ++line) list += "500,X,146.52\n";
    const TCsvImport import = ImportCsvChannels(data, list);
    EXPECT_EQ(import.Skipped, 1502);
    EXPECT_TRUE(HasNote(import, "Line 2: skipped, mode <0x1B>[2J<0x07><0x00> cannot be stored."));
    EXPECT_TRUE(HasNote(import, "Line 3: skipped, frequency \"" + std::string(40, '9') +
                                    "...\" is not a frequency in MHz."));
    ASSERT_EQ(import.Notes.size(), 1001u);
    EXPECT_EQ(import.Notes.back(),
              "502 more lines were adjusted or skipped; the first 1000 are listed.");
    const std::string report = CsvImportReport(import);
    EXPECT_LT(report.size(), 100'000u);
    const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\n'; };
    EXPECT_EQ(std::count_if(report.begin(), report.end(), control), 0);
}

TEST(CsvExport, WritesTheSharedLayout) {
    TRadioData data = NewData(kRv310America);
    data.SetChannel(1, "001,0146940000,0,2,0,1,0,0,12,08,000,00600000,0,0,0000000000,0,1,,RPT1");
    data.SetChannel(3, "003,0145000000,0,0,1,0,0,1,08,08,103,00000000,1,1,0146500000,3,0,,A,B");
    // Names from an opened file or a radio may hold anything; a spreadsheet must not run them.
    data.SetChannel(5,
                    "005,0146000000,0,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,"
                    "=HYPERLINK(\"http://x\")");
    const TCsvExport result = ExportCsvChannels(data);
    EXPECT_EQ(result.Exported, 3);
    EXPECT_EQ(result.Text,
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
              "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,"
              "RPT2CALL,DVCODE\r\n"
              "1,RPT1,146.940000,-,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,S,,,,,,"
              "\r\n"
              "3,\"A,B\",145.000000,split,146.500000,DTCS,88.5,88.5,754,NN,754,Tone->Tone,NFM,"
              "5.00,,,,,,,\r\n"
              "5,\"'=HYPERLINK(\"\"http://x\"\")\",146.000000,,0.600000,,88.5,88.5,023,NN,023,"
              "Tone->Tone,FM,5.00,,,,,,,\r\n");
    ASSERT_EQ(result.Notes.size(), 1u);
    EXPECT_EQ(result.Notes[0],
              "Channel 3: reverse, beat shift, transmit step not carried by the CSV layout.");
}

TEST(CsvExport, TheMinus76ShiftLeavesAsAMinusShiftOf76Mhz) {
    TRadioData data = NewData(4);  // PX-A7, Europe
    data.SetChannel(2, "02,0433000000,6,3,0,0,0,0,08,08,000,01600000,0,0,0000000000,0,0,,");
    EXPECT_NE(ExportCsvChannels(data).Text.find("\r\n2,,433.000000,-,7.600000,,"),
              std::string::npos);
}

}  // namespace
