#include "cli/clicommands.h"
#include "data/datafile.h"
#include "data/listingpainter.h"
#include "data/radiodata.h"

int RunPdf(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    if (options.Arguments.size() != 2)
        return UsageError(errors, QStringLiteral("pdf needs IN.tvr OUT.pdf"));
    const QString& path = options.Arguments[0];
    if (!OpenAsOpenDoes(data, path, errors)) return kExitUsage;
    if (!WriteListingPdf(ListingOfFile(options, data, path), options.Arguments[1])) {
        errors << kFileOpenErrorMessage << "\n";
        return kExitUsage;
    }
    return kExitDone;
}
