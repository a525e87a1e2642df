#include "workspace/printing.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/filedialogs.h"
#include "app/mainform.h"
#include "app/messagebox.h"
#include "app/modal.h"
#include "data/caption.h"
#include "data/datafile.h"
#include "data/filereport.h"
#include "data/listing.h"
#include "data/listingpainter.h"
#include "data/listingpdf.h"

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
