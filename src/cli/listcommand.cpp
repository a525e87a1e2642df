#include <QFileInfo>

#include "cli/clicommands.h"
#include "core/files/listing.h"
#include "core/model/caption.h"
#include "core/model/radiodata.h"
#include "core/model/visiblebytes.h"

namespace {

// A comment or a name from a file may hold control characters, an escape
// sequence for the terminal say: they are printed as visible escapes.
QString VisibleLine(const QString& line) {
    QString visible;
    for (const QChar c : line) {
        const bool control = c.unicode() < 0x20 || c.unicode() == 0x7F;
        visible += control ? QString::fromStdString(VisibleBytes(std::string(1, char(c.unicode()))))
                           : QString(c);
    }
    return visible;
}

std::vector<TListingPage> VisiblePages(std::vector<TListingPage> pages) {
    for (TListingPage& page : pages) {
        for (QString& line : page) line = VisibleLine(line);
    }
    return pages;
}

}  // namespace

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
    if (const int status = OpenInputFile(options, data, path, errors); status != kExitDone) {
        return status;
    }
    QTextStream output(stdout);
    output << ListingText(VisiblePages(ListingOfFile(options, data, path)));
    return kExitDone;
}
