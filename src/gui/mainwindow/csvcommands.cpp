#include "gui/mainwindow/csvcommands.h"

#include <QAction>
#include <QFileInfo>

#include "core/files/csvchannelfile.h"
#include "core/files/csvchannels.h"
#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "core/model/radiodata.h"
#include "gui/kit/filedialogs.h"
#include "gui/kit/messagebox.h"
#include "gui/mainwindow/commandactions.h"
#include "gui/mainwindow/csvreports.h"
#include "gui/mainwindow/document.h"

TCsvCommands::TCsvCommands(TDocument& document, QObject* parent)
    : QObject(parent), Document(document) {
    Import = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "&Import CSV..."), 25);
    Export = MakeAction(this, QT_TRANSLATE_NOOP("MainMenu", "Export &CSV..."), 25);
    connect(Import, &QAction::triggered, this, &TCsvCommands::ImportClick);
    connect(Export, &QAction::triggered, this, &TCsvCommands::ExportClick);
}

// The channels the list names replace those at their locations without a
// question: the data set counts as changed, so closing the window asks to save.
// When nothing could be stored the reason is shown, with the notes on the
// lines that were skipped.
void TCsvCommands::ImportClick() {
    const QString path = GetOpenCsvFileName(Document.Window(), Document.DialogFolder());
    if (path.isEmpty()) return;
    std::string problem;
    QString detail;
    const std::optional<std::string> text = LoadCsvFile(path, problem, &detail);
    if (!text) {
        ShowMessage(Document.Window(), CsvMessageText(problem), TMessageStyle::Error, detail);
        return;
    }
    ApplyImport(ImportCsvChannels(Document.Data(), *text));
}

void TCsvCommands::ApplyImport(const TCsvImport& import) {
    if (const std::string failure = CsvImportFailure(import); !failure.empty()) {
        ShowCsvReport(Document.Window(), CsvMessageText(failure), TMessageStyle::Error,
                      import.NoteParts);
        return;
    }
    Document.CommitDataChange();
    ShowCsvReport(Document.Window(),
                  QString::fromStdString(CsvImportSummary(import, CsvPatternText)),
                  TMessageStyle::Information, import.NoteParts);
}

void TCsvCommands::ExportClick() {
    if (!Document.StoreCellEdit()) return;
    const QString& fileName = Document.FileName();
    const QString presetName = fileName == kUntitled
                                   ? QString::fromStdString(Document.Data().GetModel())
                                   : QFileInfo(fileName).completeBaseName();
    const QString path = GetSaveCsvFileName(Document.Window(), Document.DialogFolder(),
                                            presetName + QStringLiteral(".csv"));
    if (path.isEmpty()) return;
    const TCsvExport exported = ExportCsvChannels(Document.Data());
    QString reason;
    const QString input = fileName == kUntitled ? QString() : fileName;
    if (!SaveCsvFile(path, exported.Text, &reason, input)) {
        ShowMessage(Document.Window(), CsvMessageText(kFileOpenErrorMessage), TMessageStyle::Error,
                    FileDetail(path, reason));
        return;
    }
    if (!exported.Notes.empty()) {
        ShowCsvReport(Document.Window(),
                      QString::fromStdString(CsvExportSummary(exported, CsvPatternText)),
                      TMessageStyle::Information, exported.NoteParts);
    }
}
