// What the window keeps of its exchanges: backups of reads and writes, the
// communication log, and File > Open Backup.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolButton>

#include "core/files/backups.h"
#include "core/files/datafile.h"
#include "core/files/datafolders.h"
#include "core/model/visiblebytes.h"
#include "core/radio/commlog.h"
#include "gui/radio/transferfixture.h"

namespace {

const char kChannel9[] = "09,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,RPT";

QStringList NamesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

QString OnlyFileIn(const QString& folder) {
    const QStringList names = NamesIn(folder);
    EXPECT_EQ(names.size(), 1) << names.join(", ").toStdString();
    return names.isEmpty() ? QString() : QDir(folder).filePath(names.first());
}

std::string DataFileOf(const QString& path, int row) {
    TRadioData opened = TSimulatedRadio::NewMemory(row);
    EXPECT_EQ(OpenDataFile(opened, path), TDataFileResult::Loaded);
    return WriteDataFile(opened);
}

TRadioData RadioWithChannel9() {
    TRadioData memory = TSimulatedRadio::NewMemory(kPxA5Usa);
    memory.SetChannel(9, kChannel9);
    return memory;
}

class KeptFiles : public TransferTest {
protected:
    TMainForm& StartWithoutRadio() {
        const TModelInfo& info = ModelCatalogue()[static_cast<size_t>(kPxA5Usa)];
        StoreConfiguration(info.Model, info.MarketCode);
        return Start();
    }
};

TEST_F(KeptFiles, ACompletedReadLeavesOneBackupOfWhatWasRead) {
    TSimulatedRadio radio(RadioWithChannel9());
    TMainForm& form = StartOn(radio, kPxA5Usa);
    LetExchangeRun();

    form.ToolbarButtons.ReadButton->click();

    ASSERT_EQ(Outcome, TExchangeOutcome::Done);
    const QString backup = OnlyFileIn(BackupsFolder());
    EXPECT_TRUE(backup.endsWith(" PX-A5 read.tvr")) << backup.toStdString();
    EXPECT_EQ(DataFileOf(backup, kPxA5Usa), WriteDataFile(radio.Memory()));
    EXPECT_FALSE(QDir(LogsFolder()).exists());  // no log unless asked for
}

TEST_F(KeptFiles, AReadThatFailsLeavesNoBackup) {
    TSimulatedRadio radio(RadioWithChannel9());
    radio.Silent = true;
    TMainForm& form = StartOn(radio, kPxA5Usa);
    Messages.Answer(TMessageAnswer::Ok);
    LetExchangeRun();

    form.RadioCommands->ReadMemory->trigger();

    EXPECT_EQ(Outcome, TExchangeOutcome::TimedOut);
    EXPECT_EQ(NamesIn(BackupsFolder()), QStringList());
}

// The backup is made once the transceiver has answered who it is, and is on
// disk before it hears the command after that.
TEST_F(KeptFiles, AWriteIsBackedUpOnceTheTransceiverAnswered) {
    TSimulatedRadio radio(TSimulatedRadio::NewMemory(kPxA5Usa));
    TMainForm& form = StartOn(radio, kPxA5Usa);
    form.Data().SetChannel(9, kChannel9);
    std::vector<std::pair<std::string, qsizetype>> backupsAtCommand;
    radio.Replies = [&](const std::string& command) -> std::optional<std::string> {
        backupsAtCommand.emplace_back(command, NamesIn(BackupsFolder()).size());
        return std::nullopt;
    };
    Messages.Answer(TMessageAnswer::Yes);
    LetExchangeRun();

    form.RadioCommands->WriteMemory->trigger();

    EXPECT_EQ(Outcome, TExchangeOutcome::Done);
    const auto id = std::find_if(backupsAtCommand.begin(), backupsAtCommand.end(),
                                 [](const auto& at) { return at.first.rfind("ID", 0) == 0; });
    ASSERT_TRUE(id != backupsAtCommand.end() && id + 1 != backupsAtCommand.end());
    EXPECT_EQ(id->second, 0);
    EXPECT_EQ((id + 1)->second, 1);
    EXPECT_TRUE(OnlyFileIn(BackupsFolder()).endsWith(" PX-A5 write-memory.tvr"));
    EXPECT_EQ(DataFileOf(OnlyFileIn(BackupsFolder()), kPxA5Usa), WriteDataFile(form.Data()));
}

// A folder that cannot be made is told once on the status bar; the exchanges go on.
TEST_F(KeptFiles, AnUnwritableDataFolderDoesNotStopTheRead) {
    QFile blocker(Temp.DataHome());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    TSimulatedRadio radio(RadioWithChannel9());
    TMainForm& form = StartOn(radio, kPxA5Usa);
    LetExchangeRun();

    form.RadioCommands->ReadAll->trigger();

    EXPECT_EQ(Outcome, TExchangeOutcome::Done);
    EXPECT_EQ(WriteDataFile(form.Data()), WriteDataFile(radio.Memory()));
    EXPECT_TRUE(form.statusBar()->currentMessage().contains("cannot be created"));
    EXPECT_EQ(Messages.Texts(), QStringList());
}

TEST_F(KeptFiles, TheLogHoldsEveryCommandAndReplyInOrder) {
    TSimulatedRadio radio(RadioWithChannel9());
    TMainForm& form = StartOn(radio, kPxA5Usa);
    form.RadioCommands->LogCommunication->trigger();
    EXPECT_EQ(Temp.Value("LogCommunication"), "1");
    LetExchangeRun();

    form.RadioCommands->ReadAll->trigger();

    ASSERT_EQ(Outcome, TExchangeOutcome::Done);
    const QString path = OnlyFileIn(LogsFolder());
    EXPECT_TRUE(path.endsWith(" PX-A5 read.log")) << path.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    const QString heading = lines.takeFirst();
    EXPECT_TRUE(heading.contains("read All, PX-A5 on COM1")) << heading.toStdString();
    EXPECT_TRUE(heading.contains(QString::fromStdString(radio.Path()))) << heading.toStdString();
    QStringList sent;
    int received = 0;
    for (const QString& line : lines) {
        const QString entry = line.section("ms  ", 1);
        if (entry.startsWith(">  ")) sent << entry.mid(3);
        if (entry.startsWith("<  ")) ++received;
    }
    QStringList expected;
    for (const std::string& command : radio.Commands) {
        expected << QString::fromStdString(VisibleBytes(command + '\r'));
    }
    EXPECT_EQ(sent, expected);
    EXPECT_GE(received, static_cast<int>(radio.Commands.size()) - 1);
    EXPECT_TRUE(lines.last().endsWith("--  ended: completed"));
}

TEST_F(KeptFiles, LogCommunicationAndVerifyAreRememberedAcrossStarts) {
    Temp.Set("LogCommunication", "1");
    TMainForm& form = StartWithoutRadio();
    EXPECT_TRUE(form.RadioCommands->LogCommunication->isChecked());
    EXPECT_FALSE(form.RadioCommands->VerifyAfterWriting->isChecked());
    form.RadioCommands->LogCommunication->trigger();
    form.RadioCommands->VerifyAfterWriting->trigger();
    EXPECT_EQ(Temp.Value("LogCommunication"), "0");
    EXPECT_EQ(Temp.Value("VerifyAfterWriting"), "1");
}

// A backup opens untitled: Save asks for a name instead of overwriting it.
TEST_F(KeptFiles, OpenBackupStartsInTheBackupsFolderAndOpensUntitled) {
    TMainForm& form = StartWithoutRadio();
    TRadioData data = form.Data();
    data.SetChannel(9, kChannel9);
    QString problem;
    const QString backup = SaveBackup(data, "read", problem);
    ASSERT_FALSE(backup.isEmpty()) << problem.toStdString();
    const std::string backupBytes = WriteDataFile(data);
    Files.Choose(backup);

    form.FileCommands->OpenBackup->trigger();

    ASSERT_EQ(Files.Requests().size(), 1u);
    EXPECT_EQ(Files.Requests()[0].Kind, TFileDialogKind::Open);
    EXPECT_EQ(QDir(Files.Requests()[0].Folder).absolutePath(),
              QDir(BackupsFolder()).absolutePath());
    EXPECT_EQ(form.Data().GetChannel(9), kChannel9);
    EXPECT_EQ(form.FileName(), "Untitled");
    EXPECT_NE(form.DialogFolder(), Files.Requests()[0].Folder);

    Files.Choose(QString());  // the save dialog, cancelled
    form.FileCommands->Save->trigger();
    ASSERT_EQ(Files.Requests().size(), 2u);
    EXPECT_EQ(Files.Requests()[1].Kind, TFileDialogKind::Save);
    QFile file(backup);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), backupBytes);
}

}  // namespace
