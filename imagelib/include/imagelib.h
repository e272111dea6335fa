#pragma once

// The image library: pictures held in numbered slots as packed
// device-independent bitmaps. One named function per ordinal of the old
// interface; the ordinal is given beside each.

#include <cstdint>

#include "imagelib_export.h"

extern "C" {

// Ordinal 13: makes a slot of a copy of a packed bitmap in memory; returns
// the slot, or -1 when the bitmap is malformed.
IMAGELIB_EXPORT int IMGCreateFromDib(const std::uint8_t* packedDib, std::uint32_t size);
// Ordinal 4: frees the slot (an unknown slot is ignored).
IMAGELIB_EXPORT void IMGFree(int slot);
}
