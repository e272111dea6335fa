#pragma once

#include <QWidget>

#include "PictControl.h"

namespace piclib {

// ShadeFrame: a decorative frame below its siblings. The first character of
// the window text picks the look: "A" an etched group frame with the caption
// from the third character on, "I" a sunken and "O" a raised outline around
// the whole window; anything else draws nothing.
class ShadeFrame : public QWidget, public PictControl {
    Q_OBJECT
  public:
    explicit ShadeFrame(QWidget* parent);

    void created() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void textChanged() override;

  private:
    void paintGroup(QPainter& p);
};

}  // namespace piclib
