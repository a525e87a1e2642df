#include "gui/kit/radioart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kBody(38, 44, 56);
const QColor kPanel(70, 80, 96);
const QColor kDisplay(150, 220, 170);
const QColor kKnob(190, 196, 204);
const QColor kWave(255, 214, 120);

// A transceiver filling `box`: body, display, a big knob, keys and an antenna
// rising from its top right corner to `antennaTop`.
void DrawTransceiver(QPainter& painter, const QRectF& box, qreal antennaTop) {
    const qreal unit = box.height() / 10.0;
    painter.setPen(QPen(kBody.darker(150), unit * 0.3));
    painter.setBrush(kBody);
    const QPointF antennaFoot(box.right() - unit * 1.5, box.top());
    painter.drawLine(antennaFoot, QPointF(antennaFoot.x(), antennaTop));
    painter.drawRoundedRect(box, unit, unit);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPanel);
    painter.drawRoundedRect(box.adjusted(unit * 0.6, unit * 0.6, -unit * 0.6, -unit * 0.6),
                            unit * 0.6, unit * 0.6);
    painter.setBrush(kDisplay);
    painter.drawRect(
        QRectF(box.left() + unit * 1.2, box.top() + unit * 1.6, box.width() * 0.45, unit * 3));
    painter.setBrush(kKnob);
    painter.drawEllipse(QPointF(box.right() - unit * 3, box.center().y()), unit * 2.2, unit * 2.2);
    painter.setBrush(kBody);
    painter.drawEllipse(QPointF(box.right() - unit * 3, box.center().y()), unit * 0.6, unit * 0.6);
    painter.setBrush(kKnob);
    for (int key = 0; key < 4; ++key) {
        painter.drawRect(QRectF(box.left() + unit * (1.2 + key * 1.6), box.bottom() - unit * 3.2,
                                unit * 1.1, unit * 1.2));
    }
}

// Arcs spreading from `centre` on both sides.
void DrawWaves(QPainter& painter, QPointF centre, qreal step, int count) {
    painter.setBrush(Qt::NoBrush);
    for (int wave = 1; wave <= count; ++wave) {
        QColor colour = kWave;
        colour.setAlpha(230 - wave * 40);
        painter.setPen(QPen(colour, step * 0.25, Qt::SolidLine, Qt::RoundCap));
        const qreal radius = step * wave;
        const QRectF ring(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2);
        painter.drawArc(ring, -40 * 16, 80 * 16);
        painter.drawArc(ring, 140 * 16, 80 * 16);
    }
}

}  // namespace

QPixmap DrawSplashPicture(QSize size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(12, 24, 64));
    sky.setColorAt(0.7, QColor(46, 70, 140));
    sky.setColorAt(1.0, QColor(200, 110, 60));
    painter.fillRect(picture.rect(), sky);
    const qreal width = size.width();
    const qreal height = size.height();
    const QRectF body(width * 0.52, height * 0.52, width * 0.38, height * 0.28);
    const qreal antennaTop = height * 0.18;
    DrawWaves(painter, QPointF(body.right() - body.height() * 0.15, antennaTop), height * 0.06, 4);
    DrawTransceiver(painter, body, antennaTop);
    return picture;
}

QPixmap DrawProgramIcon(QSize size) {
    QPixmap icon(size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(1, size.height() * 0.4, size.width() - 2, size.height() * 0.58);
    DrawTransceiver(painter, body, 1);
    return icon;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(DrawProgramIcon(QSize(size, size)));
    return icon;
}
