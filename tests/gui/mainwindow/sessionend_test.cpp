#include <QDir>
#include <QSignalSpy>
#include <csignal>

#include "core/files/backups.h"
#include "core/files/datafile.h"
#include "core/files/datafolders.h"
#include "gui/mainwindow/sessionend.h"
#include "support/mainformfixture.h"

namespace {

TEST(SessionEndWatcher, TurnsTheEndSignalsIntoOneQtSignalEach) {
    TSessionEndWatcher watcher;
    QSignalSpy ended(&watcher, &TSessionEndWatcher::EndRequested);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        std::raise(signal);
        ASSERT_TRUE(ended.wait(5000)) << "signal " << signal;
        EXPECT_EQ(ended.constLast().at(0).toInt(), signal);
    }
    EXPECT_EQ(ended.count(), 3);
}

class SessionEndTest : public MainFormTest {
protected:
    QStringList Backups() const { return QDir(BackupsFolder()).entryList(QDir::Files); }
};

TEST_F(SessionEndTest, UnsavedChangesAreKeptAsABackupAndTheSettingsWritten) {
    StoreConfiguration("RV-310", "MKF");
    TMainForm& form = Start();
    form.Data().SetChannel(
        5, "005,0146520000,0,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,KEEP");
    form.Data().Changed = true;
    const std::string unsaved = WriteDataFile(form.Data());
    Temp.Set(QStringLiteral("CommPort"), QStringLiteral("stale"));

    const QString note = form.EndSession();

    const QStringList backups = Backups();
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(backups[0].endsWith(QStringLiteral(" RV-310 unsaved.tvr")))
        << backups[0].toStdString();
    // What the terminal is told: where the changes are.
    EXPECT_EQ(note, "unsaved changes kept as " + BackupsFolder() + '/' + backups[0]);
    EXPECT_EQ(LoadDataFileBytes(BackupsFolder() + QLatin1Char('/') + backups[0]), unsaved);
    EXPECT_EQ(Temp.Value(QStringLiteral("CommPort")), QStringLiteral("COM1"));
    // The close that follows does not ask about changes already kept.
    EXPECT_FALSE(form.Data().Changed);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(Messages.Shown().size(), 0u);
}

TEST_F(SessionEndTest, NothingIsBackedUpWithoutChanges) {
    StoreConfiguration("RV-310", "MKF");
    EXPECT_TRUE(Start().EndSession().isEmpty());
    EXPECT_TRUE(Backups().isEmpty());
}

}  // namespace
