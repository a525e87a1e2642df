#include "gui/pages/printing.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "core/files/listing.h"
#include "core/model/caption.h"
#include "gui/kit/filedialogs.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/modal.h"
#include "gui/mainwindow/mainform.h"
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

std::vector<TListingPage> ListingOf(TMainForm& mainForm) {
    const TRadioData& data = mainForm.Data();
    return ListingPages(data,
                        WindowCaption(data.GetModel(), data.GetMarketCode(), mainForm.FileName()),
                        mainForm.ToneBurst());
}

QString PresetPdfName(const TMainForm& mainForm) {
    return QFileInfo(mainForm.FileName()).completeBaseName() + QStringLiteral(".pdf");
}

}  // namespace

void PrintDataSet(TMainForm& mainForm) {
    if (!HasPrinter()) {
        ShowMessage(&mainForm, QString::fromLatin1(kNoPrinterMessage), TMessageStyle::Warning);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog PrintDialog1(&printer, &mainForm);
    if (ExecModal(PrintDialog1) != QDialog::Accepted) return;
    printer.setDocName(QStringLiteral("TAVRIN"));
    QPainter painter;
    if (!painter.begin(&printer)) return;
    PaintListing(painter, printer, ListingOf(mainForm));
    painter.end();
}

void ExportListingPdf(TMainForm& mainForm) {
    const QString path =
        GetSavePdfFileName(&mainForm, mainForm.DialogFolder(), PresetPdfName(mainForm));
    if (path.isEmpty()) return;
    QString reason;
    const QString input = mainForm.FileName() == kUntitled ? QString() : mainForm.FileName();
    if (!SaveListingPdf(ListingOf(mainForm), path, input, reason)) {
        ShowMessage(&mainForm, QString::fromLatin1(kFileOpenErrorMessage), TMessageStyle::Error,
                    FileDetail(path, reason));
    }
}

void SetPrinterProbe(TPrinterProbe probe) {
    Probe() = std::move(probe);
}
