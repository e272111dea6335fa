#pragma once

#include <QPixmap>
#include <QPushButton>

#include "ControlBitmaps.h"
#include "PictControl.h"
#include "PictControls.h"

namespace piclib {

// What XBOTTON and TAPBUTTON share: the window text "number,caption", the
// state (pressed, disabled, focused, default), the mouse and keyboard
// behaviour and the layout of bitmap and caption.
//
// A press shows the button pressed and keeps it so until the mouse button is
// released; the release sends the parent a command with the identifier
// wherever the mouse is then. Space, and Enter on a focused or default
// button, do the same from the keyboard.
class BitmapButton : public QPushButton, public PictControl {
    Q_OBJECT
  public:
    BitmapButton(QWidget* parent, ControlBitmaps::Origin origin);

    const ButtonText& parsedText() const { return parsed_; }
    const QPixmap& bitmap() const { return bitmap_; }

    std::intptr_t message(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override;
    void created() override;

  protected:
    bool hitButton(const QPoint& pos) const override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void textChanged() override;

    // Bitmap and caption: the bitmap above a centred caption (bitmapOnTop),
    // or bitmap and caption side by side, 2 pixels apart, centred together;
    // without a caption the bitmap sits 3 pixels in. offset moves all of it.
    void paintContents(QPainter& p, bool bitmapOnTop, QPoint offset);
    // One caption, embossed when disabled, with the focus rectangle 1 pixel
    // around it while focused.
    void paintCaption(QPainter& p, const QRect& box, const QString& caption, int alignment);

  private:
    ControlBitmaps::Origin origin_;
    ButtonText parsed_;
    QPixmap bitmap_;
};

}  // namespace piclib
