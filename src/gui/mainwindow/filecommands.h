#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "core/files/filestamp.h"

class QAction;
class QMenu;
class TDocument;
class TSettingsStore;
class TUndoCommands;

// The File commands: New, Open, Open Backup, Open Recent, Save, Save As,
// Print, Export Listing as PDF and Exit, and the data files that arrive by a
// drop or on the command line. Knows the file the document was opened from or
// saved to as it was on disk then, and the folder the file dialogs start in.
class TFileCommands : public QObject {
    Q_OBJECT
public:
    TFileCommands(TDocument& document, TUndoCommands& undo, TSettingsStore& store, QObject* parent);

    // File > Open Recent, as a submenu of the File menu.
    void AddRecentMenu(QMenu& fileMenu);

    // The changed-data question before the data set is replaced: false when the
    // command must be abandoned (Cancel, or a save that did not happen).
    bool ConfirmDiscardChanges();

    void NewClick();
    void OpenClick();
    void OpenBackupClick();
    void FillRecentMenu();
    void OpenRecentFile(const QString& path);
    void SaveClick();
    // False when nothing was saved.
    bool SaveAsClick();
    void PrintClick();
    void ExportPdfClick();
    void ExitClick();
    // The first file of a drop on the window.
    void OpenDroppedFile(const QString& path);
    // The data file named on the command line; the data set is still untouched.
    void OpenStartFile(const QString& path);

    const QString& DialogFolder() const { return Folder; }
    void SetDialogFolder(const QString& folder) { Folder = folder; }

    QAction* New = nullptr;
    QAction* Open = nullptr;
    QAction* OpenBackup = nullptr;  // the open dialog in the Backups folder
    QMenu* RecentMenu = nullptr;    // the last data files opened or saved
    QAction* Save = nullptr;
    QAction* SaveAs = nullptr;
    QAction* Print = nullptr;
    QAction* ExportPdf = nullptr;
    QAction* Exit = nullptr;

private:
    void ConnectActions();
    bool LoadDataFile(const QString& path);
    bool OpenFromDialog(const QString& folder);
    bool OpenAfterAsking(const QString& path);
    void RememberFolder();
    bool WriteTo(const QString& fileName);
    bool ConfirmReplacingDamagedFile(const QString& fileName);
    bool ChangedOnDiskSinceOpened() const;
    void NoteFileOnDisk(const QString& fileName, bool damaged);

    TDocument& Document;
    TUndoCommands& Undo;
    TSettingsStore& Store;
    QString Folder;
    // The data file as this window last opened or saved it: when it is not so
    // on disk any more, Save asks before it replaces what someone else wrote.
    std::optional<TFileStamp> FileStamp;
    // A file that opened with the damaged-file warning: the first save over it
    // asks, and keeps the file's bytes as a backup first.
    QString DamagedFileName;
};
