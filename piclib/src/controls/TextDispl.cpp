#include "TextDispl.h"

#include <QPainter>

#include "ControlLook.h"
#include "PictControls.h"

namespace piclib {

TextDispl::TextDispl(QWidget* parent) : QWidget(parent), font_(look::sansSerif(7, false)) {}

void TextDispl::textChanged() {
    repaint();
}

void TextDispl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    look::sunkenBox(p, 1, 1, width() - 1, height() - 1, look::kPaleYellow);
    const bool right = (windowStyle() & (SS_CENTER | SS_RIGHT)) != 0;
    p.setFont(font_);
    p.setPen(Qt::black);
    p.drawText(rect().adjusted(3, 3, -3, -3),
               Qt::TextSingleLine | Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft),
               windowText());
}

}  // namespace piclib
