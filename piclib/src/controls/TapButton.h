#pragma once

#include "BitmapButton.h"

namespace piclib {

// TAPBUTTON: a tab with the button's text form and behaviour, its bitmap
// always from the library. An active tab is 2 pixels larger on every side
// and has no bottom line, so that it joins the page below.
class TapButton : public BitmapButton {
    Q_OBJECT
  public:
    explicit TapButton(QWidget* parent);

    bool isActive() const { return active_; }
    // Grows or shrinks the tab and repaints it and what it uncovered at once;
    // asking for the current state changes nothing.
    void setActive(bool active);

    std::intptr_t message(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool active_ = false;
};

}  // namespace piclib
