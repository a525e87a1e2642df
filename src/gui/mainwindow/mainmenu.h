#pragma once

#include <QList>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;
class QWidget;

// The main window's menu bar, with the items named as the window's handlers know them.
struct TMainMenu {
    QMenu* File1 = nullptr;
    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* OpenBackup = nullptr;  // Open Backup: the open dialog in the Backups folder
    QMenu* OpenRecent = nullptr;    // the last data files opened or saved
    QAction* Save1 = nullptr;
    QAction* Save2 = nullptr;  // Save As
    QAction* Print1 = nullptr;
    QAction* ExportPdf = nullptr;  // Export Listing as PDF
    QAction* ImportCsv = nullptr;  // Import CSV (memory channels)
    QAction* ExportCsv = nullptr;  // Export CSV (memory channels)
    QAction* Exit1 = nullptr;

    QMenu* Edit1 = nullptr;
    QAction* Undo = nullptr;
    QAction* Redo = nullptr;
    QAction* Cut1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* Paste1 = nullptr;
    QAction* Delete1 = nullptr;
    QAction* ChannelEditor = nullptr;  // the current row's or grid's editor
    QAction* MemorySort1 = nullptr;

    QMenu* Radio1 = nullptr;
    QMenu* Read1 = nullptr;
    QAction* ReadAll1 = nullptr;
    QAction* ReadMemory1 = nullptr;
    QAction* ReadMenu1 = nullptr;
    QMenu* Write1 = nullptr;
    QAction* WriteAll1 = nullptr;
    QAction* WriteMemory1 = nullptr;
    QAction* WriteMenu1 = nullptr;
    QAction* VerifyAfterWriting = nullptr;  // checkable: every write is read back and compared
    QMenu* PortSelect1 = nullptr;
    QList<QAction*> ComItems;  // Com11 .. Com201: "Com&1" .. "Com&20"
    QActionGroup* ComGroup = nullptr;
    QAction* Ports = nullptr;             // "Po&rts...": the ports overview
    QAction* LogCommunication = nullptr;  // checkable: every exchange writes a log
    QAction* ChannelDisplay1 = nullptr;
    QAction* MemoryChannelSelect1 = nullptr;
    QAction* ModelSelect1 = nullptr;

    QMenu* Help1 = nullptr;
    QAction* Help2 = nullptr;  // Help Topics
    QAction* About1 = nullptr;
    // Help > Language: the desktop's language, then each language by its own name;
    // an item's data is the language code ("" for the desktop's).
    QMenu* Language = nullptr;
    QActionGroup* LanguageItems = nullptr;
};

TMainMenu BuildMainMenu(QMainWindow& window);

// The grids' popup menus, with the items named as the window's handlers know
// them; captions and help contexts as in the "&Edit" menu.
struct TGridPopupMenus {
    QMenu* PopupMenu1 = nullptr;  // memory grid
    QAction* Cut2 = nullptr;
    QAction* Copy2 = nullptr;
    QAction* Paste2 = nullptr;
    QAction* Delete2 = nullptr;
    QAction* Lockout2 = nullptr;

    QMenu* PopupMenu2 = nullptr;  // VFO and CALL grids
    QAction* Copy3 = nullptr;
    QAction* Paste3 = nullptr;

    QMenu* PopupMenu3 = nullptr;  // DTMF grid
    QAction* Cut4 = nullptr;
    QAction* Copy4 = nullptr;
    QAction* Paste4 = nullptr;
    QAction* Delete4 = nullptr;
};

TGridPopupMenus BuildGridPopupMenus(QWidget& owner);

// The toolbar's speed buttons, numbered as the window knows them.
struct TSpeedButtons {
    QToolButton* SpeedButton1 = nullptr;  // Copy
    QToolButton* SpeedButton2 = nullptr;  // Cut
    QToolButton* SpeedButton3 = nullptr;  // Paste
    QToolButton* SpeedButton4 = nullptr;  // Read
    QToolButton* SpeedButton5 = nullptr;  // Write
    QToolButton* SpeedButton6 = nullptr;  // Open
    QToolButton* SpeedButton7 = nullptr;  // New
    QToolButton* SpeedButton8 = nullptr;  // Save
    QToolButton* SpeedButton9 = nullptr;  // Print
    QToolButton* UndoButton = nullptr;
    QToolButton* RedoButton = nullptr;
};

TSpeedButtons BuildSpeedButtons(QToolBar& toolbar);
