#include "core/files/settings.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/files/datafolders.h"
#include "core/model/radiodata.h"
#include "core/ports/portnames.h"
#include "support/tempsettings.h"

namespace {

class Settings : public ::testing::Test {
protected:
    TStartSettings Load(int firstRunRow = -1) {
        TSettingsStore store;
        return LoadSettings(store, Data, [this, firstRunRow](const QString& reason) {
            ++FirstRunQuestions;
            Reason = reason;
            return firstRunRow;
        });
    }
    void StoreConfiguration(const char* model, const char* type) {
        Temp.Set(QStringLiteral("Model"), QString::fromLatin1(model));
        Temp.Set(QStringLiteral("Type"), QString::fromLatin1(type));
    }

    TTempSettings Temp;
    TRadioData Data;
    int FirstRunQuestions = 0;
    QString Reason;
};

TEST_F(Settings, FirstRunAsksAndStoresTheChosenConfiguration) {
    const TStartSettings start = Load(0);
    EXPECT_EQ(FirstRunQuestions, 1);
    EXPECT_EQ(Data.GetModel(), "PX-A5");
    EXPECT_EQ(Data.GetMarketCode(), "AKF0");
    EXPECT_EQ(Data.GetBandLimit(), "0136,0173");
    EXPECT_EQ(Data.GetMenuSlot(26), "49");
    EXPECT_EQ(Temp.Value("Type"), "AKF0");
    EXPECT_EQ(Temp.Value("Model"), "PX-A5");
    EXPECT_EQ(Temp.Value("Limit"), "0136,0173");
    EXPECT_EQ(Temp.Value("Channel"), "49");
    EXPECT_EQ(Temp.Value("CommPort"), "COM1");
    EXPECT_EQ(start.CommPort, "COM1");
    EXPECT_EQ(Temp.Value("Path"), QDir::toNativeSeparators(QDir::currentPath()));
    EXPECT_EQ(start.Folder, Temp.Value("Path"));
    EXPECT_FALSE(Temp.Has("Type2"));
}

TEST_F(Settings, OnlyTheEuropeanRv310RowWritesAnEmptyType2) {
    Load(8);
    EXPECT_EQ(Data.GetMarketCode(), "MED");
    EXPECT_TRUE(Temp.Has("Type2"));
    EXPECT_EQ(Temp.Value("Type2"), "");
}

TEST_F(Settings, StoredConfigurationSkipsTheFirstRunChoice) {
    StoreConfiguration("RV-350", "MC0");
    Temp.Set("Path", "/radio/files/");
    Temp.Set("CommPort", "COM7");
    const TStartSettings start = Load();
    EXPECT_EQ(FirstRunQuestions, 0);
    EXPECT_EQ(Data.GetModel(), "RV-350");
    EXPECT_EQ(Data.GetMarketCode(), "MC0");
    EXPECT_EQ(Data.GetBandLimit(), "0440,0479");
    EXPECT_EQ(start.Folder, "/radio/files/");
    EXPECT_EQ(start.CommPort, "COM7");
}

TEST_F(Settings, StoredBandLimitWinsAndIsWrittenBack) {
    StoreConfiguration("RV-310", "MKF");
    Temp.Set("Limit", "0140,0150");
    Load();
    EXPECT_EQ(Data.GetBandLimit(), "0140,0150");
    EXPECT_EQ(Temp.Value("Limit"), "0140,0150");
}

// An unknown model or market is asked for again, as on the first run; a
// market code a transceiver reported, known but for its variant, is kept.
TEST_F(Settings, UnknownConfigurationIsChosenAgainWithAReason) {
    const struct {
        const char* Model;
        const char* Type;
        bool Known;
    } cases[] = {{"XR-999", "MKF", false},
                 {"RV-310", "ZZ", false},
                 {"PX-A5", "", true},
                 {"RV-310", "MKG", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Model) + " " + c.Type);
        StoreConfiguration(c.Model, c.Type);
        FirstRunQuestions = 0;
        Reason.clear();
        Load(7);
        const bool asked = !c.Known || std::string_view(c.Type).empty();
        EXPECT_EQ(FirstRunQuestions, asked ? 1 : 0);
        EXPECT_EQ(Reason.isEmpty(), c.Known);
        EXPECT_EQ(Data.GetModel(), asked ? "RV-310" : c.Model);
        EXPECT_EQ(Data.GetMenuSlot(26), "99");
    }
    EXPECT_TRUE(
        UnknownConfigurationMessage("XR-999", "MKF")
            .startsWith(
                "The settings name a transceiver this program does not know (model \"XR-999\""));
}

// A settings file that is a folder, a pipe or absurdly large is set aside
// unread, kept under another name, and the program starts afresh.
TEST_F(Settings, UnusableSettingsFileIsKeptAsideAndStartsAFirstRun) {
    const QString path = Temp.FilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    for (const char* kind : {"folder", "pipe", "huge"}) {
        SCOPED_TRACE(kind);
        if (std::string_view(kind) == "folder") QDir().mkpath(path + "/inside");
        if (std::string_view(kind) == "pipe") {
            ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        if (std::string_view(kind) == "huge") {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.resize(3 << 20);
        }
        FirstRunQuestions = 0;
        Load(0);
        EXPECT_EQ(FirstRunQuestions, 1);
        EXPECT_TRUE(Reason.startsWith("The settings file " + path + " cannot be used: "))
            << Reason.toStdString();
        EXPECT_TRUE(QFileInfo(path).isFile());  // the new settings
        EXPECT_EQ(Temp.Value("Model"), "PX-A5");
        const QString kept =
            Reason.section(QStringLiteral("kept as "), 1).section(QStringLiteral(", and"), 0, 0);
        EXPECT_TRUE(QFileInfo(kept).exists() || QFileInfo(kept).isSymLink()) << kept.toStdString();
        QFile::remove(path);
    }
}

// Without a home folder nothing is kept, neither settings nor backups, and
// the first run says why; the values still hold for the run.
TEST_F(Settings, WithoutAHomeFolderNothingIsKeptAndTheFirstRunSaysWhy) {
    const QString file = Temp.FilePath();
    QDir().mkpath(QFileInfo(file).absolutePath());
    const QString plainFile = QFileInfo(file).absolutePath() + "/plain";
    QFile(plainFile).open(QIODevice::WriteOnly);
    const struct {
        const char* Home;  // nullptr: unset
        QString ConfigHome;
        QString Reason;
    } cases[] = {
        {nullptr, {}, "HOME is not set"},
        {"/nowhere/at/all", {}, "HOME (/nowhere/at/all) is not a folder"},
        {"relative", {}, "HOME (relative) is not a folder"},
        {"/tmp", plainFile, "XDG_CONFIG_HOME (" + plainFile + ") is not a folder"},
    };
    const QByteArray home = qgetenv("HOME");
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Reason.toStdString());
        c.Home ? qputenv("HOME", c.Home) : qunsetenv("HOME");
        qputenv("XDG_CONFIG_HOME", c.ConfigHome.toLocal8Bit());
        qputenv("XDG_DATA_HOME", c.ConfigHome.toLocal8Bit());
        TSettingsStore store;
        LoadSettings(store, Data, [this](const QString& reason) {
            Reason = reason;
            return 4;
        });
        EXPECT_EQ(Reason, "The settings cannot be kept: " + c.Reason + ".");
        EXPECT_EQ(store.Read("Model"), "PX-A7");  // the row chosen, for this run
        EXPECT_FALSE(QFileInfo::exists(file));
        if (c.ConfigHome.isEmpty()) {
            EXPECT_EQ(DataFolderProblem(),
                      "Backups and communication logs cannot be kept: " + c.Reason + ".");
        }
    }
    qputenv("HOME", home);
    configHome.isEmpty() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", configHome);
}

struct TCountCase {
    const char* Model;
    const char* Type;
    const char* Channel;   // nullptr: not stored
    const char* Channel1;  // nullptr: not stored
    const char* Expected;
};

class ChannelCountSetting : public Settings, public ::testing::WithParamInterface<TCountCase> {};

TEST_P(ChannelCountSetting, IsValidatedPerModelGroup) {
    const TCountCase& c = GetParam();
    StoreConfiguration(c.Model, c.Type);
    if (c.Channel) Temp.Set("Channel", c.Channel);
    if (c.Channel1) Temp.Set("Channel1", c.Channel1);
    Load();
    EXPECT_EQ(Data.GetMenuSlot(26), c.Expected);
    EXPECT_EQ(Temp.Value("Channel"), c.Expected);
    EXPECT_EQ(Temp.Value("Channel1"), c.Channel1 ? c.Channel1 : "");
}

INSTANTIATE_TEST_SUITE_P(HandheldsAndMobiles, ChannelCountSetting,
                         ::testing::Values(TCountCase{"PX-A5", "AKF0", "99", nullptr, "99"},
                                           TCountCase{"PX-A5", "AKF0", "49", "99", "49"},
                                           TCountCase{"PX-A7", "JJ10", "199", nullptr, "49"},
                                           TCountCase{"PX-A7", "JJ10", nullptr, nullptr, "49"},
                                           TCountCase{"RV-310", "MKF", "199", nullptr, "99"},
                                           TCountCase{"RV-310", "MKF", "99", "199", "199"},
                                           TCountCase{"RV-380", "MM2", nullptr, "49", "99"},
                                           TCountCase{"RV-350", "MC1", "199", "x", "99"}));

TEST_F(Settings, CloseWritesPortCountAndConfiguration) {
    TSettingsStore store;
    Data.SetModel("RV-380");
    Data.SetMarketCode("MM2");
    Data.SetBandLimit("0400,0469");
    Data.SetMenuSlot(26, "199");
    SaveSettingsOnClose(store, Data, QStringLiteral("COM12"));
    EXPECT_EQ(Temp.Value("CommPort"), "COM12");
    EXPECT_EQ(Temp.Value("Channel"), "199");
    EXPECT_EQ(Temp.Value("Model"), "RV-380");
    EXPECT_EQ(Temp.Value("Type"), "MM2");
    EXPECT_EQ(Temp.Value("Limit"), "0400,0469");
    EXPECT_FALSE(Temp.Has("Path"));

    // Closing again with nothing changed leaves the file as it is: the file is
    // replaced whole on every write, so its inode would change.
    struct stat before {};
    ASSERT_EQ(stat(QFile::encodeName(Temp.FilePath()).constData(), &before), 0);
    SaveSettingsOnClose(store, Data, QStringLiteral("COM12"));
    struct stat after {};
    ASSERT_EQ(stat(QFile::encodeName(Temp.FilePath()).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
}

TEST_F(Settings, RecentFilesKeepTheLatestTenOnceEach) {
    TSettingsStore store;
    EXPECT_TRUE(LoadRecentFiles(store).isEmpty());
    for (int number = 1; number <= 12; ++number) {
        AddRecentFile(store, QStringLiteral("/radio/%1.tvr").arg(number));
    }
    AddRecentFile(store, QStringLiteral("/radio/5.tvr"));
    AddRecentFile(store, QStringLiteral("/radio/bad\nname.tvr"));
    const QStringList files = LoadRecentFiles(store);
    ASSERT_EQ(files.size(), kRecentFileCount);
    EXPECT_EQ(files.first(), "/radio/5.tvr");
    EXPECT_EQ(files[1], "/radio/12.tvr");
    EXPECT_EQ(files.last(), "/radio/3.tvr");
    EXPECT_EQ(files.count(QStringLiteral("/radio/5.tvr")), 1);
    AddRecentFile(store, QStringLiteral("club.tvr"));
    EXPECT_EQ(LoadRecentFiles(store).first(), QDir::current().filePath(QStringLiteral("club.tvr")));
}

TEST_F(Settings, SaveFolderStoresTheFolderEndingInASeparator) {
    TSettingsStore store;
    const QString folder = SaveFolder(store, QStringLiteral("/home/ham/radio/club.tvr"));
    const QString expected = QDir::toNativeSeparators(QStringLiteral("/home/ham/radio/"));
    EXPECT_EQ(folder, expected);
    EXPECT_EQ(Temp.Value("Path"), expected);
}

TEST_F(Settings, HandEditedListValueReadsAsText) {
    QFile file(Temp.FilePath());
    QDir().mkpath(QFileInfo(file).absolutePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nType=MKF\nModel=RV-310\nLimit=0140,0150\n");
    file.close();
    Load();
    EXPECT_EQ(Data.GetBandLimit(), "0140,0150");
}

TEST(PortNumber, OnlyExactPortTextsCountAndOthersMeanCom1) {
    EXPECT_EQ(PortNumberOf("COM1"), 1);
    EXPECT_EQ(PortNumberOf("COM9"), 9);
    EXPECT_EQ(PortNumberOf("COM10"), 10);
    EXPECT_EQ(PortNumberOf("COM20"), 20);
    EXPECT_EQ(PortNumberOf("COM21"), 1);
    EXPECT_EQ(PortNumberOf("com5"), 1);
    EXPECT_EQ(PortNumberOf("/dev/ttyUSB0"), 1);
    EXPECT_EQ(PortNumberOf(""), 1);
}

}  // namespace
