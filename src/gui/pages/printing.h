#pragma once

#include <QtGlobal>
#include <functional>

class TWorkspace;

// File > Print and the Print button: the listing of the whole data set on a
// printer chosen in the print dialog.
void PrintDataSet(TWorkspace& workspace);

// File > Export Listing as PDF: the same pages into a PDF file.
void ExportListingPdf(TWorkspace& workspace);

inline constexpr char kNoPrinterMessage[] =
    QT_TRANSLATE_NOOP("Messages", "No default printer is configured.");

// Lets a test say whether a printer is installed; empty asks the system again.
using TPrinterProbe = std::function<bool()>;
void SetPrinterProbe(TPrinterProbe probe);
