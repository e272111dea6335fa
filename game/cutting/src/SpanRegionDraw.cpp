#include <algorithm>
#include <cstring>

#include "cutting/CoordMap.h"
#include "cutting/PaintMask.h"
#include "cutting/SpanRegion.h"
#include "platform/Surface.h"

namespace cutting {

// The plain copy: one-row runs are cut to the destination's clip and the
// source's bounds directly and copied row by row, which is what every redraw
// and drag step spends its time on.
void SpanRegion::copyRuns(platform::Surface& dst, int dx, int dy, const platform::Surface& src,
                          int sx, int sy, PaintMask* painted) const {
    const platform::Rect clip = dst.clip();
    const int lowest = std::max({clip.left - dx, -sx});
    const int highest = std::min({clip.right - dx, src.width() - sx});
    for (int i = 0; i < count_; ++i) {
        const Run& r = runs_[i];
        if (r.top != r.bottom) {
            copyBlock(dst, dx + r.left, dy + r.top, r.right - r.left + 1, r.bottom - r.top + 1, src,
                      sx + r.left, sy + r.top, painted);
            continue;
        }
        const int ty = dy + r.top;
        const int fy = sy + r.top;
        const int x0 = std::max<int>(r.left, lowest);
        const int x1 = std::min<int>(r.right + 1, highest);
        if (ty < clip.top || ty >= clip.bottom || fy < 0 || fy >= src.height() || x0 >= x1) {
            continue;
        }
        const platform::Pixel* from = src.row(fy) + sx + x0;
        if (painted != nullptr) {
            painted->copySpan(dst, ty, dx + x0, dx + x1, from);
        } else {
            std::memmove(dst.row(ty) + dx + x0, from,
                         static_cast<std::size_t>(x1 - x0) * sizeof(platform::Pixel));
        }
    }
}

void SpanRegion::copyBlock(platform::Surface& dst, int dx, int dy, int w, int h,
                           const platform::Surface& src, int sx, int sy, PaintMask* painted) {
    if (painted != nullptr) {
        painted->blit(dst, dx, dy, w, h, src, sx, sy);
    } else {
        dst.blit(dx, dy, w, h, src, sx, sy);
    }
}

// Where a copy can reach on dst: the bounds moved there (through the map,
// whose entries never decrease). Only ordered one-row runs have their real
// top and bottom in the bounds; for others the whole destination counts.
platform::Rect SpanRegion::reach(const platform::Surface& dst, int dx, int dy, int sx, int sy,
                                 const CoordMap* map) const {
    if (!simple_ || count_ == 0) {
        return count_ == 0 ? platform::Rect{} : dst.bounds();
    }
    const RegionBounds& b = bounds_;
    if (map == nullptr) {
        return {dx + b.left, dy + b.top, dx + b.right + 1, dy + b.bottom + 1};
    }
    const CoordMap& m = *map;
    const int shiftX = m[dx] - m[sx];
    const int shiftY = m[dy] - m[sy];
    return {m[sx + b.left] + shiftX, m[sy + b.top] + shiftY, m[sx + b.right + 1] + shiftX,
            m[sy + b.bottom + 1] + shiftY};
}

bool SpanRegion::liesIn(const platform::Surface& s, int x, int y) const {
    const RegionBounds& b = bounds_;
    return x + b.left >= 0 && y + b.top >= 0 && x + b.right < s.width() &&
           y + b.bottom < s.height();
}

bool SpanRegion::copyThrough(platform::Surface& dst, int dx, int dy, const platform::Surface& src,
                             int sx, int sy, const CoordMap* map, PaintMask* painted) const {
    if (!usable()) {
        return false;
    }
    if (dst.isNull() || src.isNull()) {
        return false;
    }
    Busy busy(*this);
    if (painted != nullptr) {
        const platform::Rect reached = reach(dst, dx, dy, sx, sy, map);
        const platform::Rect open = painted->openRows(reached);
        if (open.empty()) {
            return true;  // wholly under what is painted already
        }
        if (map == nullptr && simple_ && painted->holdsColumns(reached, dst) &&
            liesIn(src, sx, sy)) {
            painted->copyRows(dst, runs_, count_, dx, dy, src, sx, sy, open);
            return true;
        }
    }
    if (map == nullptr) {
        copyRuns(dst, dx, dy, src, sx, sy, painted);
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
        copyBlock(dst, left + shiftX, top + shiftY, width, height, src, left, top, painted);
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
