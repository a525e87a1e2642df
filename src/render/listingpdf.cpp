#include "render/listingpdf.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <optional>

#include "core/files/filebytes.h"
#include "core/files/filereport.h"
#include "render/listingpainter.h"

namespace {

// The document in memory; a listing is a few pages of text, so it is small.
std::optional<QByteArray> RenderPdf(const std::vector<TListingPage>& pages,
                                    const std::optional<QPageLayout>& layout) {
    QByteArray document;
    QBuffer buffer(&document);
    if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("TAVRIN"));
        writer.setCreator(QStringLiteral("TAVRIN"));
        if (layout) {
            writer.setPageLayout(*layout);
        } else {
            writer.setPageSize(QPageSize(QPageSize::A4));
        }
        QPainter painter;
        if (!painter.begin(&writer)) return std::nullopt;
        PaintListing(painter, writer, pages);
        if (!painter.end()) return std::nullopt;
    }
    return document;
}

}  // namespace

bool SaveListingPdf(const std::vector<TListingPage>& pages, const QString& path,
                    const QString& input, QString& reason,
                    const std::optional<QPageLayout>& layout) {
    reason = OutputFileProblem(path, input);
    if (!reason.isEmpty()) return false;
    const std::optional<QByteArray> document = RenderPdf(pages, layout);
    if (!document) {
        reason = QStringLiteral("the listing could not be drawn");
        return false;
    }
    return SaveFileBytes(path, std::string_view(document->constData(), document->size()), &reason);
}
