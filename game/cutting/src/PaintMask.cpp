#include "cutting/PaintMask.h"

#include <algorithm>
#include <bit>
#include <cstring>

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

}  // namespace

void PaintMask::reset(const platform::Rect& area) {
    area_ = area.empty() ? platform::Rect{} : area;
    wordsPerRow_ = (area_.width() + kWordBits - 1) / kWordBits;
    bits_.assign(static_cast<std::size_t>(wordsPerRow_) * static_cast<std::size_t>(area_.height()),
                 0);
}

bool PaintMask::covers(const platform::Rect& r) const {
    const platform::Rect c = platform::intersect(r, area_);
    if (c.empty()) {
        return true;
    }
    const int b0 = c.left - area_.left;
    const int b1 = c.right - area_.left;
    for (int y = c.top; y < c.bottom; ++y) {
        const std::uint64_t* bits = rowBits(y);
        for (int w = b0 / kWordBits; w <= (b1 - 1) / kWordBits; ++w) {
            const std::uint64_t span = spanBits(w, b0, b1);
            if ((bits[w] & span) != span) {
                return false;
            }
        }
    }
    return true;
}

// Unpainted stretches that meet at a word boundary are copied as one.
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
    if (x0 >= x1) {
        return;
    }
    std::uint64_t* bits = rowBits(y);
    platform::Pixel* out = dst.row(y) + area_.left;
    const int b0 = x0 - area_.left;
    const int b1 = x1 - area_.left;
    int begin = 0;
    int end = 0;
    const auto flush = [&] {
        if (end > begin) {
            queue(out + begin, from + (begin - b0), end - begin);
        }
    };
    for (int w = b0 / kWordBits; w <= (b1 - 1) / kWordBits; ++w) {
        const std::uint64_t span = spanBits(w, b0, b1);
        std::uint64_t fresh = span & ~bits[w];
        bits[w] |= span;
        while (fresh != 0) {
            const int s = std::countr_zero(fresh);
            const int length = std::countr_one(fresh >> s);
            const int at = w * kWordBits + s;
            if (at != end) {
                flush();
                begin = at;
            }
            end = at + length;
            fresh = s + length == kWordBits ? 0 : fresh & (~std::uint64_t{0} << (s + length));
        }
    }
    flush();
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
            std::uint64_t unpainted = spanBits(w, 0, width) & ~bits[w];
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
