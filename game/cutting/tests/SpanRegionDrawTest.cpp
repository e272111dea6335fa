#include <gtest/gtest.h>

#include "SpanRegionTestSupport.h"
#include "cutting/CoordMap.h"
#include "cutting/PaintMask.h"
#include "cutting/SpanRegion.h"
#include "platform/Surface.h"

using cutting::CoordMap;
using cutting::SpanRegion;
using platform::Surface;

namespace {

Surface numbered(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            s.setPixel(x, y, static_cast<platform::Pixel>(y * 1000 + x + 1));
        }
    }
    return s;
}

// Entries i -> i * num / den for i from -n to n.
CoordMap scaled(int num, int den, int n = 400) {
    std::vector<std::int16_t> e;
    for (int i = -n; i <= n; ++i) {
        e.push_back(static_cast<std::int16_t>(i * num / den));
    }
    return CoordMap(-n, std::move(e));
}

}  // namespace

TEST(SpanRegionDraw, CopyThroughTakesExactlyTheRegionsPixels) {
    std::srand(2);
    regiontest::Pixels p;
    const auto mask = regiontest::randomMask(37, 21, &p);
    const SpanRegion r = SpanRegion::fromMask(mask.bits());
    const Surface src = numbered(80, 60);
    Surface dst(90, 50, 7);
    ASSERT_TRUE(r.copyThrough(dst, 50, 30, src, 10, 20, nullptr));
    for (int y = 0; y < dst.height(); ++y) {
        for (int x = 0; x < dst.width(); ++x) {
            const bool in = p.count({x - 50, y - 30}) == 1;
            const platform::Pixel want = in ? src.pixel(x - 50 + 10, y - 30 + 20) : 7;
            ASSERT_EQ(dst.pixel(x, y), want) << x << "," << y;
        }
    }
    Surface none;
    EXPECT_FALSE(r.copyThrough(none, 0, 0, src, 0, 0, nullptr));
}

TEST(SpanRegionDraw, IdentityMapChangesNothingAndDoublingScalesBlocks) {
    const SpanRegion r = SpanRegion::fromRect(2, 3, 5, 3);
    const Surface src = numbered(40, 40);
    Surface plain(40, 40);
    Surface mapped(40, 40);
    const CoordMap same = scaled(1, 1);
    r.copyThrough(plain, 4, 6, src, 1, 1, nullptr);
    r.copyThrough(mapped, 4, 6, src, 1, 1, &same);
    EXPECT_EQ(plain, mapped);

    const CoordMap twice = scaled(2, 1);
    Surface zoomed(40, 40);
    r.copyThrough(zoomed, 4, 6, src, 1, 1, &twice);
    // Source block x 6..13, y 8..9 moved by (8 - 2, 12 - 2).
    EXPECT_EQ(zoomed.pixel(12, 18), src.pixel(6, 8));
    EXPECT_EQ(zoomed.pixel(19, 19), src.pixel(13, 9));
    EXPECT_EQ(zoomed.pixel(20, 19), 0u);
    EXPECT_EQ(zoomed.pixel(12, 20), 0u);
}

TEST(SpanRegionDraw, ReducingMapSkipsMergedRows) {
    const CoordMap half = scaled(1, 2);
    ASSERT_TRUE(half.reduces());
    const SpanRegion even = SpanRegion::fromRect(0, 4, 3, 4);  // rows 4, 5 -> screen row 2
    const SpanRegion odd = SpanRegion::fromRect(0, 5, 3, 5);
    const Surface src = numbered(20, 20);
    Surface a(20, 20);
    Surface b(20, 20);
    even.copyThrough(a, 0, 0, src, 0, 0, &half);
    odd.copyThrough(b, 0, 0, src, 0, 0, &half);
    EXPECT_EQ(a, Surface(20, 20)) << "row 4 shares its screen row with row 5";
    EXPECT_EQ(b.pixel(0, 2), src.pixel(0, 2));
    EXPECT_EQ(b.pixel(1, 2), src.pixel(1, 2));
    EXPECT_EQ(b.pixel(2, 2), 0u);
}

TEST(SpanRegionDraw, LinesCoverTheRunsInTheColour) {
    std::srand(4);
    regiontest::Pixels p;
    const auto mask = regiontest::randomMask(25, 9, &p);
    const SpanRegion r = SpanRegion::fromMask(mask.bits());
    Surface s(40, 20);
    r.drawLines(s, 3, 4, 0x0000FF, nullptr, 1);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool in = p.count({x - 3, y - 4}) == 1;
            ASSERT_EQ(s.pixel(x, y), in ? 0xFF0000u : 0u) << x << "," << y;
        }
    }
    Surface zoomed(40, 40);
    const CoordMap twice = scaled(2, 1);
    SpanRegion::fromRect(1, 2, 2, 2).drawLines(zoomed, 0, 0, 0x808080, &twice, 2);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool in = x >= 2 && x <= 5 && y >= 4 && y <= 5;
            ASSERT_EQ(zoomed.pixel(x, y), in ? 0x808080u : 0u) << x << "," << y;
        }
    }
}

// Copies made from the top down through a paint mask leave what the same
// copies made bottom to top leave, across word boundaries and at an area
// that does not start at column 0; nothing outside the area is written.
TEST(SpanRegionDraw, PaintMaskFromTheTopDownEqualsBottomToTop) {
    const Surface src = numbered(300, 40);
    const platform::Rect area{5, 3, 290, 37};
    const int places[][4] = {{0, 0, 200, 10}, {60, 5, 70, 20}, {120, 2, 64, 30}, {1, 1, 300, 2}};
    Surface upward(300, 40);
    upward.setClip(area);
    upward.fill(area, 7);
    for (const auto& p : places) {
        upward.blit(p[0], p[1], p[2], p[3], src, 0, p[1] + 3);
    }
    Surface downward(300, 40);
    downward.setClip(area);
    cutting::PaintMask painted;
    painted.reset(area);
    EXPECT_FALSE(painted.covers({10, 4, 11, 5}));
    for (int i = 3; i >= 0; --i) {
        const auto& p = places[i];
        painted.blit(downward, p[0], p[1], p[2], p[3], src, 0, p[1] + 3);
    }
    painted.finish(downward, 7);
    EXPECT_EQ(downward, upward);
    EXPECT_TRUE(painted.covers({60, 5, 130, 10}));
    EXPECT_FALSE(painted.covers({60, 5, 130, 33}));
    EXPECT_TRUE(painted.covers({0, 0, 300, 1})) << "outside the area counts as painted";
    EXPECT_EQ(painted.openRows({60, 5, 130, 33}), (platform::Rect{60, 25, 130, 33}));
    EXPECT_TRUE(painted.openRows({120, 5, 184, 32}).empty());
}
