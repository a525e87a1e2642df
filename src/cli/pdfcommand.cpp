// `pdf IN.tvr OUT.pdf`: the printed listing as a PDF file.
#include "cli/clicommands.h"
#include "cli/clifiles.h"
#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "core/model/radiodata.h"
#include "render/listingpdf.h"

int RunPdf(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    if (options.Arguments.size() != 2)
        return UsageError(errors, QStringLiteral("pdf needs IN.tvr OUT.pdf"));
    const QString& path = options.Arguments[0];
    const QString& output = options.Arguments[1];
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
