#include "ProgressFrame.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstdint>

#include "ControlLook.h"
#include "PictControls.h"
#include "platform/MessageBox.h"

namespace piclib {

namespace {
const QColor kLightGrey(192, 192, 192);
const QColor kBar(0, 0, 128);
const QColor kNotStarted(255, 0, 0);
}  // namespace

ProgressFrame* ProgressFrame::create(const QRect& rect, QWidget* parent) {
    if (parent == nullptr) {
        const QByteArray caption = QCoreApplication::applicationName().toUtf8();
        MessageBoxA(nullptr, "Unable to Create Frame", caption.constData(), MB_OK);
        return nullptr;
    }
    auto* frame = new ProgressFrame(rect, parent);
    frame->show();
    frame->repaint();
    return frame;
}

ProgressFrame::ProgressFrame(const QRect& rect, QWidget* parent)
    : QWidget(parent),
      image_(rect.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32),
      font_(look::sansSerif(7, false)) {
    setGeometry(rect);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPainter p(&image_);
    clearAll(p);
}

void ProgressFrame::clearAll(QPainter& p) {
    look::sunkenBox(p, 0, 0, image_.width(), image_.height(), kLightGrey);
}

void ProgressFrame::setRange(long minimum, long maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

int ProgressFrame::percentOf(long value) const {
    const std::int64_t span = static_cast<std::int64_t>(maximum_) - minimum_;
    if (span <= 0) {
        // An empty range is done once its end is reached.
        return value >= maximum_ ? 100 : 0;
    }
    const std::int64_t done = std::min<std::int64_t>(std::int64_t{value} - minimum_, span);
    return static_cast<int>(std::clamp<std::int64_t>(done * 100 / span, 0, 100));
}

bool ProgressFrame::draw(long value) {
    const int p = percentOf(value);
    if (p == lastPercent_ && !fullRedraw_) {
        return false;
    }
    // A bar that shrinks, or leaves the not-started form, starts afresh
    // rather than leave stale parts on the screen.
    if (p < lastPercent_ || (lastPercent_ == 0 && p > 0)) {
        fullRedraw_ = true;
    }
    lastPercent_ = p;

    QPainter g(&image_);
    g.setFont(font_);
    const QFontMetrics fm = g.fontMetrics();
    QString text;
    int w = 0;
    if (p > 0) {
        text = QStringLiteral(" %1:%2% ").arg(label_).arg(p, 3, 10, QChar(u' '));
        // Measured with three digits, so that the text box keeps its width.
        w = fm.horizontalAdvance(QStringLiteral(" %1:%2% ").arg(label_).arg(p, 3, 10, QChar(u'0')));
        barEnd_ = std::max(barEnd_, w);
    } else {
        text = QStringLiteral(" %1...").arg(label_);
        w = fm.horizontalAdvance(text);
    }
    const int h = image_.height();
    const int room = image_.width() - w;
    const int filled = p >= 100 ? room : p * room / 100;

    if (fullRedraw_) {
        clearAll(g);
        barEnd_ = w;
    }
    look::raisedBox(g, 1, 1, w - 1, h - 1, kLightGrey);
    g.setPen(Qt::black);
    g.drawText(QRect(1, (h - fm.height()) / 2, w, fm.height()),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    repaint(QRect(0, 0, w, h));

    // The off-screen image always holds the whole bar as one box; only the
    // part from the old bar end on has changed on the screen.
    if (p > 0) {
        look::raisedBox(g, w - 1, 1, w + filled, h - 1, kBar);
    } else {
        look::raisedBox(g, w - 1, 1, w + fm.height(), h - 1, kNotStarted);
    }
    repaint(QRect(barEnd_, 0, image_.width() - barEnd_, h));
    barEnd_ = w + filled - 1;
    fullRedraw_ = false;
    return true;
}

void ProgressFrame::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r.topLeft(), image_, r);
}

QWidget* createProgressFrame(const QRect& rect, QWidget* parent) {
    return ProgressFrame::create(rect, parent);
}

void setProgressRange(QWidget* frame, long minimum, long maximum) {
    if (auto* f = qobject_cast<ProgressFrame*>(frame)) {
        f->setRange(minimum, maximum);
    }
}

void setProgressLabel(QWidget* frame, const QString& label) {
    if (auto* f = qobject_cast<ProgressFrame*>(frame)) {
        f->setLabel(label);
    }
}

bool drawProgress(QWidget* frame, long value) {
    auto* f = qobject_cast<ProgressFrame*>(frame);
    return f != nullptr && f->draw(value);
}

}  // namespace piclib
