#include "view/GameCursors.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTransform>

namespace {

constexpr int kSize = 32;

// Every cursor is a white shape with a black outline, so that it shows on
// both light and dark pictures.
void strokeShape(QPainter& painter, const QPainterPath& path) {
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::white);
    painter.drawPath(path);
}

QPixmap blankPixmap() {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A piece with a knob on each side: a group held in the hand.
QCursor heldCursor() {
    QPixmap pixmap = blankPixmap();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.addRect(9, 9, 14, 14);
    QPainterPath knobs;
    knobs.addEllipse(QPointF(16, 7), 3.5, 3.5);
    knobs.addEllipse(QPointF(25, 16), 3.5, 3.5);
    knobs.addEllipse(QPointF(16, 25), 3.5, 3.5);
    knobs.addEllipse(QPointF(7, 16), 3.5, 3.5);
    strokeShape(painter, body.united(knobs));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(14, 16, 18, 16);
    painter.drawLine(16, 14, 16, 18);
    painter.end();
    return QCursor(pixmap, kSize / 2, kSize / 2);
}

// A broad arrow pointing right, turned by the given angle (degrees,
// clockwise); the hot spot is the arrow's tip.
QCursor arrowCursor(qreal degrees) {
    QPixmap pixmap = blankPixmap();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(kSize / 2.0, kSize / 2.0);
    painter.rotate(degrees);
    const QPolygonF arrow({{-13, -4}, {2, -4}, {2, -11}, {14, 0}, {2, 11}, {2, 4}, {-13, 4}});
    QPainterPath path;
    path.addPolygon(arrow);
    path.closeSubpath();
    strokeShape(painter, path);
    painter.end();
    const QPointF tip =
        QTransform().translate(kSize / 2.0, kSize / 2.0).rotate(degrees).map(QPointF(14, 0));
    const int hotX = qBound(0, qRound(tip.x()), kSize - 1);
    const int hotY = qBound(0, qRound(tip.y()), kSize - 1);
    return QCursor(pixmap, hotX, hotY);
}

// Scissors with the blades open by the given angle (degrees); the two
// frames of the busy cursor differ only in that angle.
QCursor scissorsCursor(qreal opening) {
    QPixmap pixmap = blankPixmap();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(16, 15);
    for (const qreal side : {-1.0, 1.0}) {
        painter.save();
        painter.rotate(side * opening / 2.0);
        QPainterPath blade;
        blade.moveTo(0, -2.5);
        blade.lineTo(-14, -side * 0.5);
        blade.lineTo(0, 2.5);
        blade.closeSubpath();
        strokeShape(painter, blade);
        QPainterPath handle;
        handle.addEllipse(QPointF(9, 0), 5.5, 4.0);
        QPainterPath hole;
        hole.addEllipse(QPointF(9, 0), 2.5, 1.5);
        strokeShape(painter, handle.subtracted(hole));
        painter.restore();
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(0, 0), 1.2, 1.2);
    painter.end();
    return QCursor(pixmap, 2, 15);
}

QCursor drawCursor(int resourceId) {
    switch (resourceId) {
        case GameCursors::kHeld:
            return heldCursor();
        case GameCursors::kScrollRight:
            return arrowCursor(0);
        case GameCursors::kScrollDown:
            return arrowCursor(90);
        case GameCursors::kScrollLeft:
            return arrowCursor(180);
        case GameCursors::kScrollUp:
            return arrowCursor(270);
        case GameCursors::kCutA:
            return scissorsCursor(40);
        case GameCursors::kCutB:
            return scissorsCursor(12);
        default:
            return QCursor(Qt::ArrowCursor);
    }
}

}  // namespace

QCursor GameCursor(int resourceId) {
    // Each cursor is drawn once: the cut asks for one after every piece.
    // Never destroyed: a pixmap must not be freed after the application ends.
    static auto* drawn = new QHash<int, QCursor>;
    auto it = drawn->constFind(resourceId);
    if (it == drawn->constEnd()) {
        it = drawn->insert(resourceId, drawCursor(resourceId));
    }
    return *it;
}
