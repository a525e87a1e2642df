// `pdf IN.tvr OUT.pdf`: the printed listing as a PDF file.
#include "cli/clicommands.h"
#include "cli/clifiles.h"
#include "core/files/datafile.h"
#include "core/files/filereport.h"
#include "core/model/radiodata.h"
#include "render/listingpdf.h"

int RunPdf(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    const std::optional<TCommandArguments> given =
        CommandArguments(options,
                         TCommandSyntax{QStringLiteral("pdf"),
                                        {QStringLiteral("IN.tvr"), QStringLiteral("OUT.pdf")}},
                         errors);
    if (!given) return kExitUsage;
    const QString& path = given->Operands[0];
    const QString& output = given->Operands[1];
    // A PDF is no text for a terminal or a pipe.
    if (IsStandardOutput(output)) {
        return UsageError(errors,
                          QStringLiteral("pdf: OUT.pdf must be a file, not standard output (-)"),
                          QStringLiteral("pdf"));
    }
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
