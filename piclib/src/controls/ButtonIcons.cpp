#include "ButtonIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace piclib {

namespace {

constexpr int kIcon = 16;

QPixmap blank(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    return pm;
}

void prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
}

QPixmap okIcon() {
    QPixmap pm = blank(kIcon);
    QPainter p(&pm);
    prepare(p);
    const QPolygonF tick{{2.5, 8.5}, {6.0, 12.5}, {13.5, 3.0}};
    p.setPen(QPen(QColor(0, 96, 0), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(tick);
    p.setPen(QPen(QColor(0, 192, 0), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(tick);
    return pm;
}

QPixmap cancelIcon() {
    QPixmap pm = blank(kIcon);
    QPainter p(&pm);
    prepare(p);
    for (const auto& [pen, width] : {std::pair{QColor(128, 0, 0), 3.6}, {QColor(230, 0, 0), 2.0}}) {
        p.setPen(QPen(pen, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    }
    return pm;
}

void questionMark(QPainter& p, const QRectF& r, const QColor& c, int pixelSize) {
    QFont f(QStringLiteral("Sans Serif"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
}

QPixmap helpIcon() {
    QPixmap pm = blank(kIcon);
    QPainter p(&pm);
    prepare(p);
    p.setPen(QPen(QColor(0, 0, 128), 1.0));
    p.setBrush(QColor(64, 96, 224));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    questionMark(p, QRectF(1.5, 1.5, 13, 13), Qt::white, 11);
    return pm;
}

// A small landscape in a frame: sky, sun and a green hill.
void landscape(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(64, 64, 64), 1.0));
    p.setBrush(QColor(150, 200, 255));
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 0));
    p.drawEllipse(QPointF(r.right() - 3.0, r.top() + 3.0), 1.6, 1.6);
    QPainterPath hill;
    hill.moveTo(r.left() + 0.5, r.bottom() - 0.5);
    hill.quadTo(r.center().x() - 1, r.top() + 2.5, r.right() - 0.5, r.bottom() - 1.5);
    hill.lineTo(r.right() - 0.5, r.bottom() - 0.5);
    hill.closeSubpath();
    p.setBrush(QColor(40, 150, 40));
    p.drawPath(hill);
}

// A blue disc with a white "i" in the lower right corner.
void infoBadge(QPainter& p) {
    p.setPen(QPen(Qt::white, 1.0));
    p.setBrush(QColor(0, 0, 160));
    p.drawEllipse(QRectF(8.5, 8.5, 7, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(11.5, 11.5, 1.2, 3));
    p.drawRect(QRectF(11.5, 9.8, 1.2, 1.1));
}

QPixmap pictureInfoIcon() {
    QPixmap pm = blank(kIcon);
    QPainter p(&pm);
    prepare(p);
    landscape(p, QRectF(0.5, 1.5, 13, 10));
    infoBadge(p);
    return pm;
}

QPixmap artistInfoIcon() {
    QPixmap pm = blank(kIcon);
    QPainter p(&pm);
    prepare(p);
    p.setPen(QPen(QColor(96, 48, 16), 1.0));
    p.setBrush(QColor(240, 190, 150));
    p.drawEllipse(QRectF(3.5, 1.5, 6, 6));
    p.setBrush(QColor(160, 32, 32));
    p.drawChord(QRectF(1.0, 8.0, 11, 12), 0, 180 * 16);
    p.setBrush(QColor(40, 40, 40));
    p.drawChord(QRectF(3.0, 0.5, 8, 4.5), 0, 180 * 16);
    infoBadge(p);
    return pm;
}

QPixmap selectPictureIcon() {
    QPixmap pm = blank(kIcon);
    QPainter p(&pm);
    prepare(p);
    landscape(p, QRectF(5.5, 0.5, 10, 8));
    p.setPen(QPen(QColor(128, 96, 0), 1.0));
    p.setBrush(QColor(230, 190, 60));
    p.drawRect(QRectF(0.5, 6.5, 12, 8));
    p.setBrush(QColor(255, 225, 110));
    const QPolygonF flap{{0.5, 14.5}, {3.0, 9.0}, {15.0, 9.0}, {12.5, 14.5}};
    p.drawPolygon(flap);
    return pm;
}

// A padlock body at the bottom with the shackle closed or swung open.
void padlock(QPainter& p, bool open, double x) {
    p.setPen(QPen(QColor(96, 96, 96), 1.6));
    p.setBrush(Qt::NoBrush);
    const QRectF shackle = open ? QRectF(x + 4.0, 0.8, 5, 7) : QRectF(x + 1.8, 1.8, 5, 7);
    p.drawArc(shackle, 0, 180 * 16);
    p.drawLine(QPointF(shackle.left(), shackle.center().y()),
               QPointF(shackle.left(), open ? 5.0 : 7.5));
    p.drawLine(QPointF(shackle.right(), shackle.center().y()), QPointF(shackle.right(), 7.5));
    p.setPen(QPen(QColor(128, 96, 0), 1.0));
    p.setBrush(QColor(230, 180, 30));
    p.drawRoundedRect(QRectF(x + 0.5, 7.5, 8, 7), 1, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 60, 0));
    p.drawRect(QRectF(x + 4.0, 10.0, 1.2, 2.5));
}

// A dark blue arrow pointing right from x0 to x1 at height y.
void arrow(QPainter& p, double x0, double x1, double y) {
    p.setPen(QPen(QColor(0, 0, 128), 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x0, y), QPointF(x1 - 2.0, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawPolygon(QPolygonF{{x1, y}, {x1 - 3.5, y - 3.0}, {x1 - 3.5, y + 3.0}});
}

QPixmap unlockAndMoveIcon() {
    QPixmap pm = blank(kIcon);
    QPainter p(&pm);
    prepare(p);
    padlock(p, true, 0.0);
    arrow(p, 9.0, 15.8, 4.0);
    return pm;
}

QPixmap moveToLockedIcon() {
    QPixmap pm = blank(kIcon);
    QPainter p(&pm);
    prepare(p);
    arrow(p, 0.2, 7.0, 4.0);
    padlock(p, false, 7.0);
    return pm;
}

QPixmap questionSymbol() {
    constexpr int kSize = 32;
    QPixmap pm = blank(kSize);
    QPainter p(&pm);
    prepare(p);
    QPainterPath bubble;
    bubble.addEllipse(QRectF(1.5, 1.5, 28, 24));
    QPainterPath tail;
    tail.addPolygon(QPolygonF{{9.0, 21.0}, {6.0, 30.5}, {16.0, 24.0}});
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::white);
    p.drawPath(bubble.united(tail));
    questionMark(p, QRectF(1.5, 1.5, 28, 24), QColor(0, 0, 255), 20);
    return pm;
}

}  // namespace

QPixmap ButtonIcons::byNumber(int number) {
    switch (number) {
        case 105:
            return selectPictureIcon();
        case 107:
            return okIcon();
        case 108:
        case 202:
            return cancelIcon();
        case 109:
            return artistInfoIcon();
        case 110:
            return pictureInfoIcon();
        case 111:
            return helpIcon();
        case 200:
            return unlockAndMoveIcon();
        case 201:
            return moveToLockedIcon();
        default:
            return {};
    }
}

QPixmap ButtonIcons::byName(const QString& name) {
    if (name.compare(QStringLiteral("QUESTION"), Qt::CaseInsensitive) == 0) {
        return questionSymbol();
    }
    return {};
}

}  // namespace piclib
