// The main window's File commands, and the data files that arrive by drop or command line.
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>

#include "core/files/backups.h"
#include "core/files/datafile.h"
#include "core/files/datafolders.h"
#include "core/files/filebytes.h"
#include "core/files/filereport.h"
#include "core/files/settings.h"
#include "core/radio/writechecks.h"
#include "gui/kit/filedialogs.h"
#include "gui/kit/messagebox.h"
#include "gui/mainwindow/mainform.h"
#include "gui/pages/channelgrids.h"

namespace {

void ShowFileOpenError(QWidget* parent, const QString& detail) {
    ShowMessage(parent, QString::fromLatin1(kFileOpenErrorMessage), TMessageStyle::Error, detail);
}

}  // namespace

bool TMainForm::ConfirmDiscardChanges() {
    if (!StoreCellEdit()) return false;
    if (!RadioData.Changed) return true;
    const TMessageAnswer answer =
        ShowMessage(this,
                    QStringLiteral(QT_TRANSLATE_NOOP(
                        "Messages", "Data has been changed.\nDo you want to save the changes?")),
                    TMessageStyle::YesNoCancelWarning);
    if (answer == TMessageAnswer::Cancel) return false;
    if (answer == TMessageAnswer::No) return true;
    // Going on after a save that did not happen would lose the changes.
    return Save2Click();
}

void TMainForm::New1Click() {
    PageControl1->setFocus();
    if (!ConfirmDiscardChanges()) return;
    SetFileName(kUntitled);
    NoteFileOnDisk({}, false);
    RadioData.ClearRecords();
    RadioData.ApplyDefaultRecords();
    RadioData.ApplyMenuDefaults();
    RadioData.ApplyWeatherAlertDefault();
    Grids->BlankCells();
    RadioData.SetComment({});
    ShowComment();
    RefreshGrids();
    RadioData.Changed = false;
    ResetUndoHistory();
}

// Resets the data set and loads a data file over it. False when the file
// cannot be read or is refused, in which case nothing has changed.
bool TMainForm::LoadDataFile(const QString& path) {
    std::string missing;
    QString reason;
    // Taken before the file is read: a change made while it is read counts as a change.
    const std::optional<TFileStamp> stamp = StampOfFile(path);
    const TDataFileResult result = OpenDataFile(RadioData, path, &missing, &reason);
    if (result != TDataFileResult::Loaded) {
        ShowMessage(this, QString::fromLatin1(DataFileMessage(result)), TMessageStyle::Error,
                    DataFileOpenDetail(path, result, reason));
    } else if (const std::string warning = OpenedFileWarning(RadioData, missing);
               !warning.empty()) {
        ShowMessage(this, QString::fromStdString(warning), TMessageStyle::Warning,
                    VisibleFileName(path));
    }
    if (result != TDataFileResult::Loaded) return false;
    CurrentFileName = path;
    NoteFileOnDisk(path, !missing.empty());
    CurrentFileStamp = stamp;
    UpdateCaption();
    ShowComment();
    SetupGrids();
    ShowMenuPages();
    RefreshGrids();
    return true;
}

void TMainForm::RememberFolder() {
    InitialFolder = SaveFolder(Store, CurrentFileName);
    AddRecentFile(Store, CurrentFileName);
}

// Open and Open Backup: the open dialog in `folder`, then the chosen file
// replaces the data set. False when nothing was opened.
bool TMainForm::OpenFromDialog(const QString& folder) {
    PageControl1->setFocus();
    if (!ConfirmDiscardChanges()) return false;
    const QString chosen = GetOpenDataFileName(this, folder);
    return !chosen.isEmpty() && OpenAfterAsking(chosen);
}

// The file replaces the data set once the changed-data question was answered.
bool TMainForm::OpenAfterAsking(const QString& path) {
    if (!LoadDataFile(path)) return false;
    SaveChannelCount(Store, RadioData);
    RadioData.Changed = false;
    ResetUndoHistory();
    return true;
}

void TMainForm::Open1Click() {
    if (OpenFromDialog(InitialFolder)) RememberFolder();
}

void TMainForm::FillRecentMenu() {
    Menu.OpenRecent->clear();
    const QStringList files = LoadRecentFiles(Store);
    for (int index = 0; index < files.size(); ++index) {
        // The number is the item's key; a file name's own ampersands stay text.
        const QString text = QStringLiteral("&%1 %2").arg(
            QString::number((index + 1) % 10),
            QString(files[index]).replace(QLatin1Char('&'), QStringLiteral("&&")));
        const QString path = files[index];
        connect(Menu.OpenRecent->addAction(text), &QAction::triggered, this,
                [this, path] { OpenRecentFile(path); });
    }
    if (files.isEmpty()) Menu.OpenRecent->addAction(tr("(none)"))->setEnabled(false);
}

void TMainForm::OpenRecentFile(const QString& path) {
    PageControl1->setFocus();
    if (!ConfirmDiscardChanges()) return;
    if (OpenAfterAsking(path)) RememberFolder();
}

// A backup stays as it was made: it opens untitled, so Save asks for a name,
// and the dialogs keep starting in the user's own folder.
void TMainForm::OpenBackupClick() {
    const QString folder = BackupsFolder();
    const bool kept = EnsureFolder(folder);
    const QString start =
        kept ? QDir::toNativeSeparators(folder + QLatin1Char('/')) : InitialFolder;
    if (OpenFromDialog(start)) SetFileName(kUntitled);
}

void TMainForm::HandleCommandLine() {
    if (Arguments.isEmpty()) return;
    const QString& first = Arguments.constFirst();
    if (first == QLatin1String("/tbf") || first == QLatin1String("/TBF")) {
        ToneBurstOption = true;
        return;
    }
    ToneBurstOption = false;
    if (!LoadDataFile(Arguments.join(QLatin1Char(' ')))) return;
    RememberFolder();
    RadioData.Changed = false;
    ResetUndoHistory();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty()) return;
    event->acceptProposedAction();
    OpenDroppedFile(urls.constFirst().toLocalFile());
}

void TMainForm::OpenDroppedFile(const QString& path) {
    if (!HasDataFileExtension(path)) {
        ShowFileOpenError(this, FileDetail(path, QStringLiteral("not a data file name (.tvr)")));
        UpdateCaption();
        return;
    }
    // A drop replaces the data set like Open does, so it asks first as Open does.
    if (!ConfirmDiscardChanges()) return;
    PageControl1->setFocus();
    if (LoadDataFile(path)) {
        UpdateMarketControls();
        RememberFolder();
        RadioData.Changed = false;
        ResetUndoHistory();
    }
    UpdateCaption();
}

// What this window knows of the file it shows: how it is on disk now, and
// whether it opened damaged.
void TMainForm::NoteFileOnDisk(const QString& fileName, bool damaged) {
    CurrentFileStamp = fileName.isEmpty() ? std::nullopt : StampOfFile(fileName);
    DamagedFileName = damaged ? fileName : QString();
}

// A file that opened damaged is replaced only when the user says so, and its
// bytes are kept as a backup first: what the window shows may be far less
// than what the file held.
bool TMainForm::ConfirmReplacingDamagedFile(const QString& fileName) {
    if (DamagedFileName.isEmpty() || !IsSameFile(fileName, DamagedFileName)) return true;
    if (ShowMessage(this,
                    QStringLiteral(QT_TRANSLATE_NOOP(
                        "Messages", "Save replaces the damaged file with what is shown now.")),
                    TMessageStyle::OkCancelWarning,
                    VisibleFileName(fileName)) != TMessageAnswer::Ok) {
        return false;
    }
    QString problem;
    if (BackUpFileBytes(fileName, QString::fromLatin1(RadioData.GetModel()),
                        QStringLiteral("damaged"), problem)
            .isEmpty()) {
        ShowMessage(this,
                    QStringLiteral(QT_TRANSLATE_NOOP(
                        "Messages",
                        "The damaged file cannot be kept as a backup, so it has not been "
                        "replaced.\nPlease save the data under another name.")),
                    TMessageStyle::Error, problem);
        return false;
    }
    return true;
}

bool TMainForm::WriteTo(const QString& fileName) {
    if (!ConfirmReplacingDamagedFile(fileName)) return false;
    QString reason;
    if (!SaveDataFile(RadioData, fileName, &reason)) {
        ShowFileOpenError(this, FileDetail(fileName, reason));
        return false;
    }
    NoteFileOnDisk(fileName, false);
    RadioData.Changed = false;
    UndoHistory.MarkSaved(RadioData);
    UpdateUndoCommands();
    InitialFolder = SaveFolder(Store, fileName);
    AddRecentFile(Store, fileName);
    return true;
}

// Another window, another program or a sync tool wrote the file since this
// window opened or saved it.
bool TMainForm::ChangedOnDiskSinceOpened() const {
    return CurrentFileStamp && StampOfFile(CurrentFileName) != CurrentFileStamp;
}

void TMainForm::Save1Click() {
    if (!StoreCellEdit()) return;
    if (CurrentFileName == kUntitled || !QFileInfo(CurrentFileName).isFile()) {
        Save2Click();
        return;
    }
    if (ChangedOnDiskSinceOpened()) {
        const TMessageAnswer answer = ShowMessage(
            this,
            QStringLiteral(QT_TRANSLATE_NOOP(
                "Messages",
                "The data file has been changed on disk since it was opened or last saved "
                "here.\nDo you want to overwrite it, save the data under another name, or "
                "cancel?")),
            TMessageStyle::OverwriteSaveAsCancel, VisibleFileName(CurrentFileName));
        if (answer == TMessageAnswer::No) Save2Click();
        if (answer != TMessageAnswer::Yes) return;
    }
    WriteTo(CurrentFileName);
}

bool TMainForm::Save2Click() {
    if (!StoreCellEdit()) return false;
    const QString chosen = GetSaveDataFileName(this, InitialFolder, CurrentFileName);
    if (chosen.isEmpty() || !WriteTo(chosen)) return false;
    SetFileName(chosen);
    return true;
}
