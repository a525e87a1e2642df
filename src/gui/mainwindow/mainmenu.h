#pragma once

class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;
class TCsvCommands;
class TEditCommands;
class TFileCommands;
class THelpCommands;
class TModelCommands;
class TPortCommands;
class TRadioCommands;
class TUndoCommands;

// The groups of commands whose actions the menu bar and the toolbar show.
struct TMainCommands {
    TFileCommands& Files;
    TCsvCommands& Csv;
    TUndoCommands& Undo;
    TEditCommands& Edit;
    TRadioCommands& Radio;
    TPortCommands& Ports;
    TModelCommands& Models;
    THelpCommands& Help;
};

// The main window's menus; their items are the commands' actions.
struct TMainMenu {
    QMenu* FileMenu = nullptr;
    QMenu* EditMenu = nullptr;
    QMenu* RadioMenu = nullptr;
    QMenu* ReadMenu = nullptr;
    QMenu* WriteMenu = nullptr;
    QMenu* HelpMenu = nullptr;
};

TMainMenu BuildMainMenu(QMainWindow& window, const TMainCommands& commands);

// The toolbar's buttons; each shows one of the menus' actions.
struct TToolbarButtons {
    QToolButton* NewButton = nullptr;
    QToolButton* OpenButton = nullptr;
    QToolButton* SaveButton = nullptr;
    QToolButton* CutButton = nullptr;
    QToolButton* CopyButton = nullptr;
    QToolButton* PasteButton = nullptr;
    QToolButton* UndoButton = nullptr;
    QToolButton* RedoButton = nullptr;
    QToolButton* ReadButton = nullptr;   // Read > All
    QToolButton* WriteButton = nullptr;  // Write > All
    QToolButton* PrintButton = nullptr;
};

TToolbarButtons BuildToolbar(QToolBar& toolbar, const TMainCommands& commands);
