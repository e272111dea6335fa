#include <algorithm>

#include "RegionMessages.h"
#include "cutting/SpanRegion.h"

namespace cutting {

namespace {

constexpr Run kEnd{kBeyond, kBeyond, kBeyond, kBeyond};

// Walks a run list and presents the terminating run once it is used up.
class Cursor {
  public:
    explicit Cursor(const std::vector<Run>& runs) : runs_(runs) {}
    bool done() const { return i_ >= runs_.size(); }
    const Run& current() const { return done() ? kEnd : runs_[i_]; }
    void next() { ++i_; }

  private:
    const std::vector<Run>& runs_;
    std::size_t i_ = 0;
};

// Merges two ordered lists by (top, left) and joins runs of one row that
// overlap or touch.
int unite(const std::vector<Run>& a, const std::vector<Run>& b, Run* out) {
    Cursor ca(a);
    Cursor cb(b);
    int n = 0;
    while (!ca.done() || !cb.done()) {
        const Run& ra = ca.current();
        const Run& rb = cb.current();
        const bool takeB = rb.top < ra.top || (rb.top == ra.top && rb.left < ra.left);
        const Run r = takeB ? rb : ra;
        (takeB ? cb : ca).next();
        if (n > 0 && out[n - 1].top == r.top && r.left - 1 <= out[n - 1].right) {
            out[n - 1].right = std::max(out[n - 1].right, r.right);
        } else {
            out[n++] = r;
        }
    }
    return n;
}

// a minus b, row by row: each run of a is cut by the runs of b on its row.
int subtract(const std::vector<Run>& a, const std::vector<Run>& b, Run* out, std::size_t room) {
    Cursor cb(b);
    std::size_t ia = 0;
    Run cur = a.empty() ? kEnd : a[0];
    auto nextA = [&] {
        ++ia;
        cur = ia < a.size() ? a[ia] : kEnd;
    };
    std::size_t n = 0;
    while ((ia < a.size() || !cb.done()) && n < room) {
        const Run& rb = cb.current();
        if (rb.top < cur.top) {
            cb.next();
        } else if (rb.top == cur.top && cur.left < rb.left && rb.left <= cur.right) {
            out[n] = cur;
            out[n++].right = static_cast<std::int16_t>(rb.left - 1);
            cur.left = rb.left;
        } else if (rb.top == cur.top && rb.left <= cur.left) {
            if (rb.right < cur.right) {
                cur.left = std::max(static_cast<std::int16_t>(rb.right + 1), cur.left);
                cb.next();
            } else {
                nextA();
            }
        } else {
            out[n++] = cur;
            nextA();
        }
    }
    return static_cast<int>(n);
}

}  // namespace

SpanRegion SpanRegion::combine(const SpanRegion& a, const SpanRegion& b, int mode) {
    const bool haveA = a.usable();
    const bool haveB = mode == kCopy || b.usable();
    Busy busyA(a);
    Busy busyB(b);
    const bool algebra = mode == kUnion || mode == kDifference;
    const std::vector<Run> ra = haveA && algebra ? a.rows() : std::vector<Run>{};
    const std::vector<Run> rb = haveB && algebra ? b.rows() : std::vector<Run>{};
    std::size_t room = 0;
    if (algebra) {
        room = ra.size() + rb.size();
    } else if (mode == kCopy && haveA) {
        room = static_cast<std::size_t>(a.count_);
    }
    Run* block = allocate(room);
    if (block == nullptr) {
        regionMessage(kNoMemory);
        return fromRect(0, 0, -1, -1);
    }
    int count = 0;
    if (mode == kUnion) {
        count = unite(ra, rb, block);
    } else if (mode == kDifference) {
        count = subtract(ra, rb, block, room);
    } else if (mode == kCopy && haveA) {
        std::copy(a.runs_, a.runs_ + room, block);
        count = a.count_;
    }
    // A copy keeps every run; a union or difference drops a last run on row 0.
    return SpanRegion(block, count, mode == kCopy ? Tail::kKeep : Tail::kDropRowZero);
}

}  // namespace cutting
