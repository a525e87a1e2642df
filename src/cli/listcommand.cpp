#include <QFileInfo>

#include "cli/clicommands.h"
#include "data/caption.h"
#include "data/listing.h"
#include "data/radiodata.h"

std::vector<TListingPage> ListingOfFile(const TCliOptions& options, const TRadioData& data,
                                        const QString& path) {
    // The caption names the file as the window does after Open.
    return ListingPages(data, WindowCaption(data.GetModel(), data.GetMarketCode(), path),
                        options.ToneBurst);
}

int RunList(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    if (options.Arguments.size() != 1)
        return UsageError(errors, QStringLiteral("list needs IN.tvr"));
    const QString& path = options.Arguments[0];
    if (!OpenAsOpenDoes(data, path, errors)) return kExitUsage;
    QTextStream output(stdout);
    output << ListingText(ListingOfFile(options, data, path));
    return kExitDone;
}
