#pragma once

#include <QImage>

#include "platform/PackedDib.h"

namespace piclib {

// A packed bitmap of 1, 4, 8, 24 or 32 bits as an RGB32 image; a null image
// for a null bitmap or another depth.
QImage imageOfDib(const platform::PackedDib& dib);

}  // namespace piclib
