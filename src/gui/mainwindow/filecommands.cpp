// The main window's File commands, and the data files that arrive by drop or command line.
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>

#include "core/files/datafile.h"
#include "core/files/datafolders.h"
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
    EnsureFolder(folder);
    if (OpenFromDialog(QDir::toNativeSeparators(folder + QLatin1Char('/')))) SetFileName(kUntitled);
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

bool TMainForm::WriteTo(const QString& fileName) {
    QString reason;
    if (!SaveDataFile(RadioData, fileName, &reason)) {
        ShowFileOpenError(this, FileDetail(fileName, reason));
        return false;
    }
    RadioData.Changed = false;
    UndoHistory.MarkSaved(RadioData);
    UpdateUndoCommands();
    InitialFolder = SaveFolder(Store, fileName);
    AddRecentFile(Store, fileName);
    return true;
}

void TMainForm::Save1Click() {
    if (CurrentFileName == kUntitled || !QFileInfo(CurrentFileName).isFile()) {
        Save2Click();
        return;
    }
    WriteTo(CurrentFileName);
}

bool TMainForm::Save2Click() {
    const QString chosen = GetSaveDataFileName(this, InitialFolder, CurrentFileName);
    if (chosen.isEmpty() || !WriteTo(chosen)) return false;
    SetFileName(chosen);
    return true;
}
