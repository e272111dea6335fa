#include "cutting/SpanRegion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "SpanRegionTestSupport.h"
#include "platform/MessageBox.h"

using cutting::Run;
using cutting::SpanRegion;
using regiontest::Pixels;
using regiontest::pixelsOf;
using regiontest::randomMask;

namespace {

// Runs ordered by top then left, one row high, separated by at least one
// clear pixel on a row (the form every operation must leave behind).
void expectCanonical(const SpanRegion& r) {
    for (int i = 0; i < r.count(); ++i) {
        const Run& run = r.runs()[i];
        ASSERT_EQ(run.top, run.bottom);
        ASSERT_LE(run.left, run.right);
        if (i > 0) {
            const Run& p = r.runs()[i - 1];
            ASSERT_TRUE(run.top > p.top || run.left > p.right + 1) << "run " << i;
        }
    }
    const Run& end = r.runs()[r.count()];
    EXPECT_EQ(end, (cutting::Run{32000, 32000, 32000, 32000}));
}

Pixels minus(const Pixels& a, const Pixels& b) {
    Pixels out;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::inserter(out, out.end()));
    return out;
}

Pixels shifted(const Pixels& a, int dx, int dy) {
    Pixels out;
    for (auto [x, y] : a) {
        out.insert({x + dx, y + dy});
    }
    return out;
}

class MessageLog {
  public:
    MessageLog() {
        platform::setMessageBoxInterceptor([this](const platform::MessageBoxRecord& m) {
            texts.push_back(m.caption + ": " + m.text);
            return IDOK;
        });
    }
    ~MessageLog() { platform::setMessageBoxInterceptor({}); }
    std::vector<std::string> texts;
};

}  // namespace

TEST(SpanRegion, MaskGivesExactlyItsSetPixels) {
    std::srand(11);
    for (int round = 0; round < 60; ++round) {
        const int w = 1 + std::rand() % 70;
        const int h = 1 + std::rand() % 20;
        Pixels expected;
        const auto mask = randomMask(w, h, &expected, 3, 2);
        const SpanRegion r = SpanRegion::fromMask(mask.bits(3, 2));
        expectCanonical(r);
        EXPECT_EQ(pixelsOf(r), expected) << w << "x" << h;
        if (!expected.empty()) {
            const auto b = r.bounds();
            const auto [low, high] = std::minmax_element(
                expected.begin(), expected.end(),
                [](const auto& p, const auto& q) { return p.second < q.second; });
            EXPECT_EQ(b.top, low->second);
            EXPECT_EQ(b.bottom, high->second);
            EXPECT_EQ(b.left, expected.begin()->first);
            EXPECT_EQ(b.right, expected.rbegin()->first);
        }
    }
}

TEST(SpanRegion, AlternatingPixelsOfAnOddWidthFitTheBlock) {
    regiontest::Mask m(9, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 9; x += 2) {
            m.set(x, y);
        }
    }
    const SpanRegion r = SpanRegion::fromMask(m.bits());
    EXPECT_EQ(r.count(), 15);
    EXPECT_EQ(pixelsOf(r).size(), 15u);
}

TEST(SpanRegion, EmptyMaskGivesNoRuns) {
    regiontest::Mask m(40, 10);
    const SpanRegion r = SpanRegion::fromMask(m.bits());
    EXPECT_TRUE(r.allocated());
    EXPECT_EQ(r.count(), 0);
    EXPECT_FALSE(r.contains(0, 0));
}

TEST(SpanRegion, UnionAndDifferenceMatchPixelSets) {
    std::srand(7);
    for (int round = 0; round < 80; ++round) {
        Pixels pa;
        Pixels pb;
        const int dx = std::rand() % 30 - 15;
        // Both lie below row 0, whose last run a region would drop.
        const int dy = std::rand() % 10 + 1;
        const auto ma = randomMask(1 + std::rand() % 50, 1 + std::rand() % 12, &pa, 0, 6);
        const auto mb = randomMask(1 + std::rand() % 50, 1 + std::rand() % 12, &pb, dx, dy);
        const SpanRegion a = SpanRegion::fromMask(ma.bits(0, 6));
        const SpanRegion b = SpanRegion::fromMask(mb.bits(dx, dy));

        const SpanRegion u = SpanRegion::combine(a, b, SpanRegion::kUnion);
        expectCanonical(u);
        Pixels pu = pa;
        pu.insert(pb.begin(), pb.end());
        EXPECT_EQ(pixelsOf(u), pu);

        const SpanRegion d = SpanRegion::combine(a, b, SpanRegion::kDifference);
        expectCanonical(d);
        EXPECT_EQ(pixelsOf(d), minus(pa, pb));
        EXPECT_EQ(pixelsOf(a), pa) << "the operands stay as they were";
    }
}

TEST(SpanRegion, AbuttingAndOverlappingRunsMerge) {
    const SpanRegion a = SpanRegion::fromRect(0, 4, 4, 4);
    const SpanRegion b = SpanRegion::fromRect(5, 4, 9, 4);
    const SpanRegion u = SpanRegion::combine(a, b, SpanRegion::kUnion);
    ASSERT_EQ(u.count(), 1);
    EXPECT_EQ(u.runs()[0], (cutting::Run{0, 9, 4, 4}));

    const SpanRegion c = SpanRegion::fromRect(3, 4, 12, 4);
    const SpanRegion v = SpanRegion::combine(u, c, SpanRegion::kUnion);
    ASSERT_EQ(v.count(), 1);
    EXPECT_EQ(v.runs()[0], (cutting::Run{0, 12, 4, 4}));
}

TEST(SpanRegion, RectangleRegionsTakePartInTheAlgebraRowByRow) {
    const SpanRegion box = SpanRegion::fromRect(0, 0, 9, 5);
    ASSERT_EQ(box.count(), 1);
    EXPECT_TRUE(box.contains(9, 5));
    EXPECT_FALSE(box.contains(10, 5));

    const SpanRegion rim = box.upperLeftRim();
    Pixels expected;
    for (int x = 0; x <= 9; ++x) {
        expected.insert({x, 0});
    }
    for (int y = 0; y <= 5; ++y) {
        expected.insert({0, y});
    }
    EXPECT_EQ(pixelsOf(rim), expected) << "top row and left column";
    expectCanonical(rim);
}

TEST(SpanRegion, OffsetAndContainsMatchPixelSets) {
    std::srand(3);
    for (int round = 0; round < 40; ++round) {
        Pixels p;
        const auto m = randomMask(1 + std::rand() % 60, 1 + std::rand() % 15, &p, 0, 1);
        SpanRegion r = SpanRegion::fromMask(m.bits(0, 1));
        const int dx = std::rand() % 200 - 100;
        const int dy = std::rand() % 200 - 100;
        r.offset(dx, dy);
        const Pixels moved = shifted(p, dx, dy);
        for (int y = dy - 1; y < dy + 19; ++y) {
            for (int x = dx - 2; x < dx + 63; ++x) {
                ASSERT_EQ(r.contains(x, y), moved.count({x, y}) == 1) << x << "," << y;
            }
        }
    }
}

TEST(SpanRegion, RimsAreThePixelsWithoutADiagonalNeighbour) {
    std::srand(5);
    for (int round = 0; round < 30; ++round) {
        Pixels p;
        const auto m = randomMask(1 + std::rand() % 40, 1 + std::rand() % 12, &p, 0, 2);
        const SpanRegion r = SpanRegion::fromMask(m.bits(0, 2));
        EXPECT_EQ(pixelsOf(r.upperLeftRim()), minus(p, shifted(p, 1, 1)));
        EXPECT_EQ(pixelsOf(r.lowerRightRim()), minus(p, shifted(p, -1, -1)));
    }
}

TEST(SpanRegion, EmptyOperandsAndUnknownModes) {
    const SpanRegion empty = SpanRegion::fromRect(5, 5, 4, 4);
    const SpanRegion box = SpanRegion::fromRect(0, 1, 3, 1);
    EXPECT_EQ(empty.count(), 0);
    EXPECT_EQ(SpanRegion::combine(empty, box, SpanRegion::kUnion).count(), 1);
    EXPECT_EQ(SpanRegion::combine(box, empty, SpanRegion::kDifference).count(), 1);
    EXPECT_EQ(SpanRegion::combine(empty, box, SpanRegion::kDifference).count(), 0);
    EXPECT_EQ(SpanRegion::combine(box, box, SpanRegion::kDifference).count(), 0);
    EXPECT_EQ(SpanRegion::combine(box, box, 3).count(), 0);
    EXPECT_EQ(pixelsOf(box.copy()), pixelsOf(box));
}

// Appending neither sorts nor merges: top and bottom are then those of the
// first and the last run, not the extremes.
TEST(SpanRegion, AppendKeepsOrderAndTakesTopAndBottomFromTheEndRuns) {
    SpanRegion a = SpanRegion::fromRect(10, 10, 12, 10);
    const SpanRegion b = SpanRegion::fromRect(0, 2, 1, 2);
    a.append(b);
    ASSERT_EQ(a.count(), 2);
    EXPECT_EQ(a.runs()[1], (cutting::Run{0, 1, 2, 2}));
    EXPECT_EQ(a.bounds(), (cutting::RegionBounds{0, 12, 10, 2}));
    EXPECT_TRUE(a.contains(0, 2)) << "an unordered region is still searched correctly";
    EXPECT_TRUE(a.contains(12, 10));
    a.append(a);
    EXPECT_EQ(a.count(), 4);
}

TEST(SpanRegion, UsingAFreedRegionIsReported) {
    MessageLog log;
    SpanRegion r = SpanRegion::fromRect(0, 0, 3, 3);
    r.free();
    EXPECT_FALSE(r.allocated());
    EXPECT_FALSE(r.contains(1, 1));
    r.offset(1, 1);
    const SpanRegion u = SpanRegion::combine(r, SpanRegion::fromRect(0, 0, 1, 1), 2);
    EXPECT_EQ(pixelsOf(u).size(), 4u) << "goes on with what it has";
    ASSERT_EQ(log.texts.size(), 3u);
    EXPECT_EQ(log.texts[0], "Error: Error: Region was not allocated!");
}

// The right bound never lies left of column 0, and a last run on row 0 is
// dropped when a region is built, united or appended to (not when it is a
// rectangle).
TEST(SpanRegion, BoundsStartRightAtZeroAndDropALastRunOnRowZero) {
    SpanRegion left = SpanRegion::fromRect(-9, 4, -5, 6);
    EXPECT_EQ(left.bounds(), (cutting::RegionBounds{-9, 0, 4, 6}));
    EXPECT_TRUE(left.contains(-5, 6));
    EXPECT_FALSE(left.contains(-4, 6));

    regiontest::Mask m(8, 1);
    m.set(2, 0);
    EXPECT_EQ(SpanRegion::fromMask(m.bits()).count(), 0);
    EXPECT_EQ(SpanRegion::fromMask(m.bits(0, 1)).count(), 1);

    const SpanRegion row0 = SpanRegion::fromRect(0, 0, 3, 0);
    EXPECT_EQ(row0.count(), 1);
    const SpanRegion u = SpanRegion::combine(row0, SpanRegion::fromRect(6, 0, 7, 0), 2);
    ASSERT_EQ(u.count(), 1);
    EXPECT_EQ(u.runs()[0], (cutting::Run{0, 3, 0, 0}));
    EXPECT_EQ(u.runs()[1], (cutting::Run{32000, 32000, 32000, 32000}));
    EXPECT_EQ(u.bounds(), (cutting::RegionBounds{0, 3, 0, 0}));

    left.append(row0);
    EXPECT_EQ(left.count(), 1);
}
