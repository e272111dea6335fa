#pragma once

#include "platform/PackedDib.h"

namespace piclib {

// The built-in logo (resource LOGOQV): a small mosaic of coloured tiles
// joined by dark grout, 24 bits per pixel. Everything around the mosaic is
// pure green, the logo colour that marks transparent pixels.
platform::PackedDib builtInLogoBitmap();

}  // namespace piclib
