#include "view/PauseDisplay.h"

#include <algorithm>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

void PauseDisplay::Advance() {
    m_angle += 2;
    if (m_angle > 360) {
        m_angle = 0;
    }
}

// Characters are w - w / 8 pixels wide, w being a tenth of the client width,
// and twice that high; the face's own width is stretched to fit.
QFont PauseDisplay::Font(const QSize& client) {
    const int w = (client.width() / 2) / 5;
    const int charWidth = std::max(w - w / 8, 1);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(2 * charWidth);
    const int natural = QFontMetrics(font).horizontalAdvance(u'P');
    if (natural > 0) {
        font.setStretch(std::clamp(charWidth * 100 / natural, 1, 4000));
    }
    return font;
}

void PauseDisplay::Paint(QPainter& painter, const QSize& client) const {
    painter.save();
    painter.setFont(Font(client));
    const QString text = QStringLiteral("Pause");
    const QRect bounds = painter.fontMetrics().boundingRect(text);
    struct Layer {
        QColor colour;
        int offset;
    };
    const Layer layers[] = {{QColor(0xC0, 0xC0, 0xC0), 0},
                            {QColor(0x80, 0x80, 0x80), 4},
                            {QColor(0xFF, 0x00, 0x00), 2}};
    for (const Layer& layer : layers) {
        painter.save();
        painter.translate(client.width() / 2 + layer.offset, client.height() / 2 + layer.offset);
        painter.rotate(-m_angle);
        painter.setPen(layer.colour);
        painter.drawText(-bounds.width() / 2, bounds.height() / 4, text);
        painter.restore();
    }
    painter.restore();
}
