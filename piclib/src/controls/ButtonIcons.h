#pragma once

#include <QPixmap>
#include <QString>

namespace piclib {

// The library's own bitmaps, drawn at first use: the 16 x 16 button icons
// 105 (select picture), 107 (OK), 108 and 202 (cancel), 109 (artist
// information), 110 (picture information), 111 (help), 200 (unlock and
// move), 201 (move to locked), and the 32 x 32 "QUESTION" symbol.
class ButtonIcons {
  public:
    // Null pixmap for a number or name the library does not have.
    static QPixmap byNumber(int number);
    static QPixmap byName(const QString& name);
};

}  // namespace piclib
