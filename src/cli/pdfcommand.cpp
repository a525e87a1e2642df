// `pdf IN.tvr OUT.pdf`: the printed listing as a PDF file.
#include "cli/clicommands.h"
#include "cli/clifiles.h"
#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "core/model/radiodata.h"
#include "render/listingpdf.h"

int RunPdf(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    const std::optional<QStringList> files =
        CommandFiles(options, 2, "pdf needs IN.tvr OUT.pdf", errors);
    if (!files) return kExitUsage;
    const QString& path = files->at(0);
    const QString& output = files->at(1);
    if (const int status = OpenForOutput(options, data, path, output, errors);
        status != kExitDone) {
        return status;
    }
    QString reason;
    if (!SaveListingPdf(ListingOfFile(options, data, path), output, path, reason)) {
        ReportFileError(errors, kFileOpenErrorMessage, FileDetail(output, reason));
        return kExitUsage;
    }
    return kExitDone;
}
