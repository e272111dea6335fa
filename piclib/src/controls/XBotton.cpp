#include "XBotton.h"

#include <QPainter>

#include "ControlLook.h"

namespace piclib {

XBotton::XBotton(QWidget* parent)
    : BitmapButton(parent, ControlBitmaps::Origin::kApplicationFirst) {}

void XBotton::paintEvent(QPaintEvent*) {
    if (parsedText().drawsNothing()) {
        return;
    }
    QPainter p(this);
    const int w = width();
    const int h = height();
    const bool pressed = isDown();
    const auto box = pressed ? look::sunkenBox : look::raisedBox;
    box(p, 0, 0, w, h, look::kFace);
    box(p, 1, 1, w - 1, h - 1, look::kFace);
    look::hline(p, 0, w - 1, h - 1, Qt::black);
    look::vline(p, w - 1, 0, h - 1, Qt::black);
    // Rounded corners.
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
        p.fillRect(corner.x(), corner.y(), 1, 1, look::kFace);
    }
    p.fillRect(w - 2, h - 2, 1, 1, look::kShadow);
    const bool bitmapOnTop = (windowStyle() & XB_BITMAP_ON_TOP) != 0;
    paintContents(p, bitmapOnTop, pressed ? QPoint(1, 1) : QPoint(0, 0));
    if (isDefault()) {
        look::frame(p, 0, 0, w, h, Qt::black, Qt::black);
    }
}

}  // namespace piclib
