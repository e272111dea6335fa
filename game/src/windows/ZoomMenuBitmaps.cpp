#include "windows/ZoomMenuBitmaps.h"

#include <QPainter>

namespace windows {

namespace {

constexpr int kWidth = 78;
constexpr int kHeight = 18;

// A magnifying glass with a minus (or a plus) beside the command's name.
QPixmap draw(bool zoomIn, bool greyed) {
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = greyed ? QColor(0x80, 0x80, 0x80) : Qt::black;
    if (greyed) {
        // The engraved look of a greyed item: a white copy one pixel down.
        p.setPen(QPen(Qt::white, 1.5));
        p.drawEllipse(QRectF(3, 3, 10, 10));
    }
    p.setPen(QPen(ink, 1.5));
    p.drawEllipse(QRectF(2, 2, 10, 10));
    p.setPen(QPen(ink, 2.5));
    p.drawLine(QPointF(11, 11), QPointF(15, 15));
    p.setPen(QPen(ink, 1.5));
    p.drawLine(QPointF(4.5, 7), QPointF(9.5, 7));
    if (zoomIn) {
        p.drawLine(QPointF(7, 4.5), QPointF(7, 9.5));
    }
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    const QRect text(19, 0, kWidth - 19, kHeight);
    const QString name = zoomIn ? QStringLiteral("Zoom in") : QStringLiteral("Zoom out");
    if (greyed) {
        p.setPen(Qt::white);
        p.drawText(text.translated(1, 1), Qt::AlignVCenter | Qt::AlignLeft, name);
    }
    p.setPen(ink);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, name);
    return pixmap;
}

}  // namespace

QPixmap zoomMenuBitmap(int resource) {
    switch (resource) {
        case 134:
            return draw(false, false);
        case 132:
            return draw(true, false);
        case 2191:
            return draw(false, true);
        case 2190:
            return draw(true, true);
        default:
            return {};
    }
}

}  // namespace windows
