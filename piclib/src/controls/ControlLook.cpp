#include "ControlLook.h"

#include <QPainter>
#include <QRect>
#include <algorithm>

namespace piclib::look {

void hline(QPainter& p, int x0, int x1, int y, const QColor& c) {
    if (x1 < x0) {
        std::swap(x0, x1);
    }
    p.fillRect(x0, y, x1 - x0 + 1, 1, c);
}

void vline(QPainter& p, int x, int y0, int y1, const QColor& c) {
    if (y1 < y0) {
        std::swap(y0, y1);
    }
    p.fillRect(x, y0, 1, y1 - y0 + 1, c);
}

void frame(QPainter& p, int left, int top, int right, int bottom, const QColor& topLeft,
           const QColor& bottomRight) {
    if (right <= left || bottom <= top) {
        return;
    }
    hline(p, left, right - 1, top, topLeft);
    vline(p, left, top, bottom - 1, topLeft);
    hline(p, left, right - 1, bottom - 1, bottomRight);
    vline(p, right - 1, top, bottom - 1, bottomRight);
}

void raisedBox(QPainter& p, int left, int top, int right, int bottom, const QColor& fill) {
    p.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), fill);
    frame(p, left, top, right, bottom, kHighlight, kShadow);
}

void sunkenBox(QPainter& p, int left, int top, int right, int bottom, const QColor& fill) {
    p.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), fill);
    frame(p, left, top, right, bottom, kShadow, kHighlight);
}

void focusRect(QPainter& p, const QRect& r) {
    if (r.isEmpty()) {
        return;
    }
    const QColor black(0, 0, 0);
    for (int x = r.left(); x <= r.right(); x += 2) {
        p.fillRect(x, r.top(), 1, 1, black);
        p.fillRect(x, r.bottom(), 1, 1, black);
    }
    for (int y = r.top(); y <= r.bottom(); y += 2) {
        p.fillRect(r.left(), y, 1, 1, black);
        p.fillRect(r.right(), y, 1, 1, black);
    }
}

QFont sansSerif(int cellHeight, bool bold) {
    constexpr int kSmallestCell = 13;
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    // A 13-pixel cell holds an 11-pixel em of the face.
    f.setPixelSize(std::max(cellHeight, kSmallestCell) - 2);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    return crisp(f);
}

QFont crisp(QFont f) {
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QColor fromColorRef(unsigned colorRef) {
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

}  // namespace piclib::look
