#pragma once

#include <vector>

#include "platform/PackedDib.h"
#include "platform/Surface.h"

namespace imagelib {

// The sixteen standard colours (0x00RRGGBB) the 16-colour reduction maps to.
const std::vector<platform::Pixel>& standardColours();

// The picture in the sixteen standard colours: 8 bits, 16-entry colour table,
// each pixel the nearest standard colour.
platform::PackedDib reduceTo16(const platform::PackedDib& source);

}  // namespace imagelib
