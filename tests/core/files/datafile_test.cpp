#include "core/files/datafile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "core/model/radiodata.h"

namespace {

TRadioData FreshData(const char* model, const char* marketCode, const char* count,
                     const char* bandLimit) {
    TRadioData data;
    data.SetModel(model);
    data.SetMarketCode(marketCode);
    data.SetMenuSlot(26, count);
    data.SetBandLimit(bandLimit);
    data.ApplyDefaultRecords();
    data.ApplyWeatherAlertDefault();
    data.ApplyMenuDefaults();
    return data;
}

TEST(WriteDataFile, HandheldLayoutWithTabsBetweenFieldsAndCommasInNames) {
    TRadioData data = FreshData("PX-A5", "AKF0", "49", "0136,0173");
    data.SetComment("Club list");
    data.SetChannel(3, "03,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,A,B");
    data.SetChannel(200, "L0,0144000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,");
    data.SetChannel(60, "60,0145000000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,");
    data.SetChannel(4, "04");
    data.SetDtmf(0, "0,123");
    data.SetDtmf(1, "1");
    const std::string expected =
        "HALVERN Radio Channel Composer for PX-A5\r\n"
        "__COMMENT__\r\n"
        "Club list\r\n"
        "__MEMORY DATA__\r\n"
        "03\t0145500000\t3\t0\t0\t0\t0\t0\t08\t08\t000\t00600000\t0\t0\t0000000000\t0\t0\t\tA,B\r\n"
        "L0\t0144000000\t3\t0\t0\t0\t0\t0\t08\t08\t000\t00600000\t0\t0\t0000000000\t0\t0\t\t\r\n"
        "AL\t0162550000\t0\t0\t0\t0\t0\t0\t08\t08\t000\t00000000\t0\t0\t0000000000\t0\t0\t\t\r\n"
        "__CALL DATA__\r\n"
        "0\t0144000000\t0\t0\t0\t0\t0\t0\t08\t08\t000\t00600000\t0\t0\t0000000000\t0\t\t\t\r\n"
        "__VFO DATA__\r\n"
        "0\t0144000000\t0\t0\t0\t0\t0\t0\t08\t08\t000\t00600000\t0\t0\t\t\t\t0\t\r\n"
        "__DTMF DATA__\r\n"
        "0\t123\r\n"
        "__RADIO MENU__\r\n"
        "0136,0173\r\n"
        "5\r\n1\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n2\r\n0\r\n0\r\n1\r\n1\r\n0\r\n0\r\n0\r\n2\r\n"
        "0\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n2\r\n49\r\n";
    EXPECT_EQ(WriteDataFile(data), expected);
}

TEST(WriteDataFile, MobileWritesThirtySixSlotsAndSpecialLabelsWithASpace) {
    TRadioData data = FreshData("RV-350", "MC1", "99", "0400,0429");
    data.SetChannel(150, "150,0430000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,0,,");
    data.SetChannel(206, " PR,0430000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,0,,");
    data.SetChannel(207, " AL,0430000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,0,,");
    const std::string file = WriteDataFile(data);
    EXPECT_NE(file.find("__MEMORY DATA__\r\n PR\t0430000000"), std::string::npos);
    // Channel 150 lies above the count and AL outside market 'K': neither is saved.
    EXPECT_EQ(file.find("150\t"), std::string::npos);
    EXPECT_EQ(file.find(" AL\t"), std::string::npos);
    const std::string menu = file.substr(file.find("__RADIO MENU__\r\n"));
    EXPECT_EQ(std::count(menu.begin(), menu.end(), '\n'), 1 + 1 + 36);
    EXPECT_TRUE(menu.ends_with("\r\n31\r\n"));
}

TEST(SaveDataFile, ReplacesTheFileOnlyWhenTheNewOneIsComplete) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("radio.tvr"));
    TRadioData data = FreshData("RV-380", "MM2", "99", "0400,0469");
    ASSERT_TRUE(SaveDataFile(data, path));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), WriteDataFile(data));
    written.close();

    // A target that cannot be written fails and leaves the old file alone.
    EXPECT_FALSE(SaveDataFile(data, folder.filePath(QStringLiteral("missing/radio.tvr"))));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("taken.tvr")));
    EXPECT_FALSE(SaveDataFile(data, folder.filePath(QStringLiteral("taken.tvr"))));
    EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("taken.tvr"))).isDir());
}

}  // namespace
