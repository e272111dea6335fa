#include "controls/CFramedDialog.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/BoxDrawing.h"
#include "help/HelpContext.h"
#include "platform/Help.h"

namespace controls {

namespace {

const QColor kActiveCaption(0, 0, 128);
const QColor kInactiveCaption(128, 128, 128);
const QColor kCaptionText(255, 255, 255);

// Empty: the platform's help engine.
CFramedDialog::HelpFunction& helpFunction() {
    static CFramedDialog::HelpFunction help;
    return help;
}

}  // namespace

void CFramedDialog::setHelpFunction(HelpFunction help) {
    helpFunction() = std::move(help);
}

CFramedDialog::CFramedDialog(int resourceId, const QString& title, QWidget* parent,
                             bool withCaption)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      client_(new QWidget(this)),
      withCaption_(withCaption) {
    setObjectName(QString::number(resourceId));
    setWindowTitle(title);
    setFont(dialogFont());
    setModal(true);
    client_->setObjectName(QStringLiteral("client"));
    client_->move(frameInset(), clientTop());
}

int CFramedDialog::clientTop() const {
    return frameInset() + (withCaption_ ? kCaptionHeight + 1 : 0);
}

void CFramedDialog::setClientSize(int width, int height) {
    client_->resize(width, height);
    setFixedSize(width + 2 * frameInset(), height + clientTop() + frameInset());
}

QRect CFramedDialog::captionRect() const {
    if (!withCaption_) {
        return QRect();
    }
    return QRect(frameInset(), frameInset(), width() - 2 * frameInset(), kCaptionHeight);
}

QRect CFramedDialog::closeBoxRect() const {
    const QRect c = captionRect();
    return QRect(c.x(), c.y(), kCaptionHeight, kCaptionHeight);
}

void CFramedDialog::setActiveLook(bool on) {
    activeLook_ = on;
    update();
}

void CFramedDialog::showHelp(unsigned helpId) {
    showScreenHelp(this, helpId);
}

void CFramedDialog::showScreenHelp(QWidget* owner, unsigned helpId) {
    const std::string file = help::applicationHelpFile() + help::kScreensWindow;
    if (helpFunction()) {
        helpFunction()(owner, file, HELP_CONTEXT, kHelpBase + helpId);
    } else {
        WinHelpA(owner, file.c_str(), HELP_CONTEXT, kHelpBase + helpId);
    }
}

void CFramedDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kButtonFace);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width() - 1, height() - 1);
    const QRect inner = rect().adjusted(kOutline, kOutline, -kOutline, -kOutline);
    for (int i = 0; i < kFrameWidth; ++i) {
        const QRect ring = inner.adjusted(i, i, -i, -i);
        painter.setPen(i == kFrameWidth - 1 ? kButtonShadow : kButtonHighlight);
        painter.drawLine(ring.topLeft(), ring.topRight());
        painter.drawLine(ring.topLeft(), ring.bottomLeft());
        painter.setPen(i == kFrameWidth - 1 ? kButtonHighlight : kButtonShadow);
        painter.drawLine(ring.bottomLeft(), ring.bottomRight());
        painter.drawLine(ring.topRight(), ring.bottomRight());
    }
    if (withCaption_) {
        drawCaption(painter);
    }
}

void CFramedDialog::drawCaption(QPainter& painter) const {
    const QRect c = captionRect();
    const bool active = activeLook_ || isActiveWindow();
    drawSunkenBox(painter, c, active ? kActiveCaption : kInactiveCaption);
    drawCloseBox(painter);
    painter.setPen(Qt::black);
    painter.drawLine(c.x(), c.bottom() + 1, c.right(), c.bottom() + 1);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(kCaptionText);
    const QRect titleArea = c.adjusted(kCaptionHeight, 0, 0, 0);
    painter.drawText(titleArea, Qt::AlignCenter | Qt::TextSingleLine, windowTitle());
}

// The close box: a grey square with a bar, as the system's close bitmap.
void CFramedDialog::drawCloseBox(QPainter& painter) const {
    const QRect box = closeBoxRect();
    drawRaisedBox(painter, box, kButtonFace);
    painter.setPen(Qt::black);
    painter.drawLine(box.right(), box.top(), box.right(), box.bottom());
    const int barY = box.y() + box.height() / 2 - 1;
    const QRect bar(box.x() + 4, barY, box.width() - 8, 3);
    painter.fillRect(bar.translated(1, 1), kButtonShadow);
    painter.fillRect(bar, Qt::white);
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
}

void CFramedDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        update();
    }
    QDialog::changeEvent(event);
}

void CFramedDialog::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !captionRect().contains(p)) {
        QDialog::mousePressEvent(event);
        return;
    }
    if (closeBoxRect().contains(p)) {
        closeBoxClicked();
        return;
    }
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void CFramedDialog::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        move(event->globalPosition().toPoint() - dragOffset_);
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void CFramedDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

}  // namespace controls
