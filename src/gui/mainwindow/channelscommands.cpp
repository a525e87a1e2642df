// The main window's side of the Channels page: the Edit commands on the
// table's selected rows, and the status bar following its current row.
#include <QAction>
#include <QMenu>
#include <QTabWidget>

#include "core/files/channelrows.h"
#include "core/model/channelclipboard.h"
#include "core/model/channeltable.h"
#include "core/model/channelview.h"
#include "gui/kit/clipboardaccess.h"
#include "gui/mainwindow/mainform.h"
#include "gui/pages/channelspage.h"

namespace {

// The memory grid counts its rows from 1; the table from 0.
int MemoryGridRow(int tableRow) {
    return tableRow + 1;
}

}  // namespace

void TMainForm::ConnectChannelsPage() {
    connect(ChannelsPage, &TChannelsPage::CurrentRowChanged, this, &TMainForm::UpdateStatusBar);
    QMenu* popup = ChannelsPage->PopupMenu;
    QAction* first = popup->actions().value(0);
    popup->insertActions(first, {Menu.Cut1, Menu.Copy1, Menu.Paste1, Menu.Delete1});
    popup->insertSeparator(first);
}

bool TMainForm::ChannelsPageShown() const {
    return PageControl1->currentWidget() == TabSheet5;
}

void TMainForm::CommitDataChange() {
    RefreshGrids();
    RecordUndoStep();
}

void TMainForm::ShowChannelsStatus() {
    const int row = ChannelsPage->CurrentRow();
    if (row < 0) {
        ShowStatusTexts({});
        return;
    }
    const TStatusTexts texts =
        StatusTextsOf(RadioData, RadioData.GetChannel(RadioData.RecordIndexOfPosition(row)),
                      TStatusSource::Memory);
    ShowStatusTexts({QString::fromLatin1(texts.Frequency), QString::fromLatin1(texts.Shift),
                     QString::fromLatin1(texts.Tone), QString::fromLatin1(texts.ProgramVfo)});
}

// Our own format carries the first row's record, as the Memory page's Copy
// does; the plain text carries every row for spreadsheets and for Paste here.
void TMainForm::CopyChannelRows() {
    const std::vector<int> rows = ChannelsPage->SelectedRows();
    if (rows.empty()) return;
    WriteClipboardRecord(RecordOfRow(RadioData, TClipGrid::Memory, MemoryGridRow(rows.front())),
                         ClipboardFormatRegistered,
                         QString::fromStdString(ChannelRowsText(RadioData, rows)));
    UpdateEditCommands();
}

void TMainForm::DeleteChannelRows() {
    if (DeleteChannels(RadioData, ChannelsPage->SelectedRows()) > 0) CommitDataChange();
}

void TMainForm::CutChannelRows() {
    CopyChannelRows();
    DeleteChannelRows();
}

// Rows of a spreadsheet (or copied here) fill the channels from the first
// selected row on; anything else is the record paste of the Memory page.
void TMainForm::PasteChannelRowsClick() {
    const std::vector<int> rows = ChannelsPage->SelectedRows();
    const int first = rows.empty() ? ChannelsPage->CurrentRow() : rows.front();
    if (first < 0) return;
    const std::string text = ReadClipboardText().toStdString();
    if (LooksLikeChannelRows(text)) {
        ApplyCsvImport(PasteChannelRows(RadioData, text, first));
        return;
    }
    if (PasteIntoRow(RadioData, TClipGrid::Memory, MemoryGridRow(first))) CommitDataChange();
}
