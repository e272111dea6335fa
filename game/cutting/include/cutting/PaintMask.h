#pragma once

#include <cstdint>
#include <vector>

#include "platform/Surface.h"

namespace cutting {

struct Run;

// Which pixels of one area of a surface are painted, one bit each, so that a
// stack of opaque copies can be drawn from the top one down: every pixel is
// written once, by the topmost copy that reaches it, and the surface ends up
// as drawing the stack bottom to top leaves it. Coordinates are the
// surface's; nothing outside the area is ever written.
//
// The copies are queued and made in batches, each source fetched ahead of
// its copy: the runs of scattered pieces lie a picture row apart, so copied
// one by one they would wait on memory each time. A drawing is complete only
// after finish().
class PaintMask {
  public:
    // Forgets every painted pixel and limits the mask to area. The bits keep
    // their memory for the next area; drawing within it allocates nothing.
    void reset(const platform::Rect& area);
    const platform::Rect& area() const { return area_; }
    // Whether every pixel of r that lies in the area is painted (true when r
    // misses the area).
    bool covers(const platform::Rect& r) const { return openRows(r).empty(); }
    // The rows of r within the area that hold a pixel not painted yet, as
    // one rectangle from the first of them to the last; empty when r is
    // wholly painted.
    platform::Rect openRows(const platform::Rect& r) const;
    // Whether the columns of r lie in the area and in the clip of dst.
    bool holdsColumns(const platform::Rect& r, const platform::Surface& dst) const;
    // Copies the pixels x0 to x1 (exclusive) of row y that are not painted
    // yet from `from`, which points at the source of x0, and marks them
    // painted. The caller has cut the span to the source.
    void copySpan(platform::Surface& dst, int y, int x0, int x1, const platform::Pixel* from);
    // Copies one-row runs ordered by row, moved by (dx, dy), from src moved
    // by (sx, sy) onto the pixels not painted yet, within the clip of dst and
    // the rows of `rows`. Every run lies in the columns of the area and the
    // clip, and in src.
    void copyRows(platform::Surface& dst, const Run* runs, int count, int dx, int dy,
                  const platform::Surface& src, int sx, int sy, const platform::Rect& rows);
    // Surface::blit, limited to the pixels not painted yet, which then are.
    void blit(platform::Surface& dst, int dx, int dy, int w, int h, const platform::Surface& src,
              int sx, int sy);
    // Makes the queued copies and fills the pixels of the area that are
    // still unpainted with background.
    void finish(platform::Surface& dst, platform::Pixel background);

  private:
    struct Copy {
        platform::Pixel* to;
        const platform::Pixel* from;
        int count;
    };
    // Bits b0 to b1 (exclusive) of a row of the area: out and bits are the
    // row's first pixel and word, from the source of bit b0.
    void copyInside(platform::Pixel* out, std::uint64_t* bits, int b0, int b1,
                    const platform::Pixel* from);
    void copyFresh(platform::Pixel* out, std::uint64_t* bits, int b0, int b1,
                   const platform::Pixel* from);
    void queue(platform::Pixel* to, const platform::Pixel* from, int count);
    void copyQueued();
    void fillUnpainted(platform::Surface& dst, platform::Pixel p) const;
    // Word w of row y is rowBits(y)[w * rows_].
    std::uint64_t* rowBits(int y) { return bits_.data() + (y - area_.top); }
    const std::uint64_t* rowBits(int y) const { return bits_.data() + (y - area_.top); }

    platform::Rect area_{};
    int wordsPerRow_ = 0;
    // Column after column of 64-bit words, each column a word of every row
    // of the area in turn (bit i of word w for column area_.left + 64 w + i),
    // so that the rows a piece covers lie in a few cache lines.
    std::vector<std::uint64_t> bits_;
    std::size_t rows_ = 0;
    std::vector<Copy> queued_;
};

}  // namespace cutting
