#include <algorithm>
#include <cstring>

#include "cutting/CoordMap.h"
#include "cutting/SpanRegion.h"
#include "platform/Surface.h"

namespace cutting {

// The plain copy: one-row runs are cut to the destination's clip and the
// source's bounds directly and copied row by row, which is what every redraw
// and drag step spends its time on.
void SpanRegion::copyRuns(platform::Surface& dst, int dx, int dy, const platform::Surface& src,
                          int sx, int sy) const {
    const platform::Rect clip = dst.clip();
    const int lowest = std::max({clip.left - dx, -sx});
    const int highest = std::min({clip.right - dx, src.width() - sx});
    for (int i = 0; i < count_; ++i) {
        const Run& r = runs_[i];
        if (r.top != r.bottom) {
            dst.blit(dx + r.left, dy + r.top, r.right - r.left + 1, r.bottom - r.top + 1, src,
                     sx + r.left, sy + r.top);
            continue;
        }
        const int ty = dy + r.top;
        const int fy = sy + r.top;
        const int x0 = std::max<int>(r.left, lowest);
        const int x1 = std::min<int>(r.right + 1, highest);
        if (ty < clip.top || ty >= clip.bottom || fy < 0 || fy >= src.height() || x0 >= x1) {
            continue;
        }
        std::memmove(dst.row(ty) + dx + x0, src.row(fy) + sx + x0,
                     static_cast<std::size_t>(x1 - x0) * sizeof(platform::Pixel));
    }
}

bool SpanRegion::copyThrough(platform::Surface& dst, int dx, int dy, const platform::Surface& src,
                             int sx, int sy, const CoordMap* map) const {
    if (!usable()) {
        return false;
    }
    if (dst.isNull() || src.isNull()) {
        return false;
    }
    Busy busy(*this);
    if (map == nullptr) {
        copyRuns(dst, dx, dy, src, sx, sy);
        return true;
    }
    const CoordMap& m = *map;
    const int shiftX = m[dx] - m[sx];
    const int shiftY = m[dy] - m[sy];
    const bool reduced = m.reduces();
    for (int i = 0; i < count_; ++i) {
        const Run& r = runs_[i];
        const int left = m[sx + r.left];
        const int width = m[sx + r.right + 1] - left;
        const int top = m[sy + r.top];
        int height = m[sy + r.bottom + 1] - top;
        if (reduced) {
            // Two table rows on one screen row: the first of them is skipped.
            if (m[sy + r.top + 1] == top) {
                continue;
            }
            height = 1;
        }
        dst.blit(left + shiftX, top + shiftY, width, height, src, left, top);
    }
    return true;
}

void SpanRegion::drawLines(platform::Surface& dst, int x, int y, std::uint32_t colorRef,
                           const CoordMap* map, int mode) const {
    if (!usable()) {
        return;
    }
    Busy busy(*this);
    const platform::Pixel colour = platform::pixelFromColorRef(colorRef);
    for (int i = 0; i < count_; ++i) {
        const Run& r = runs_[i];
        if (map == nullptr) {
            dst.hline(x + r.left, x + r.right, y + r.top, colour);
            continue;
        }
        const CoordMap& m = *map;
        const int x0 = m[x + r.left];
        const int x1 = m[x + r.right + 1] - 1;
        if (x1 < x0) {
            continue;
        }
        const int t = y + r.top;
        if (!m.reduces()) {
            for (int row = m[t]; row < m[y + r.bottom + 1]; ++row) {
                dst.hline(x0, x1, row, colour);
            }
        } else if (m[t + 1] != m[t]) {
            dst.hline(x0, x1, m[t], colour);
        } else if (m[t + 2] != m[t]) {
            // A row merged with the next keeps its line on the side of its rim.
            dst.hline(x0, x1, mode == 1 ? m[t + 1] : m[t - 1], colour);
        }
    }
}

}  // namespace cutting
