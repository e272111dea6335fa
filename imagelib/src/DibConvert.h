#pragma once

#include "platform/PackedDib.h"

class QImage;

namespace imagelib {

class Progress;

// Whether a picture of width x height may be held in a slot.
bool sizeAllowed(long long width, long long height);

// The picture as a slot bitmap: 8 bits with its colour table for indexed
// pictures, else 24 bits (alpha dropped). Null when the size is not allowed.
platform::PackedDib dibFromImage(const QImage& image, Progress& progress);

// A slot bitmap from any valid packed bitmap: 1 and 4 bits widen to 8 with the
// same colour table, 32 bits narrow to 24, top-down rows are turned
// bottom-up. Null when the size is not allowed or the depth unknown.
platform::PackedDib normaliseDib(const platform::PackedDib& source);

}  // namespace imagelib
