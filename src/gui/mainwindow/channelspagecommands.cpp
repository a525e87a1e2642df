#include "gui/mainwindow/channelspagecommands.h"

#include "core/files/channelrows.h"
#include "core/files/copiedrows.h"
#include "core/model/channelclipboard.h"
#include "core/model/channeltable.h"
#include "core/model/radiodata.h"
#include "gui/kit/clipboardaccess.h"
#include "gui/mainwindow/csvreports.h"
#include "gui/mainwindow/document.h"
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

TChannelsPageCommands::TChannelsPageCommands(TDocument& document, TChannelsPage& page,
                                             TChannelGrids& grids, bool formatRegistered,
                                             QObject* parent)
    : QObject(parent),
      Document(document),
      Page(page),
      Grids(grids),
      FormatRegistered(formatRegistered) {
    connect(&Page, &TChannelsPage::EditorRequested, this,
            &TChannelsPageCommands::OpenChannelEditor);
}

// Our own format carries the first row's record, as the Memory page's Copy
// does, and every row whole for a paste in the program; the plain text carries
// the rows for spreadsheets and other programs.
void TChannelsPageCommands::CopyRows() {
    if (!Page.StoreOpenEdit()) return;
    const std::vector<int> rows = Page.SelectedRows();
    if (rows.empty()) return;
    const TRadioData& data = Document.Data();
    WriteClipboardRecord(RecordOfRow(data, TClipGrid::Memory, MemoryGridRow(rows.front())),
                         FormatRegistered, QString::fromStdString(ChannelRowsText(data, rows)),
                         CopiedRowsBytes(data, rows));
    emit ClipboardChanged();
}

void TChannelsPageCommands::DeleteRows() {
    if (!Page.StoreOpenEdit()) return;
    if (DeleteChannels(Document.Data(), Page.SelectedRows()) > 0) Document.CommitDataChange();
}

void TChannelsPageCommands::CutRows() {
    if (!Page.StoreOpenEdit()) return;
    CopyRows();
    DeleteRows();
}

// Rows copied in the program go whole; rows of text (a spreadsheet's, another
// program's, or copied here for them) by the CSV import's rules; a single record
// of the Memory page's Copy as the Memory page pastes it. The rows fill the rows
// shown from the first selected one on. Text that is not rows is refused: a record
// left on the clipboard from before it is never pasted in its place.
void TChannelsPageCommands::PasteRowsClick() {
    if (!Page.StoreOpenEdit()) return;
    const std::vector<int> targets = Page.RowsFromSelection();
    if (targets.empty()) return;
    TRadioData& data = Document.Data();
    if (const std::optional<std::string> bytes = ReadClipboardRows()) {
        const std::optional<std::vector<TCopiedRow>> rows = CopiedRowsOf(*bytes);
        ReportPaste(rows ? PasteCopiedRows(data, *rows, targets) : Refusal(kDamagedRows));
        return;
    }
    if (const QString text = ReadClipboardText(); !text.isEmpty()) {
        ReportPaste(PasteChannelRows(data, text.toStdString(), targets));
        return;
    }
    const std::optional<std::string> record = ReadClipboardRecord();
    ReportPaste(record && !record->empty() ? PasteCopiedRows(data, {{*record, {}}}, targets)
                                           : Refusal(kNothingToPaste));
}

// A paste stores what it can without a question, as an import does; only a report
// with notes needs a window of its own.
void TChannelsPageCommands::ReportPaste(const TCsvImport& paste) {
    if (const std::string failure = ChannelPasteFailure(paste); !failure.empty()) {
        Page.ShowMessage(CsvMessageText(failure), true);
        if (!paste.NoteParts.empty()) {
            ShowCsvReport(Document.Window(), CsvMessageText(failure), TMessageStyle::Error,
                          paste.NoteParts);
        }
        return;
    }
    Document.CommitDataChange();
    const QString summary = QString::fromStdString(ChannelPasteSummary(paste, CsvPatternText));
    if (paste.Adjusted == 0 && paste.Skipped == 0) {
        Page.ShowMessage((QStringList{summary} + CsvNotesOf(paste.NoteParts)).join('\n'));
        return;
    }
    Page.ShowMessage(summary);
    ShowCsvReport(Document.Window(), summary, TMessageStyle::Information, paste.NoteParts);
}

// The editor opens on the table's current row; when it closes the keyboard is
// back on the cell it left, wherever the editor went meanwhile.
void TChannelsPageCommands::OpenChannelEditor() {
    if (!Page.StoreOpenEdit()) return;
    const int row = Page.CurrentRow();
    const int column = Page.CurrentColumn();
    if (row < 0) return;
    Grids.SelectRow(TChannelGrids::kMemoryGrid, MemoryGridRow(row));
    Document.OpenEditor(TChannelGrids::kMemoryGrid);
    Page.SelectRows({row}, column);
    Page.Table->setFocus();
}
