#include "core/radio/commlog.h"

#include <gtest/gtest.h>

#include <termios.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "core/files/datafolders.h"
#include "core/files/keptfiles.h"
#include "core/model/visiblebytes.h"
#include "core/radio/exchangerunner.h"
#include "core/radio/kcomm.h"
#include "core/radio/transferrecords.h"
#include "support/filetraps.h"
#include "support/pseudoterminal.h"
#include "support/tempsettings.h"

namespace {

// The log's lines after its heading, without their time stamps.
QStringList EntriesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    if (!lines.isEmpty()) lines.removeFirst();
    static const QRegularExpression stamp(QStringLiteral(R"(^\+ *\d+\.\d{3} ms  )"));
    for (QString& line : lines) {
        EXPECT_TRUE(stamp.match(line).hasMatch()) << line.toStdString();
        line.remove(stamp);
    }
    return lines;
}

class CommLog : public ::testing::Test {
protected:
    std::unique_ptr<TCommLog> Create() {
        TCommLogHeading heading;
        heading.Exchange = "read All";
        heading.Model = "RV-310";
        heading.Port = "/dev/ttyUSB0";
        heading.Started = QDateTime(QDate(2026, 12, 7), QTime(11, 30, 5));
        QString problem;
        std::unique_ptr<TCommLog> log = TCommLog::Create(Path(), heading, problem);
        EXPECT_EQ(problem, "");
        return log;
    }
    QString Path() const { return Folder.filePath("exchange.log"); }
    QTemporaryDir Folder;
};

TEST_F(CommLog, ShowsControlCharactersAndBytesOutsideAscii) {
    EXPECT_EQ(VisibleBytes("ID\r"), "ID<CR>");
    EXPECT_EQ(VisibleBytes(std::string("a\nb\x11\x13\x1b\t\x7f\xe9", 9)),
              "a<LF>b<XON><XOFF><0x1B><TAB><0x7F><0xE9>");
    EXPECT_EQ(VisibleBytes(std::string("\0", 1)), "<0x00>");
}

TEST_F(CommLog, StartsWithWhatTheExchangeIs) {
    Create();
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readLine()).trimmed(),
              QStringLiteral("TAVRIN 3.11 communication log \u2014 read All, RV-310 on "
                             "/dev/ttyUSB0 \u2014 started 2026-12-07 11:30:05"));
}

TEST_F(CommLog, BreaksLinesAtCarriageReturnsAndDirectionChanges) {
    auto log = Create();
    log->Sent("ID\r");
    log->Received("ID RV");  // a reply in pieces is one line
    log->Received("-310\rOK");
    log->Sent("MR 001\rMR 002\r");
    log->Discarded("junk\r");
    log->Note("ended: completed");
    log->Received("late");
    log.reset();  // the unfinished line is not lost
    EXPECT_EQ(
        EntriesOf(Path()),
        (QStringList{">  ID<CR>", "<  ID RV-310<CR>", "<  OK", ">  MR 001<CR>", ">  MR 002<CR>",
                     "<  junk<CR>  (discarded)", "--  ended: completed", "<  late"}));
}

TEST_F(CommLog, EveryFinishedLineIsOnDiskAtOnce) {
    auto log = Create();
    log->Sent("ID\r");
    EXPECT_EQ(EntriesOf(Path()), QStringList{">  ID<CR>"});
}

TEST_F(CommLog, AFileThatCannotBeWrittenIsReported) {
    QString problem;
    EXPECT_EQ(TCommLog::Create(Folder.filePath("missing/x.log"), {}, problem), nullptr);
    EXPECT_TRUE(problem.endsWith(": No such file or directory")) << problem.toStdString();
    // A FIFO nobody reads is refused at once instead of waited on.
    ASSERT_TRUE(MakeFifo(Folder.filePath("fifo.log")));
    EXPECT_EQ(TCommLog::Create(Folder.filePath("fifo.log"), {}, problem), nullptr);
    EXPECT_TRUE(problem.endsWith(": No such device or address")) << problem.toStdString();
}

// Links planted at every name a log of this second could take point outside
// the folder; the log takes a free name and nothing outside is written.
TEST_F(CommLog, ALogInTheLogsFolderNeverFollowsAPlantedLink) {
    TTempSettings settings;
    QDir().mkpath(LogsFolder());
    const QDateTime now = QDateTime::currentDateTime();
    for (const QDateTime& when : {now, now.addSecs(1), now.addSecs(2)}) {
        QFile::link(Folder.filePath("outside.log"),
                    FreeKeptFilePath(LogsFolder(), "RV-310", "read", when, "log"));
    }
    QString problem;
    auto log =
        OpenExchangeLog({TExchangeKind::Read, TTransferScope::All, "RV-310", "COM1"}, problem);
    ASSERT_NE(log, nullptr) << problem.toStdString();
    log->Sent("ID\r");
    EXPECT_FALSE(QFileInfo(log->Path()).isSymLink());
    EXPECT_TRUE(QFileInfo(log->Path()).fileName().contains(".2 RV-310 read.log"))
        << log->Path().toStdString();
    EXPECT_FALSE(QFileInfo::exists(Folder.filePath("outside.log")));
}

// A megabyte of carriage returns would make some 25 MB of lines.
TEST_F(CommLog, StopsAtItsCapWithOneNoteAndKeepsTheEnding) {
    const struct {
        const char* Name;
        std::string Noise;
    } cases[] = {
        {"carriage returns", std::string(1 << 20, '\r')},
        {"one endless line", std::string(1 << 20, '\x1b')},
    };
    for (const auto& c : cases) {
        auto log = Create();
        log->Sent("ID\r");
        for (int piece = 0; piece < 4; ++piece) log->Received(c.Noise);
        log->Sent("ID\r");
        log->Discarded(c.Noise);
        log->Note("ended: completed");
        log.reset();
        EXPECT_LE(QFileInfo(Path()).size(), kCommLogCap + 200) << c.Name;
        const QStringList entries = EntriesOf(Path());
        ASSERT_GE(entries.size(), 3) << c.Name;
        EXPECT_EQ(entries.first(), ">  ID<CR>") << c.Name;
        EXPECT_EQ(entries.filter("log cap").size(), 1) << c.Name;
        EXPECT_EQ(entries.mid(entries.size() - 2),
                  (QStringList{QStringLiteral("--  ") + kCommLogCapNote, "--  ended: completed"}))
            << c.Name;
    }
}

// The port records what really passes: written bytes, read bytes and the
// bytes it throws away unread.
TEST_F(CommLog, ThePortRecordsEveryByteBothWays) {
    TTempSettings settings;
    TPseudoTerminal line;
    TKComm comm;
    ConfigureRadioLine(comm);
    comm.SetDeviceName(line.Path());
    comm.OpenCommport();
    comm.AttachLog(Create());
    comm.WriteStringData("ID\r");
    line.Send("ID RV-310\r");
    EXPECT_EQ(comm.ReadStringData(10), "ID RV-310\r");
    QSignalSpy arrived(&comm, &TKComm::OnCommEvent);
    line.Send("XX\r");
    ASSERT_TRUE(arrived.wait(5000));
    comm.ClearInBuff();
    comm.AttachLog(nullptr);
    comm.WriteStringData("AI\r");  // no log any more
    comm.CloseCommport();
    EXPECT_EQ(EntriesOf(Path()),
              (QStringList{">  ID<CR>", "<  ID RV-310<CR>", "<  XX<CR>  (discarded)"}));
}

}  // namespace
