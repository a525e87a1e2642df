// The main window's side of the Channels page: the Edit commands on the
// table's selected rows, the memory editor from the table, and the status bar
// following its current row.
#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "core/files/channelrows.h"
#include "core/files/copiedrows.h"
#include "core/model/channelclipboard.h"
#include "core/model/channeltable.h"
#include "core/model/channelview.h"
#include "gui/kit/clipboardaccess.h"
#include "gui/mainwindow/mainform.h"
#include "gui/pages/channelgrids.h"
#include "gui/pages/channelspage.h"

namespace {

// The memory grid counts its rows from 1; the table from 0.
int MemoryGridRow(int tableRow) {
    return tableRow + 1;
}

constexpr char kNothingToPaste[] =
    QT_TRANSLATE_NOOP("Messages", "The clipboard holds no channels to paste.");
constexpr char kDamagedRows[] =
    QT_TRANSLATE_NOOP("Messages", "The channels on the clipboard are damaged; nothing was pasted.");

TCsvImport Refusal(const char* message) {
    TCsvImport refusal;
    refusal.Problem = message;
    return refusal;
}

}  // namespace

void TMainForm::ConnectChannelsPage() {
    connect(ChannelsPage, &TChannelsPage::CurrentRowChanged, this, &TMainForm::UpdateStatusBar);
    connect(ChannelsPage, &TChannelsPage::EditorRequested, this, &TMainForm::OpenChannelEditor);
    connect(ChannelsPage->Table, &TChannelTableView::EditRefusedOnLeaving, this,
            &TMainForm::ReturnToRefusedEdit);
    connect(Menu.ChannelEditor, &QAction::triggered, this, &TMainForm::ChannelEditorClick);
    QMenu* popup = ChannelsPage->PopupMenu;
    QAction* first = popup->actions().value(0);
    popup->insertActions(first,
                         {Menu.Cut1, Menu.Copy1, Menu.Paste1, Menu.Delete1, Menu.ChannelEditor});
    popup->insertSeparator(first);
    // The page's buttons lead on to the comment.
    setTabOrder(ChannelsPage->LockoutButton, Edit2);
    PageControl1->tabBar()->installEventFilter(this);
}

// The page's tab letter (Alt+A) takes the keyboard to the table, also when the
// page is shown already.
bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PageControl1->tabBar() && event->type() == QEvent::Shortcut) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (ChannelsPageShown()) ChannelsPage->FocusTable();
            },
            Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::ChannelsPageShown() const {
    return PageControl1->currentWidget() == TabSheet5;
}

void TMainForm::CommitDataChange() {
    RefreshGrids();
    RecordUndoStep();
}

bool TMainForm::StoreCellEdit() {
    return ChannelsPage->StoreOpenEdit();
}

void TMainForm::ReturnToRefusedEdit() {
    PageControl1->setCurrentWidget(TabSheet5);
    ChannelsPage->Table->ReopenRefusedEdit();
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
// does, and every row whole for a paste in the program; the plain text carries
// the rows for spreadsheets and other programs.
void TMainForm::CopyChannelRows() {
    if (!StoreCellEdit()) return;
    const std::vector<int> rows = ChannelsPage->SelectedRows();
    if (rows.empty()) return;
    WriteClipboardRecord(RecordOfRow(RadioData, TClipGrid::Memory, MemoryGridRow(rows.front())),
                         ClipboardFormatRegistered,
                         QString::fromStdString(ChannelRowsText(RadioData, rows)),
                         CopiedRowsBytes(RadioData, rows));
    UpdateEditCommands();
}

void TMainForm::DeleteChannelRows() {
    if (!StoreCellEdit()) return;
    if (DeleteChannels(RadioData, ChannelsPage->SelectedRows()) > 0) CommitDataChange();
}

void TMainForm::CutChannelRows() {
    if (!StoreCellEdit()) return;
    CopyChannelRows();
    DeleteChannelRows();
}

// Rows copied in the program go whole; rows of text (a spreadsheet's, another
// program's, or copied here for them) by the CSV import's rules; a single record
// of the Memory page's Copy as the Memory page pastes it. The rows fill the rows
// shown from the first selected one on. Text that is not rows is refused: a record
// left on the clipboard from before it is never pasted in its place.
void TMainForm::PasteChannelRowsClick() {
    if (!StoreCellEdit()) return;
    const std::vector<int> targets = ChannelsPage->RowsFromSelection();
    if (targets.empty()) return;
    if (const std::optional<std::string> bytes = ReadClipboardRows()) {
        const std::optional<std::vector<TCopiedRow>> rows = CopiedRowsOf(*bytes);
        ReportChannelPaste(rows ? PasteCopiedRows(RadioData, *rows, targets)
                                : Refusal(kDamagedRows));
        return;
    }
    if (const QString text = ReadClipboardText(); !text.isEmpty()) {
        ReportChannelPaste(PasteChannelRows(RadioData, text.toStdString(), targets));
        return;
    }
    const std::optional<std::string> record = ReadClipboardRecord();
    ReportChannelPaste(record && !record->empty()
                           ? PasteCopiedRows(RadioData, {{*record, {}}}, targets)
                           : Refusal(kNothingToPaste));
}

void TMainForm::ChannelEditorClick() {
    if (ChannelsPageShown()) {
        OpenChannelEditor();
    } else if (PageControl1->currentWidget() == TabSheet1) {
        OpenEditor(Grids->CurrentGrid == TChannelGrids::kNoGrid ? TChannelGrids::kMemoryGrid
                                                                : Grids->CurrentGrid);
    }
}

// The editor opens on the table's current row; when it closes the keyboard is
// back on the cell it left, wherever the editor went meanwhile.
void TMainForm::OpenChannelEditor() {
    if (!StoreCellEdit()) return;
    const int row = ChannelsPage->CurrentRow();
    const int column = ChannelsPage->CurrentColumn();
    if (row < 0) return;
    Grids->SelectRow(TChannelGrids::kMemoryGrid, MemoryGridRow(row));
    OpenEditor(TChannelGrids::kMemoryGrid);
    ChannelsPage->SelectRows({row}, column);
    ChannelsPage->Table->setFocus();
}
