#include "DibPainter.h"

#include <algorithm>

namespace imagelib {

DibPainter::DibPainter(const platform::PackedDib& dib)
    : dib_(dib), bytesPerPixel_(dib.bitCount() / 8) {
    for (std::uint32_t i = 0; i < dib.colourCount() && i < 256; ++i) {
        const platform::RgbQuad q = dib.colour(i);
        palette_.push_back((static_cast<platform::Pixel>(q.red) << 16) |
                           (static_cast<platform::Pixel>(q.green) << 8) | q.blue);
    }
    palette_.resize(256, 0);
}

platform::Pixel DibPainter::at(const std::uint8_t* row, int x) const {
    if (bytesPerPixel_ == 1) {
        return palette_[row[x]];
    }
    const std::uint8_t* p = row + 3 * x;
    return (static_cast<platform::Pixel>(p[2]) << 16) | (static_cast<platform::Pixel>(p[1]) << 8) |
           p[0];
}

void DibPainter::stretch(platform::Surface& surface, const platform::Rect& dst) const {
    const platform::Rect c = platform::intersect(dst, surface.clip());
    if (c.empty() || dst.empty()) {
        return;
    }
    const long long sw = dib_.width();
    const long long sh = dib_.height();
    for (int y = c.top; y < c.bottom; ++y) {
        const std::uint8_t* in = dib_.row(static_cast<int>((y - dst.top) * sh / dst.height()));
        platform::Pixel* out = surface.row(y);
        for (int x = c.left; x < c.right; ++x) {
            out[x] = at(in, static_cast<int>((x - dst.left) * sw / dst.width()));
        }
    }
}

void DibPainter::fit(platform::Surface& surface, const platform::Rect& box,
                     platform::Pixel background) const {
    surface.fill(box, background);
    if (box.empty()) {
        return;
    }
    const double scale = std::min(static_cast<double>(box.width()) / dib_.width(),
                                  static_cast<double>(box.height()) / dib_.height());
    const int w = std::max(1, static_cast<int>(dib_.width() * scale));
    const int h = std::max(1, static_cast<int>(dib_.height() * scale));
    const int left = box.left + (box.width() - w) / 2;
    const int top = box.top + (box.height() - h) / 2;
    stretch(surface, {left, top, left + w, top + h});
}

platform::Surface DibPainter::toSurface() const {
    platform::Surface surface(dib_.width(), dib_.height());
    stretch(surface, surface.bounds());
    return surface;
}

}  // namespace imagelib
