// The main window's Undo and Redo: the history of the data set's contents, the
// steps the commands record in it and the window shown again after a step.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>
#include <array>

#include "gui/mainwindow/mainform.h"
#include "gui/pages/channelgrids.h"
#include "gui/pages/menupages.h"

namespace {

constexpr std::array kGrids{TChannelGrids::kMemoryGrid, TChannelGrids::kVfoGrid,
                            TChannelGrids::kCallGrid, TChannelGrids::kDtmfGrid};

const QTableWidget* TableOf(const TChannelGrids& grids, int grid) {
    switch (grid) {
        case TChannelGrids::kMemoryGrid:
            return grids.MemoryGrid;
        case TChannelGrids::kVfoGrid:
            return grids.VfoGrid;
        case TChannelGrids::kCallGrid:
            return grids.CallGrid;
        default:
            return grids.DtmfGrid;
    }
}

std::array<int, kGrids.size()> SelectedRows(const TChannelGrids& grids) {
    std::array<int, kGrids.size()> rows{};
    for (size_t at = 0; at < kGrids.size(); ++at) rows[at] = grids.SelectedRow(kGrids[at]);
    return rows;
}

// A restored channel count may have fewer rows: the selection then keeps to the last.
void SelectRows(TChannelGrids& grids, const std::array<int, kGrids.size()>& rows) {
    for (size_t at = 0; at < kGrids.size(); ++at) {
        if (rows[at] == 0) continue;
        grids.SelectRow(kGrids[at], std::min(rows[at], TableOf(grids, kGrids[at])->rowCount()));
    }
}

}  // namespace

void TMainForm::ConnectUndoCommands() {
    connect(Menu.Undo, &QAction::triggered, this, &TMainForm::UndoClick);
    connect(Menu.Redo, &QAction::triggered, this, &TMainForm::RedoClick);
    connect(SpeedButtons.UndoButton, &QToolButton::clicked, this, &TMainForm::UndoClick);
    connect(SpeedButtons.RedoButton, &QToolButton::clicked, this, &TMainForm::RedoClick);
    connect(MenuPages, &TMenuPages::DataChanged, this, [this](int slot) { RecordUndoStep(slot); });
    // Typing makes one step until the text is left or confirmed.
    connect(Edit2, &QLineEdit::editingFinished, this, [this] { UndoHistory.EndMerge(); });
    connect(qApp, &QApplication::focusChanged, this, [this] { UndoHistory.EndMerge(); });
}

// Showing a restored step may make the controls store what they show; that is
// no step of its own.
void TMainForm::RecordUndoStep(int mergeSource) {
    if (RestoringUndoStep) return;
    UndoHistory.Record(RadioData, mergeSource);
    UpdateUndoCommands();
}

void TMainForm::ResetUndoHistory() {
    UndoHistory.Reset(RadioData);
    UpdateUndoCommands();
}

void TMainForm::UpdateUndoCommands() {
    const bool undo = UndoHistory.CanUndo();
    const bool redo = UndoHistory.CanRedo();
    Menu.Undo->setEnabled(undo);
    SpeedButtons.UndoButton->setEnabled(undo);
    Menu.Redo->setEnabled(redo);
    SpeedButtons.RedoButton->setEnabled(redo);
}

void TMainForm::UndoClick() {
    if (UndoHistory.Undo(RadioData)) ShowRestoredData();
}

void TMainForm::RedoClick() {
    if (UndoHistory.Redo(RadioData)) ShowRestoredData();
}

// Any part of the data set may have changed, the channel count included, so the
// window is built again as after a read; the selected rows stay where they can.
void TMainForm::ShowRestoredData() {
    const QScopedValueRollback<bool> restoring(RestoringUndoStep, true);
    const auto rows = SelectedRows(*Grids);
    SetupGrids();
    SelectRows(*Grids, rows);
    UpdateCommentFont();
    ShowComment();
    ShowMenuPages();
    UpdateMarketControls();
    RefreshGrids();
    UpdateCaption();
    PageControl1Change();
    UpdateUndoCommands();
}
