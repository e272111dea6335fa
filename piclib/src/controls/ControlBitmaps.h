#pragma once

#include <QPixmap>
#include <QString>

namespace piclib {

// Bitmaps looked up by resource number or name. The application's own
// resources (Qt resource ":/bitmaps/<number>.png", or "<name>.png") come
// first where the window may take them from its creator; the library's own
// drawn bitmaps answer otherwise. Results are kept for the process.
class ControlBitmaps {
  public:
    enum class Origin { kApplicationFirst, kLibraryOnly };

    static QPixmap byNumber(int number, Origin origin);
    // A window text naming a bitmap: a decimal number is a resource number,
    // anything else a name.
    static QPixmap byText(const QString& text);
};

}  // namespace piclib
