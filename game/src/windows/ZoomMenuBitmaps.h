#pragma once

#include <QPixmap>

namespace windows {

// The overview menu's pictures, drawn in code: 134 "Zoom out" and 132 "Zoom
// in", and their greyed forms 2191 and 2190. A null pixmap for any other
// number.
QPixmap zoomMenuBitmap(int resource);

}  // namespace windows
