#include "cutting/SpanRegion.h"

#include <algorithm>
#include <cstdlib>

#include "RegionMessages.h"
#include "cutting/Failures.h"

namespace cutting {

namespace {

// Scans a mask row by row, left to right, and hands every run of set pixels
// to emit. Outside a run a zero byte skips 8 pixels, inside a run a full byte
// does, so empty and solid stretches cost one test per byte.
template <typename Emit>
void scanMask(const MaskBits& mask, Emit&& emit) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(mask.words);
    const std::size_t stride = static_cast<std::size_t>(mask.wordsPerRow) * 2;
    for (int y = 0; y < mask.height; ++y) {
        const std::uint8_t* row = bytes + stride * static_cast<std::size_t>(y);
        int start = -1;
        int x = 0;
        while (x < mask.width) {
            const std::uint8_t byte = row[x / 8];
            if (x % 8 == 0 && byte == (start < 0 ? 0x00 : 0xFF)) {
                x += 8;
                continue;
            }
            const bool set = (byte & (0x80 >> (x % 8))) != 0;
            if (set && start < 0) {
                start = x;
            } else if (!set && start >= 0) {
                emit(start, x - 1, y);
                start = -1;
            }
            ++x;
        }
        if (start >= 0) {
            emit(start, mask.width - 1, y);
        }
    }
}

Run makeRun(int left, int right, int top, int bottom) {
    return {static_cast<std::int16_t>(left), static_cast<std::int16_t>(right),
            static_cast<std::int16_t>(top), static_cast<std::int16_t>(bottom)};
}

bool before(const Run& a, const Run& b) {
    return a.top < b.top || (a.top == b.top && a.left < b.left);
}

// r lies on a later row than p, or right of p on the same row without touching.
bool after(const Run& p, const Run& r) {
    return r.top > p.top || (r.top == p.top && r.left > p.right);
}

}  // namespace

Run* SpanRegion::allocate(std::size_t runs) {
    return static_cast<Run*>(std::calloc(runs + kTailRecords, sizeof(Run)));
}

SpanRegion::SpanRegion(Run* block, int count, Tail tail) : runs_(block), count_(count) {
    finish(tail);
}

SpanRegion::SpanRegion(SpanRegion&& other) noexcept
    : runs_(other.runs_),
      count_(other.count_),
      capacity_(other.capacity_),
      bounds_(other.bounds_),
      simple_(other.simple_) {
    other.runs_ = nullptr;
    other.count_ = 0;
    other.capacity_ = 0;
}

SpanRegion& SpanRegion::operator=(SpanRegion&& other) noexcept {
    if (this != &other) {
        std::free(runs_);
        runs_ = other.runs_;
        count_ = other.count_;
        capacity_ = other.capacity_;
        bounds_ = other.bounds_;
        simple_ = other.simple_;
        other.runs_ = nullptr;
        other.count_ = 0;
        other.capacity_ = 0;
    }
    return *this;
}

SpanRegion::~SpanRegion() {
    std::free(runs_);
}

SpanRegion SpanRegion::fromRect(int left, int top, int right, int bottom) {
    Run* block = allocate(1);
    if (block == nullptr) {
        throw MemoryException();
    }
    const bool empty = right < left || bottom < top;
    if (!empty) {
        block[0] = makeRun(left, right, top, bottom);
    }
    return SpanRegion(block, empty ? 0 : 1, Tail::kKeep);
}

SpanRegion SpanRegion::fromMask(const MaskBits& mask) {
    if (mask.words == nullptr || mask.width <= 0 || mask.height <= 0) {
        return fromRect(0, 0, -1, -1);
    }
    // A row of w pixels holds at most (w + 1) / 2 runs (alternating pixels).
    const std::size_t worst = static_cast<std::size_t>((mask.width + 1) / 2) * mask.height;
    Run* block = allocate(worst);
    if (block == nullptr) {
        std::size_t exact = 0;
        scanMask(mask, [&](int, int, int) { ++exact; });
        block = allocate(exact);
        if (block == nullptr) {
            throw MemoryException();
        }
    }
    int count = 0;
    scanMask(mask, [&](int left, int right, int y) {
        block[count++] =
            makeRun(left + mask.offsetX, right + mask.offsetX, y + mask.offsetY, y + mask.offsetY);
    });
    return SpanRegion(block, count);
}

// Drops a last run whose bottom is row 0 (unless tail says to keep it),
// writes the terminating run and the zeroed tail, shrinks the block to its
// final size and brings bounds and classification up to date.
void SpanRegion::finish(Tail tail) {
    if (tail == Tail::kDropRowZero && count_ > 0 && runs_[count_ - 1].bottom == 0) {
        --count_;
    }
    writeTail();
    capacity_ = static_cast<std::size_t>(count_);
    auto* shrunk = static_cast<Run*>(std::realloc(runs_, sizeof(Run) * (capacity_ + kTailRecords)));
    if (shrunk != nullptr) {
        runs_ = shrunk;
    }
    computeBounds();
    classify();
}

void SpanRegion::writeTail() {
    runs_[count_] = Run{kBeyond, kBeyond, kBeyond, kBeyond};
    std::fill(runs_ + count_ + 1, runs_ + count_ + kTailRecords, Run{});
}

void SpanRegion::growBounds(const RegionBounds& b, bool empty) {
    if (empty) {
        bounds_ = b;
        return;
    }
    bounds_.left = std::min(bounds_.left, b.left);
    bounds_.right = std::max(bounds_.right, b.right);
    bounds_.bottom = b.bottom;  // the top stays that of the first run
}

// left is the smallest run left and right the largest run right, never below
// 0; top and bottom are those of the first and the last run, which for an
// appended, unsorted collection need not be its extremes (the saved form
// carries these bounds as they are).
void SpanRegion::computeBounds() {
    if (count_ == 0) {
        bounds_ = RegionBounds{};
        return;
    }
    RegionBounds b{kBeyond, 0, runs_[0].top, runs_[count_ - 1].bottom};
    for (int i = 0; i < count_; ++i) {
        b.left = std::min(b.left, runs_[i].left);
        b.right = std::max(b.right, runs_[i].right);
    }
    bounds_ = b;
}

void SpanRegion::classify() {
    simple_ = true;
    for (int i = 0; i < count_ && simple_; ++i) {
        const Run& r = runs_[i];
        const bool ordered = i == 0 || r.top > runs_[i - 1].top ||
                             (r.top == runs_[i - 1].top && r.left > runs_[i - 1].right);
        simple_ = r.top == r.bottom && ordered;
    }
}

bool SpanRegion::usable() const {
    if (runs_ == nullptr) {
        regionMessage(kNotAllocated);
        return false;
    }
    return true;
}

std::vector<Run> SpanRegion::rows() const {
    std::vector<Run> out;
    if (simple_) {
        out.assign(runs_, runs_ + count_);
        return out;
    }
    std::vector<Run> all;
    for (int i = 0; i < count_; ++i) {
        const Run& r = runs_[i];
        for (int y = r.top; y <= r.bottom; ++y) {
            all.push_back(makeRun(r.left, r.right, y, y));
        }
    }
    std::stable_sort(all.begin(), all.end(), before);
    for (const Run& r : all) {
        if (!out.empty() && out.back().top == r.top && r.left - 1 <= out.back().right) {
            out.back().right = std::max(out.back().right, r.right);
        } else {
            out.push_back(r);
        }
    }
    return out;
}

RegionBounds SpanRegion::bounds() const {
    if (!usable()) {
        return RegionBounds{};
    }
    return bounds_;
}

void SpanRegion::offset(int dx, int dy) {
    if (!usable()) {
        return;
    }
    Busy busy(*this);
    for (int i = 0; i < count_; ++i) {
        Run& r = runs_[i];
        r = makeRun(r.left + dx, r.right + dx, r.top + dy, r.bottom + dy);
    }
    if (count_ > 0) {
        bounds_ = RegionBounds{static_cast<std::int16_t>(bounds_.left + dx),
                               static_cast<std::int16_t>(bounds_.right + dx),
                               static_cast<std::int16_t>(bounds_.top + dy),
                               static_cast<std::int16_t>(bounds_.bottom + dy)};
    }
}

bool SpanRegion::contains(int x, int y) const {
    if (!usable()) {
        return false;
    }
    Busy busy(*this);
    if (!simple_) {
        // The bounds of an unsorted collection need not cover its runs.
        return std::any_of(runs_, runs_ + count_, [&](const Run& r) {
            return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
        });
    }
    if (count_ == 0 || x < bounds_.left || x > bounds_.right || y < bounds_.top ||
        y > bounds_.bottom) {
        return false;
    }
    // Bisection for the last run at or before (y, x) in (top, left) order.
    int lo = 0;
    int hi = count_;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        const Run& r = runs_[mid];
        if (r.top < y || (r.top == y && r.left <= x)) {
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }
    if (lo == 0) {
        return false;
    }
    const Run& r = runs_[lo - 1];
    return r.top == y && x <= r.right;
}

void SpanRegion::append(const SpanRegion& b, Tail tail) {
    if (!usable() || !b.usable()) {
        return;
    }
    Busy busy(*this);
    const int added = b.count_;
    if (added == 0) {
        return;
    }
    // b may be this region: its first runs stay in place while the block grows.
    const bool bSimple = b.simple_;
    const RegionBounds bBounds = b.bounds_;
    const Run firstAdded = b.runs_[0];
    const std::size_t total = static_cast<std::size_t>(count_) + static_cast<std::size_t>(added);
    if (total > capacity_) {
        // Geometric growth keeps a collection built piece by piece linear.
        const std::size_t room = std::max(total, capacity_ + capacity_ / 2);
        auto* grown = static_cast<Run*>(std::realloc(runs_, sizeof(Run) * (room + kTailRecords)));
        if (grown == nullptr) {
            regionMessage(kNoMemory);
            return;
        }
        runs_ = grown;
        capacity_ = room;
    }
    const Run* from = &b == this ? runs_ : b.runs_;
    std::copy(from, from + added, runs_ + count_);
    const bool ordered = count_ == 0 || after(runs_[count_ - 1], firstAdded);
    simple_ = simple_ && bSimple && ordered;
    growBounds(bBounds, count_ == 0);
    count_ = static_cast<std::int32_t>(total);
    if (tail == Tail::kDropRowZero && runs_[count_ - 1].bottom == 0) {
        // A last run on row 0 is dropped, as after every build; rare enough
        // to recompute the bounds in full.
        --count_;
        computeBounds();
    }
    writeTail();
}

void SpanRegion::free() {
    if (busy_ != 0) {
        regionMessage(kLockingError);
    }
    std::free(runs_);
    runs_ = nullptr;
    count_ = 0;
    capacity_ = 0;
    bounds_ = RegionBounds{};
    simple_ = true;
}

SpanRegion SpanRegion::upperLeftRim() const {
    SpanRegion shifted = copy();
    shifted.offset(1, 1);
    return combine(*this, shifted, kDifference);
}

SpanRegion SpanRegion::lowerRightRim() const {
    SpanRegion shifted = copy();
    shifted.offset(-1, -1);
    return combine(*this, shifted, kDifference);
}

}  // namespace cutting
