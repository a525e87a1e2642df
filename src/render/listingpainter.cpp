#include "render/listingpainter.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kLeftPosition = 200;
constexpr int kFontGap = 5;

void PaintPage(QPainter& painter, const TListingPage& page, int lineHeight, int width) {
    for (int line = 0; line < page.size(); ++line) {
        if (page[line].isEmpty()) continue;
        painter.drawText(QRect(kLeftPosition, line * lineHeight, width - kLeftPosition, lineHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, page[line]);
    }
}

}  // namespace

void PaintListing(QPainter& painter, QPagedPaintDevice& device,
                  const std::vector<TListingPage>& pages) {
    const int lineHeight = device.height() / kListingPageLines;
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(std::max(1, lineHeight - kFontGap));
    painter.setFont(font);
    for (size_t page = 0; page < pages.size(); ++page) {
        if (page > 0) device.newPage();
        PaintPage(painter, pages[page], lineHeight, device.width());
    }
}
