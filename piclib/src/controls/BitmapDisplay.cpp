#include "BitmapDisplay.h"

#include <QPainter>

#include "ControlBitmaps.h"
#include "ControlLook.h"
#include "PictControls.h"

namespace piclib {

namespace {
constexpr unsigned kCentreInParent = 0x1;
constexpr unsigned kFitToBitmap = 0x2;
}  // namespace

BitmapDisplay::BitmapDisplay(QWidget* parent) : QWidget(parent) {}

void BitmapDisplay::created() {
    bitmap_ = ControlBitmaps::byText(windowText());
    if ((windowStyle() & kFitToBitmap) != 0 && !bitmap_.isNull()) {
        resize(bitmap_.size());
    }
    if ((windowStyle() & kCentreInParent) != 0 && parentWidget() != nullptr) {
        move((parentWidget()->width() - width()) / 2, y());
    }
}

void BitmapDisplay::setBitmapResource(int number) {
    bitmap_ = ControlBitmaps::byNumber(number, ControlBitmaps::Origin::kApplicationFirst);
    update();
}

std::intptr_t BitmapDisplay::message(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (msg == PM_SETBITMAP) {
        setBitmapResource(static_cast<int>(wParam));
        return 0;
    }
    return PictControl::message(msg, wParam, lParam);
}

void BitmapDisplay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!bitmap_.isNull()) {
        p.drawPixmap(0, 0, bitmap_);
    }
    if (hasFocus()) {
        look::focusRect(p, rect());
    }
}

void BitmapDisplay::focusInEvent(QFocusEvent*) {
    update();
}

void BitmapDisplay::focusOutEvent(QFocusEvent*) {
    update();
}

}  // namespace piclib
