#include "platform/Surface.h"

#include <algorithm>
#include <cstring>

namespace platform {

Rect intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.empty()) {
        return {};
    }
    return r;
}

Rect unite(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

Surface::Surface(int width, int height, Pixel fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      clip_{0, 0, width_, height_},
      pixels_(static_cast<std::size_t>(width_) * height_, fill) {}

void Surface::setClip(const Rect& r) {
    clip_ = intersect(r, bounds());
}

void Surface::clearClip() {
    clip_ = bounds();
}

Pixel Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0;
    }
    return row(y)[x];
}

void Surface::setPixel(int x, int y, Pixel p) {
    if (x < clip_.left || y < clip_.top || x >= clip_.right || y >= clip_.bottom) {
        return;
    }
    row(y)[x] = p;
}

void Surface::fill(const Rect& r, Pixel p) {
    const Rect c = intersect(r, clip_);
    for (int y = c.top; y < c.bottom; ++y) {
        std::fill_n(row(y) + c.left, c.width(), p);
    }
}

void Surface::hline(int x0, int x1, int y, Pixel p) {
    if (x1 < x0) {
        std::swap(x0, x1);
    }
    fill({x0, y, x1 + 1, y + 1}, p);
}

void Surface::blit(int dx, int dy, int w, int h, const Surface& src, int sx, int sy) {
    // Clip the source rectangle to src, moving the destination with it.
    Rect s = intersect({sx, sy, sx + w, sy + h}, src.bounds());
    Rect d{dx + (s.left - sx), dy + (s.top - sy), 0, 0};
    d.right = d.left + s.width();
    d.bottom = d.top + s.height();
    const Rect c = intersect(d, clip_);
    if (c.empty()) {
        return;
    }
    const int srcX = s.left + (c.left - d.left);
    const int srcY = s.top + (c.top - d.top);
    const std::size_t bytes = static_cast<std::size_t>(c.width()) * sizeof(Pixel);
    if (&src == this && srcY < c.top) {
        // Overlapping copy downwards: walk bottom-up so rows are read before
        // they are overwritten.
        for (int y = c.height() - 1; y >= 0; --y) {
            std::memmove(row(c.top + y) + c.left, src.row(srcY + y) + srcX, bytes);
        }
        return;
    }
    for (int y = 0; y < c.height(); ++y) {
        std::memmove(row(c.top + y) + c.left, src.row(srcY + y) + srcX, bytes);
    }
}

void Surface::stretch(const Rect& dst, const Surface& src, const Rect& srcRect) {
    if (dst.empty() || srcRect.empty() || src.isNull()) {
        return;
    }
    const Rect c = intersect(dst, clip_);
    for (int y = c.top; y < c.bottom; ++y) {
        const long long syl =
            srcRect.top + static_cast<long long>(y - dst.top) * srcRect.height() / dst.height();
        const int sy = static_cast<int>(syl);
        if (sy < 0 || sy >= src.height()) {
            continue;
        }
        Pixel* out = row(y);
        const Pixel* in = src.row(sy);
        for (int x = c.left; x < c.right; ++x) {
            const int sx = static_cast<int>(srcRect.left + static_cast<long long>(x - dst.left) *
                                                               srcRect.width() / dst.width());
            if (sx >= 0 && sx < src.width()) {
                out[x] = in[sx];
            }
        }
    }
}

}  // namespace platform
