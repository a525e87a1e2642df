#include <sys/resource.h>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <csignal>
#include <functional>

#include "core/files/datafile.h"
#include "core/files/datafolders.h"
#include "gui/pages/channelgrids.h"
#include "gui/pages/menupages.h"
#include "support/filetraps.h"
#include "support/mainformfixture.h"

namespace {

const char kChannel7[] = "07,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,HOME";

QString WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class FileCommands : public MainFormTest {
protected:
    // A PX-A5 file with channel 7 named HOME and a comment.
    QString PxA5File(const QString& name, const char* comment = "Club list") {
        TRadioData data;
        data.SetModel("PX-A5");
        data.SetMarketCode("AKF0");
        data.SetMenuSlot(26, "49");
        data.SetBandLimit("0136,0173");
        data.ApplyDefaultRecords();
        data.ApplyMenuDefaults();
        data.SetChannel(7, kChannel7);
        data.SetComment(comment);
        return WriteFile(Folder.filePath(name), QByteArray::fromStdString(WriteDataFile(data)));
    }

    void Drop(TMainForm& form, const QString& path) { form.FileCommands->OpenDroppedFile(path); }

    QString MemoryCell(int row, int column) {
        const QTableWidgetItem* item = Form->Grids->MemoryGrid->item(row - 1, column);
        return item ? item->text() : QString();
    }

    QTemporaryDir Folder;
};

TEST_F(FileCommands, OpenLoadsTheFileAndRemembersItsFolder) {
    StoreConfiguration("PX-A5", "AKF0");
    Temp.Set("Path", "/start/here/");
    TMainForm& form = Start();
    const QString path = PxA5File(QStringLiteral("club.tvr"));
    Temp.Set("Channel", "77");
    Files.Choose(path);
    form.FileCommands->OpenClick();
    EXPECT_EQ(Files.Requests()[0].Kind, TFileDialogKind::Open);
    EXPECT_EQ(Files.Requests()[0].Folder, "/start/here/");
    EXPECT_EQ(form.Data().GetChannel(7), kChannel7);
    EXPECT_EQ(MemoryCell(8, 2), "145.500");
    EXPECT_EQ(MemoryCell(8, 3), "HOME");
    EXPECT_EQ(form.CommentEdit->text(), "Club list");
    EXPECT_EQ(form.windowTitle(), "TAVRIN [PX-A5A]  [" + path + "]");
    EXPECT_FALSE(form.Data().Changed);
    EXPECT_EQ(Temp.Value("Channel"), "49");
    EXPECT_EQ(Temp.Value("Path"), Folder.path() + "/");
    EXPECT_EQ(form.DialogFolder(), Folder.path() + "/");
}

TEST_F(FileCommands, OpenRecentListsOpenedAndSavedFilesAndOpensThem) {
    StoreConfiguration("PX-A5", "AKF0");
    TMainForm& form = Start();
    const QString club = PxA5File(QStringLiteral("club & co.tvr"));
    Files.Choose(club);
    form.FileCommands->OpenClick();
    const QString copy = Folder.filePath(QStringLiteral("copy.tvr"));
    Files.Choose(copy);
    ASSERT_TRUE(form.FileCommands->SaveAsClick());
    form.FileCommands->NewClick();
    form.FileCommands->FillRecentMenu();
    const QList<QAction*> items = form.FileCommands->RecentMenu->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(), "&1 " + copy);
    EXPECT_EQ(items[1]->text(), "&2 " + QString(club).replace("&", "&&"));
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[3]->text(), "&Clear Menu");
    items[1]->trigger();
    EXPECT_EQ(form.FileName(), club);
    EXPECT_EQ(form.Data().GetChannel(7), kChannel7);
}

// An entry whose file has gone says so and leaves the menu; Clear Menu empties it.
TEST_F(FileCommands, OpenRecentDropsAFileThatIsGoneAndClearMenuEmptiesTheList) {
    StoreConfiguration("PX-A5", "AKF0");
    TMainForm& form = Start();
    const QString kept = PxA5File(QStringLiteral("kept.tvr"));
    const QString gone = PxA5File(QStringLiteral("gone.tvr"));
    for (const QString& path : {gone, kept}) form.FileCommands->OpenRecentFile(path);
    ASSERT_TRUE(QFile::remove(gone));
    form.Data().SetChannel(3, kChannel7);
    form.Data().Changed = true;

    Messages.Answer(TMessageAnswer::Ok);
    form.FileCommands->OpenRecentFile(gone);
    EXPECT_EQ(Messages.Texts(),
              QStringList{"This data file no longer exists. It has been removed from Open "
                          "Recent.\n\n" +
                          gone});
    EXPECT_EQ(LoadRecentFiles(*Store), QStringList{kept});
    EXPECT_EQ(form.Data().GetChannel(3), kChannel7);  // nothing asked, nothing replaced
    EXPECT_EQ(form.FileName(), kept);

    form.FileCommands->FillRecentMenu();
    form.FileCommands->RecentMenu->actions().constLast()->trigger();
    EXPECT_TRUE(LoadRecentFiles(*Store).isEmpty());
    form.FileCommands->FillRecentMenu();
    const QList<QAction*> items = form.FileCommands->RecentMenu->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_FALSE(items[0]->isEnabled());  // (none)
    EXPECT_FALSE(items[2]->isEnabled());  // nothing left to clear
}

TEST_F(FileCommands, OpenRefusesUnreadableFilesAndOtherExtensionsWithoutChanges) {
    StoreConfiguration("PX-A5", "AKF0");
    TMainForm& form = Start();
    form.Data().SetChannel(7, kChannel7);
    const QString text = WriteFile(Folder.filePath(QStringLiteral("club.txt")),
                                   ReadFile(PxA5File(QStringLiteral("club.tvr"))));
    for (const QString& path : {text, Folder.filePath(QStringLiteral("missing.tvr"))}) {
        Files.Choose(path);
        Messages.Answer(TMessageAnswer::Ok);
        form.FileCommands->OpenClick();
    }
    EXPECT_EQ(Messages.Texts(), QStringList({"File Open error.", "File Open error."}));
    EXPECT_EQ(Messages.Shown()[0].Style, TMessageStyle::Error);
    // The fixed text stays; which file and why is the box's detail.
    EXPECT_EQ(Messages.Shown()[0].Detail, text + ": not a data file name (.tvr)");
    EXPECT_EQ(Messages.Shown()[1].Detail,
              Folder.filePath(QStringLiteral("missing.tvr")) + ": No such file or directory");
    EXPECT_EQ(form.Data().GetChannel(7), kChannel7);
    EXPECT_EQ(form.FileName(), "Untitled");
}

// The file's channel count decides whether memory names exist; the menu pages
// follow it whichever way the file was opened.
TEST_F(FileCommands, EveryWayOfOpeningShowsWhetherTheFileHasMemoryNames) {
    StoreConfiguration("PX-A5", "AKF0");
    const QString path = PxA5File(QStringLiteral("club.tvr"));
    const std::vector<std::pair<const char*, std::function<void(TMainForm&)>>> ways{
        {"Open",
         [&](TMainForm& form) {
             Files.Choose(path);
             form.FileCommands->OpenClick();
         }},
        {"Open Recent", [&](TMainForm& form) { form.FileCommands->OpenRecentFile(path); }},
        {"drop", [&](TMainForm& form) { Drop(form, path); }},
    };
    for (const auto& [name, open] : ways) {
        SCOPED_TRACE(name);
        Form.reset();
        Temp.Set("Channel", "99");
        TMainForm& form = Start();
        ASSERT_FALSE(form.MenuPages->MemoryNameBox->isEnabled());
        open(form);
        EXPECT_EQ(form.FileName(), path);
        EXPECT_TRUE(form.MenuPages->MemoryNameBox->isEnabled());
        EXPECT_FALSE(form.Data().Changed);
    }
}

TEST_F(FileCommands, FileOfAnotherModelIsRefusedAndKeepsTheDataSet) {
    StoreConfiguration("PX-A7", "AEB0");
    TMainForm& form = Start();
    form.Data().SetChannel(3, kChannel7);
    const QString folder = Temp.Value("Path");
    Files.Choose(PxA5File(QStringLiteral("club.tvr")));
    Messages.Answer(TMessageAnswer::Ok);
    form.FileCommands->OpenClick();
    EXPECT_EQ(Messages.Texts(),
              QStringList{"The model name selected in this software does not \nmatch applicable "
                          "model name in the data file.\nYou cannot open this file."});
    EXPECT_EQ(form.FileName(), "Untitled");
    EXPECT_EQ(form.Data().GetChannel(3), kChannel7);
    EXPECT_EQ(Temp.Value("Path"), folder);
    EXPECT_EQ(form.windowTitle(), "TAVRIN [PX-A7E]  [Untitled]");
}

TEST_F(FileCommands, DropAsksBeforeReplacingChangedData) {
    StoreConfiguration("PX-A5", "AKF0");
    TMainForm& form = Start();
    const QString path = PxA5File(QStringLiteral("club.tvr"));
    form.Data().SetChannel(3, kChannel7);
    form.Data().Changed = true;
    Messages.Answer(TMessageAnswer::Cancel);
    Drop(form, path);
    EXPECT_EQ(form.Data().GetChannel(3), kChannel7);
    EXPECT_EQ(form.FileName(), "Untitled");

    Messages.Answer(TMessageAnswer::No);
    Drop(form, path);
    EXPECT_EQ(form.Data().GetChannel(3), "");
    EXPECT_EQ(form.Data().GetChannel(7), kChannel7);
    EXPECT_EQ(form.FileName(), path);
    EXPECT_FALSE(form.Data().Changed);
}

TEST_F(FileCommands, DropRefusesOtherExtensionsAndOpensLongPathsWhole) {
    StoreConfiguration("PX-A5", "AKF0");
    TMainForm& form = Start();
    Messages.Answer(TMessageAnswer::Ok);
    Drop(form, PxA5File(QStringLiteral("club.dat")));
    EXPECT_EQ(Messages.Texts(), QStringList{"File Open error."});

    const QString deep = QString(120, QLatin1Char('d')) + "/" + QString(120, QLatin1Char('e'));
    const QString path = PxA5File(deep + QStringLiteral("/club.TVR"));
    ASSERT_GT(path.size(), 255);
    Drop(form, path);
    EXPECT_EQ(form.FileName(), path);
    EXPECT_EQ(form.Data().GetChannel(7), kChannel7);
}

// A FIFO dropped or named on the command line must not freeze the window.
TEST_F(FileCommands, PathsThatAreNoPlainFileAreRefusedWithTheirReason) {
    StoreConfiguration("PX-A5", "AKF0");
    const QString fifo = Folder.filePath(QStringLiteral("fifo\x1b[2J.tvr"));
    ASSERT_TRUE(MakeFifo(fifo));
    Messages.Answer(TMessageAnswer::Ok);
    TMainForm& form = Start({fifo});
    Messages.Answer(TMessageAnswer::Ok);
    Drop(form, fifo);
    ASSERT_EQ(Messages.Shown().size(), 2u);
    for (const TShownMessage& shown : Messages.Shown()) {
        EXPECT_EQ(shown.Text, "File Open error.");
        EXPECT_EQ(shown.Detail,
                  Folder.filePath(QStringLiteral("fifo<0x1B>[2J.tvr: not a regular file")));
    }
    EXPECT_EQ(form.FileName(), "Untitled");
}

// A file cut off half-way, or holding values the transceiver does not take, opens with what
// it holds, unchanged, and a warning naming what is missing and what breaks a rule.
TEST_F(FileCommands, ADamagedFileOpensWithAWarningThatNamesWhatIsWrong) {
    StoreConfiguration("PX-A5", "AKF0");
    const QByteArray whole = ReadFile(PxA5File(QStringLiteral("club.tvr")));
    const QByteArray wrong = QByteArray(whole).replace("0145500000", "0999999999");
    const std::string wrongChannel7 =
        QByteArray(kChannel7).replace("0145500000", "0999999999").toStdString();
    const std::string lacks =
        DamagedFileMessage("the CALL channel, the VFO, the DTMF memories and the menu settings");
    const std::string breaks =
        "The data file holds values the transceiver does not take:\n"
        "channel 07, RxFreq: \"0999999999\" is outside the band 136-174 MHz\n"
        "They have been opened unchanged; mend them in the editors before you write the data to "
        "the transceiver.";
    const struct {
        const char* What;
        QByteArray Bytes;
        std::string Warning;
        std::string Channel7;
    } cases[] = {
        {"cut off", whole.left(whole.indexOf("__CALL DATA__")), lacks, kChannel7},
        {"out of rule", wrong, breaks, wrongChannel7},
        {"both", wrong.left(wrong.indexOf("__CALL DATA__")), lacks + "\n\n" + breaks,
         wrongChannel7},
    };
    TMainForm& form = Start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        const QString path = WriteFile(Folder.filePath(QStringLiteral("damaged.tvr")), c.Bytes);
        Messages.Answer(TMessageAnswer::Ok);
        Drop(form, path);
        ASSERT_FALSE(Messages.Shown().empty());
        EXPECT_EQ(Messages.Shown().back().Style, TMessageStyle::Warning);
        EXPECT_EQ(Messages.Shown().back().Text.toStdString(), c.Warning);
        EXPECT_EQ(Messages.Shown().back().Detail, path);
        EXPECT_EQ(form.FileName(), path);
        EXPECT_EQ(form.Data().GetChannel(7), c.Channel7);
    }
    EXPECT_EQ(Messages.Shown().size(), std::size(cases));
}

// Save asks before it replaces a file that opened damaged, and keeps its bytes first.
TEST_F(FileCommands, SaveAsksBeforeReplacingADamagedFile) {
    StoreConfiguration("PX-A5", "AKF0");
    const QByteArray whole = ReadFile(PxA5File(QStringLiteral("club.tvr")));
    const QString cut = WriteFile(Folder.filePath(QStringLiteral("cut.tvr")),
                                  whole.left(whole.indexOf("__CALL DATA__")));
    Messages.Answer(TMessageAnswer::Ok);
    TMainForm& form = Start({cut});
    const QByteArray damaged = ReadFile(cut);
    Messages.Answer(TMessageAnswer::Cancel);
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Messages.Texts().value(1), "Save replaces the damaged file with what is shown now.");
    EXPECT_EQ(ReadFile(cut), damaged);
    EXPECT_FALSE(QDir(BackupsFolder()).exists());
    Messages.Answer(TMessageAnswer::Ok);
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    const QStringList backups = QDir(BackupsFolder()).entryList(QDir::Files);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(backups[0].endsWith(" PX-A5 damaged.tvr"));
    EXPECT_EQ(ReadFile(QDir(BackupsFolder()).filePath(backups[0])), damaged);
    EXPECT_TRUE(ReadFile(cut).contains("__RADIO MENU__"));
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);  // whole now: no more questions
    EXPECT_EQ(Messages.Shown().size(), 3u);
}

// A file another window or program changed since it was opened is not
// overwritten without a word: Save offers to overwrite it, save elsewhere or cancel.
TEST_F(FileCommands, SaveAsksBeforeReplacingAFileChangedOnDisk) {
    StoreConfiguration("PX-A5", "AKF0");
    const QString path = PxA5File(QStringLiteral("club.tvr"));
    TMainForm& form = Start({path});
    form.Data().SetChannel(7, "");
    const QByteArray theirs = ReadFile(PxA5File(QStringLiteral("club.tvr"), "their comment"));
    const QString elsewhere = Folder.filePath(QStringLiteral("mine.tvr"));
    Messages.Answer(TMessageAnswer::Cancel);
    form.FileCommands->SaveClick();
    EXPECT_EQ(ReadFile(path), theirs);
    Messages.Answer(TMessageAnswer::No);
    Files.Choose(elsewhere);
    form.FileCommands->SaveClick();
    EXPECT_EQ(ReadFile(path), theirs);
    EXPECT_EQ(form.FileName(), elsewhere);
    form.FileCommands->SaveClick();  // saved here since: no question
    ASSERT_EQ(Messages.Shown().size(), 2u);
    EXPECT_EQ(Messages.Shown()[0].Style, TMessageStyle::OverwriteSaveAsCancel);
    EXPECT_EQ(Messages.Shown()[0].Detail, path);

    WriteFile(elsewhere, "changed by a sync tool");
    Messages.Answer(TMessageAnswer::Yes);
    form.FileCommands->SaveClick();
    EXPECT_EQ(Messages.Shown().size(), 3u);
    EXPECT_TRUE(ReadFile(elsewhere).startsWith("HALVERN"));
    EXPECT_FALSE(ReadFile(elsewhere).contains("HOME"));
}

TEST_F(FileCommands, CommandLineOpensTheJoinedPath) {
    StoreConfiguration("PX-A5", "AKF0");
    const QString path = PxA5File(QStringLiteral("club list.tvr"));
    TMainForm& form = Start({Folder.filePath(QStringLiteral("club")), QStringLiteral("list.tvr")});
    EXPECT_EQ(form.FileName(), path);
    EXPECT_EQ(form.Data().GetChannel(7), kChannel7);
    EXPECT_FALSE(form.ToneBurst());
    EXPECT_EQ(Temp.Value("Path"), Folder.path() + "/");
}

TEST_F(FileCommands, MixedCaseToneBurstOptionIsAFileName) {
    StoreConfiguration("PX-A5", "AKF0");
    Messages.Answer(TMessageAnswer::Ok);
    TMainForm& form = Start({QStringLiteral("/Tbf")});
    EXPECT_EQ(Messages.Texts(), QStringList{"File Open error."});
    EXPECT_FALSE(form.ToneBurst());
    EXPECT_EQ(form.Data().GetChannel(207).substr(0, 3), "AL,");
}

TEST_F(FileCommands, JapaneseCommentsTravelInShiftJis) {
    StoreConfiguration("PX-A5", "JJ10");
    TMainForm& form = Start();
    TypeText(form.CommentEdit, QStringLiteral("無線クラブ"));
    const QString path = Folder.filePath(QStringLiteral("jp.tvr"));
    Files.Choose(path);
    ASSERT_TRUE(form.FileCommands->SaveAsClick());
    EXPECT_TRUE(ReadFile(path).contains("\x96\xb3\x90\xfc\x83\x4e\x83\x89\x83\x75"));
    Files.Choose(path);
    form.FileCommands->OpenClick();
    EXPECT_EQ(form.CommentEdit->text(), QStringLiteral("無線クラブ"));
}

TEST_F(FileCommands, SaveThatFailsHalfWayLeavesTheOldFileIntact) {
    StoreConfiguration("RV-310", "MKF");
    Temp.Set("Channel1", "199");
    TMainForm& form = Start();
    const QString path = Folder.filePath(QStringLiteral("club.tvr"));
    Files.Choose(path);
    ASSERT_TRUE(form.FileCommands->SaveAsClick());
    const QByteArray saved = ReadFile(path);
    for (int channel = 0; channel < 200; ++channel) form.Data().SetChannel(channel, kChannel7);

    // The disk fills up: no file may grow beyond a few bytes.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old;
    tiny.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &tiny);
    Messages.Answer(TMessageAnswer::Ok);
    form.FileCommands->SaveClick();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(Messages.Texts(), QStringList{"File Open error."});
    EXPECT_EQ(Messages.Shown()[0].Detail, path + ": File too large");
    EXPECT_EQ(ReadFile(path), saved);
    EXPECT_EQ(QDir(Folder.path()).entryList(QDir::Files), QStringList{"club.tvr"});
}

// Save As through a link to a FIFO would otherwise put the file in the FIFO's place.
TEST_F(FileCommands, SaveAsRefusesWhatIsNotARegularFileAndLeavesItAlone) {
    StoreConfiguration("PX-A5", "AKF0");
    TMainForm& form = Start();
    ASSERT_TRUE(MakeFifo(Folder.filePath(QStringLiteral("fifo"))));
    const QString link = Folder.filePath(QStringLiteral("club.tvr"));
    ASSERT_TRUE(QFile::link(Folder.filePath(QStringLiteral("fifo")), link));
    Files.Choose(link);
    Messages.Answer(TMessageAnswer::Ok);
    EXPECT_FALSE(form.FileCommands->SaveAsClick());
    EXPECT_EQ(Messages.Texts(), QStringList{"File Open error."});
    EXPECT_EQ(Messages.Shown()[0].Detail, link + ": not a regular file");
    EXPECT_EQ(KindOf(Folder.filePath(QStringLiteral("fifo"))), S_IFIFO);
    EXPECT_EQ(form.FileName(), "Untitled");
}

}  // namespace
