#include "gui/mainwindow/filecommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QWidget>

#include "core/files/backups.h"
#include "core/files/datafile.h"
#include "core/files/datafolders.h"
#include "core/files/filebytes.h"
#include "core/files/filereport.h"
#include "core/files/settings.h"
#include "core/radio/writechecks.h"
#include "gui/kit/filedialogs.h"
#include "gui/kit/messagebox.h"
#include "gui/mainwindow/commandactions.h"
#include "gui/mainwindow/document.h"
#include "gui/mainwindow/undocommands.h"
#include "gui/pages/printing.h"

namespace {

void ShowFileOpenError(QWidget* parent, const QString& detail) {
    ShowMessage(parent, QString::fromLatin1(kFileOpenErrorMessage), TMessageStyle::Error, detail);
}

}  // namespace

TFileCommands::TFileCommands(TDocument& document, TUndoCommands& undo, TSettingsStore& store,
                             QObject* parent)
    : QObject(parent), Document(document), Undo(undo), Store(store) {
    New = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&New"), 5,
                     QKeySequence(QStringLiteral("Ctrl+N")));
    Open = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&Open..."), 10,
                      QKeySequence(QStringLiteral("Ctrl+O")));
    OpenBackup = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "Open &Backup..."), 10);
    Save = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&Save"), 15,
                      QKeySequence(QStringLiteral("Ctrl+S")));
    SaveAs = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "Save &As..."), 20);
    Print = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&Print..."), 25,
                       QKeySequence(QStringLiteral("Ctrl+P")));
    ExportPdf = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "Export Listing as PDF..."), 25);
    Exit = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "E&xit"), 30,
                      QKeySequence(QStringLiteral("Ctrl+Q")));
    ConnectActions();
}

void TFileCommands::ConnectActions() {
    connect(New, &QAction::triggered, this, &TFileCommands::NewClick);
    connect(Open, &QAction::triggered, this, &TFileCommands::OpenClick);
    connect(OpenBackup, &QAction::triggered, this, &TFileCommands::OpenBackupClick);
    connect(Save, &QAction::triggered, this, &TFileCommands::SaveClick);
    connect(SaveAs, &QAction::triggered, this, &TFileCommands::SaveAsClick);
    connect(Print, &QAction::triggered, this, &TFileCommands::PrintClick);
    connect(ExportPdf, &QAction::triggered, this, &TFileCommands::ExportPdfClick);
    connect(Exit, &QAction::triggered, this, &TFileCommands::ExitClick);
}

void TFileCommands::AddRecentMenu(QMenu& fileMenu) {
    RecentMenu = fileMenu.addMenu(MenuText(QT_TRANSLATE_NOOP("MainMenu", "Open &Recent")));
    connect(RecentMenu, &QMenu::aboutToShow, this, &TFileCommands::FillRecentMenu);
}

bool TFileCommands::ConfirmDiscardChanges() {
    if (!Document.StoreCellEdit()) return false;
    if (!Document.Data().Changed) return true;
    const TMessageAnswer answer =
        ShowMessage(Document.Window(),
                    QStringLiteral(QT_TRANSLATE_NOOP(
                        "Messages", "Data has been changed.\nDo you want to save the changes?")),
                    TMessageStyle::YesNoCancelWarning);
    if (answer == TMessageAnswer::Cancel) return false;
    if (answer == TMessageAnswer::No) return true;
    // Going on after a save that did not happen would lose the changes.
    return SaveAsClick();
}

void TFileCommands::NewClick() {
    Document.ParkFocus();
    if (!ConfirmDiscardChanges()) return;
    Document.SetFileName(kUntitled);
    NoteFileOnDisk({}, false);
    TRadioData& data = Document.Data();
    data.ClearRecords();
    data.ApplyDefaultRecords();
    data.ApplyMenuDefaults();
    data.ApplyWeatherAlertDefault();
    data.SetComment({});
    Document.ShowDataSet(TDataSetShown::Renewed);
    data.Changed = false;
    Undo.Reset();
}

// Resets the data set and loads a data file over it. False when the file
// cannot be read or is refused, in which case nothing has changed.
bool TFileCommands::LoadDataFile(const QString& path) {
    std::string missing;
    QString reason;
    // Taken before the file is read: a change made while it is read counts as a change.
    const std::optional<TFileStamp> stamp = StampOfFile(path);
    TRadioData& data = Document.Data();
    const TDataFileResult result = OpenDataFile(data, path, &missing, &reason);
    if (result != TDataFileResult::Loaded) {
        ShowMessage(Document.Window(), QString::fromLatin1(DataFileMessage(result)),
                    TMessageStyle::Error, DataFileOpenDetail(path, result, reason));
        return false;
    }
    if (const std::string warning = OpenedFileWarning(data, missing); !warning.empty()) {
        ShowMessage(Document.Window(), QString::fromStdString(warning), TMessageStyle::Warning,
                    VisibleFileName(path));
    }
    Document.SetFileName(path);
    NoteFileOnDisk(path, !missing.empty());
    FileStamp = stamp;
    Document.ShowDataSet(TDataSetShown::Opened);
    return true;
}

void TFileCommands::RememberFolder() {
    Folder = SaveFolder(Store, Document.FileName());
    AddRecentFile(Store, Document.FileName());
}

// Open and Open Backup: the open dialog in `folder`, then the chosen file
// replaces the data set. False when nothing was opened.
bool TFileCommands::OpenFromDialog(const QString& folder) {
    Document.ParkFocus();
    if (!ConfirmDiscardChanges()) return false;
    const QString chosen = GetOpenDataFileName(Document.Window(), folder);
    return !chosen.isEmpty() && OpenAfterAsking(chosen);
}

// The file replaces the data set once the changed-data question was answered.
bool TFileCommands::OpenAfterAsking(const QString& path) {
    if (!LoadDataFile(path)) return false;
    SaveChannelCount(Store, Document.Data());
    Document.Data().Changed = false;
    Undo.Reset();
    return true;
}

void TFileCommands::OpenClick() {
    if (OpenFromDialog(Folder)) RememberFolder();
}

void TFileCommands::FillRecentMenu() {
    RecentMenu->clear();
    const QStringList files = LoadRecentFiles(Store);
    for (int index = 0; index < files.size(); ++index) {
        // The number is the item's key; a file name's own ampersands stay text.
        const QString text = QStringLiteral("&%1 %2").arg(
            QString::number((index + 1) % 10),
            QString(files[index]).replace(QLatin1Char('&'), QStringLiteral("&&")));
        const QString path = files[index];
        connect(RecentMenu->addAction(text), &QAction::triggered, this,
                [this, path] { OpenRecentFile(path); });
    }
    // The window's own words keep the window's translation context.
    if (files.isEmpty()) {
        RecentMenu->addAction(QCoreApplication::translate("TMainForm", "(none)"))
            ->setEnabled(false);
    }
    RecentMenu->addSeparator();
    QAction* clear = RecentMenu->addAction(QCoreApplication::translate("TMainForm", "&Clear Menu"));
    clear->setEnabled(!files.isEmpty());
    connect(clear, &QAction::triggered, this, [this] { ClearRecentFiles(Store); });
}

void TFileCommands::OpenRecentFile(const QString& path) {
    Document.ParkFocus();
    if (!Document.StoreCellEdit()) return;
    // A file moved or deleted since leaves the list, and the data set stays as it is.
    if (!QFileInfo::exists(path)) {
        RemoveRecentFile(Store, path);
        ShowMessage(Document.Window(),
                    QCoreApplication::translate("Messages",
                                                "This data file no longer exists. It has been "
                                                "removed from Open Recent.") +
                        QStringLiteral("\n\n") + VisibleFileName(path),
                    TMessageStyle::Warning);
        return;
    }
    if (!ConfirmDiscardChanges()) return;
    if (OpenAfterAsking(path)) RememberFolder();
}

// A backup stays as it was made: it opens untitled, so Save asks for a name,
// and the dialogs keep starting in the user's own folder.
void TFileCommands::OpenBackupClick() {
    const QString folder = BackupsFolder();
    const bool kept = EnsureFolder(folder);
    const QString start = kept ? QDir::toNativeSeparators(folder + QLatin1Char('/')) : Folder;
    if (!OpenFromDialog(start)) return;
    Document.SetFileName(kUntitled);
    Undo.Reset();  // Undo never gives the data the backup's name
}

void TFileCommands::OpenStartFile(const QString& path) {
    if (!LoadDataFile(path)) return;
    RememberFolder();
    Document.Data().Changed = false;
    Undo.Reset();
}

void TFileCommands::OpenDroppedFile(const QString& path) {
    if (!HasDataFileExtension(path)) {
        ShowFileOpenError(Document.Window(),
                          FileDetail(path, QStringLiteral("not a data file name (.tvr)")));
        return;
    }
    // A drop replaces the data set like Open does, so it asks first as Open does.
    if (!ConfirmDiscardChanges()) return;
    Document.ParkFocus();
    if (!LoadDataFile(path)) return;
    RememberFolder();
    Document.Data().Changed = false;
    Undo.Reset();
}

// What this window knows of the file it shows: how it is on disk now, and
// whether it opened damaged.
void TFileCommands::NoteFileOnDisk(const QString& fileName, bool damaged) {
    FileStamp = fileName.isEmpty() ? std::nullopt : StampOfFile(fileName);
    DamagedFileName = damaged ? fileName : QString();
}

// A file that opened damaged is replaced only when the user says so, and its
// bytes are kept as a backup first: what the window shows may be far less
// than what the file held.
bool TFileCommands::ConfirmReplacingDamagedFile(const QString& fileName) {
    if (DamagedFileName.isEmpty() || !IsSameFile(fileName, DamagedFileName)) return true;
    if (ShowMessage(Document.Window(),
                    QStringLiteral(QT_TRANSLATE_NOOP(
                        "Messages", "Save replaces the damaged file with what is shown now.")),
                    TMessageStyle::OkCancelWarning,
                    VisibleFileName(fileName)) != TMessageAnswer::Ok) {
        return false;
    }
    QString problem;
    if (BackUpFileBytes(fileName, QString::fromLatin1(Document.Data().GetModel()),
                        QStringLiteral("damaged"), problem)
            .isEmpty()) {
        ShowMessage(Document.Window(),
                    QStringLiteral(QT_TRANSLATE_NOOP(
                        "Messages",
                        "The damaged file cannot be kept as a backup, so it has not been "
                        "replaced.\nPlease save the data under another name.")),
                    TMessageStyle::Error, problem);
        return false;
    }
    return true;
}

bool TFileCommands::WriteTo(const QString& fileName) {
    if (!ConfirmReplacingDamagedFile(fileName)) return false;
    QString reason;
    if (!SaveDataFile(Document.Data(), fileName, &reason)) {
        ShowFileOpenError(Document.Window(), FileDetail(fileName, reason));
        return false;
    }
    NoteFileOnDisk(fileName, false);
    Document.Data().Changed = false;
    Undo.MarkSaved(fileName);
    Folder = SaveFolder(Store, fileName);
    AddRecentFile(Store, fileName);
    return true;
}

// Another window, another program or a sync tool wrote the file since this
// window opened or saved it.
bool TFileCommands::ChangedOnDiskSinceOpened() const {
    return FileStamp && StampOfFile(Document.FileName()) != FileStamp;
}

void TFileCommands::SaveClick() {
    if (!Document.StoreCellEdit()) return;
    const QString fileName = Document.FileName();
    if (fileName == kUntitled || !QFileInfo(fileName).isFile()) {
        SaveAsClick();
        return;
    }
    if (ChangedOnDiskSinceOpened()) {
        const TMessageAnswer answer = ShowMessage(
            Document.Window(),
            QStringLiteral(QT_TRANSLATE_NOOP(
                "Messages",
                "The data file has been changed on disk since it was opened or last saved "
                "here.\nDo you want to overwrite it, save the data under another name, or "
                "cancel?")),
            TMessageStyle::OverwriteSaveAsCancel, VisibleFileName(fileName));
        if (answer == TMessageAnswer::No) SaveAsClick();
        if (answer != TMessageAnswer::Yes) return;
    }
    WriteTo(fileName);
}

bool TFileCommands::SaveAsClick() {
    if (!Document.StoreCellEdit()) return false;
    const QString chosen = GetSaveDataFileName(Document.Window(), Folder, Document.FileName());
    if (chosen.isEmpty() || !WriteTo(chosen)) return false;
    Document.SetFileName(chosen);
    return true;
}

// What is printed includes the cell being edited on the Channels page.
void TFileCommands::PrintClick() {
    if (Document.StoreCellEdit()) PrintDataSet(Document);
}

void TFileCommands::ExportPdfClick() {
    if (Document.StoreCellEdit()) ExportListingPdf(Document);
}

void TFileCommands::ExitClick() {
    Document.Window()->close();
}
