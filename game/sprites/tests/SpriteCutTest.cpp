#include <gtest/gtest.h>

#include <cstdlib>

#include "cutting/PieceCutter.h"
#include "platform/ByteWriter.h"
#include "sprites/SpriteStore.h"

using sprites::Sprite;
using sprites::SpriteStore;

namespace {

std::unique_ptr<Sprite> pieceOf(const cutting::PieceCutter& cutter, platform::Surface* picture,
                                int column, int row) {
    const cutting::PieceMask* m = cutter.mask(column, row);
    const cutting::MaskBox box = cutter.maskBox(column, row);
    const cutting::MaskBits bits{m->words(), m->wordsPerRow(), m->width(), m->height(), 0, 0};
    const sprites::CellRect cell{column * cutter.pieceWidth(), row * cutter.pieceHeight(),
                                 cutter.pieceWidth(), cutter.pieceHeight()};
    return Sprite::create(picture, box.left, box.top, box.width, box.height, cell, &bits);
}

bool nearFourCellCorner(int x, int y, int pw, int ph) {
    const int cx = (x + 1) / pw * pw;
    const int cy = (y + 1) / ph * ph;
    return cx > 0 && cy > 0 && std::abs(x - cx) <= 1 && std::abs(y - cy) <= 1;
}

}  // namespace

// Joining every piece of a real cut in its picture place gives back the whole
// picture (apart from the pixels next to points where four cells meet).
TEST(SpriteCut, JoiningAllPiecesInPlaceCoversThePicture) {
    constexpr int kPiece = 24;
    constexpr int kColumns = 5;
    constexpr int kRows = 4;
    std::srand(1234);
    const cutting::PieceCutter cutter(kPiece, kPiece, kColumns, kRows);
    platform::Surface picture(kColumns * kPiece, kRows * kPiece);
    SpriteStore store(kColumns * kRows, 64, 64);
    store.setWorkspace(1000, 1000);
    for (int c = 0; c < kColumns; ++c) {
        for (int r = 0; r < kRows; ++r) {
            store.add(pieceOf(cutter, &picture, c, r));
        }
    }
    while (store.count() > 1) {
        Sprite* absorbed = store.at(store.count() - 1);
        store.join(store.at(0), absorbed);
        store.remove(absorbed);
    }
    const Sprite* all = store.at(0);
    EXPECT_EQ(all->cellCount(), kColumns * kRows);
    EXPECT_EQ(all->x, all->sourceX);
    EXPECT_EQ(all->y, all->sourceY);
    EXPECT_EQ(store.findOrigin(), all);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!nearFourCellCorner(x, y, kPiece, kPiece)) {
                ASSERT_TRUE(all->holds(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_FALSE(all->holds(-1, 5));
    EXPECT_FALSE(all->holds(5, picture.height()));
}

namespace {

// FNV-1a over the saved form of a region.
std::uint64_t savedFormHash(const cutting::SpanRegion& region) {
    platform::ByteWriter out;
    region.write(out);
    std::uint64_t h = 1469598103934665603ULL;
    for (std::uint8_t b : out.bytes()) {
        h = (h ^ b) * 1099511628211ULL;
    }
    return h;
}

}  // namespace

// The rim collections of a cut, gathered piece by piece as the game does, keep
// their saved form byte for byte (sums taken from the quadratic collector this
// one replaced).
TEST(SpriteCut, RimCollectionsKeepTheirSavedForm) {
    struct Case {
        unsigned seed;
        std::uint64_t lowerRight;
        std::uint64_t upperLeft;
    };
    const Case cases[] = {{7, 8648908864254261938ULL, 18348882473979983324ULL},
                          {1234, 12571222624649232116ULL, 17133997541486396740ULL},
                          {99991, 17184230738225647223ULL, 16887146188205241068ULL}};
    for (const Case& c : cases) {
        std::srand(c.seed);
        const cutting::PieceCutter cutter(19, 17, 9, 7);
        platform::Surface picture(9 * 19, 7 * 17);
        SpriteStore store(9 * 7, 64, 64);
        cutting::SpanRegion lowerRight;
        cutting::SpanRegion upperLeft;
        for (int r = 0; r < 7; ++r) {
            for (int col = 0; col < 9; ++col) {
                store.add(pieceOf(cutter, &picture, col, r));
                store.collectRims(lowerRight, true, store.at(store.count() - 1));
                store.collectRims(upperLeft, false, store.at(store.count() - 1));
            }
        }
        cutting::SpanRegion all;
        store.collectRims(all, true);
        EXPECT_EQ(savedFormHash(all), savedFormHash(lowerRight));
        EXPECT_EQ(savedFormHash(lowerRight), c.lowerRight) << c.seed;
        EXPECT_EQ(savedFormHash(upperLeft), c.upperLeft) << c.seed;
    }
}
