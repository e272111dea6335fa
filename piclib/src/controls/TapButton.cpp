#include "TapButton.h"

#include <QPainter>

#include "ControlLook.h"

namespace piclib {

namespace {
constexpr int kGrowth = 2;
}  // namespace

TapButton::TapButton(QWidget* parent)
    : BitmapButton(parent, ControlBitmaps::Origin::kLibraryOnly) {}

void TapButton::setActive(bool active) {
    if (active == active_) {
        return;
    }
    active_ = active;
    const QRect old = geometry();
    const int d = active ? kGrowth : -kGrowth;
    setGeometry(old.adjusted(-d, -d, d, d));
    if (active) {
        // Above its neighbours and the page frame, so that it covers the
        // frame's top line and joins the page. (Among siblings that do not
        // clip each other the bottom of the order is painted last; in Qt the
        // top of the stack is, so raising gives the same picture.)
        raise();
    }
    if (parentWidget() != nullptr) {
        parentWidget()->repaint(old);
    }
    repaint();
}

std::intptr_t TapButton::message(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (msg == PM_ACTIVATETAB) {
        setActive(wParam == 1);
        return 0;
    }
    return BitmapButton::message(msg, wParam, lParam);
}

void TapButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = width();
    const int h = height();
    // The bottom edge of the box lies below the window.
    look::raisedBox(p, 0, 0, w - 1, h + 1, look::kFace);
    look::vline(p, w - 1, 1, h - 1, Qt::black);
    p.fillRect(0, 0, 1, 1, look::kFace);
    p.fillRect(w - 1, 0, 1, 1, look::kFace);
    p.fillRect(1, 1, 1, 1, look::kHighlight);
    if (!active_) {
        look::hline(p, 0, w - 1, h - 1, look::kHighlight);
    }
    const ButtonText& parsed = parsedText();
    if (parsed.hasNumber && parsed.bitmap != 0) {
        paintContents(p, false, QPoint(0, 0));
        return;
    }
    p.setFont(look::crisp(font()));
    paintCaption(p, QRect(3, 0, w - 3, h), windowText(), Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace piclib
