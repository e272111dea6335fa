#include <gtest/gtest.h>

#include "platform/Surface.h"

using platform::Rect;

TEST(Rect, UniteCoversBothAndIntersectKeepsTheOverlap) {
    const Rect a{0, 5, 10, 8};
    const Rect b{4, -2, 6, 6};
    EXPECT_EQ(platform::unite(a, b), (Rect{0, -2, 10, 8}));
    EXPECT_EQ(platform::unite(b, a), platform::unite(a, b));
    EXPECT_EQ(platform::intersect(a, b), (Rect{4, 5, 6, 6}));
    EXPECT_TRUE(platform::intersect(a, Rect{20, 20, 30, 30}).empty());
}
