#include "cutting/PaintMask.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "cutting/SpanRegion.h"

namespace cutting {

namespace {

constexpr int kWordBits = 64;
// Copies per batch, and how many copies ahead a source is fetched.
constexpr std::size_t kBatch = 1024;
constexpr std::size_t kAhead = 8;

// The bits of word w that lie in the bit span [b0, b1).
std::uint64_t spanBits(int w, int b0, int b1) {
    const int lo = std::max(b0 - w * kWordBits, 0);
    const int hi = std::min(b1 - w * kWordBits, kWordBits);
    const std::uint64_t upTo = hi == kWordBits ? ~std::uint64_t{0} : (std::uint64_t{1} << hi) - 1;
    return upTo & ~((std::uint64_t{1} << lo) - 1);
}

// Bits b to 63 of a word, b in 0 to 63.
std::uint64_t bitsFrom(int b) {
    return ~std::uint64_t{0} << b;
}

// Bits 0 to b of a word, b in 0 to 63.
std::uint64_t bitsUpTo(int b) {
    return ~std::uint64_t{0} >> (kWordBits - 1 - b);
}

}  // namespace

void PaintMask::reset(const platform::Rect& area) {
    area_ = area.empty() ? platform::Rect{} : area;
    wordsPerRow_ = (area_.width() + kWordBits - 1) / kWordBits;
    rows_ = static_cast<std::size_t>(area_.height());
    bits_.assign(static_cast<std::size_t>(wordsPerRow_) * static_cast<std::size_t>(area_.height()),
                 0);
    queued_.reserve(kBatch);
}

platform::Rect PaintMask::openRows(const platform::Rect& r) const {
    const platform::Rect c = platform::intersect(r, area_);
    if (c.empty()) {
        return {};
    }
    const int b0 = c.left - area_.left;
    const int b1 = c.right - area_.left;
    // Rows first and last (relative to c.top) are the outermost open ones so
    // far; each column of words only looks beyond them.
    int first = c.height();
    int last = -1;
    for (int w = b0 / kWordBits; w <= (b1 - 1) / kWordBits; ++w) {
        const std::uint64_t span = spanBits(w, b0, b1);
        const std::uint64_t* bits = rowBits(c.top) + static_cast<std::size_t>(w) * rows_;
        for (int y = 0; y < first; ++y) {
            if ((bits[y] & span) != span) {
                first = y;
                break;
            }
        }
        for (int y = c.height() - 1; y > last && y >= first; --y) {
            if ((bits[y] & span) != span) {
                last = y;
                break;
            }
        }
    }
    if (first > last) {
        return {};
    }
    return {c.left, c.top + first, c.right, c.top + last + 1};
}

bool PaintMask::holdsColumns(const platform::Rect& r, const platform::Surface& dst) const {
    const platform::Rect open = platform::intersect(area_, dst.clip());
    return !r.empty() && r.left >= open.left && r.right <= open.right;
}

void PaintMask::copySpan(platform::Surface& dst, int y, int x0, int x1,
                         const platform::Pixel* from) {
    if (y < area_.top || y >= area_.bottom) {
        return;
    }
    if (x0 < area_.left) {
        from += area_.left - x0;
        x0 = area_.left;
    }
    x1 = std::min(x1, area_.right);
    if (x0 < x1) {
        copyInside(dst.row(y) + area_.left, rowBits(y), x0 - area_.left, x1 - area_.left, from);
    }
}

void PaintMask::copyRows(platform::Surface& dst, const Run* runs, int count, int dx, int dy,
                         const platform::Surface& src, int sx, int sy, const platform::Rect& rows) {
    const platform::Rect open = platform::intersect(platform::intersect(area_, dst.clip()), rows);
    const int left = dx - area_.left;
    // The runs are ordered by row: those above the open rows are passed over
    // at once, and the first below them ends the copy.
    const Run* begin = std::partition_point(runs, runs + count,
                                            [&](const Run& r) { return dy + r.top < open.top; });
    for (const Run* run = begin; run != runs + count; ++run) {
        const Run& r = *run;
        const int y = dy + r.top;
        if (y >= open.bottom) {
            break;
        }
        copyInside(dst.row(y) + area_.left, rowBits(y), left + r.left, left + r.right + 1,
                   src.row(sy + r.top) + sx + r.left);
    }
}

// The pieces' rows are one or two words long and mostly either all new or
// all painted over, which is decided without walking the bits.
void PaintMask::copyInside(platform::Pixel* out, std::uint64_t* bits, int b0, int b1,
                           const platform::Pixel* from) {
    // b0 < b1 are bits of the area, never negative.
    const auto lowBit = static_cast<unsigned>(b0);
    const auto highBit = static_cast<unsigned>(b1 - 1);
    const unsigned w0 = lowBit / kWordBits;
    const unsigned w1 = highBit / kWordBits;
    if (w1 - w0 > 1) {
        copyFresh(out, bits, b0, b1, from);
        return;
    }
    const std::uint64_t head = bitsFrom(static_cast<int>(lowBit % kWordBits));
    const std::uint64_t tail = bitsUpTo(static_cast<int>(highBit % kWordBits));
    const std::uint64_t span0 = w0 == w1 ? head & tail : head;
    const std::uint64_t span1 = w0 == w1 ? 0 : tail;
    const std::size_t stride = rows_;
    std::uint64_t& first = bits[w0 * stride];
    std::uint64_t& second = bits[w1 * stride];
    const std::uint64_t fresh0 = span0 & ~first;
    const std::uint64_t fresh1 = span1 & ~second;
    if ((fresh0 | fresh1) == 0) {
        return;
    }
    if (fresh0 != span0 || fresh1 != span1) {
        copyFresh(out, bits, b0, b1, from);
        return;
    }
    first |= span0;
    second |= span1;
    queue(out + b0, from, b1 - b0);
}

// Unpainted stretches that meet at a word boundary are copied as one.
void PaintMask::copyFresh(platform::Pixel* out, std::uint64_t* bits, int b0, int b1,
                          const platform::Pixel* from) {
    const int w0 = b0 / kWordBits;
    const int w1 = (b1 - 1) / kWordBits;
    int begin = 0;
    int end = 0;
    for (int w = w0; w <= w1; ++w) {
        std::uint64_t span = ~std::uint64_t{0};
        if (w == w0) {
            span &= bitsFrom(b0 % kWordBits);
        }
        if (w == w1) {
            span &= bitsUpTo((b1 - 1) % kWordBits);
        }
        std::uint64_t& word = bits[w * rows_];
        std::uint64_t fresh = span & ~word;
        word |= span;
        while (fresh != 0) {
            const int s = std::countr_zero(fresh);
            const int length = std::countr_one(fresh >> s);
            const int at = w * kWordBits + s;
            if (at != end) {
                if (end > begin) {
                    queue(out + begin, from + (begin - b0), end - begin);
                }
                begin = at;
            }
            end = at + length;
            fresh = s + length == kWordBits ? 0 : fresh & bitsFrom(s + length);
        }
    }
    if (end > begin) {
        queue(out + begin, from + (begin - b0), end - begin);
    }
}

void PaintMask::queue(platform::Pixel* to, const platform::Pixel* from, int count) {
    queued_.push_back({to, from, count});
    if (queued_.size() == kBatch) {
        copyQueued();
    }
}

void PaintMask::copyQueued() {
    const std::size_t n = queued_.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i + kAhead < n) {
            __builtin_prefetch(queued_[i + kAhead].from);
            __builtin_prefetch(queued_[i + kAhead].to, 1);
        }
        const Copy& c = queued_[i];
        std::memcpy(c.to, c.from, static_cast<std::size_t>(c.count) * sizeof(platform::Pixel));
    }
    queued_.clear();
}

void PaintMask::finish(platform::Surface& dst, platform::Pixel background) {
    copyQueued();
    fillUnpainted(dst, background);
}

void PaintMask::fillUnpainted(platform::Surface& dst, platform::Pixel p) const {
    const int width = area_.width();
    for (int y = area_.top; y < area_.bottom; ++y) {
        const std::uint64_t* bits = rowBits(y);
        platform::Pixel* out = dst.row(y) + area_.left;
        for (int w = 0; w < wordsPerRow_; ++w) {
            std::uint64_t unpainted = spanBits(w, 0, width) & ~bits[w * rows_];
            while (unpainted != 0) {
                const int s = std::countr_zero(unpainted);
                const int length = std::countr_one(unpainted >> s);
                std::fill_n(out + w * kWordBits + s, length, p);
                unpainted =
                    s + length == kWordBits ? 0 : unpainted & (~std::uint64_t{0} << (s + length));
            }
        }
    }
}

void PaintMask::blit(platform::Surface& dst, int dx, int dy, int w, int h,
                     const platform::Surface& src, int sx, int sy) {
    const platform::Rect s = platform::intersect({sx, sy, sx + w, sy + h}, src.bounds());
    const int left = dx + (s.left - sx);
    const int top = dy + (s.top - sy);
    const platform::Rect c = platform::intersect({left, top, left + s.width(), top + s.height()},
                                                 platform::intersect(dst.clip(), area_));
    for (int y = c.top; y < c.bottom; ++y) {
        copySpan(dst, y, c.left, c.right, src.row(s.top + (y - top)) + s.left + (c.left - left));
    }
}

}  // namespace cutting
