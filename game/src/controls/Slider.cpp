#include "controls/Slider.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QStringList>

#include <algorithm>

#include "controls/BoxDrawing.h"
#include "controls/MulDiv.h"

namespace controls {

namespace {

constexpr int kMaxValue = 0xFFFF;
constexpr int kMargin = 2;          // between the widget's edge and the thumb's extent
constexpr int kThumbLength = 11;    // along the track
const QColor kTrackRed(192, 0, 0);  // colour reference 0x0000C0

// A decimal number of 0..65535 made of digits only, or -1.
int parseValue(const QString& text) {
    if (text.isEmpty() || text.size() > 5) {
        return -1;
    }
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') {
            return -1;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value <= kMaxValue ? value : -1;
}

}  // namespace

Slider::Slider(int id, unsigned style, const QString& text, QWidget* parent)
    : QWidget(parent), id_(id), style_(style) {
    if ((style_ & kStyleVertical) != 0) {
        style_ &= ~kStyleHorizontal;
    }
    setObjectName(QString::number(id));
    setWindowTitle(text);
    setCursor(Qt::ArrowCursor);
    setAutoFillBackground(false);
    if ((style_ & kStyleRangeFromText) != 0) {
        readText(text);
    }
}

// "min,max,pos": anything else leaves the range 0..9 and the position 5. A
// position outside the range is put in its middle.
void Slider::readText(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 3) {
        return;
    }
    const int values[3] = {parseValue(parts[0]), parseValue(parts[1]), parseValue(parts[2])};
    if (values[0] < 0 || values[1] < values[0] || values[2] < 0) {
        return;
    }
    min_ = values[0];
    max_ = values[1];
    pos_ = values[2] >= min_ && values[2] <= max_ ? values[2] : (min_ + max_) / 2;
}

bool Slider::setPosition(int position) {
    if (position < min_ || position > max_) {
        return false;
    }
    changePosition(position);
    return true;
}

bool Slider::setRange(int minimum, int maximum) {
    if (maximum < minimum || minimum < 0 || maximum > kMaxValue) {
        return false;
    }
    min_ = minimum;
    max_ = maximum;
    const bool moved = pos_ != minimum;
    pos_ = minimum;
    update();
    if (moved) {
        emit command(id_);
    }
    return true;
}

void Slider::lineDown() {
    changePosition(std::min(pos_ + 1, max_));
}

void Slider::lineUp() {
    changePosition(std::max(pos_ - 1, min_));
}

void Slider::changePosition(int position) {
    if (position == pos_) {
        return;
    }
    pos_ = position;
    update();
    emit command(id_);
}

std::intptr_t Slider::sendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (message) {
        case kSetPosition:
            return setPosition(static_cast<int>(wParam & 0xFFFF)) ? 1 : 0;
        case kGetPosition:
            return pos_;
        case kSetRange:
            return setRange(static_cast<int>(lParam & 0xFFFF),
                            static_cast<int>((lParam >> 16) & 0xFFFF))
                       ? 1
                       : 0;
        case kGetRange:
            return static_cast<std::intptr_t>(min_) | (static_cast<std::intptr_t>(max_) << 16);
        case kHScroll:
        case kVScroll:
            if (wParam == 1) {
                lineDown();
            } else if (wParam == 0) {
                lineUp();
            }
            return 0;
        default:
            return 0;
    }
}

int Slider::thumbLength() const {
    return kThumbLength;
}

int Slider::thumbBreadth() const {
    const int across = horizontal() ? height() : width();
    return std::max(across - 2 * kMargin, 4);
}

int Slider::trackStart() const {
    return kMargin + thumbLength() / 2;
}

int Slider::trackLength() const {
    const int extent = horizontal() ? width() : height();
    return std::max(extent - 2 * trackStart(), 1);
}

QRect Slider::trackRect() const {
    if (horizontal()) {
        return QRect(trackStart(), kMargin + 2, trackLength(), height() - 2 * kMargin - 4);
    }
    return QRect(kMargin + 2, trackStart(), width() - 2 * kMargin - 4, trackLength());
}

int Slider::thumbOffset() const {
    if (dragging()) {
        return dragCentre_ - thumbLength() / 2;
    }
    const int span = max_ - min_;
    const int step = span == 0 ? 0 : MulDiv(trackLength() - 1, pos_ - min_, span);
    return trackStart() - thumbLength() / 2 + step;
}

QRect Slider::thumbRect() const {
    if (horizontal()) {
        return QRect(thumbOffset(), kMargin, thumbLength(), thumbBreadth());
    }
    return QRect(kMargin, thumbOffset(), thumbBreadth(), thumbLength());
}

int Slider::positionAt(int centre) const {
    const int value = min_ + MulDiv(max_ - min_, centre - trackStart(), trackLength() - 1);
    return std::clamp(value, min_, max_);
}

void Slider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !thumbRect().contains(event->position().toPoint())) {
        return;
    }
    dragCentre_ = thumbOffset() + thumbLength() / 2;
    state_ |= kDragging;
}

// The thumb's centre follows the pointer, kept on the track.
void Slider::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging()) {
        return;
    }
    dragCentre_ = std::clamp(along(event->position().toPoint()), trackStart(),
                             trackStart() + trackLength() - 1);
    update();
    changePosition(positionAt(dragCentre_));
}

void Slider::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging() || event->button() != Qt::LeftButton) {
        return;
    }
    const int centre = std::clamp(along(event->position().toPoint()), trackStart(),
                                  trackStart() + trackLength() - 1);
    state_ &= ~kDragging;
    update();
    changePosition(positionAt(centre));
}

void Slider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kButtonFace);
    drawTrack(painter);
    drawThumb(painter);
}

// A wedge that widens towards the maximum, sunk into the face.
void Slider::drawTrack(QPainter& painter) const {
    const QRect t = trackRect();
    const int right = t.x() + t.width() - 1;
    const int bottom = t.y() + t.height() - 1;
    QPolygon wedge;
    if (horizontal()) {
        const int mid = t.y() + t.height() / 2;
        wedge << QPoint(t.x(), mid) << QPoint(right, t.y()) << QPoint(right, bottom)
              << QPoint(t.x(), mid + 1);
    } else {
        const int mid = t.x() + t.width() / 2;
        wedge << QPoint(mid, t.y()) << QPoint(mid + 1, t.y()) << QPoint(right, bottom)
              << QPoint(t.x(), bottom);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTrackRed);
    painter.drawPolygon(wedge);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(kButtonShadow);
    painter.drawLine(wedge[0], wedge[1]);
    painter.setPen(kButtonHighlight);
    painter.drawLine(wedge[1], wedge[2]);
    painter.drawLine(wedge[2], wedge[3]);
}

void Slider::drawThumb(QPainter& painter) const {
    const QRect r = thumbRect();
    drawRaisedBox(painter, r, kButtonFace);
    painter.setPen(Qt::black);
    painter.drawLine(r.x() + r.width(), r.y() + 1, r.x() + r.width(), r.y() + r.height());
    painter.drawLine(r.x() + 1, r.y() + r.height(), r.x() + r.width(), r.y() + r.height());
    painter.setPen(kButtonShadow);
    if (horizontal()) {
        const int mid = r.x() + r.width() / 2;
        painter.drawLine(mid, r.y() + 3, mid, r.y() + r.height() - 4);
    } else {
        const int mid = r.y() + r.height() / 2;
        painter.drawLine(r.x() + 3, mid, r.x() + r.width() - 4, mid);
    }
}

}  // namespace controls
