#include "cutting/EdgeCut.h"

#include <algorithm>
#include <climits>

#include "cutting/CutMath.h"

namespace cutting {

namespace {

// Runs are clipped to the mask anyway; this only keeps far-off coordinates
// from wrapping when narrowed to int.
int toCoordinate(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, -1, INT_MAX));
}

// How often n can be halved before it reaches 0, minus one.
std::int64_t floorLog2(std::int64_t n) {
    std::int64_t halvings = 0;
    while (n > 0) {
        n /= 2;
        ++halvings;
    }
    return halvings - 1;
}

// scale x sqrt(radius^2 - offset^2) / radius: a quarter ellipse of height
// |scale| over radius positions; 0 when either is 0. The root is taken of the
// whole radicand, scale squared included, so the result is never negative.
std::int64_t ellipse(std::int64_t radius, std::int64_t offset, std::int64_t scale) {
    if (scale == 0 || radius == 0) {
        return 0;
    }
    return scaledSqrt((radius * radius - offset * offset) * scale * scale) / radius;
}

}  // namespace

// The knob's measures, drawn in this field order. Positions run along the
// edge, heights and depths into B's cell.
struct EdgeCut::Knob {
    std::int64_t a;   // neck start
    std::int64_t b;   // neck end
    std::int64_t e1;  // left shoulder depth
    std::int64_t p1;  // left shoulder start
    std::int64_t e2;  // right shoulder depth
    std::int64_t p4;  // right shoulder end
    std::int64_t h1;  // left head height
    std::int64_t q1;  // left head side
    std::int64_t h2;  // right head height
    std::int64_t q2;  // right head side
    std::int64_t t;   // head top
    std::int64_t c;   // head centre
};

EdgeCut::EdgeCut(PieceMask& maskA, PieceMask& maskB, EdgeOrientation orientation, int pieceWidth,
                 int pieceHeight, int marginX, int marginY)
    : maskA_(&maskA),
      maskB_(&maskB),
      orientation_(orientation),
      pieceWidth_(pieceWidth),
      pieceHeight_(pieceHeight),
      marginX_(marginX),
      marginY_(marginY) {}

int EdgeCut::length() const {
    const bool vertical = orientation_ == EdgeOrientation::LeftPieceGrows ||
                          orientation_ == EdgeOrientation::RightPieceGrows;
    return vertical ? pieceHeight_ : pieceWidth_;
}

int EdgeCut::margin() const {
    const bool vertical = orientation_ == EdgeOrientation::LeftPieceGrows ||
                          orientation_ == EdgeOrientation::RightPieceGrows;
    return vertical ? marginX_ : marginY_;
}

void EdgeCut::paint(std::int64_t d1, std::int64_t d2, std::int64_t p, bool give) {
    paintRun(d1, p, d2, p, give);
}

void EdgeCut::paint2(std::int64_t d, std::int64_t p1, std::int64_t p2, bool give) {
    paintRun(d, p1, d, p2, give);
}

// Where the point of depth d and position p lies in A's mask and in B's.
EdgeCut::Place EdgeCut::place(std::int64_t d, std::int64_t p) const {
    const std::int64_t mx = marginX_;
    const std::int64_t my = marginY_;
    const std::int64_t pw = pieceWidth_;
    const std::int64_t ph = pieceHeight_;
    switch (orientation_) {
        case EdgeOrientation::LeftPieceGrows:
            return {mx + pw + d, my + p, mx + d, my + p};
        case EdgeOrientation::RightPieceGrows:
            return {mx - d - 1, my + p, mx + pw - d - 1, my + p};
        case EdgeOrientation::UpperPieceGrows:
            return {mx + p, my + ph + d, mx + p, my + d};
        case EdgeOrientation::LowerPieceGrows:
            break;
    }
    return {mx + p, my - d - 1, mx + p, my + ph - d - 1};
}

// The run from (d1, p1) to (d2, p2) is one pixel thick; its two ends are
// mapped into each mask and the box between them is filled.
void EdgeCut::paintRun(std::int64_t d1, std::int64_t p1, std::int64_t d2, std::int64_t p2,
                       bool give) {
    const Place from = place(d1, p1);
    const Place to = place(d2, p2);
    maskA_->fill(toCoordinate(from.ax), toCoordinate(from.ay), toCoordinate(to.ax),
                 toCoordinate(to.ay), give);
    maskB_->fill(toCoordinate(from.bx), toCoordinate(from.by), toCoordinate(to.bx),
                 toCoordinate(to.by), !give);
}

// A row of the knob's head: like paint2 with give set, except that a pixel B
// no longer holds stays where it is. On pieces with margins under 7 the head
// may reach depth M - 1, where it can meet the knob that a crossing edge of B
// grew first (for example 12 x 12 pieces, 5 x 5 cells, seed 21, pixel
// (20, 20)); handing that pixel to A as well would give it two owners.
// Wherever B holds the pixel, which is everywhere else, this is paint2.
void EdgeCut::paintHeadRow(std::int64_t d, std::int64_t p1, std::int64_t p2) {
    for (std::int64_t p = std::min(p1, p2); p <= std::max(p1, p2); ++p) {
        const Place at = place(d, p);
        const int bx = toCoordinate(at.bx);
        const int by = toCoordinate(at.by);
        if (maskB_->pixel(bx, by)) {
            maskA_->fill(toCoordinate(at.ax), toCoordinate(at.ay), toCoordinate(at.ax),
                         toCoordinate(at.ay), true);
            maskB_->fill(bx, by, bx, by, false);
        }
    }
}

// The walk keeps its depth scaled by k = floor(log2 L): slope s changes by one
// per pixel, and q is held within half the margin on either side and within a
// cone that closes at both ends of the edge.
void EdgeCut::cutWavy() {
    const std::int64_t len = length();
    const std::int64_t k = floorLog2(len);
    if (k < 1) {
        return;
    }
    const std::int64_t maxSlope = len / k;
    const std::int64_t maxDepth = static_cast<std::int64_t>(margin()) * k;
    std::int64_t s = 0;
    std::int64_t q = 0;
    for (std::int64_t i = 0; i < len; ++i) {
        s += rnd(0, 1) == 1 ? 1 : -1;
        s = std::clamp(s, -maxSlope, maxSlope);
        q += s;
        if (q >= maxDepth) {
            q = maxDepth - 1;
            s = 0;
        }
        if (q < -maxDepth) {
            q = -maxDepth;
            s = 0;
        }
        if (q > i * k) {
            q = i * k;
            s = -1;
        }
        if (q < -(i * k)) {
            q = -(i * k);
            s = 1;
        }
        if (q > (len - i - 1) * k) {
            q = (len - i - 1) * k;
            s = -1;
        }
        if (q < (i - len + 1) * k) {
            q = (i - len + 1) * k;
            s = 1;
        }
        paint(0, (q / 2) / k, i, q >= 0);
    }
}

void EdgeCut::cutKnob() {
    const Knob knob = drawKnob();
    paintLeftShoulder(knob);
    paintHead(knob);
    paintRightShoulder(knob);
}

EdgeCut::Knob EdgeCut::drawKnob() const {
    const std::int64_t len = length();
    const std::int64_t m = margin();
    Knob k{};
    do {
        k.a = rnd(len * 7 / 20, len * 5 / 10);
        k.b = rnd(len * 5 / 10, len * 13 / 20);
    } while (k.b - k.a < len / 10 || k.b - k.a > len * 5 / 20);
    k.e1 = rnd(m / 10, m * 2 / 10);
    k.p1 = k.a - rnd(len / 10, len * 2 / 10);
    k.e2 = rnd(m / 10, m * 2 / 10);
    k.p4 = k.b + rnd(len / 10, len * 2 / 10);
    k.h1 = rnd(m * 5 / 10, m * 7 / 10);
    k.q1 = k.a - rnd(len / 20, len / 10);
    if (k.q1 <= len / 3) {
        k.q1 = len / 3 + 1;
    }
    k.h2 = rnd(m * 5 / 10, m * 7 / 10);
    k.q2 = k.b + rnd(len / 20, len / 10);
    if (k.q2 >= len * 2 / 3) {
        k.q2 = len * 2 / 3 - 1;
    }
    // With margins under 7 the range is reversed (rnd swaps its bounds), so
    // the top may then lie above M - 2.
    k.t = rnd((std::max(k.h1, k.h2) + m) / 2, m - 2);
    const std::int64_t c1 = rnd(k.a, k.b);
    const std::int64_t c2 = rnd(k.a, k.b);
    k.c = (c1 + c2) / 2;
    return k;
}

// Left of the neck B bulges into A: a smooth rise to depth e1, then a quarter
// ellipse back to the line at the neck.
void EdgeCut::paintLeftShoulder(const Knob& k) {
    for (std::int64_t i = 0; i <= k.p1; ++i) {
        const std::int64_t f = easeCurve(i, k.p1, k.e1);
        paint(-f, 0, i, false);
    }
    for (std::int64_t i = k.p1 + 1; i <= k.a; ++i) {
        const std::int64_t f = ellipse(k.a - k.p1, i - k.p1, k.e1);
        paint(-f, 0, i, false);
    }
}

// The knob, row by row of depth: the left neck widening from a to q1, the left
// half of the head up to its top t, the right half back down to h2, and the
// right neck narrowing from q2 to b.
void EdgeCut::paintHead(const Knob& k) {
    for (std::int64_t j = 0; j <= k.h1; ++j) {
        const std::int64_t w = easeCurve(j, k.h1, k.a - k.q1);
        paintHeadRow(j, k.a - w, k.c);
    }
    for (std::int64_t j = k.h1 + 1; j <= k.t; ++j) {
        const std::int64_t w = ellipse(k.t - k.h1, j - k.h1, k.c - k.q1);
        paintHeadRow(j, k.c - w - 1, k.c);
    }
    for (std::int64_t j = k.t; j >= k.h2; --j) {
        const std::int64_t w = ellipse(k.t - k.h2, j - k.h2, k.q2 - k.c);
        paintHeadRow(j, k.c, k.c + w + 1);
    }
    for (std::int64_t j = k.h2 > k.t ? k.t : k.h2 - 1; j >= 0; --j) {
        const std::int64_t w = easeCurve(j, k.h2, k.q2 - k.b);
        paintHeadRow(j, k.b + w, k.c);
    }
}

// Right of the neck: a quarter ellipse from the line down to depth e2 into A,
// then a smooth fall back to the line at the end of the edge.
void EdgeCut::paintRightShoulder(const Knob& k) {
    const std::int64_t len = length();
    for (std::int64_t i = k.b; i <= k.p4; ++i) {
        const std::int64_t f = ellipse(k.p4 - k.b, i - k.p4, k.e2);
        paint(-f, 0, i, false);
    }
    for (std::int64_t i = k.p4 + 1; i < len; ++i) {
        const std::int64_t f = easeCurve(len - 1 - i, len - 1 - k.p4, k.e2);
        paint(-f, 0, i, false);
    }
}

}  // namespace cutting
