#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "cutting/Failures.h"
#include "cutting/PieceCutter.h"

using cutting::PieceCutter;
using cutting::PieceMask;

namespace {

struct Grid {
    int pieceWidth;
    int pieceHeight;
    int columns;
    int rows;
};

// How many masks hold each picture pixel; pixels of a mask outside the
// picture are counted in outside.
struct Coverage {
    std::vector<int> owners;
    int outside = 0;
};

Coverage measure(const PieceCutter& cutter) {
    const int width = cutter.columns() * cutter.pieceWidth();
    const int height = cutter.rows() * cutter.pieceHeight();
    Coverage coverage;
    coverage.owners.assign(static_cast<std::size_t>(width) * height, 0);
    for (int c = 0; c < cutter.columns(); ++c) {
        for (int r = 0; r < cutter.rows(); ++r) {
            const PieceMask& mask = *cutter.mask(c, r);
            const auto box = cutter.maskBox(c, r);
            for (int y = 0; y < mask.height(); ++y) {
                for (int x = 0; x < mask.width(); ++x) {
                    if (!mask.pixel(x, y)) {
                        continue;
                    }
                    const int px = box.left + x;
                    const int py = box.top + y;
                    if (px < 0 || py < 0 || px >= width || py >= height) {
                        ++coverage.outside;
                    } else {
                        ++coverage.owners[static_cast<std::size_t>(py) * width + px];
                    }
                }
            }
        }
    }
    return coverage;
}

// One of the 2 x 2 pixels around an inner point where four cells meet.
bool nearInnerCorner(const Grid& g, int x, int y) {
    const int cx = (x + 1) / g.pieceWidth;
    const int cy = (y + 1) / g.pieceHeight;
    const bool onVertical = (x + 1) % g.pieceWidth <= 1 && cx > 0 && cx < g.columns;
    const bool onHorizontal = (y + 1) % g.pieceHeight <= 1 && cy > 0 && cy < g.rows;
    return onVertical && onHorizontal;
}

void expectPartition(const Grid& g, unsigned seed) {
    std::srand(seed);
    const PieceCutter cutter(g.pieceWidth, g.pieceHeight, g.columns, g.rows);
    const Coverage coverage = measure(cutter);
    const int width = g.columns * g.pieceWidth;
    EXPECT_EQ(coverage.outside, 0) << "seed " << seed << " piece " << g.pieceWidth;
    for (std::size_t i = 0; i < coverage.owners.size(); ++i) {
        const int x = static_cast<int>(i) % width;
        const int y = static_cast<int>(i) / width;
        if (coverage.owners[i] != 1 && !nearInnerCorner(g, x, y)) {
            ADD_FAILURE() << "pixel (" << x << ", " << y << ") has " << coverage.owners[i]
                          << " owners; seed " << seed << ", piece " << g.pieceWidth << "x"
                          << g.pieceHeight << ", grid " << g.columns << "x" << g.rows;
            return;
        }
    }
}

std::uint64_t checksum(const PieceCutter& cutter) {
    std::uint64_t hash = 14695981039346656037ull;
    for (int c = 0; c < cutter.columns(); ++c) {
        for (int r = 0; r < cutter.rows(); ++r) {
            const PieceMask& mask = *cutter.mask(c, r);
            const std::uint8_t* bytes = mask.bits();
            for (int i = 0; i < mask.bytesPerRow() * mask.height(); ++i) {
                hash = (hash ^ bytes[i]) * 1099511628211ull;
            }
        }
    }
    return hash;
}

bool isPlainCell(const PieceCutter& cutter, const PieceMask& mask) {
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const bool inCell =
                x >= cutter.marginX() && x < cutter.marginX() + cutter.pieceWidth() &&
                y >= cutter.marginY() && y < cutter.marginY() + cutter.pieceHeight();
            if (mask.pixel(x, y) != inCell) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

TEST(PieceCutterTest, MarginsAndBoxesFollowThePieceWidth) {
    std::srand(1);
    const PieceCutter cutter(60, 45, 3, 2);
    EXPECT_EQ(cutter.marginX(), 20);
    EXPECT_EQ(cutter.marginY(), 20);
    EXPECT_EQ(cutter.maskWidth(), 100);
    EXPECT_EQ(cutter.maskHeight(), 85);
    const auto box = cutter.maskBox(2, 1);
    EXPECT_EQ(box.left, 100);
    EXPECT_EQ(box.top, 25);
    EXPECT_EQ(cutter.mask(2, 1)->wordsPerRow(), 7);
    EXPECT_EQ(cutter.mask(3, 0), nullptr);
    EXPECT_EQ(cutter.mask(0, -1), nullptr);
}

TEST(PieceCutterTest, EveryPixelHasOneOwnerForManySeedsAndSizes) {
    const Grid grids[] = {{60, 60, 10, 6}, {23, 23, 12, 9}, {40, 31, 5, 7}, {35, 50, 6, 4},
                          {100, 90, 3, 3}, {17, 17, 6, 6},  {12, 12, 8, 5}};
    for (const Grid& g : grids) {
        for (unsigned seed = 1; seed <= 25; ++seed) {
            expectPartition(g, seed);
        }
    }
}

TEST(PieceCutterTest, SmallMarginsKeepThePartition) {
    for (int piece = 11; piece <= 29; ++piece) {
        for (unsigned seed = 1; seed <= 20; ++seed) {
            expectPartition({piece, piece, 8, 6}, seed * 31u + piece);
        }
    }
}

TEST(PieceCutterTest, SingleRowAndColumnGridsAreCutAlongTheirOneDirection) {
    for (unsigned seed = 1; seed <= 10; ++seed) {
        expectPartition({50, 50, 8, 1}, seed);
        expectPartition({50, 50, 1, 8}, seed);
    }
    std::srand(3);
    const PieceCutter row(50, 50, 2, 1);
    EXPECT_FALSE(isPlainCell(row, *row.mask(0, 0)));
    std::srand(3);
    const int firstDraw = std::rand();
    std::srand(3);
    const PieceCutter single(50, 50, 1, 1);
    EXPECT_TRUE(isPlainCell(single, *single.mask(0, 0)));
    EXPECT_EQ(std::rand(), firstDraw) << "a single cell draws nothing";
}

TEST(PieceCutterTest, PiecesUnderElevenPixelsArePlainRectangles) {
    const Grid grids[] = {{10, 10, 6, 5}, {11, 10, 4, 4}, {10, 40, 4, 4}};
    for (const Grid& g : grids) {
        std::srand(9);
        const PieceCutter cutter(g.pieceWidth, g.pieceHeight, g.columns, g.rows);
        for (int c = 0; c < g.columns; ++c) {
            for (int r = 0; r < g.rows; ++r) {
                EXPECT_TRUE(isPlainCell(cutter, *cutter.mask(c, r))) << c << "," << r;
            }
        }
    }
}

TEST(PieceCutterTest, OuterEdgesStayStraight) {
    const Grid g{40, 40, 6, 5};
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::srand(seed);
        const PieceCutter cutter(g.pieceWidth, g.pieceHeight, g.columns, g.rows);
        const int mx = cutter.marginX();
        const int my = cutter.marginY();
        // The border line of every border cell is its own, except one pixel at
        // each end, which a horizontal or vertical edge may hand over.
        for (int r = 0; r < g.rows; ++r) {
            for (int y = my + 1; y < my + g.pieceHeight - 1; ++y) {
                EXPECT_TRUE(cutter.mask(0, r)->pixel(mx, y)) << seed;
                EXPECT_TRUE(cutter.mask(g.columns - 1, r)->pixel(mx + g.pieceWidth - 1, y)) << seed;
                EXPECT_FALSE(cutter.mask(0, r)->pixel(mx - 1, y)) << seed;
            }
        }
        for (int c = 0; c < g.columns; ++c) {
            for (int x = mx + 1; x < mx + g.pieceWidth - 1; ++x) {
                EXPECT_TRUE(cutter.mask(c, 0)->pixel(x, my)) << seed;
                EXPECT_TRUE(cutter.mask(c, g.rows - 1)->pixel(x, my + g.pieceHeight - 1)) << seed;
                EXPECT_FALSE(cutter.mask(c, g.rows - 1)->pixel(x, my + g.pieceHeight)) << seed;
            }
        }
    }
}

TEST(PieceCutterTest, SameSeedGivesIdenticalMasks) {
    std::srand(4242);
    const PieceCutter first(37, 41, 9, 7);
    std::srand(4242);
    const PieceCutter second(37, 41, 9, 7);
    std::srand(4243);
    const PieceCutter other(37, 41, 9, 7);
    EXPECT_EQ(checksum(first), checksum(second));
    EXPECT_NE(checksum(first), checksum(other));
}

// Any change of the order of the draws, of a shape's arithmetic or of the mask
// layout changes this value.
TEST(PieceCutterTest, KnownCutForSeedOne) {
    std::srand(1);
    const PieceCutter cutter(60, 60, 10, 6);
    EXPECT_EQ(checksum(cutter), 5895482118868930452u);
}

// Small margins let the head's top reach depth M - 1, and a head side beyond
// the head's centre still widens the head.
TEST(PieceCutterTest, KnownCutForSmallPieces) {
    std::srand(3);
    const PieceCutter cutter(17, 16, 8, 6);
    EXPECT_EQ(checksum(cutter), 12650879504241004762u);
}

// With margins of 4, heads of depth M - 1 from two edges of one cell can meet
// near its corner (12 x 12 pieces, seed 21: picture pixel (20, 20)); the
// second head leaves that pixel with the first.
TEST(PieceCutterTest, HeadsMeetingInOneCellKeepOneOwner) {
    for (unsigned seed : {21u, 35u, 50u, 64u, 94u}) {
        expectPartition({12, 12, 5, 5}, seed);
    }
    expectPartition({13, 13, 5, 5}, 63);
    expectPartition({18, 12, 5, 5}, 2);
    std::srand(21);
    const PieceCutter cutter(12, 12, 5, 5);
    EXPECT_TRUE(cutter.mask(2, 1)->pixel(20 - 24 + 4, 20 - 12 + 4) !=
                cutter.mask(1, 2)->pixel(20 - 12 + 4, 20 - 24 + 4));
}

TEST(PieceCutterTest, OddSizesAreCountedSafely) {
    const PieceCutter empty(60, 60, -3, 4);
    EXPECT_EQ(empty.columns(), 0);
    EXPECT_EQ(empty.mask(0, 0), nullptr);
    const PieceCutter tiny(0, -5, 2, 2);
    EXPECT_EQ(tiny.pieceWidth(), 1);
    EXPECT_EQ(tiny.pieceHeight(), 1);
    EXPECT_TRUE(tiny.mask(1, 1)->pixel(0, 0));
}

TEST(PieceCutterTest, MaskTooWideForItsSizeFailsTheWholeCut) {
    EXPECT_THROW(PieceCutter(2000000000, 60, 1, 1), cutting::MemoryException);
}

// AddressSanitizer reports an impossible allocation instead of returning null.
#ifndef __SANITIZE_ADDRESS__
TEST(PieceCutterTest, MaskThatCannotBeAllocatedFailsTheWholeCut) {
    EXPECT_THROW(PieceCutter(1200000000, 1200000000, 2, 2), cutting::MemoryException);
}
#endif
