#pragma once

#include <QImage>
#include <QWidget>

#include "PictControl.h"

namespace piclib {

// ANIDSPWND: the preview window. Shows its bitmap unscaled at the top-left
// corner; a left click or releasing Space or Enter sends the parent a
// command with the control's identifier.
class AniDspWnd : public QWidget, public PictControl {
    Q_OBJECT
  public:
    explicit AniDspWnd(QWidget* parent);

    // The window keeps its own copy of the bitmap.
    void setBitmap(const QImage& bitmap);
    const QImage& bitmap() const { return bitmap_; }

    std::intptr_t message(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override;

  signals:
    void activated();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void activate();

    QImage bitmap_;
};

}  // namespace piclib
