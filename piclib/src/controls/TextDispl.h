#pragma once

#include <QFont>
#include <QWidget>

#include "PictControl.h"

namespace piclib {

// TEXTDISPL: the description line. A pale yellow sunken box with one line of
// text, left-aligned, or right-aligned with the centre or right style bit.
class TextDispl : public QWidget, public PictControl {
    Q_OBJECT
  public:
    explicit TextDispl(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void textChanged() override;

  private:
    QFont font_;
};

}  // namespace piclib
