#pragma once

#include "PIXPICK32_export.h"
#include "platform/PackedDib.h"

namespace piclib {

// Called during a reduction with the work done so far and the total of the
// current phase; a nonzero answer stops the reduction.
using ReduceProgress = int (*)(void* context, long done, long total);

// Reduces a packed bitmap to 8 bits per pixel with a 256-entry colour table
// and serpentine error diffusion. Methods: 1 standard colour cube, 2 cube plus
// 40 colours sampled from the picture, 3 palette optimised for the picture.
// targetBits is always 8. progress may be null. Returns a new bitmap, or a
// null one when the method is unknown, memory runs out, the source cannot be
// read or the progress function asked to stop; nothing allocated survives a
// failure. The source is only read. Sources of 1, 4, 8 and 32 bits are read
// as their colours; the game passes 24-bit pictures.
PIXPICK32_EXPORT platform::PackedDib ReduceColourDepth(const platform::PackedDib& source,
                                                       int targetBits, int method,
                                                       ReduceProgress progress, void* context);

}  // namespace piclib
