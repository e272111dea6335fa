#pragma once

#include "platform/PackedDib.h"
#include "platform/Surface.h"

namespace imagelib {

// Draws slot bitmaps onto surfaces, nearest neighbour, clipped to the
// surface's clip rectangle.
class DibPainter {
  public:
    explicit DibPainter(const platform::PackedDib& dib);

    // The whole picture stretched over dst.
    void stretch(platform::Surface& surface, const platform::Rect& dst) const;
    // The picture as large as fits in box with its aspect kept, centred; the
    // rest of box is filled with background.
    void fit(platform::Surface& surface, const platform::Rect& box,
             platform::Pixel background) const;
    // The picture as a new surface of its own size.
    platform::Surface toSurface() const;

  private:
    platform::Pixel at(const std::uint8_t* row, int x) const;

    const platform::PackedDib& dib_;
    int bytesPerPixel_;
    std::vector<platform::Pixel> palette_;
};

}  // namespace imagelib
