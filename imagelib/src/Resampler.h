#pragma once

#include "platform/PackedDib.h"

namespace imagelib {

class Progress;

// Scales slot bitmaps to a new size. 24-bit pictures are filtered by the
// loading priority: speed takes the nearest pixel, medium interpolates
// between the two nearest rows and columns, quality averages the covered
// area when shrinking (and interpolates when enlarging). 8-bit pictures keep
// their colour table and always take the nearest pixel.
class Resampler {
  public:
    explicit Resampler(int priority) : priority_(priority) {}

    // The resampled picture, or null when the target size is not allowed.
    platform::PackedDib resample(const platform::PackedDib& source, int width, int height,
                                 Progress& progress) const;

  private:
    platform::PackedDib nearest(const platform::PackedDib& source, int width, int height,
                                Progress& progress) const;
    platform::PackedDib filtered(const platform::PackedDib& source, int width, int height,
                                 Progress& progress) const;

    int priority_;
};

}  // namespace imagelib
