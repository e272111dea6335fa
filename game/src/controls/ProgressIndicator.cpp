#include "controls/ProgressIndicator.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QStatusBar>

#include <algorithm>

#include "controls/BoxDrawing.h"
#include "controls/ControlClasses.h"
#include "platform/MessageBox.h"

namespace controls {

namespace {

const QColor kNavy(0, 0, 128);    // colour reference 0x800000
const QColor kRed(255, 0, 0);     // colour reference 0x0000FF
constexpr int kStripHeight = 20;  // pixels, when there is no status bar to cover

}  // namespace

ProgressIndicator* ProgressIndicator::create(QWidget* parent, const QRect& r) {
    if (parent == nullptr || r.isEmpty()) {
        MessageBoxA(parent, "Unable to Create Frame", kFrameworkCaption,
                    MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    auto* frame = new ProgressIndicator(parent, r);
    frame->show();
    frame->update();
    return frame;
}

ProgressIndicator* ProgressIndicator::createBelow(QWidget* view) {
    QWidget* frame = view->window();
    auto* bar =
        frame ? frame->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (bar != nullptr && bar->isVisible() && !bar->rect().isEmpty()) {
        return create(bar, bar->rect());
    }
    const int height = std::min(kStripHeight, view->height());
    const QRect strip(0, view->height() - height, view->width(), height);
    return strip.isEmpty() ? nullptr : create(view, strip);
}

ProgressIndicator::ProgressIndicator(QWidget* parent, const QRect& r)
    : QWidget(parent), image_(r.size(), QImage::Format_RGB32) {
    setGeometry(r);
    setFont(smallFont());
    image_.fill(kButtonFace);
}

void ProgressIndicator::setRange(long start, long end) {
    start_ = start;
    end_ = end;
}

// An empty range counts as done.
int ProgressIndicator::percentOf(long value) const {
    const long span = end_ - start_;
    if (span <= 0) {
        return 100;
    }
    const long clamped = std::clamp(value, start_, end_) - start_;
    return static_cast<int>(clamped * 100 / span);
}

void ProgressIndicator::report(long value) {
    const int p = percentOf(value);
    if (p == lastPercent_ && !firstDraw_) {
        return;
    }
    lastPercent_ = p;
    QPainter painter(&image_);
    painter.setFont(font());
    const int oldBarEnd = barEnd_;
    if (firstDraw_) {
        drawSunkenBox(painter, image_.rect(), kButtonFace);
    }
    int textWidth = 0;
    drawText(painter, p, textWidth);
    if (firstDraw_) {
        barEnd_ = textWidth;
    }
    const int changedFrom = std::min(oldBarEnd, barEnd_);
    drawBar(painter, p, textWidth);
    painter.end();
    if (firstDraw_ || p == 0) {
        update();
    } else {
        update(QRect(0, 0, textWidth, height()));
        update(QRect(std::max(changedFrom - 1, 0), 0, width(), height()));
    }
    firstDraw_ = false;
}

// The label and percentage in a raised box; textWidth is that box's width,
// measured on three digits so that the box does not jitter.
void ProgressIndicator::drawText(QPainter& painter, int p, int& textWidth) {
    const QFontMetrics metrics(painter.font());
    QString text;
    if (p > 0) {
        text = QStringLiteral(" %1:%2% ").arg(label_).arg(p, 3);
        textWidth = metrics.horizontalAdvance(
            QStringLiteral(" %1:%2% ").arg(label_).arg(p, 3, 10, QLatin1Char('0')));
        barEnd_ = std::max(barEnd_, textWidth);
    } else {
        text = QStringLiteral(" %1...").arg(label_);
        textWidth = metrics.horizontalAdvance(text);
    }
    const int h = image_.height();
    drawRaisedBox(painter, boxRect(1, 1, textWidth - 1, h - 1), kButtonFace);
    painter.setPen(Qt::black);
    painter.drawText(1, (h - metrics.height()) / 2 + metrics.ascent(), text);
}

void ProgressIndicator::drawBar(QPainter& painter, int p, int textWidth) {
    const int h = image_.height();
    const int room = image_.width() - textWidth;
    const int filled = p >= 100 ? room : p * room / 100;
    if (p > 0) {
        drawRaisedBox(painter, boxRect(barEnd_ - 1, 1, textWidth + filled, h - 1), kNavy);
    } else {
        const int textHeight = QFontMetrics(painter.font()).height();
        drawRaisedBox(painter, boxRect(textWidth - 1, 1, textWidth + textHeight, h - 1), kRed);
    }
    barEnd_ = textWidth + filled - 1;
}

void ProgressIndicator::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (firstDraw_) {
        drawSunkenBox(painter, rect(), kButtonFace);
        return;
    }
    painter.drawImage(event->rect(), image_, event->rect());
}

void ProgressIndicator::resizeEvent(QResizeEvent*) {
    image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(kButtonFace);
    firstDraw_ = true;
}

}  // namespace controls
