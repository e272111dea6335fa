#include "controls/MicroScroll.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

#include "controls/BoxDrawing.h"

namespace controls {

MicroScroll::MicroScroll(int id, QWidget* parent) : QWidget(parent), id_(id) {
    setObjectName(QString::number(id));
    setCursor(Qt::ArrowCursor);
    timer_.setSingleShot(false);
    connect(&timer_, &QTimer::timeout, this, &MicroScroll::repeat);
}

void MicroScroll::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    held_ = event->position().y() < height() / 2 ? 0 : 1;
    update();
    emit scroll(id_, held_);
    timer_.start(kFirstRepeatMs);
}

void MicroScroll::repeat() {
    if (held_ < 0) {
        timer_.stop();
        return;
    }
    timer_.setInterval(kRepeatMs);
    emit scroll(id_, held_);
}

void MicroScroll::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    held_ = -1;
    timer_.stop();
    update();
}

void MicroScroll::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int half = height() / 2;
    drawArrow(painter, QRect(0, 0, width(), half), true, held_ == 0);
    drawArrow(painter, QRect(0, half, width(), height() - half), false, held_ == 1);
}

void MicroScroll::drawArrow(QPainter& painter, const QRect& r, bool up, bool pressed) const {
    if (pressed) {
        drawSunkenBox(painter, r, kButtonFace);
    } else {
        drawRaisedBox(painter, r, kButtonFace);
    }
    const int shift = pressed ? 1 : 0;
    const int cx = r.x() + r.width() / 2 + shift;
    const int cy = r.y() + r.height() / 2 + shift;
    const int size = std::max(1, std::min(r.width(), r.height()) / 4);
    QPolygon arrow;
    if (up) {
        arrow << QPoint(cx - size, cy + size / 2) << QPoint(cx + size, cy + size / 2)
              << QPoint(cx, cy - size / 2 - 1);
    } else {
        arrow << QPoint(cx - size, cy - size / 2) << QPoint(cx + size, cy - size / 2)
              << QPoint(cx, cy + size / 2 + 1);
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    painter.drawPolygon(arrow);
    painter.setBrush(Qt::NoBrush);
}

}  // namespace controls
