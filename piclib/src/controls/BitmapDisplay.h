#pragma once

#include <QPixmap>
#include <QWidget>

#include "PictControl.h"

namespace piclib {

// BitmapDisplay: a fixed bitmap named by the window text (a number is a
// resource number). Style bit 0x2 sizes the window to the bitmap, bit 0x1
// centres it horizontally in its parent.
class BitmapDisplay : public QWidget, public PictControl {
    Q_OBJECT
  public:
    explicit BitmapDisplay(QWidget* parent);

    // Replaces the bitmap by the resource of that number.
    void setBitmapResource(int number);
    const QPixmap& bitmap() const { return bitmap_; }

    std::intptr_t message(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override;
    void created() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    QPixmap bitmap_;
};

}  // namespace piclib
