#pragma once

#include <QObject>

#include "gui/mainwindow/gridpopupmenus.h"

class QAction;
class TChannelGrids;
class TChannelsPageCommands;
class TDocument;
class TUndoCommands;

// The channel commands of the Edit menu, the toolbar and the grids' popup
// menus: Cut, Copy, Paste and Delete, Lock Out, Channel Editor and Memory
// Channel Sort. They act on the grids of the Memory page and on the table of
// the Channels page; their shortcuts stay live on the other pages.
class TEditCommands : public QObject {
    Q_OBJECT
public:
    TEditCommands(TDocument& document, TUndoCommands& undo, TChannelGrids& grids,
                  TChannelsPageCommands& channelsPage, bool formatRegistered, QObject* parent);

    // Enables Cut, Paste and Delete for the page, the grid and the clipboard.
    void UpdateActions();
    // Copy and Channel Editor serve the grids and the table, Memory Channel
    // Sort only the grids; Undo and Redo every page.
    void PageChanged();

    void CutClick();
    void CopyClick();
    void PasteClick();
    void DeleteClick();
    void LockoutClick();
    // The editor of the table's current row, or of the Memory page's current grid.
    void ChannelEditorClick();
    void MemorySortClick();

    QAction* Cut = nullptr;
    QAction* Copy = nullptr;
    QAction* Paste = nullptr;
    QAction* Delete = nullptr;
    QAction* ChannelEditor = nullptr;
    QAction* MemorySort = nullptr;
    TGridPopupMenus Popups;

private:
    void MakeActions();
    void ConnectActions();
    void ConnectPopupMenus();
    void MemoryMenuShown();
    bool OnMemoryPage() const;
    bool OnChannelsPage() const;

    TDocument& Document;
    TUndoCommands& Undo;
    TChannelGrids& Grids;
    TChannelsPageCommands& ChannelsPage;
    const bool FormatRegistered;
};
