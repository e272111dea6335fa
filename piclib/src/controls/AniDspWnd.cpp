#include "AniDspWnd.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ControlLook.h"
#include "PictControls.h"
#include "platform/Surface.h"

namespace piclib {

namespace {

// A copy of the surface's pixels (the sender keeps its surface). Surfaces
// leave the top byte 0; an RGB32 image wants it 0xFF to count as opaque.
QImage copyOf(const platform::Surface& surface) {
    QImage image(surface.width(), surface.height(), QImage::Format_RGB32);
    for (int y = 0; y < surface.height(); ++y) {
        const platform::Pixel* from = surface.row(y);
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < surface.width(); ++x) {
            to[x] = from[x] | 0xFF000000u;
        }
    }
    return image;
}

}  // namespace

AniDspWnd::AniDspWnd(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void AniDspWnd::setBitmap(const QImage& bitmap) {
    bitmap_ = bitmap;
    update();
}

std::intptr_t AniDspWnd::message(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (msg) {
        case PM_SETBITMAP: {
            const auto* surface = reinterpret_cast<const platform::Surface*>(lParam);
            if (surface == nullptr || surface->isNull()) {
                setBitmap(QImage());
                return 0;
            }
            setBitmap(copyOf(*surface));
            return 0;
        }
        case PM_SETPALETTE:
            // The display is true colour: realising a palette changes nothing.
            return 0;
        default:
            return PictControl::message(msg, wParam, lParam);
    }
}

void AniDspWnd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!bitmap_.isNull()) {
        p.drawImage(0, 0, bitmap_);
    }
    if (hasFocus()) {
        look::focusRect(p, rect());
    }
}

void AniDspWnd::activate() {
    emit activated();
    sendCommand(this);
}

void AniDspWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        activate();
    }
}

void AniDspWnd::keyReleaseEvent(QKeyEvent* event) {
    const int key = event->key();
    if (!event->isAutoRepeat() &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        activate();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void AniDspWnd::focusInEvent(QFocusEvent*) {
    update();
}

void AniDspWnd::focusOutEvent(QFocusEvent*) {
    update();
}

}  // namespace piclib
