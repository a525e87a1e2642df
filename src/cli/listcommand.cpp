#include <QFileInfo>

#include "cli/clicommands.h"
#include "cli/clifiles.h"
#include "core/files/datafile.h"
#include "core/files/filebytes.h"
#include "core/files/filereport.h"
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

// The listing goes to standard output, or to a text file OUT saved as a data file is.
int RunList(const TCliOptions& options, TRadioData& data, QTextStream& errors) {
    const std::optional<TCommandArguments> given = CommandArguments(
        options,
        TCommandSyntax{
            QStringLiteral("list"), {QStringLiteral("IN.tvr"), QStringLiteral("OUT")}, 1},
        errors);
    if (!given) return kExitUsage;
    const QString& path = given->Operands[0];
    const QString output = given->Operands.value(1, QStringLiteral("-"));
    if (const int status = OpenForOutput(options, data, path, output, errors);
        status != kExitDone) {
        return status;
    }
    const QString text = ListingText(VisiblePages(ListingOfFile(options, data, path)));
    if (IsStandardOutput(output)) return PrintOutput(text, errors);
    QString reason;
    if (SaveFileBytes(output, text.toStdString(), &reason)) return kExitDone;
    ReportFileError(errors, kFileOpenErrorMessage, FileDetail(output, reason));
    return kExitUsage;
}
