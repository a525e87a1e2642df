#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "core/files/datafile.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "support/everyconfiguration.h"
#include "support/testdata.h"

namespace {

// A data set as Open leaves it before the file is read over it.
TRadioData ResetData(const TModelInfo& row, const char* count) {
    TRadioData data;
    ApplyConfiguration(data, row, count);
    data.ClearRecords();
    data.ApplyDefaultRecords();
    data.ApplyMenuDefaults();
    return data;
}

TRadioData ResetData(int row, const char* count = "49") {
    return ResetData(ModelCatalogue()[static_cast<size_t>(row)], count);
}

class DataFileRoundTripOfEveryConfiguration : public ::testing::TestWithParam<int> {};

TEST_P(DataFileRoundTripOfEveryConfiguration, ComesBackByteForByteInEitherCount) {
    const int row = GetParam();
    const TModelInfo& info = ModelCatalogue()[static_cast<size_t>(row)];
    const bool handheld = ProfileOf(info.Model, {}).IsHandheld();
    for (const char* count : {handheld ? "49" : "99", handheld ? "99" : "199"}) {
        TRadioData original = ResetData(info, count);
        original.ApplyWeatherAlertDefault();
        FillEverything(original);
        // Every count is odd, so the last channel is filled by hand.
        const int last = original.ChannelCount();
        original.SetChannel(last, LabelOf(original, last) +
                                      ",0146520000,3,1,0,1,0,0,12,08,000,00600000,0,0,"
                                      "0000000000,0,1,," +
                                      (original.HasMemoryNames() ? "LAST" : ""));
        const std::string file = WriteDataFile(original);
        TRadioData reopened = ResetData(info, count);
        ASSERT_EQ(ReadDataFile(reopened, file), TDataFileResult::Loaded) << info.Caption;
        EXPECT_EQ(WriteDataFile(reopened), file) << info.Caption << " " << count;
        EXPECT_EQ(reopened.GetComment(), original.GetComment());
        for (int index = 0; index < TRadioData::kChannelCount; ++index) {
            ASSERT_EQ(reopened.GetChannel(index), original.GetChannel(index))
                << info.Caption << " " << count << " record " << index;
        }
    }
}

INSTANTIATE_FOR_EVERY_CONFIGURATION(DataFileRoundTripOfEveryConfiguration);

TEST(DataFileReader, RefusesFilesWithoutTheHeaderOrForAnotherModel) {
    TRadioData data = ResetData(0);
    EXPECT_EQ(ReadDataFile(data, "HALVERN Radio Channel Compose\r\n"),
              TDataFileResult::NotADataFile);
    EXPECT_EQ(ReadDataFile(data, "hello\r\n__COMMENT__\r\n"), TDataFileResult::NotADataFile);
    EXPECT_EQ(ReadDataFile(data, "HALVERN Radio Channel Composer for"),
              TDataFileResult::WrongModel);
    EXPECT_EQ(ReadDataFile(data, "HALVERN Radio Channel Composer for PX-A7\r\n"),
              TDataFileResult::WrongModel);
    EXPECT_EQ(ReadDataFile(data, "HALVERN Radio Channel Composer for px-a5\r\n"),
              TDataFileResult::WrongModel);
    EXPECT_EQ(data.GetComment(), "");
}

TEST(DataFileReader, EmptyFileLoadsNothing) {
    TRadioData data = ResetData(0);
    const std::string before = WriteDataFile(data);
    EXPECT_EQ(ReadDataFile(data, ""), TDataFileResult::Loaded);
    EXPECT_EQ(WriteDataFile(data), before);
}

// A file cut short still opens, but says what it lacks; a whole one says nothing.
TEST(DataFileReader, DamagedFilesNameWhatTheyLack) {
    TRadioData filled = ResetData(0);
    FillEverything(filled);
    const std::string whole = WriteDataFile(filled);
    const auto cutAt = [&whole](const char* text) { return whole.substr(0, whole.find(text)); };
    const std::string lastSlots = whole.substr(0, whole.size() - 8);  // inside slot 25
    const struct {
        std::string File;
        std::string Missing;
    } cases[] = {
        {whole, ""},
        {"", "everything: the file is empty"},
        {"\xFF\xFEH\0A\0", "everything: it starts with bytes no data file holds"},
        {cutAt("__CALL DATA__"),
         "the CALL channel, the VFO, the DTMF memories and the menu settings"},
        {cutAt("__MEMORY DATA__") + "__MEMORY DATA__\r\n00\t0145",
         "the CALL channel, the VFO, the DTMF memories, the menu settings and the end of its last "
         "line"},
        {lastSlots, "menu settings 25 to 26 and the end of its last line"},
    };
    for (const auto& c : cases) {
        TRadioData data = ResetData(0);
        std::string missing = "unset";
        EXPECT_EQ(ReadDataFile(data, c.File, &missing), TDataFileResult::Loaded);
        EXPECT_EQ(missing, c.Missing) << c.File.size();
    }
    EXPECT_EQ(
        DamagedFileMessage("the VFO"),
        "The data file is damaged: it lacks the VFO.\nWhat it holds has been opened; check it "
        "before you save it or write it to the transceiver.");
}

TEST(DataFileReader, PlacesMemoryLinesByLabel) {
    TRadioData data = ResetData(7, "99");  // RV-310, market 'K'
    const std::string file =
        "HALVERN Radio Channel Composer for RV-310\r\n"
        "__MEMORY DATA__\r\n"
        "150\t0145000000\t3\r\n"
        " AL\t0162550000\t0\r\n"
        "AL\t0162400000\t0\r\n"
        "250\t0145000000\t3\r\n"
        "XX\t0145100000\t3\r\n"
        " U2\t0145200000\t3\r\n";
    EXPECT_EQ(ReadDataFile(data, file), TDataFileResult::Loaded);
    EXPECT_EQ(data.GetChannel(150), "150,0145000000,3");
    EXPECT_EQ(data.GetChannel(207), "AL,0162400000,0");
    EXPECT_EQ(data.GetChannel(200), "XX,0145100000,3");
    EXPECT_EQ(data.GetChannel(205), " U2,0145200000,3");
    // Loaded but above the count: not written back.
    EXPECT_EQ(WriteDataFile(data).find("150\t"), std::string::npos);
}

TEST(DataFileReader, AlOfAnotherMarketIsLoadedButNotWrittenBack) {
    TRadioData data = ResetData(8, "99");  // RV-310 Europe
    EXPECT_EQ(ReadDataFile(data,
                           "HALVERN Radio Channel Composer for RV-310\n__MEMORY DATA__\n"
                           " AL\t0162550000\t0\n"),
              TDataFileResult::Loaded);
    EXPECT_EQ(data.GetChannel(207), " AL,0162550000,0");
    EXPECT_EQ(WriteDataFile(data).find(" AL"), std::string::npos);
}

TEST(DataFileReader, DropsDtmfEntriesAboveNineAndIgnoresSurplusMenuLines) {
    TRadioData data = ResetData(0);
    std::string file =
        "HALVERN Radio Channel Composer for PX-A5\n__DTMF DATA__\n12\t999\n3\t456\n"
        "__RADIO MENU__\n0144,0146\n";
    for (int slot = 1; slot <= 30; ++slot) file += "1\n";
    EXPECT_EQ(ReadDataFile(data, file), TDataFileResult::Loaded);
    EXPECT_EQ(data.GetDtmf(3), "3,456");
    EXPECT_EQ(data.GetProgramVfo(), "0144,0146");
    EXPECT_EQ(data.GetMenuSlot(25), "1");
    EXPECT_EQ(data.GetMenuSlot(27), "0");  // past the handheld's 26 slots
    for (int entry = 0; entry < 10; ++entry) {
        if (entry == 3) continue;
        EXPECT_EQ(data.GetDtmf(entry), "") << entry;
    }
}

TEST(DataFileReader, ChannelCountComesFromTheFileOnlyWhenTheModelHasIt) {
    std::string menu = "HALVERN Radio Channel Composer for PX-A5\n__RADIO MENU__\n0144,0145\n";
    for (int slot = 1; slot <= 25; ++slot) menu += "0\n";
    TRadioData data = ResetData(0);
    ReadDataFile(data, menu + "99\n");
    EXPECT_EQ(data.GetMenuSlot(26), "99");
    for (const char* damaged : {"199", "77", "", "4x"}) {
        TRadioData other = ResetData(0);
        ReadDataFile(other, menu + damaged + "\n");
        EXPECT_EQ(other.GetMenuSlot(26), "49") << damaged;
    }
}

TEST(DataFileReader, HeaderStaysInTheCommentWithoutACommentLine) {
    TRadioData data = ResetData(0);
    ReadDataFile(data,
                 "HALVERN Radio Channel Composer for PX-A5\r\n__COMMENT__\r\n__MEMORY DATA__\r\n");
    EXPECT_EQ(data.GetComment(), "HALVERN Radio Channel Composer for PX-A5");
    ReadDataFile(data,
                 "HALVERN Radio Channel Composer for PX-A5\r\nfirst\r\n__COMMENT__\r\nmine\tx\r\n");
    EXPECT_EQ(data.GetComment(), "mine,x");
}

TEST(DataFileReader, ByteFFAtALineStartEndsTheData) {
    TRadioData data = ResetData(0);
    const std::string file =
        "HALVERN Radio Channel Composer for PX-A5\r\n__COMMENT__\r\n\xFFhidden\r\n"
        "__DTMF DATA__\r\n1\t11\r\n";
    EXPECT_EQ(ReadDataFile(data, file), TDataFileResult::Loaded);
    EXPECT_EQ(data.GetComment(), "HALVERN Radio Channel Composer for PX-A5");
    EXPECT_EQ(data.GetDtmf(1), "");
}

TEST(DataFileReader, OddLinesNeverFailNorClearRecords) {
    TRadioData data = ResetData(0);
    const std::string longName(300, 'N');
    const std::string file =
        "HALVERN Radio Channel Composer for PX-A5\n__MEMORY DATA__\n"
        "L0\t0144500000\t3\n\n"
        "no commas here\n"
        "07\t0145500000\t3\t" +
        longName +
        "\n"
        "__CALL DATA__\n\n__VFO DATA__\n\n__DTMF DATA__\n\n"
        "__RADIO MENU__\n0144,0145\n5\n1";  // no final line end
    EXPECT_EQ(ReadDataFile(data, file), TDataFileResult::Loaded);
    EXPECT_EQ(data.GetChannel(200), "L0,0144500000,3");
    EXPECT_EQ(data.GetChannel(7).size(), 99u);
    EXPECT_FALSE(data.GetCall().empty());
    EXPECT_FALSE(data.GetVfo().empty());
    EXPECT_EQ(data.GetMenuSlot(2), "1");
}

TEST(DataFileReader, SurvivesBinaryNoise) {
    std::string noise = "HALVERN Radio Channel Composer for PX-A5\n__MEMORY DATA__\n";
    unsigned state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245 + 12345;
        noise += static_cast<char>(state >> 16);
    }
    TRadioData data = ResetData(0);
    EXPECT_EQ(ReadDataFile(data, noise), TDataFileResult::Loaded);
    EXPECT_LE(data.GetChannel(200).size(), 99u);
}

TEST(DataFileBytes, RefusesWhatCannotBeAOrAnyDataFile) {
    QTemporaryDir folder;
    EXPECT_FALSE(LoadDataFileBytes(folder.filePath(QStringLiteral("missing.tvr"))));
    QFile huge(folder.filePath(QStringLiteral("huge.tvr")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.resize(64 << 20);
    huge.close();
    EXPECT_FALSE(LoadDataFileBytes(huge.fileName()));
    EXPECT_TRUE(HasDataFileExtension(QStringLiteral("/a/b.TvR")));
    EXPECT_FALSE(HasDataFileExtension(QStringLiteral("/a/b.tvr.txt")));
    EXPECT_FALSE(HasDataFileExtension(QStringLiteral("/a.tvr/b")));
}

}  // namespace
