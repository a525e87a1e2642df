#include "gui/kit/toolbaricons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 20;
const QColor kPaper(255, 255, 255);

// The outlines and arrows, dark on a light toolbar and light on a dark one.
struct TInks {
    QColor Ink;
    QColor Blue;
};
constexpr QColor kDarkInk(40, 40, 40);
constexpr QColor kDarkBlue(40, 90, 170);
constexpr QColor kLightInk(225, 225, 225);
constexpr QColor kLightBlue(120, 175, 255);
// Set for the glyph being drawn.
TInks Inks{kDarkInk, kDarkBlue};
const QColor kYellow(235, 195, 80);

void Page(QPainter& p, const QRectF& r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(path);
}

void Lines(QPainter& p, const QRectF& r) {
    for (qreal y = r.top() + 5; y < r.bottom() - 2; y += 3) {
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
    }
}

void Arrow(QPainter& p, QPointF from, QPointF to) {
    p.setPen(QPen(Inks.Blue, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    p.drawLine(to, to - d * 4 + n * 3.5);
    p.drawLine(to, to - d * 4 - n * 3.5);
}

// A curved arrow over the glyph: it rises from the lower middle, bends over and
// points back down on the side it turns to (left for Undo, right for Redo).
void CurvedArrow(QPainter& p, bool toLeft) {
    const qreal side = toLeft ? -1 : 1;
    const QPointF tip(10 + side * 6, 11);
    QPainterPath path;
    path.moveTo(10 - side * 3, 17);
    path.cubicTo(10 - side * 6, 6, 10 + side * 5, 3, tip.x(), tip.y());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Inks.Blue, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.drawLine(tip, tip + QPointF(-side * 4.5, -1.5));
    p.drawLine(tip, tip + QPointF(side * 0.5, -4.5));
}

void Radio(QPainter& p) {
    p.setBrush(QColor(70, 70, 70));
    p.drawRoundedRect(QRectF(2.5, 9.5, 8, 9), 1.5, 1.5);
    p.drawLine(QPointF(4.5, 9.5), QPointF(4.5, 3));
    p.setBrush(QColor(150, 220, 150));
    p.drawRect(QRectF(4, 11, 5, 2.5));
}

void DrawGlyph(QPainter& p, TToolbarGlyph glyph) {
    p.setPen(QPen(Inks.Ink, 1));
    switch (glyph) {
        case TToolbarGlyph::New:
            Page(p, QRectF(4.5, 2.5, 11, 15));
            break;
        case TToolbarGlyph::Open:
            p.setBrush(kYellow);
            p.drawRect(QRectF(2.5, 5.5, 14, 11));
            p.setBrush(QColor(250, 220, 120));
            p.drawPolygon(QPolygonF({{2.5, 16.5}, {6, 9.5}, {18.5, 9.5}, {15.5, 16.5}}));
            break;
        case TToolbarGlyph::Save:
            p.setBrush(Inks.Blue);
            p.drawRect(QRectF(2.5, 2.5, 15, 15));
            p.setBrush(kPaper);
            p.drawRect(QRectF(5.5, 2.5, 9, 6));
            p.drawRect(QRectF(5.5, 11.5, 9, 6));
            break;
        case TToolbarGlyph::Cut:
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(3, 12, 5, 5));
            p.drawEllipse(QRectF(12, 12, 5, 5));
            p.drawLine(QPointF(7, 12.5), QPointF(14, 2.5));
            p.drawLine(QPointF(13, 12.5), QPointF(6, 2.5));
            break;
        case TToolbarGlyph::Copy:
            Page(p, QRectF(2.5, 2.5, 9, 11));
            Page(p, QRectF(8.5, 6.5, 9, 11));
            Lines(p, QRectF(8.5, 6.5, 9, 11));
            break;
        case TToolbarGlyph::Paste:
            p.setBrush(QColor(180, 130, 70));
            p.drawRect(QRectF(3.5, 3.5, 11, 14));
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(6.5, 1.5, 5, 3));
            Page(p, QRectF(8.5, 7.5, 9, 11));
            break;
        case TToolbarGlyph::Read:
            Radio(p);
            Arrow(p, QPointF(11, 10), QPointF(18, 10));
            break;
        case TToolbarGlyph::Write:
            Radio(p);
            Arrow(p, QPointF(18, 10), QPointF(11, 10));
            break;
        case TToolbarGlyph::Print:
            Page(p, QRectF(5.5, 1.5, 9, 7));
            p.setBrush(QColor(160, 160, 160));
            p.drawRect(QRectF(2.5, 8.5, 15, 7));
            Page(p, QRectF(5.5, 12.5, 9, 6));
            break;
        case TToolbarGlyph::Undo:
            CurvedArrow(p, true);
            break;
        case TToolbarGlyph::Redo:
            CurvedArrow(p, false);
            break;
    }
}

}  // namespace

QIcon ToolbarIcon(TToolbarGlyph glyph, const QPalette& palette) {
    const bool dark = palette.color(QPalette::Button).lightness() < 128;
    Inks = dark ? TInks{kLightInk, kLightBlue} : TInks{kDarkInk, kDarkBlue};
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawGlyph(painter, glyph);
    painter.end();
    return QIcon(pixmap);
}
