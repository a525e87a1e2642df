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
    const std::optional<QStringList> files = CommandFiles(options, 1, "list needs IN.tvr", errors);
    if (!files) return kExitUsage;
    const QString& path = files->at(0);
    if (const int status = OpenInputFile(options, data, path, errors); status != kExitDone) {
        return status;
    }
    return PrintOutput(ListingText(VisiblePages(ListingOfFile(options, data, path))), errors);
}
