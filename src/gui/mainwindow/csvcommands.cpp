// The main window's Import CSV and Export CSV commands: the memory channels
// from and to the CSV channel lists other programming programs share.
#include <QAction>
#include <QFileInfo>

#include "core/files/csvchannelfile.h"
#include "core/files/csvchannels.h"
#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "gui/kit/filedialogs.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/modal.h"
#include "gui/kit/reportdialog.h"
#include "gui/mainwindow/mainform.h"

namespace {

QStringList NotesOf(const std::vector<std::string>& notes) {
    QStringList texts;
    for (const std::string& note : notes) texts.append(QString::fromStdString(note));
    return texts;
}

// A summary alone fits a message box; notes may run to hundreds of lines, so
// they are shown under it in a box that scrolls.
void ShowReport(QWidget* parent, const std::string& summary, TMessageStyle style,
                const std::vector<std::string>& notes) {
    if (notes.empty()) {
        ShowMessage(parent, QString::fromStdString(summary), style);
        return;
    }
    TReportDialog dialog(QString::fromStdString(summary), NotesOf(notes), parent);
    ExecModal(dialog);
}

// The report's first line is its summary; the notes follow it.
std::string ImportSummaryOf(const TCsvImport& import) {
    const std::string report = CsvImportReport(import);
    return report.substr(0, report.find('\n'));
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
        ShowMessage(this, QString::fromStdString(problem), TMessageStyle::Error, detail);
        return;
    }
    ApplyCsvImport(ImportCsvChannels(RadioData, *text));
}

bool TMainForm::ApplyCsvImport(const TCsvImport& import) {
    if (const std::string failure = CsvImportFailure(import); !failure.empty()) {
        ShowReport(this, failure, TMessageStyle::Error, import.Notes);
        return false;
    }
    CommitDataChange();
    ShowReport(this, ImportSummaryOf(import), TMessageStyle::Information, import.Notes);
    return true;
}

void TMainForm::ExportCsvClick() {
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
        ShowMessage(this, QString::fromLatin1(kFileOpenErrorMessage), TMessageStyle::Error,
                    FileDetail(path, reason));
        return;
    }
    if (!exported.Notes.empty()) {
        ShowReport(this, CsvExportSummary(exported), TMessageStyle::Information, exported.Notes);
    }
}
