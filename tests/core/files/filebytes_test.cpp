#include "core/files/filebytes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "core/files/savetarget.h"
#include "core/model/radiodata.h"
#include "support/filetraps.h"

namespace {

TEST(LoadFileBytes, ReadsOnlyRegularFilesAtOnceAndSaysWhyNot) {
    QTemporaryDir folder;
    PutFile(folder.filePath("club.tvr"), "abc");
    PutFile(folder.filePath("big.tvr"), "12345");
    ASSERT_TRUE(MakeFifo(folder.filePath("fifo.tvr")));
    const struct {
        QString Path;
        qint64 Largest;
        const char* Reason;  // empty: read
    } cases[] = {
        {folder.filePath("club.tvr"), 3, ""},
        {folder.filePath("fifo.tvr"), 100, "not a regular file"},  // must not wait for a writer
        {folder.path(), 100, "not a regular file"},
        {"/dev/zero", 100, "not a regular file"},
        {folder.filePath("missing.tvr"), 100, "No such file or directory"},
        {folder.filePath("big.tvr"), 4, "larger than 4 bytes"},
    };
    for (const auto& c : cases) {
        QString reason = "unset";
        const std::optional<std::string> bytes = LoadFileBytes(c.Path, c.Largest, &reason);
        EXPECT_EQ(reason, c.Reason) << c.Path.toStdString();
        EXPECT_EQ(bytes.has_value(), *c.Reason == '\0') << c.Path.toStdString();
    }
    TRadioData data;
    QString reason;
    EXPECT_EQ(OpenDataFile(data, folder.filePath("fifo.tvr"), nullptr, &reason),
              TDataFileResult::CannotOpen);
    EXPECT_EQ(DataFileOpenDetail(folder.filePath("fifo.tvr"), TDataFileResult::CannotOpen, reason),
              folder.filePath("fifo.tvr") + ": not a regular file");
}

TEST(SaveFileBytes, AFullDiskKeepsTheOldFileAndSaysWhy) {
    TSmallDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << "a small file system can only be mounted as root";
    const QString path = disk.FilePath("club.csv");
    ASSERT_TRUE(SaveFileBytes(path, "old list"));
    disk.Fill(8 * 1024);
    QString reason;
    EXPECT_FALSE(SaveFileBytes(path, std::string(40 * 1024, 'n'), &reason));
    EXPECT_EQ(reason, "No space left on device");
    EXPECT_EQ(ContentsOf(path), "old list");
    EXPECT_EQ(disk.Names(), (QStringList{"club.csv", "filler"}));  // no temporary file left
}

// Renaming over a FIFO, socket or folder would put a file in its place;
// through links (relative ones here) only a regular file is replaced, and
// the links stay.
TEST(SaveFileBytes, ReplacesOnlyRegularFilesAndKeepsTheLinksToThem) {
    QTemporaryDir folder;
    const auto at = [&folder](const char* name) { return folder.filePath(name); };
    const auto link = [&at](const char* target, const char* name) {
        return ::symlink(target, QFile::encodeName(at(name)).constData()) == 0;
    };
    ASSERT_TRUE(MakeFifo(at("fifo")));
    ASSERT_TRUE(MakeSocket(at("socket")));
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder"));
    PutFile(at("file"), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(at("file")).constData(), 0640), 0);
    for (const char* name : {"fifo", "socket", "folder", "file", "new", "null"}) {
        ASSERT_TRUE(link(name, (std::string("to-") + name).c_str()));
    }
    ASSERT_TRUE(link("to-fifo", "chain"));
    ASSERT_TRUE(link("loop", "loop"));
    ASSERT_TRUE(link("/dev/null", "null"));
    const struct {
        const char* Name;
        const char* Reason;  // empty: saved
    } cases[] = {
        {"fifo", "not a regular file"},
        {"socket", "not a regular file"},
        {"folder", "not a regular file"},
        {"to-fifo", "not a regular file"},
        {"to-socket", "not a regular file"},
        {"to-folder", "not a regular file"},
        {"chain", "not a regular file"},
        {"loop", "Too many levels of symbolic links"},
        {"to-file", ""},
        {"to-new", ""},
    };
    for (const auto& c : cases) {
        QString reason = "unset";
        EXPECT_EQ(SaveFileBytes(at(c.Name), "new", &reason), *c.Reason == '\0') << c.Name;
        EXPECT_EQ(reason, c.Reason) << c.Name;
    }
    EXPECT_EQ(KindOf(at("fifo")), S_IFIFO);
    EXPECT_EQ(KindOf(at("socket")), S_IFSOCK);
    EXPECT_TRUE(QDir(at("folder")).isEmpty());
    EXPECT_EQ(KindOf(at("to-file")), S_IFLNK);
    EXPECT_EQ(ContentsOf(at("file")), "new");
    EXPECT_EQ(QFile::permissions(at("file")), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ReadUser | QFile::WriteUser |
                                                  QFile::ReadGroup);
    EXPECT_EQ(ContentsOf(at("new")), "new");
    // No temporary file ("file.a8Zq3x") is left.
    const QStringList names =
        QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    EXPECT_EQ(names.size(), 14);
    EXPECT_TRUE(names.filter(".").isEmpty()) << names.join(' ').toStdString();
    // A device is only ever looked at: nothing may be written to one.
    EXPECT_EQ(SaveTargetProblem("/dev/null"), "not a regular file");
    EXPECT_EQ(SaveTargetProblem(at("to-null")), "not a regular file");
}

// A save killed half-way leaves its temporary file; the next save into the
// folder clears away such files of the program's own naming, and nothing else.
TEST(SaveFileBytes, ClearsAwayOnlyTheTemporaryFilesKilledSavesLeft) {
    using T = TLeftoverCase;
    const TLeftoverCase cases[] = {
        {"club.tvr.Ab12Cd", T::File, true, true},
        {"club.tvr.xY3kQz", T::File, false, false},  // a save under way elsewhere
        {"other.TVR.Qr56St", T::File, true, true},
        {"list.csv.a8Zq3x", T::File, true, true},
        {"notes.txt.Ab12Cd", T::File, true, false},  // not a file the program saves
        {"club.tvr.backup", T::File, true, false},   // names a person gives a copy
        {"club.tvr.Backup", T::File, true, false},
        {"club.tvr.201907", T::File, true, false},
        {"club.tvr.Ab12Cd7", T::File, true, false},
        {"club.tvr.Lk12Cd", T::Link, true, false},
        {"club.tvr.Dr12Cd", T::Folder, true, false},
        {"club.tvr.Ot12Cd", T::OthersFile, true, false},
        {".keeping-1a2b3c.tmp", T::File, true, false},
    };
    QTemporaryDir folder;
    const QDir dir(folder.path());
    for (const TLeftoverCase& c : cases) {
        if (!PlantLeftover(dir, c)) GTEST_SKIP() << "another user's file needs root";
    }
    ASSERT_TRUE(SaveFileBytes(dir.filePath("club.tvr"), "new"));
    EXPECT_EQ(ContentsOf(dir.filePath("club.tvr")), "new");
    for (const TLeftoverCase& c : cases) {
        EXPECT_EQ(KindOf(dir.filePath(c.Name)) == 0, c.Removed) << c.Name;
    }
    EXPECT_EQ(ContentsOf(dir.filePath("club.tvr.Lk12Cd.target")), "kept");
}

TEST(FileReport, NamesShowTheirControlCharacters) {
    const struct {
        QString Name;
        QString Shown;
    } cases[] = {
        {"club.tvr", "club.tvr"},
        {QString::fromUtf8("Fu\xc3\x9f ball.tvr"), QString::fromUtf8("Fu\xc3\x9f ball.tvr")},
        {"\x1b[2Jx.tvr", "<0x1B>[2Jx.tvr"},
        {"a\nb\tc\x7f.csv", "a<0x0A>b<0x09>c<0x7F>.csv"},
        {QString::fromUtf8("\xc2\x9b"
                           "31m.pdf"),
         "<0x9B>31m.pdf"},
        {QString::fromUtf8("x\xe2\x80\xae"
                           "fdp.tvr"),
         "x<U+202E>fdp.tvr"},
    };
    for (const auto& c : cases) EXPECT_EQ(VisibleFileName(c.Name), c.Shown);
    EXPECT_EQ(FileDetail("a\rb.tvr", "not a regular file"), "a<0x0D>b.tvr: not a regular file");
}

TEST(FileReport, OutputsNeverReplaceADataFileOrTheirInput) {
    QTemporaryDir folder;
    const QString input = folder.filePath("club.tvr");
    PutFile(input, "data");
    PutFile(folder.filePath("old.pdf"), "pdf");
    QFile::link(input, folder.filePath("link.pdf"));
    QFile::link(folder.filePath("link.pdf"), folder.filePath("chain.csv"));
    QFile::link(folder.filePath("new.TVR"), folder.filePath("dangling.pdf"));
    ASSERT_EQ(::link(QFile::encodeName(input).constData(),
                     QFile::encodeName(folder.filePath("hard.pdf")).constData()),
              0);
    const struct {
        const char* Output;
        bool Refused;
    } cases[] = {
        {"out.pdf", false}, {"old.pdf", false},  {"club.tvr", true},     {"OTHER.Tvr", true},
        {"link.pdf", true}, {"chain.csv", true}, {"dangling.pdf", true}, {"hard.pdf", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(!OutputFileProblem(folder.filePath(c.Output), input).isEmpty(), c.Refused)
            << c.Output;
    }
}

}  // namespace
