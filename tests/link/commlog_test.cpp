#include "link/commlog.h"

#include <gtest/gtest.h>

#include <termios.h>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "link/exchangerunner.h"
#include "link/kcomm.h"
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
    EXPECT_FALSE(problem.isEmpty());
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
