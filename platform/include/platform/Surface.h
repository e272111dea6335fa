#pragma once

#include <cstdint>
#include <vector>

#include "platform_export.h"

namespace platform {

// A pixel of a Surface: 0x00RRGGBB, the memory order of QImage::Format_RGB32.
using Pixel = std::uint32_t;

// Game colours are colour references, 0x00BBGGRR (red in the low byte).
constexpr Pixel pixelFromColorRef(std::uint32_t colorRef) {
    return ((colorRef & 0xFFu) << 16) | (colorRef & 0xFF00u) | ((colorRef >> 16) & 0xFFu);
}
constexpr std::uint32_t colorRefFromPixel(Pixel p) {
    return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
}

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;   // exclusive
    int bottom = 0;  // exclusive
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};

PLATFORM_EXPORT Rect intersect(const Rect& a, const Rect& b);
// The smallest rectangle holding both; an empty one still counts by its corners,
// so callers unite only rectangles that hold something.
PLATFORM_EXPORT Rect unite(const Rect& a, const Rect& b);

// A raster of 32-bit pixels that owns its memory, row after row with no
// padding. It stands in for device contexts and bitmaps: every drawing
// operation clips to the surface and, when set, to the clip rectangle.
class PLATFORM_EXPORT Surface {
  public:
    Surface() = default;
    Surface(int width, int height, Pixel fill = 0);

    int width() const { return width_; }
    int height() const { return height_; }
    bool isNull() const { return width_ <= 0 || height_ <= 0; }
    Rect bounds() const { return {0, 0, width_, height_}; }

    Pixel* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const Pixel* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    Pixel* bits() { return pixels_.data(); }
    const Pixel* bits() const { return pixels_.data(); }
    int bytesPerLine() const { return width_ * 4; }

    // Limits every drawing operation to r (in surface coordinates); an empty
    // optional clip means the whole surface.
    void setClip(const Rect& r);
    void clearClip();
    Rect clip() const { return clip_; }

    Pixel pixel(int x, int y) const;
    void setPixel(int x, int y, Pixel p);
    void fill(const Rect& r, Pixel p);
    // Horizontal line from x0 to x1 inclusive at row y.
    void hline(int x0, int x1, int y, Pixel p);
    // Copies a w x h block of src at (sx, sy) to (dx, dy); source parts
    // outside src are skipped, as are destination parts outside the clip.
    void blit(int dx, int dy, int w, int h, const Surface& src, int sx, int sy);
    // Nearest-neighbour stretch of the source rectangle onto the destination
    // rectangle.
    void stretch(const Rect& dst, const Surface& src, const Rect& srcRect);

    bool operator==(const Surface& o) const {
        return width_ == o.width_ && height_ == o.height_ && pixels_ == o.pixels_;
    }

  private:
    int width_ = 0;
    int height_ = 0;
    Rect clip_{};
    std::vector<Pixel> pixels_;
};

}  // namespace platform
