#include "BitmapButton.h"

#include <QEvent>
#include <QPainter>

#include "ControlLook.h"

namespace piclib {

namespace {
constexpr int kCaptionFlags = Qt::TextSingleLine | Qt::TextShowMnemonic;
}  // namespace

BitmapButton::BitmapButton(QWidget* parent, ControlBitmaps::Origin origin)
    : QPushButton(parent), origin_(origin) {
    setAutoDefault(true);
    connect(this, &QAbstractButton::clicked, this, [this] { sendCommand(this); });
}

void BitmapButton::created() {
    setDefault((windowStyle() & BS_DEFPUSHBUTTON) != 0);
}

std::intptr_t BitmapButton::message(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (msg) {
        case WM_GETDLGCODE:
            return isDefault() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON;
        case BM_SETSTYLE: {
            const bool makeDefault = (wParam & BS_DEFPUSHBUTTON) != 0;
            setWindowStyle(makeDefault ? windowStyle() | BS_DEFPUSHBUTTON
                                       : windowStyle() & ~BS_DEFPUSHBUTTON);
            setDefault(makeDefault);
            repaint();
            return 0;
        }
        default:
            return PictControl::message(msg, wParam, lParam);
    }
}

bool BitmapButton::hitButton(const QPoint&) const {
    // Once pressed, the button stays pressed and fires wherever the mouse
    // is released.
    return true;
}

void BitmapButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        repaint();
    }
}

void BitmapButton::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    repaint();
}

void BitmapButton::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    repaint();
}

void BitmapButton::textChanged() {
    parsed_ = parseButtonText(windowText());
    bitmap_ = parsed_.bitmap > 0 ? ControlBitmaps::byNumber(parsed_.bitmap, origin_) : QPixmap();
    // The caption's "&" marks the key that clicks the button.
    setText(parsed_.caption);
    repaint();
}

void BitmapButton::paintCaption(QPainter& p, const QRect& box, const QString& caption,
                                int alignment) {
    const int flags = kCaptionFlags | alignment;
    if (isEnabled()) {
        p.setPen(Qt::black);
        p.drawText(box, flags, caption);
    } else {
        p.setPen(Qt::white);
        p.drawText(box.translated(1, 1), flags, caption);
        p.setPen(look::kShadow);
        p.drawText(box, flags, caption);
    }
    if (hasFocus()) {
        const QRect used = p.fontMetrics().boundingRect(box, flags, caption);
        look::focusRect(p, used.adjusted(-1, -1, 1, 1));
    }
}

void BitmapButton::paintContents(QPainter& p, bool bitmapOnTop, QPoint offset) {
    p.setFont(look::crisp(font()));
    const QFontMetrics fm = p.fontMetrics();
    const QString& caption = parsed_.caption;
    const QSize bm = bitmap_.isNull() ? QSize(0, 0) : bitmap_.size();
    if (caption.isEmpty()) {
        p.drawPixmap(QPoint(3, (height() - bm.height()) / 2) + offset, bitmap_);
        return;
    }
    const QSize text = fm.size(kCaptionFlags, caption);
    if (bitmapOnTop) {
        p.drawPixmap(QPoint((width() - bm.width()) / 2, 4) + offset, bitmap_);
        const QRect line(0, 4 + bm.height() + 1, width(), text.height());
        paintCaption(p, line.translated(offset), caption, Qt::AlignHCenter | Qt::AlignTop);
        return;
    }
    const int gap = bm.width() > 0 ? 2 : 0;
    const int left = (width() - (bm.width() + gap + text.width())) / 2;
    p.drawPixmap(QPoint(left, (height() - bm.height()) / 2) + offset, bitmap_);
    const QRect box(left + bm.width() + gap, (height() - text.height()) / 2, text.width(),
                    text.height());
    paintCaption(p, box.translated(offset), caption, Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace piclib
