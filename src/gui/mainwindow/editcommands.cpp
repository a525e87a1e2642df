#include "gui/mainwindow/editcommands.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <initializer_list>

#include "core/model/channelclipboard.h"
#include "core/model/radiodata.h"
#include "gui/kit/clipboardaccess.h"
#include "gui/kit/messagebox.h"
#include "gui/mainwindow/channelspagecommands.h"
#include "gui/mainwindow/commandactions.h"
#include "gui/mainwindow/document.h"
#include "gui/mainwindow/undocommands.h"
#include "gui/pages/channelgrids.h"
#include "gui/pages/sortform.h"

static_assert(static_cast<int>(TClipGrid::Memory) == TChannelGrids::kMemoryGrid);
static_assert(static_cast<int>(TClipGrid::Vfo) == TChannelGrids::kVfoGrid);
static_assert(static_cast<int>(TClipGrid::Call) == TChannelGrids::kCallGrid);
static_assert(static_cast<int>(TClipGrid::Dtmf) == TChannelGrids::kDtmfGrid);

namespace {

// The row a command acts on: the VFO and CALL grids have only the one.
bool HasTargetRow(TClipGrid grid, int row) {
    if (grid == TClipGrid::Vfo || grid == TClipGrid::Call) return true;
    return grid != TClipGrid::None && row > 0;
}

void ShowInvalidFunction(QWidget* parent) {
    ShowMessage(parent, QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Invalid function.")),
                TMessageStyle::Information);
}

void EnableAll(std::initializer_list<QAction*> items, bool enabled) {
    for (QAction* item : items) item->setEnabled(enabled);
}

void ConnectAll(std::initializer_list<QAction*> items, TEditCommands* commands,
                void (TEditCommands::*click)()) {
    for (QAction* item : items) QObject::connect(item, &QAction::triggered, commands, click);
}

}  // namespace

TEditCommands::TEditCommands(TDocument& document, TUndoCommands& undo, TChannelGrids& grids,
                             TChannelsPageCommands& channelsPage, bool formatRegistered,
                             QObject* parent)
    : QObject(parent),
      Document(document),
      Undo(undo),
      Grids(grids),
      ChannelsPage(channelsPage),
      FormatRegistered(formatRegistered) {
    Document.Data().SetClipRecord({});
    MakeActions();
    Popups = BuildGridPopupMenus(*Document.Window(), this);
    ConnectPopupMenus();
    ConnectActions();
}

void TEditCommands::MakeActions() {
    Cut = MakeEditAction(this, kCutItem, true);
    Copy = MakeEditAction(this, kCopyItem, true);
    Paste = MakeEditAction(this, kPasteItem, true);
    Delete = MakeEditAction(this, kDeleteItem, true);
    // The Delete key alone as well; in a text box it stays the box's own.
    Delete->setShortcuts({Delete->shortcut(), QKeySequence(Qt::Key_Delete)});
    ChannelEditor = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "Channel &Editor..."), 105,
                               QKeySequence(QStringLiteral("Ctrl+E")));
    MemorySort = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "Memory Channel &Sort..."), 60);
}

void TEditCommands::ConnectPopupMenus() {
    Grids.SetPopupMenu(TChannelGrids::kMemoryGrid, Popups.MemoryMenu);
    Grids.SetPopupMenu(TChannelGrids::kVfoGrid, Popups.VfoCallMenu);
    Grids.SetPopupMenu(TChannelGrids::kCallGrid, Popups.VfoCallMenu);
    Grids.SetPopupMenu(TChannelGrids::kDtmfGrid, Popups.DtmfMenu);
    connect(Popups.MemoryMenu, &QMenu::aboutToShow, this, &TEditCommands::MemoryMenuShown);
}

void TEditCommands::ConnectActions() {
    ConnectAll({Cut, Popups.MemoryCut, Popups.DtmfCut}, this, &TEditCommands::CutClick);
    ConnectAll({Copy, Popups.MemoryCopy, Popups.VfoCallCopy, Popups.DtmfCopy}, this,
               &TEditCommands::CopyClick);
    ConnectAll({Paste, Popups.MemoryPaste, Popups.VfoCallPaste, Popups.DtmfPaste}, this,
               &TEditCommands::PasteClick);
    ConnectAll({Delete, Popups.MemoryDelete, Popups.DtmfDelete}, this, &TEditCommands::DeleteClick);
    ConnectAll({Popups.MemoryLockout}, this, &TEditCommands::LockoutClick);
    ConnectAll({ChannelEditor}, this, &TEditCommands::ChannelEditorClick);
    ConnectAll({MemorySort}, this, &TEditCommands::MemorySortClick);
    connect(&Grids, &TChannelGrids::GridEntered, this, &TEditCommands::UpdateActions);
    connect(&ChannelsPage, &TChannelsPageCommands::ClipboardChanged, this,
            &TEditCommands::UpdateActions);
    // Another program may have changed the clipboard while this one was in the background.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive) UpdateActions();
            });
}

bool TEditCommands::OnMemoryPage() const {
    return Document.ShownPage() == TShownPage::Memory;
}

bool TEditCommands::OnChannelsPage() const {
    return Document.ShownPage() == TShownPage::Channels;
}

void TEditCommands::UpdateActions() {
    TRadioData& data = Document.Data();
    if (const std::optional<std::string> text = ReadClipboardRecord()) data.SetClipRecord(*text);
    const int grid = Grids.CurrentGrid;
    // The table's rows take every command; Paste does nothing where nothing suits.
    const TEditCommandState state =
        OnChannelsPage() ? TEditCommandState{true, true}
                         : EditCommandStateOf(data, static_cast<TClipGrid>(grid),
                                              Grids.SelectedRow(grid), OnMemoryPage());
    EnableAll({Paste, Popups.MemoryPaste, Popups.VfoCallPaste, Popups.DtmfPaste}, state.Paste);
    EnableAll(
        {Cut, Popups.MemoryCut, Popups.DtmfCut, Delete, Popups.MemoryDelete, Popups.DtmfDelete},
        state.CutDelete);
}

void TEditCommands::PageChanged() {
    const bool channelPage = OnMemoryPage() || OnChannelsPage();
    Copy->setEnabled(channelPage);
    ChannelEditor->setEnabled(channelPage);
    MemorySort->setEnabled(OnMemoryPage());
    UpdateActions();
}

// The commands act on the grids only while they are shown.
void TEditCommands::CopyClick() {
    if (OnChannelsPage()) {
        ChannelsPage.CopyRows();
        return;
    }
    if (!OnMemoryPage()) return;
    const auto grid = static_cast<TClipGrid>(Grids.CurrentGrid);
    const int row = Grids.SelectedRow(Grids.CurrentGrid);
    if (!HasTargetRow(grid, row)) return;
    WriteClipboardRecord(RecordOfRow(Document.Data(), grid, row), FormatRegistered);
    UpdateActions();
}

void TEditCommands::CutClick() {
    if (OnChannelsPage()) {
        ChannelsPage.CutRows();
        return;
    }
    if (!OnMemoryPage()) return;
    const auto grid = static_cast<TClipGrid>(Grids.CurrentGrid);
    const int row = Grids.SelectedRow(Grids.CurrentGrid);
    if (!CutDeleteAllowed(grid)) {
        ShowInvalidFunction(Document.Window());
        return;
    }
    if (!HasTargetRow(grid, row)) return;
    WriteClipboardRecord(CutRow(Document.Data(), grid, row), FormatRegistered);
    UpdateActions();
    Document.RefreshGrids();
    Undo.RecordStep();
}

void TEditCommands::DeleteClick() {
    if (OnChannelsPage()) {
        ChannelsPage.DeleteRows();
        return;
    }
    if (!OnMemoryPage()) return;
    const auto grid = static_cast<TClipGrid>(Grids.CurrentGrid);
    if (!CutDeleteAllowed(grid)) {
        ShowInvalidFunction(Document.Window());
        return;
    }
    if (DeleteRow(Document.Data(), grid, Grids.SelectedRow(Grids.CurrentGrid))) {
        Document.RefreshGrids();
    }
    Undo.RecordStep();
}

void TEditCommands::PasteClick() {
    if (OnChannelsPage()) {
        ChannelsPage.PasteRowsClick();
        return;
    }
    if (!OnMemoryPage()) return;
    const auto grid = static_cast<TClipGrid>(Grids.CurrentGrid);
    if (PasteIntoRow(Document.Data(), grid, Grids.SelectedRow(Grids.CurrentGrid))) {
        Document.RefreshGrids();
    }
    Undo.RecordStep();
}

void TEditCommands::MemoryMenuShown() {
    Popups.MemoryLockout->setEnabled(
        LockOutAllowed(Document.Data(), Grids.SelectedRow(TChannelGrids::kMemoryGrid)));
}

void TEditCommands::LockoutClick() {
    if (!OnMemoryPage()) return;
    if (ToggleLockout(Document.Data(), Grids.SelectedRow(TChannelGrids::kMemoryGrid))) {
        Document.RefreshGrids();
    }
    Undo.RecordStep();
}

void TEditCommands::ChannelEditorClick() {
    if (OnChannelsPage()) {
        ChannelsPage.OpenChannelEditor();
    } else if (OnMemoryPage()) {
        Document.OpenEditor(Grids.CurrentGrid == TChannelGrids::kNoGrid ? TChannelGrids::kMemoryGrid
                                                                        : Grids.CurrentGrid);
    }
}

void TEditCommands::MemorySortClick() {
    OpenSortForm(Document);
    Undo.RecordStep();
}
