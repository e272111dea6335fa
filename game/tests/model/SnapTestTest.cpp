#include <gtest/gtest.h>

#include <memory>

#include "model/SnapTest.h"
#include "sprites/SpriteStore.h"

namespace {

constexpr int kPiece = 60;
constexpr int kMargin = 20;

// A table of rectangular pieces (boxes grown by the margins) over a plain
// picture.
class SnapTestTest : public ::testing::Test {
  protected:
    SnapTestTest() : picture_(6 * kPiece, 4 * kPiece, 0x336699), store_(8, 800, 600) {
        store_.marginX = store_.marginY = kMargin;
        store_.snapTolerance = 3;
        store_.setWorkspace(2 * picture_.width(), 2 * picture_.height());
    }

    sprites::Sprite* piece(int column, int row, int x, int y) {
        const sprites::CellRect cell{column * kPiece, row * kPiece, kPiece, kPiece};
        auto s =
            sprites::Sprite::create(&picture_, column * kPiece - kMargin, row * kPiece - kMargin,
                                    kPiece + 2 * kMargin, kPiece + 2 * kMargin, cell, nullptr);
        sprites::Sprite* raw = s.get();
        store_.add(std::move(s));
        store_.setPosition(raw, x, y);
        return raw;
    }

    platform::Surface picture_;
    sprites::SpriteStore store_;
};

TEST_F(SnapTestTest, ExactAndNearlyExactDropsJoinAtTheirDistance) {
    sprites::Sprite* left = piece(0, 0, 100, 100);
    sprites::Sprite* right = piece(1, 0, 160, 100);
    SnapTest snap(store_, nullptr, 640, 480);
    EXPECT_EQ(snap.Run(right), 0);
    EXPECT_EQ(store_.count(), 1);
    EXPECT_EQ(store_.at(0), right);
    EXPECT_EQ(right->cellCount(), 2);
    EXPECT_EQ(right->x, 100);
    (void)left;

    sprites::Sprite* below = piece(0, 1, 101, 161);
    EXPECT_EQ(snap.Run(below), 2);
    EXPECT_EQ(below->x, 100);
    EXPECT_EQ(below->y, 100);
    EXPECT_EQ(below->cellCount(), 3);
}

TEST_F(SnapTestTest, DropsBeyondTheToleranceOrBesideNonNeighboursStayApart) {
    piece(0, 0, 100, 100);
    sprites::Sprite* far = piece(1, 0, 164, 100);
    sprites::Sprite* diagonal = piece(1, 1, 160, 160);
    SnapTest snap(store_, nullptr, 640, 480);
    EXPECT_EQ(snap.Run(far), -1);
    EXPECT_EQ(snap.Run(diagonal), -1);
    EXPECT_EQ(store_.count(), 3);
}

TEST_F(SnapTestTest, BetweenTwoFittingNeighboursTheLowerIndexWins) {
    sprites::Sprite* first = piece(2, 0, 220, 100);   // right neighbour, index 0
    sprites::Sprite* second = piece(0, 0, 100, 100);  // left neighbour, index 1
    sprites::Sprite* middle = piece(1, 0, 161, 100);
    SnapTest snap(store_, nullptr, 640, 480);
    const SnapTest::Match match = snap.Find(*middle);
    EXPECT_EQ(match.other, first);
    EXPECT_EQ(match.dx, -1);
    // The join to the first moves the group one pixel left, which then lines
    // it up exactly with the second: a drop loop joins both.
    EXPECT_EQ(snap.Run(middle), 1);
    EXPECT_EQ(snap.Find(*middle).other, second);
    EXPECT_EQ(snap.Run(middle), 0);
    EXPECT_EQ(store_.count(), 1);
}

}  // namespace
