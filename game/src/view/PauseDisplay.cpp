#include "view/PauseDisplay.h"

#include <QFont>
#include <QPainter>

void PauseDisplay::Advance() {
    m_angle += 2;
    if (m_angle > 360) {
        m_angle = 0;
    }
}

void PauseDisplay::Paint(QPainter& painter, const QSize& client) const {
    const int w = (client.width() / 2) / 5;
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(std::max(2 * w, 1));
    painter.save();
    painter.setFont(font);
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
