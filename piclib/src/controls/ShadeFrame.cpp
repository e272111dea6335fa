#include "ShadeFrame.h"

#include <QPainter>

#include "ControlLook.h"

namespace piclib {

ShadeFrame::ShadeFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShadeFrame::created() {
    lower();
}

void ShadeFrame::textChanged() {
    repaint();
}

void ShadeFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QChar look = windowText().isEmpty() ? QChar() : windowText().front();
    if (look == u'A') {
        paintGroup(p);
    } else if (look == u'I') {
        look::frame(p, 0, 0, width(), height(), look::kShadow, look::kHighlight);
    } else if (look == u'O') {
        look::frame(p, 0, 0, width(), height(), look::kHighlight, look::kShadow);
    }
}

void ShadeFrame::paintGroup(QPainter& p) {
    p.setFont(look::crisp(font()));
    const int q = p.fontMetrics().height() / 4;
    // An etched groove: a sunken outline with a raised one just inside it.
    look::frame(p, 1, q + 1, width() - 1, height() - 1, look::kShadow, look::kHighlight);
    look::frame(p, 2, q + 2, width() - 2, height() - 2, look::kHighlight, look::kShadow);
    const QString caption = windowText().mid(2);
    if (caption.isEmpty()) {
        return;
    }
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
    const QRect area(10, 0, width() - 10, height());
    const QRect box = p.fontMetrics().boundingRect(area, flags, caption);
    p.fillRect(box, look::kFace);
    p.setPen(Qt::white);
    p.drawText(area, flags, caption);
    p.setPen(look::kDarkBlue);
    p.drawText(area.translated(1, 1), flags, caption);
}

}  // namespace piclib
