#include "controls/PieceToolTip.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "controls/BoxDrawing.h"

namespace controls {

PieceToolTip::PieceToolTip(QWidget* parent, const QString& text) : QWidget(parent), text_(text) {
    setFont(smallFont());
    const QFontMetrics metrics(font());
    if (text_.isEmpty()) {
        resize(100, 17);
    } else {
        resize(metrics.horizontalAdvance(text_) + 10, metrics.height() + 8);
    }
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void PieceToolTip::placeAt(const QPoint& p) {
    int x = p.x();
    int y = p.y();
    if (parentWidget() != nullptr) {
        x = std::min(x, parentWidget()->width() - width());
        y = std::min(y, parentWidget()->height() - height());
    }
    move(std::max(x, 0), std::max(y, 0));
}

void PieceToolTip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawRaisedBox(painter, rect(), kButtonFace);
    drawSunkenBox(painter, rect().adjusted(2, 2, -2, -2), kLightYellow);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font());
    const int y = (height() - metrics.height()) / 2 + metrics.ascent();
    painter.drawText(4, y, text_);
}

}  // namespace controls
