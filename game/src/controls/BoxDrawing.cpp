#include "controls/BoxDrawing.h"

#include <QPainter>

namespace controls {

namespace {

// Outline of r (exclusive right and bottom) in first, then its bottom and
// right edges again in second.
void drawBox(QPainter& painter, const QRect& r, const QColor& fill, const QColor& first,
             const QColor& second) {
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    painter.fillRect(r, fill);
    const int right = r.x() + r.width() - 1;
    const int bottom = r.y() + r.height() - 1;
    painter.setPen(first);
    painter.drawLine(r.x(), r.y(), right, r.y());
    painter.drawLine(r.x(), r.y(), r.x(), bottom);
    painter.setPen(second);
    painter.drawLine(r.x(), bottom, right, bottom);
    painter.drawLine(right, r.y(), right, bottom);
}

}  // namespace

QColor fromColorRef(unsigned colorRef) {
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

void drawSunkenBox(QPainter& painter, const QRect& r, const QColor& fill) {
    drawBox(painter, r, fill, kButtonShadow, kButtonHighlight);
}

void drawRaisedBox(QPainter& painter, const QRect& r, const QColor& fill) {
    drawBox(painter, r, fill, kButtonHighlight, kButtonShadow);
}

QFont smallFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QFont dialogFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

}  // namespace controls
