#include "windows/CViewOrig.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include <QPainter>
#include <algorithm>

#include "controls/CFramedDialog.h"
#include "help/HelpContext.h"
#include "imagelib.h"
#include "platform/Surface.h"

namespace windows {

CViewOrig::CViewOrig(int slot, int closeMessage, std::function<void(int)> onClose, QWidget* parent)
    : QWidget(parent, Qt::Tool),
      slot_(-1),
      closeMessage_(closeMessage),
      onClose_(std::move(onClose)) {
    setObjectName(QStringLiteral("original"));
    setWindowTitle(QStringLiteral("Original"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Opening it leaves the keyboard with the game window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setProperty("helpContext", help::screenContext(help::kOriginalWindowHelp));
    setSlot(slot);
}

void CViewOrig::closeEvent(QCloseEvent* event) {
    if (onClose_) {
        onClose_(closeMessage_);
    }
    event->accept();
}

// The caption lies outside the client area here, so the client area is the
// half-size picture itself. Another picture resizes the window to it.
void CViewOrig::setSlot(int slot) {
    if (slot == slot_) {
        update();  // the same picture keeps the size the player gave the window
        return;
    }
    slot_ = slot;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    if (slot_ >= 0 && IMGSetDisplayOption(slot_, kDisplayOption) != 0 &&
        IMGGetRect(slot_, &left, &top, &right, &bottom) != 0) {
        resize(std::max(1, (right - left) / 2), std::max(1, (bottom - top) / 2));
    }
    update();
}

void CViewOrig::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (slot_ < 0) {
        return;
    }
    platform::Surface surface(width(), height());
    if (IMGRealizePalette(slot_, &surface) < 0 ||
        IMGDrawStretched(slot_, &surface, 0, 0, width(), height()) == 0) {
        return;
    }
    const QImage image(reinterpret_cast<const uchar*>(surface.bits()), surface.width(),
                       surface.height(), surface.bytesPerLine(), QImage::Format_RGB32);
    painter.drawImage(0, 0, image);
}

void CViewOrig::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        controls::CFramedDialog::showScreenHelp(this, help::kOriginalWindowHelp);
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace windows
