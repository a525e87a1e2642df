#include "gui/pages/printing.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "core/files/listing.h"
#include "core/model/caption.h"
#include "core/model/radiodata.h"
#include "gui/kit/filedialogs.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/modal.h"
#include "gui/kit/workspace.h"
#include "render/listingpainter.h"
#include "render/listingpdf.h"

namespace {

TPrinterProbe& Probe() {
    static TPrinterProbe probe;
    return probe;
}

bool HasPrinter() {
    return Probe() ? Probe()() : !QPrinterInfo::defaultPrinter().isNull();
}

std::vector<TListingPage> ListingOf(TWorkspace& workspace) {
    const TRadioData& data = workspace.Data();
    return ListingPages(data,
                        WindowCaption(data.GetModel(), data.GetMarketCode(), workspace.FileName()),
                        workspace.ToneBurst());
}

QString PresetPdfName(const TWorkspace& workspace) {
    return QFileInfo(workspace.FileName()).completeBaseName() + QStringLiteral(".pdf");
}

void SavePdf(TWorkspace& workspace, const QString& path,
             const std::optional<QPageLayout>& layout = std::nullopt) {
    QString reason;
    const QString input = workspace.FileName() == kUntitled ? QString() : workspace.FileName();
    if (!SaveListingPdf(ListingOf(workspace), path, input, reason, layout)) {
        ShowMessage(workspace.Window(),
                    QCoreApplication::translate("Messages", kFileOpenErrorMessage),
                    TMessageStyle::Error, FileDetail(path, reason));
    }
}

}  // namespace

void PrintDataSet(TWorkspace& workspace) {
    if (!HasPrinter()) {
        ShowMessage(workspace.Window(), QCoreApplication::translate("Messages", kNoPrinterMessage),
                    TMessageStyle::Warning);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog printDialog(&printer, workspace.Window());
    if (ExecModal(printDialog) != QDialog::Accepted) return;
    // Printing to a PDF file is saving one: the printer would write the file
    // in place, into whatever the name leads to, and leave it cut off on a
    // full disk.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        SavePdf(workspace, printer.outputFileName(), printer.pageLayout());
        return;
    }
    printer.setDocName(QStringLiteral("TAVRIN"));
    QPainter painter;
    if (!painter.begin(&printer)) return;
    PaintListing(painter, printer, ListingOf(workspace));
    painter.end();
}

void ExportListingPdf(TWorkspace& workspace) {
    const QString path =
        GetSavePdfFileName(workspace.Window(), workspace.DialogFolder(), PresetPdfName(workspace));
    if (!path.isEmpty()) SavePdf(workspace, path);
}

void SetPrinterProbe(TPrinterProbe probe) {
    Probe() = std::move(probe);
}
