#include "controls/NamesList.h"

#include <QFontMetrics>
#include <QPainter>

#include "controls/BoxDrawing.h"
#include "controls/ControlClasses.h"
#include "platform/MessageBox.h"

namespace controls {

NamesList::NamesList(int id, QWidget* parent) : QWidget(parent) {
    setObjectName(QString::number(id));
}

void NamesList::setNames(int alignment, const QStringList* names) {
    if (names == nullptr) {
        MessageBoxA(this, "Not a valid Parameter in WM_SETMAES", kFrameworkCaption,
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    names_ = *names;
    hasNames_ = true;
    alignment_ = alignment;
    update();
}

void NamesList::setHighlight(int row) {
    highlight_ = row;
    update();
}

int NamesList::rowHeight() const {
    return names_.isEmpty() ? 0 : height() / static_cast<int>(names_.size());
}

std::intptr_t NamesList::sendMessage(unsigned message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
    if (message == kSetNames) {
        setNames(static_cast<int>(wParam), reinterpret_cast<const QStringList*>(lParam));
    } else if (message == kSetHighlight) {
        setHighlight(static_cast<int>(static_cast<std::intptr_t>(wParam)));
    }
    return 0;
}

void NamesList::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kButtonFace);
    const int rh = rowHeight();
    if (!hasNames_ || rh <= 0) {
        return;
    }
    painter.setFont(smallFont());
    const QFontMetrics metrics(painter.font());
    const int m = metrics.horizontalAdvance(u'm');
    for (int i = 0; i < names_.size(); ++i) {
        const bool lit = i == highlight_;
        drawSunkenBox(painter, boxRect(1, 1 + i * rh, width() - 1, (i + 1) * rh - 1),
                      lit ? kOlive : kLightYellow);
        const QString& text = names_[i];
        const int x = alignment_ == kAlignRight ? width() - m / 2 - metrics.horizontalAdvance(text)
                                                : (m + 1) / 2;
        painter.setPen(lit ? Qt::white : Qt::black);
        painter.drawText(x, i * rh + 2 + metrics.ascent(), text);
    }
}

}  // namespace controls
