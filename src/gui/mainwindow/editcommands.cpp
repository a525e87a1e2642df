// The main window's channel clipboard commands: Cut, Copy, Paste, Delete and
// Lock Out from the "&Edit" menu, the tool buttons and the grids' popup menus.
#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>
#include <initializer_list>

#include "core/model/channelclipboard.h"
#include "gui/kit/clipboardaccess.h"
#include "gui/kit/messagebox.h"
#include "gui/mainwindow/mainform.h"
#include "gui/pages/channelgrids.h"

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

bool OnMemoryPage(const TMainForm& form) {
    return form.PageControl1->currentWidget() == form.TabSheet1;
}

void EnableAll(std::initializer_list<QAction*> items, bool enabled) {
    for (QAction* item : items) item->setEnabled(enabled);
}

}  // namespace

void TMainForm::ConnectEditCommands() {
    ClipboardFormatRegistered = RegisterRecordClipboardFormat();
    RadioData.SetClipRecord({});
    PopupMenus = BuildGridPopupMenus(*this);
    Grids->SetPopupMenu(TChannelGrids::kMemoryGrid, PopupMenus.PopupMenu1);
    Grids->SetPopupMenu(TChannelGrids::kVfoGrid, PopupMenus.PopupMenu2);
    Grids->SetPopupMenu(TChannelGrids::kCallGrid, PopupMenus.PopupMenu2);
    Grids->SetPopupMenu(TChannelGrids::kDtmfGrid, PopupMenus.PopupMenu3);
    for (QAction* cut : {Menu.Cut1, PopupMenus.Cut2, PopupMenus.Cut4}) {
        connect(cut, &QAction::triggered, this, &TMainForm::Cut1Click);
    }
    for (QAction* copy : {Menu.Copy1, PopupMenus.Copy2, PopupMenus.Copy3, PopupMenus.Copy4}) {
        connect(copy, &QAction::triggered, this, &TMainForm::Copy1Click);
    }
    for (QAction* paste : {Menu.Paste1, PopupMenus.Paste2, PopupMenus.Paste3, PopupMenus.Paste4}) {
        connect(paste, &QAction::triggered, this, &TMainForm::Paste1Click);
    }
    for (QAction* item : {Menu.Delete1, PopupMenus.Delete2, PopupMenus.Delete4}) {
        connect(item, &QAction::triggered, this, &TMainForm::Delete1Click);
    }
    connect(PopupMenus.Lockout2, &QAction::triggered, this, &TMainForm::Lockout2Click);
    connect(PopupMenus.PopupMenu1, &QMenu::aboutToShow, this, &TMainForm::PopupMenu1Popup);
    connect(SpeedButtons.SpeedButton1, &QToolButton::clicked, this, &TMainForm::Copy1Click);
    connect(SpeedButtons.SpeedButton2, &QToolButton::clicked, this, &TMainForm::Cut1Click);
    connect(SpeedButtons.SpeedButton3, &QToolButton::clicked, this, &TMainForm::Paste1Click);
    connect(Grids, &TChannelGrids::GridEntered, this, &TMainForm::UpdateEditCommands);
}

// Another program may have changed the clipboard while this one was in the background.
void TMainForm::FormCreate() {
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive) UpdateEditCommands();
            });
}

void TMainForm::UpdateEditCommands() {
    if (const std::optional<std::string> text = ReadClipboardRecord()) {
        RadioData.SetClipRecord(*text);
    }
    const int grid = Grids->CurrentGrid;
    // The table's rows take every command; Paste does nothing where nothing suits.
    const TEditCommandState state =
        ChannelsPageShown() ? TEditCommandState{true, true}
                            : EditCommandStateOf(RadioData, static_cast<TClipGrid>(grid),
                                                 Grids->SelectedRow(grid), OnMemoryPage(*this));
    EnableAll({Menu.Paste1, PopupMenus.Paste2, PopupMenus.Paste3, PopupMenus.Paste4}, state.Paste);
    SpeedButtons.SpeedButton3->setEnabled(state.Paste);
    EnableAll({Menu.Cut1, PopupMenus.Cut2, PopupMenus.Cut4, Menu.Delete1, PopupMenus.Delete2,
               PopupMenus.Delete4},
              state.CutDelete);
    SpeedButtons.SpeedButton2->setEnabled(state.CutDelete);
}

// The commands act on the grids only while they are shown; their shortcuts
// stay live on the other pages.
void TMainForm::Copy1Click() {
    if (ChannelsPageShown()) {
        CopyChannelRows();
        return;
    }
    if (!OnMemoryPage(*this)) return;
    const auto grid = static_cast<TClipGrid>(Grids->CurrentGrid);
    const int row = Grids->SelectedRow(Grids->CurrentGrid);
    if (!HasTargetRow(grid, row)) return;
    WriteClipboardRecord(RecordOfRow(RadioData, grid, row), ClipboardFormatRegistered);
    UpdateEditCommands();
}

void TMainForm::Cut1Click() {
    if (ChannelsPageShown()) {
        CutChannelRows();
        return;
    }
    if (!OnMemoryPage(*this)) return;
    const auto grid = static_cast<TClipGrid>(Grids->CurrentGrid);
    const int row = Grids->SelectedRow(Grids->CurrentGrid);
    if (!CutDeleteAllowed(grid)) {
        ShowInvalidFunction(this);
        return;
    }
    if (!HasTargetRow(grid, row)) return;
    WriteClipboardRecord(CutRow(RadioData, grid, row), ClipboardFormatRegistered);
    UpdateEditCommands();
    RefreshGrids();
    RecordUndoStep();
}

void TMainForm::Delete1Click() {
    if (ChannelsPageShown()) {
        DeleteChannelRows();
        return;
    }
    if (!OnMemoryPage(*this)) return;
    const auto grid = static_cast<TClipGrid>(Grids->CurrentGrid);
    if (!CutDeleteAllowed(grid)) {
        ShowInvalidFunction(this);
        return;
    }
    if (DeleteRow(RadioData, grid, Grids->SelectedRow(Grids->CurrentGrid))) RefreshGrids();
    RecordUndoStep();
}

void TMainForm::Paste1Click() {
    if (ChannelsPageShown()) {
        PasteChannelRowsClick();
        return;
    }
    if (!OnMemoryPage(*this)) return;
    const auto grid = static_cast<TClipGrid>(Grids->CurrentGrid);
    if (PasteIntoRow(RadioData, grid, Grids->SelectedRow(Grids->CurrentGrid))) RefreshGrids();
    RecordUndoStep();
}

void TMainForm::PopupMenu1Popup() {
    PopupMenus.Lockout2->setEnabled(
        LockOutAllowed(RadioData, Grids->SelectedRow(TChannelGrids::kMemoryGrid)));
}

void TMainForm::Lockout2Click() {
    if (!OnMemoryPage(*this)) return;
    if (ToggleLockout(RadioData, Grids->SelectedRow(TChannelGrids::kMemoryGrid))) RefreshGrids();
    RecordUndoStep();
}
