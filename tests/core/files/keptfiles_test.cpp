#include <gtest/gtest.h>

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/files/backups.h"
#include "core/files/datafile.h"
#include "core/files/datafolders.h"
#include "core/files/keptfiles.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "support/filetraps.h"
#include "support/tempsettings.h"

namespace {

const QDateTime kNoon(QDate(2026, 12, 7), QTime(11, 30, 5));

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

QStringList Names(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

TEST(KeptFileNames, SortByTimeAndNeverCollideInOneSecond) {
    QTemporaryDir folder;
    const QString first = FreeKeptFilePath(folder.path(), "RV-310", "read", kNoon, "tvr");
    EXPECT_EQ(QFileInfo(first).fileName(), "2026-12-07 11-30-05 RV-310 read.tvr");
    Touch(first);
    const QString second = FreeKeptFilePath(folder.path(), "RV-310", "read", kNoon, "tvr");
    EXPECT_EQ(QFileInfo(second).fileName(), "2026-12-07 11-30-05.2 RV-310 read.tvr");
    Touch(second);
    EXPECT_EQ(QFileInfo(FreeKeptFilePath(folder.path(), "RV-310", "read", kNoon, "tvr")).fileName(),
              "2026-12-07 11-30-05.3 RV-310 read.tvr");
}

TEST(KeptFileNames, ModelTextIsSafeOnEveryFileSystem) {
    const QString path = FreeKeptFilePath("/tmp", "RV-310/320A: x", "write-menu", kNoon, "log");
    EXPECT_EQ(QFileInfo(path).fileName(), "2026-12-07 11-30-05 RV-310-320A--x write-menu.log");
    EXPECT_EQ(QFileInfo(path).path(), "/tmp");
    EXPECT_TRUE(IsKeptFileName(QFileInfo(path).fileName(), "log"));
    EXPECT_FALSE(IsKeptFileName(QFileInfo(path).fileName(), "tvr"));
}

TEST(KeptFilePruning, KeepsTheNewestAndNeverTouchesForeignFiles) {
    QTemporaryDir folder;
    const QDir dir(folder.path());
    // 103 of ours over three days, same-second counters included, written out of order.
    QStringList ours;
    for (int index = 0; index < 103; ++index) {
        const QDateTime when = kNoon.addDays(index % 3).addSecs(index / 6);
        const QString path = FreeKeptFilePath(folder.path(), "PX-A5", "read", when, "tvr");
        Touch(path);
        ours << QFileInfo(path).fileName();
    }
    const QStringList foreign{"notes.tvr", "my radio.tvr", "2020-01-01 00-00-00 PX-A5 read.tvr.bak",
                              "2020-01-01 00-00-00 PX-A5 read.log", "2020-01-01 00-00-00.tvr"};
    for (const QString& name : foreign) Touch(dir.filePath(name));
    dir.mkdir("2020-01-01 00-00-00 PX-A5 old.tvr");

    PruneKeptFiles(folder.path(), "tvr", 100);

    const QStringList left = Names(folder.path());
    for (const QString& name : foreign) EXPECT_TRUE(left.contains(name)) << name.toStdString();
    EXPECT_TRUE(dir.exists("2020-01-01 00-00-00 PX-A5 old.tvr"));
    QStringList keptOurs;
    for (const QString& name : left) {
        if (ours.contains(name)) keptOurs << name;
    }
    EXPECT_EQ(keptOurs.size(), 100);
    // The three oldest went, counted by time and counter, not by name.
    for (const char* gone :
         {"2026-12-07 11-30-05 PX-A5 read.tvr", "2026-12-07 11-30-05.2 PX-A5 read.tvr",
          "2026-12-07 11-30-06 PX-A5 read.tvr"}) {
        EXPECT_FALSE(left.contains(QLatin1String(gone))) << gone;
    }
    EXPECT_TRUE(left.contains("2026-12-07 11-30-06.2 PX-A5 read.tvr"));
}

TEST(KeptFilePruning, OrdersSameSecondFilesByTheirCounter) {
    QTemporaryDir folder;
    for (int index = 0; index < 12; ++index) {
        Touch(FreeKeptFilePath(folder.path(), "PX-A5", "write", kNoon, "tvr"));
    }
    PruneKeptFiles(folder.path(), "tvr", 2);
    EXPECT_EQ(Names(folder.path()), (QStringList{"2026-12-07 11-30-05.11 PX-A5 write.tvr",
                                                 "2026-12-07 11-30-05.12 PX-A5 write.tvr"}));
}

// A run of writes keeps the older read's backup: each kind keeps its own newest.
TEST(KeptFilePruning, CountsEachKindApart) {
    QTemporaryDir folder;
    Touch(FreeKeptFilePath(folder.path(), "PX-A5", "read-memory", kNoon, "tvr"));
    for (int index = 0; index < 5; ++index) {
        Touch(FreeKeptFilePath(folder.path(), "PX-A5", index % 2 ? "write" : "write-menu",
                               kNoon.addSecs(1 + index), "tvr"));
    }
    PruneKeptFiles(folder.path(), "tvr", 2);
    EXPECT_EQ(Names(folder.path()), (QStringList{"2026-12-07 11-30-05 PX-A5 read-memory.tvr",
                                                 "2026-12-07 11-30-09 PX-A5 write.tvr",
                                                 "2026-12-07 11-30-10 PX-A5 write-menu.tvr"}));
}

class Backups : public ::testing::Test {
protected:
    static TRadioData Filled() {
        TRadioData data;
        ApplyConfiguration(data, ModelCatalogue()[7]);
        data.ApplyDefaultRecords();
        data.ApplyMenuDefaults();
        data.SetChannel(5, "05,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,RPT");
        return data;
    }
    TTempSettings Temp;
};

TEST_F(Backups, GoIntoTheBackupsFolderOfTheUsersData) {
    EXPECT_EQ(BackupsFolder(), Temp.DataHome() + "/HALVERN/TAVRIN/Backups");
    EXPECT_EQ(LogsFolder(), Temp.DataHome() + "/HALVERN/TAVRIN/Logs");
    const TRadioData data = Filled();
    QString problem;
    const QString path = SaveBackup(data, "read-memory", problem, kNoon);
    EXPECT_EQ(problem, "");
    EXPECT_EQ(path, BackupsFolder() + "/2026-12-07 11-30-05 RV-310 read-memory.tvr");
    TRadioData opened;
    ApplyConfiguration(opened, ModelCatalogue()[7]);
    ASSERT_EQ(OpenDataFile(opened, path), TDataFileResult::Loaded);
    EXPECT_EQ(WriteDataFile(opened), WriteDataFile(data));
}

// Links planted at the names a backup would take, pointing outside the
// folder, dangling or at a file there: the backup takes the next free name
// and nothing outside is created or written.
TEST_F(Backups, NeverWriteThroughALinkPlantedAtTheirName) {
    QTemporaryDir outside;
    const QString victim = outside.filePath("victim.txt");
    Touch(victim);
    ASSERT_TRUE(EnsureFolder(BackupsFolder()));
    const QDir backups(BackupsFolder());
    ASSERT_TRUE(QFile::link(victim, backups.filePath("2026-12-07 11-30-05 RV-310 read.tvr")));
    ASSERT_TRUE(QFile::link(outside.filePath("new.tvr"),
                            backups.filePath("2026-12-07 11-30-05.2 RV-310 read.tvr")));
    backups.mkdir("2026-12-07 11-30-05.3 RV-310 read.tvr");
    QString problem;
    const QString path = SaveBackup(Filled(), "read", problem, kNoon);
    EXPECT_EQ(problem, "");
    EXPECT_EQ(path, backups.filePath("2026-12-07 11-30-05.4 RV-310 read.tvr"));
    EXPECT_EQ(QFileInfo(victim).size(), 0);
    EXPECT_EQ(QDir(outside.path()).entryList(QDir::Files), QStringList{"victim.txt"});
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    // Nothing of the way the backup was made is left behind.
    EXPECT_EQ(
        backups.entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name),
        (QStringList{"2026-12-07 11-30-05 RV-310 read.tvr", "2026-12-07 11-30-05.2 RV-310 read.tvr",
                     "2026-12-07 11-30-05.4 RV-310 read.tvr"}));
}

TEST(KeptFileNames, ANewKeptFileSkipsEveryNameThatIsTaken) {
    QTemporaryDir folder;
    QTemporaryDir outside;
    const TKeptFileName name{"RV-310", "read", kNoon, "log"};
    QFile::link(outside.filePath("planted.log"),
                folder.filePath("2026-12-07 11-30-05 RV-310 read.log"));
    QString reason;
    std::optional<TNewKeptFile> file = CreateKeptFile(folder.path(), name, reason);
    ASSERT_TRUE(file) << reason.toStdString();
    EXPECT_EQ(QFileInfo(file->Path).fileName(), "2026-12-07 11-30-05.2 RV-310 read.log");
    ::close(file->Handle);
    EXPECT_FALSE(QFileInfo::exists(outside.filePath("planted.log")));
    EXPECT_FALSE(CreateKeptFile(folder.filePath("missing"), name, reason));
    EXPECT_EQ(reason, "No such file or directory");
}

// A backup killed half-way leaves its ".keeping-" file; the next kept file in
// the folder clears such files away, and nothing else.
TEST(KeptFileNames, ANewKeptFileClearsAwayWhatKilledOnesLeft) {
    using T = TLeftoverCase;
    const TLeftoverCase cases[] = {
        {".keeping-1a2b3c.tmp", T::File, true, true},
        {".keeping-3w5e11264sgsf.tmp", T::File, true, true},
        {".keeping-9z8y7x.tmp", T::File, false, false},  // a backup under way elsewhere
        {".keeping-1A2B3C.tmp", T::File, true, false},
        {".keeping-1a2b3c.tmp.bak", T::File, true, false},
        {".keeping-4d5e6f.tmp", T::Link, true, false},
        {".keeping-7g8h9i.tmp", T::Folder, true, false},
        {".keeping-0j1k2l.tmp", T::OthersFile, true, false},
        {"club.tvr.Ab12Cd", T::File, true, false},
    };
    for (const bool log : {false, true}) {
        SCOPED_TRACE(log ? "log" : "backup");
        QTemporaryDir folder;
        const QDir dir(folder.path());
        for (const TLeftoverCase& c : cases) {
            if (!PlantLeftover(dir, c)) GTEST_SKIP() << "another user's file needs root";
        }
        QString reason;
        const TKeptFileName name{"RV-310", "read", kNoon, log ? "log" : "tvr"};
        if (log) {
            std::optional<TNewKeptFile> file = CreateKeptFile(folder.path(), name, reason);
            ASSERT_TRUE(file) << reason.toStdString();
            ::close(file->Handle);
        } else {
            ASSERT_FALSE(KeepFileBytes(folder.path(), name, "kept", reason).isEmpty());
        }
        for (const TLeftoverCase& c : cases) {
            EXPECT_EQ(KindOf(dir.filePath(c.Name)) == 0, c.Removed) << c.Name;
        }
    }
}

TEST_F(Backups, AFolderThatCannotBeMadeIsReportedNotThrown) {
    Touch(Temp.DataHome());  // a file where the folder should go
    QString problem;
    EXPECT_EQ(SaveBackup(Filled(), "write", problem, kNoon), "");
    EXPECT_TRUE(problem.contains("cannot be created")) << problem.toStdString();
}

}  // namespace
