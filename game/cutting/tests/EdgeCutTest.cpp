#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "cutting/EdgeCut.h"

using cutting::EdgeCut;
using cutting::EdgeOrientation;
using cutting::PieceMask;

namespace {

constexpr int kPieceWidth = 30;
constexpr int kPieceHeight = 24;
constexpr int kMargin = 10;

PieceMask cellMask(int pieceWidth, int pieceHeight, int margin) {
    PieceMask mask(pieceWidth + 2 * margin, pieceHeight + 2 * margin);
    mask.fill(margin, margin, margin + pieceWidth - 1, margin + pieceHeight - 1, true);
    return mask;
}

struct MappingCase {
    EdgeOrientation orientation;
    int ax, ay;  // depth 2, position 5 in A
    int bx, by;  // the same point in B
};

}  // namespace

TEST(EdgeCutTest, PaintMapsDepthAndPositionIntoBothMasks) {
    const MappingCase cases[] = {
        {EdgeOrientation::LeftPieceGrows, 42, 15, 12, 15},
        {EdgeOrientation::RightPieceGrows, 7, 15, 37, 15},
        {EdgeOrientation::UpperPieceGrows, 15, 36, 15, 12},
        {EdgeOrientation::LowerPieceGrows, 15, 7, 15, 31},
    };
    for (const auto& c : cases) {
        PieceMask a = cellMask(kPieceWidth, kPieceHeight, kMargin);
        PieceMask b = cellMask(kPieceWidth, kPieceHeight, kMargin);
        EdgeCut edge(a, b, c.orientation, kPieceWidth, kPieceHeight, kMargin, kMargin);
        edge.paint(2, 2, 5, true);
        EXPECT_TRUE(a.pixel(c.ax, c.ay)) << static_cast<int>(c.orientation);
        EXPECT_FALSE(b.pixel(c.bx, c.by)) << static_cast<int>(c.orientation);
        edge.paint2(2, 5, 5, false);
        EXPECT_FALSE(a.pixel(c.ax, c.ay)) << static_cast<int>(c.orientation);
        EXPECT_TRUE(b.pixel(c.bx, c.by)) << static_cast<int>(c.orientation);
    }
}

TEST(EdgeCutTest, RunsCoverBothBoundsAndAreClipped) {
    PieceMask a = cellMask(kPieceWidth, kPieceHeight, kMargin);
    PieceMask b = cellMask(kPieceWidth, kPieceHeight, kMargin);
    EdgeCut edge(a, b, EdgeOrientation::LeftPieceGrows, kPieceWidth, kPieceHeight, kMargin,
                 kMargin);
    EXPECT_EQ(edge.length(), kPieceHeight);
    EXPECT_EQ(edge.margin(), kMargin);
    edge.paint(3, -1, 0, true);  // depths -1 to 3 at the top row of the edge
    for (int d = -1; d <= 3; ++d) {
        EXPECT_TRUE(a.pixel(kMargin + kPieceWidth + d, kMargin));
        EXPECT_FALSE(b.pixel(kMargin + d, kMargin));
    }
    edge.paint2(0, -500, 500, true);  // the whole mask height and beyond
    for (int y = 0; y < a.height(); ++y) {
        EXPECT_TRUE(a.pixel(kMargin + kPieceWidth, y));
    }
    edge.paint(-1000, 1000, 1, false);
    EXPECT_FALSE(a.pixel(0, kMargin + 1));
    EXPECT_TRUE(b.pixel(b.width() - 1, kMargin + 1));
}

// Depth of A's deepest pixel in B's cell and of B's deepest pixel in A's cell
// for a horizontal edge with A above.
struct Reach {
    int knob = 0;
    int bulge = 0;
    int leftmost = 1 << 30;
    int rightmost = -1;
};

static Reach cutAndMeasure(bool knob, int piece, int margin) {
    PieceMask a = cellMask(piece, piece, margin);
    PieceMask b = cellMask(piece, piece, margin);
    EdgeCut edge(a, b, EdgeOrientation::UpperPieceGrows, piece, piece, margin, margin);
    knob ? edge.cutKnob() : edge.cutWavy();
    Reach reach;
    for (int y = margin + piece; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) && y > margin + piece) {
                reach.knob = std::max(reach.knob, y - (margin + piece) + 1);
                reach.leftmost = std::min(reach.leftmost, x - margin);
                reach.rightmost = std::max(reach.rightmost, x - margin);
            }
        }
    }
    for (int y = 0; y < margin; ++y) {
        for (int x = 0; x < b.width(); ++x) {
            if (b.pixel(x, y)) {
                reach.bulge = std::max(reach.bulge, margin - y);
            }
        }
    }
    return reach;
}

TEST(EdgeCutTest, KnobReachesDeepWithinTheMarginAndMiddleThird) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::srand(seed);
        const Reach reach = cutAndMeasure(true, 60, 20);
        EXPECT_GE(reach.knob, 16) << seed;  // depth t >= (h + M) / 2 >= 15, counted from 1
        EXPECT_LE(reach.knob, 19) << seed;  // t <= M - 2
        EXPECT_LE(reach.bulge, 4) << seed;  // shoulders at most 2M / 10
        EXPECT_GE(reach.leftmost, 20 - 1) << seed;
        EXPECT_LE(reach.rightmost, 40 + 1) << seed;
    }
}

// Small margins reverse the range of the head's top, which may then reach
// depth M - 1 but never the edge of the margin; the head stays off the ends of
// the edge.
TEST(EdgeCutTest, SmallKnobsStayInTheirCorridor) {
    int lowest = 1 << 30;
    int highest = 0;
    for (int piece = 11; piece <= 30; ++piece) {
        const int margin = piece / 3;
        for (unsigned seed = 1; seed <= 60; ++seed) {
            std::srand(seed * 13u + piece);
            const Reach reach = cutAndMeasure(true, piece, margin);
            EXPECT_LE(reach.knob, margin) << piece << " " << seed;
            if (reach.rightmost >= 0) {
                lowest = std::min(lowest, reach.leftmost * 100 / piece);
                highest = std::max(highest, reach.rightmost * 100 / piece);
            }
        }
    }
    EXPECT_GT(lowest, 20) << "per cent of the edge";
    EXPECT_LT(highest, 80) << "per cent of the edge";
}

TEST(EdgeCutTest, WavyEdgeStaysWithinHalfTheMargin) {
    int deepest = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::srand(seed);
        const Reach reach = cutAndMeasure(false, 60, 20);
        EXPECT_LE(reach.knob, 10) << seed;
        EXPECT_LE(reach.bulge, 10) << seed;
        deepest = std::max({deepest, reach.knob, reach.bulge});
    }
    EXPECT_GE(deepest, 3) << "the walk leaves the straight line";
}
