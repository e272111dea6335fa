#pragma once

#include "platform/PackedDib.h"

namespace piclib {

// A picture handle is the image library's slot plus one; 0 is no picture.
inline int slotOf(int handle) {
    return handle - 1;
}

// A copy of the picture's packed bitmap; null for an unknown handle.
platform::PackedDib copyPicture(int handle);
// Writes pixels and colour table of dib back into the picture, which must
// have the same layout (stamping never changes sizes). Returns false when it
// does not.
bool storePicture(int handle, const platform::PackedDib& dib);
// Hands dib to the image library as a new picture; 0 when it is refused.
int newPicture(const platform::PackedDib& dib);

}  // namespace piclib
