// File > Open Backup, Radio > Log Communication and Radio > Write > Verify
// after writing, the notice when a backup or log
// cannot be kept, and the backup of unsaved changes when the session ends.
#include <QAction>
#include <QCoreApplication>
#include <QStatusBar>

#include "core/files/backups.h"
#include "core/files/settings.h"
#include "gui/mainwindow/mainform.h"

namespace {

constexpr int kNoticeMilliseconds = 20000;

}  // namespace

void TMainForm::ConnectKeptFileCommands() {
    connect(Menu.OpenBackup, &QAction::triggered, this, &TMainForm::OpenBackupClick);
    Menu.LogCommunication->setChecked(LoadLogCommunication(Store));
    // Stored at once: a crash later must not forget that the user asked for logs.
    connect(Menu.LogCommunication, &QAction::toggled, this,
            [this](bool on) { SaveLogCommunication(Store, on); });
    Menu.VerifyAfterWriting->setChecked(LoadVerifyAfterWriting(Store));
    connect(Menu.VerifyAfterWriting, &QAction::toggled, this,
            [this](bool on) { SaveVerifyAfterWriting(Store, on); });
}

bool TMainForm::LogCommunication() const {
    return Menu.LogCommunication->isChecked();
}

// Said once a session: a folder that cannot be written stays so, and the
// exchanges go on without it.
void TMainForm::ShowKeptFileProblem(const QString& problem) {
    if (KeptFileProblemShown) return;
    KeptFileProblemShown = true;
    statusBar()->showMessage(problem, kNoticeMilliseconds);
}

// The session is ending (logout, shutdown, a terminal closed) and no question
// can be asked: the settings are written as on closing, and changes not yet
// saved are kept as an "unsaved" backup before the program quits.
void TMainForm::EndSession() {
    SaveSettingsOnClose(Store, RadioData, SelectedPort);
    if (RadioData.Changed) {
        QString problem;
        SaveBackup(RadioData, QStringLiteral("unsaved"), problem);
        RadioData.Changed = false;  // kept: closing must not ask about it again
    }
    QCoreApplication::quit();
}
