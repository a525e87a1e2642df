// The main window's Import CSV and Export CSV commands: the memory channels
// from and to the CSV channel lists other programming programs share.
#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>

#include "core/files/channelrows.h"
#include "core/files/csvchannelfile.h"
#include "core/files/csvchannels.h"
#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "gui/kit/filedialogs.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/modal.h"
#include "gui/kit/reportdialog.h"
#include "gui/mainwindow/mainform.h"
#include "gui/pages/channelspage.h"

namespace {

// The reports are put together from their patterns in the window's language.
std::string PatternText(const char* pattern) {
    return QCoreApplication::translate("CsvChannels", pattern).toStdString();
}

QString MessageText(const std::string& text) {
    return QCoreApplication::translate("Messages", text.c_str());
}

QStringList NotesOf(const std::vector<TCsvNote>& notes) {
    QStringList texts;
    for (const TCsvNote& note : notes) {
        texts.append(QString::fromStdString(CsvNoteText(note, PatternText)));
    }
    return texts;
}

// A summary alone fits a message box; notes may run to hundreds of lines, so
// they are shown under it in a box that scrolls.
void ShowReport(QWidget* parent, const QString& summary, TMessageStyle style,
                const std::vector<TCsvNote>& notes) {
    if (notes.empty()) {
        ShowMessage(parent, summary, style);
        return;
    }
    TReportDialog dialog(summary, NotesOf(notes), parent);
    ExecModal(dialog);
}

}  // namespace

void TMainForm::ConnectCsvCommands() {
    connect(Menu.ImportCsv, &QAction::triggered, this, &TMainForm::ImportCsvClick);
    connect(Menu.ExportCsv, &QAction::triggered, this, &TMainForm::ExportCsvClick);
}

// The channels the list names replace those at their locations without a
// question: the data set counts as changed, so closing the window asks to save.
// When nothing could be stored the reason is shown, with the notes on the
// lines that were skipped.
void TMainForm::ImportCsvClick() {
    const QString path = GetOpenCsvFileName(this, InitialFolder);
    if (path.isEmpty()) return;
    std::string problem;
    QString detail;
    const std::optional<std::string> text = LoadCsvFile(path, problem, &detail);
    if (!text) {
        ShowMessage(this, MessageText(problem), TMessageStyle::Error, detail);
        return;
    }
    ApplyCsvImport(ImportCsvChannels(RadioData, *text));
}

bool TMainForm::ApplyCsvImport(const TCsvImport& import) {
    if (const std::string failure = CsvImportFailure(import); !failure.empty()) {
        ShowReport(this, MessageText(failure), TMessageStyle::Error, import.NoteParts);
        return false;
    }
    CommitDataChange();
    ShowReport(this, QString::fromStdString(CsvImportSummary(import, PatternText)),
               TMessageStyle::Information, import.NoteParts);
    return true;
}

// A paste stores what it can without a question, as an import does; only a report
// with notes needs a window of its own.
void TMainForm::ReportChannelPaste(const TCsvImport& paste) {
    if (const std::string failure = ChannelPasteFailure(paste); !failure.empty()) {
        ChannelsPage->ShowMessage(MessageText(failure), true);
        if (!paste.NoteParts.empty()) {
            ShowReport(this, MessageText(failure), TMessageStyle::Error, paste.NoteParts);
        }
        return;
    }
    CommitDataChange();
    const QString summary = QString::fromStdString(ChannelPasteSummary(paste, PatternText));
    if (paste.Adjusted == 0 && paste.Skipped == 0) {
        ChannelsPage->ShowMessage((QStringList{summary} + NotesOf(paste.NoteParts)).join('\n'));
        return;
    }
    ChannelsPage->ShowMessage(summary);
    ShowReport(this, summary, TMessageStyle::Information, paste.NoteParts);
}

void TMainForm::ExportCsvClick() {
    if (!StoreCellEdit()) return;
    const QString presetName = CurrentFileName == kUntitled
                                   ? QString::fromStdString(RadioData.GetModel())
                                   : QFileInfo(CurrentFileName).completeBaseName();
    const QString path =
        GetSaveCsvFileName(this, InitialFolder, presetName + QStringLiteral(".csv"));
    if (path.isEmpty()) return;
    const TCsvExport exported = ExportCsvChannels(RadioData);
    QString reason;
    const QString input = CurrentFileName == kUntitled ? QString() : CurrentFileName;
    if (!SaveCsvFile(path, exported.Text, &reason, input)) {
        ShowMessage(this, MessageText(kFileOpenErrorMessage), TMessageStyle::Error,
                    FileDetail(path, reason));
        return;
    }
    if (!exported.Notes.empty()) {
        ShowReport(this, QString::fromStdString(CsvExportSummary(exported, PatternText)),
                   TMessageStyle::Information, exported.NoteParts);
    }
}
