#pragma once

#include "BitmapButton.h"

namespace piclib {

// XBOTTON: a push button with a bitmap and a caption ("107,&OK"). Its bitmap
// comes from the application's resources when it has one, else from the
// library's. Style bit 0x1 makes it the default button, bit 0x400 puts the
// bitmap above the caption.
class XBotton : public BitmapButton {
    Q_OBJECT
  public:
    explicit XBotton(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace piclib
