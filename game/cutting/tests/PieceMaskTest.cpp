#include <gtest/gtest.h>

#include "cutting/PieceMask.h"

using cutting::PieceMask;

TEST(PieceMaskTest, LayoutIsWholeWordsWithLeftmostPixelInTopBit) {
    PieceMask mask(17, 3);
    EXPECT_EQ(mask.wordsPerRow(), 2);
    EXPECT_EQ(mask.bytesPerRow(), 4);
    mask.fill(0, 1, 0, 1, true);
    mask.fill(9, 2, 16, 2, true);
    EXPECT_EQ(mask.row(1)[0], 0x80);
    EXPECT_EQ(mask.row(2)[1], 0x7F);
    EXPECT_EQ(mask.row(2)[2], 0x80);
    EXPECT_EQ(mask.row(2)[3], 0x00);
    EXPECT_TRUE(mask.pixel(16, 2));
    EXPECT_FALSE(mask.pixel(8, 2));
    EXPECT_EQ(reinterpret_cast<const void*>(mask.words()),
              reinterpret_cast<const void*>(mask.bits()));
}

TEST(PieceMaskTest, FillClipsAndAcceptsCornersInEitherOrder) {
    PieceMask mask(20, 10);
    mask.fill(25, 12, -5, -3, true);
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(mask.row(y)[0], 0xFF);
        EXPECT_EQ(mask.row(y)[2], 0xF0) << "no bit beyond the width";
        EXPECT_EQ(mask.row(y)[3], 0x00);
    }
    mask.fill(13, 4, 3, 4, false);
    for (int x = 0; x < 20; ++x) {
        EXPECT_EQ(mask.pixel(x, 4), x < 3 || x > 13) << x;
    }
    EXPECT_FALSE(mask.pixel(-1, 0));
    EXPECT_FALSE(mask.pixel(0, 10));
}

TEST(PieceMaskTest, CopyIsDeep) {
    PieceMask a(9, 2);
    a.fill(0, 0, 8, 1, true);
    PieceMask b(a);
    b.fill(4, 0, 4, 0, false);
    EXPECT_TRUE(a.pixel(4, 0));
    EXPECT_FALSE(b.pixel(4, 0));
    EXPECT_TRUE(b.pixel(8, 1));
}
