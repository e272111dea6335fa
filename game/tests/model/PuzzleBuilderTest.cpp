#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "model/PictureFit.h"
#include "model/PuzzleBuilder.h"
#include "model/ScatterPlacement.h"
#include "savegame/SavedGame.h"

namespace {

platform::Surface gradient(int width, int height) {
    platform::Surface s(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            s.setPixel(x, y, static_cast<platform::Pixel>((x * 255 / width) << 16 | y % 256));
        }
    }
    return s;
}

PuzzleBuilder::Request request(int piece, unsigned seed) {
    PuzzleBuilder::Request r;
    r.pieceWidth = r.pieceHeight = piece;
    r.seed = seed;
    r.clientWidth = 800;
    r.clientHeight = 600;
    return r;
}

TEST(CutGridTest, WholePiecesAndResamplingOnlyWhenBothSizesDiffer) {
    const CutGrid odd = CutGrid::For(605, 400, 60, 60);
    EXPECT_EQ(odd.columns, 10);
    EXPECT_EQ(odd.rows, 6);
    EXPECT_TRUE(odd.picture.resample);
    EXPECT_EQ(odd.picture.width, 600);
    EXPECT_EQ(odd.picture.height, 360);
    const CutGrid even = CutGrid::For(600, 400, 60, 60);
    EXPECT_EQ(even.rows, 6);
    EXPECT_FALSE(even.picture.resample);
    EXPECT_EQ(even.picture.height, 400);
    const CutGrid tiny = CutGrid::For(100, 100, 5, 10);
    EXPECT_EQ(tiny.pieceWidth, 10);
    EXPECT_EQ(tiny.pieceHeight, 10);
}

TEST(PictureFitTest, ShrinksUntilThePictureCoversAboutHalfTheWindow) {
    const PictureFit fit = PictureFit::ToWindow(4000, 3000, 1020, 820, true);
    EXPECT_TRUE(fit.resample);
    const int box = 1000 * 800;
    EXPECT_LE(fit.width * fit.height, box / 2 + box / 20);
    EXPECT_NEAR(static_cast<double>(fit.width) / fit.height, 4.0 / 3.0, 0.02);
    EXPECT_FALSE(PictureFit::ToWindow(4000, 3000, 1020, 820, false).resample);
    EXPECT_FALSE(PictureFit::ToWindow(300, 200, 1020, 820, true).resample);
    // A window too small for anything still ends.
    EXPECT_LE(PictureFit::ToWindow(4000, 3000, 10, 10, true).width, 50);
}

TEST(PuzzleBuilderTest, CutsTheOddPictureTenBySixAfterResampling) {
    platform::Surface picture = gradient(605, 400);
    std::vector<int> progress;
    PuzzleBuilder::Hooks hooks;
    hooks.progress = [&](int percent) { progress.push_back(percent); };
    const auto puzzle = PuzzleBuilder::Build(picture, request(60, 7), hooks, nullptr);
    EXPECT_EQ(picture.width(), 600);
    EXPECT_EQ(picture.height(), 360);
    EXPECT_EQ(puzzle->pieceCount, 60);
    EXPECT_EQ(puzzle->groups(), 60);
    EXPECT_EQ(puzzle->workspaceWidth, 1200);
    EXPECT_EQ(puzzle->store->marginX, 20);
    EXPECT_EQ(puzzle->store->snapTolerance, 40);
    EXPECT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 96);  // 166 per piece, shown every 4 percent
    EXPECT_EQ(puzzle->scrollX, 150 - 37);
}

TEST(PuzzleBuilderTest, TheSameSeedGivesTheSamePuzzle) {
    platform::Surface a = gradient(600, 400);
    platform::Surface b = gradient(600, 400);
    const auto first = PuzzleBuilder::Build(a, request(60, 42), {}, nullptr);
    const auto second = PuzzleBuilder::Build(b, request(60, 42), {}, nullptr);
    EXPECT_EQ(a.height(), 400);
    ASSERT_EQ(first->groups(), 60);
    for (int i = 0; i < first->groups(); ++i) {
        EXPECT_EQ(first->store->at(i)->x, second->store->at(i)->x);
        EXPECT_EQ(first->store->at(i)->y, second->store->at(i)->y);
        EXPECT_EQ(first->store->at(i)->region.count(), second->store->at(i)->region.count());
    }
    EXPECT_TRUE(a == b);  // the same bevels painted
}

TEST(ScatterPlacementTest, ReservedSpaceIsLeftFreeUnlessHundredTriesFailed) {
    ScatterPlacement::Options options;
    options.reserveSpace = true;
    const ScatterPlacement placement(options, 300, 200, 40, 40, 250, 150);
    std::srand(3);
    for (int i = 0; i < 300; ++i) {
        const ScatterPlacement::Point p = placement.Next();
        const bool outsidePicture = p.x > 300 || p.y > 200;
        const bool inVisibleArea = p.x < 250 - 40 && p.y < 150 - 40;
        EXPECT_TRUE(outsidePicture || inVisibleArea) << p.x << "," << p.y;
        EXPECT_LT(p.x, 600 - 40);
    }
    // A table no larger than the picture's quarter leaves nothing outside:
    // every piece ends in the visible area.
    const ScatterPlacement cramped(options, 300, 200, 560, 360, 250, 150);
    const ScatterPlacement::Point p = cramped.Next();
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    // Pieces never leave a table smaller than the window.
    ScatterPlacement::Options visible;
    visible.visibleOnly = true;
    const ScatterPlacement wide(visible, 100, 80, 40, 40, 800, 600);
    for (int i = 0; i < 50; ++i) {
        const ScatterPlacement::Point q = wide.Next();
        EXPECT_LE(wide.Offset().x + q.x + 40, 200) << q.x;
        EXPECT_LE(wide.Offset().y + q.y + 40, 160) << q.y;
    }
    visible = {};
    visible.visibleOnly = true;
    EXPECT_EQ(ScatterPlacement(visible, 300, 200, 40, 40, 250, 150).Offset().x, 75);
}

TEST(PuzzleBuilderTest, LargestZoomOutCountsTheReductionsThatFit) {
    EXPECT_EQ(PuzzleBuilder::LargestZoomOut(1200, 800, 1920, 1080), 31);
    EXPECT_EQ(PuzzleBuilder::LargestZoomOut(3000, 1000, 1920, 1080), 30);
}

}  // namespace

namespace {

// Whether (x, y) lies next to a point where four cells meet: the pieces of a
// cut leave those pixels to nobody.
bool nearFourCellCorner(int x, int y, int piece) {
    const int cx = (x + 1) / piece * piece;
    const int cy = (y + 1) / piece * piece;
    return cx > 0 && cy > 0 && std::abs(x - cx) <= 1 && std::abs(y - cy) <= 1;
}

}  // namespace

// Every piece is shown in its picture place as it is cut, and only there: the
// window ends up as the bevelled picture at the display offset, and the hook
// is told each piece's rectangle.
TEST(PuzzleBuilderTest, TheCutShowsEveryPieceInPlaceThroughItsOwnRectangle) {
    constexpr int kBackground = 0x123456;
    platform::Surface picture = gradient(300, 240);
    platform::Surface window(800, 600, kBackground);
    platform::Rect shownAll{800, 600, 0, 0};
    int shownPieces = 0;
    PuzzleBuilder::Hooks hooks;
    hooks.piece = [&](int, const platform::Rect& shown) {
        ++shownPieces;
        shownAll = {std::min(shownAll.left, shown.left), std::min(shownAll.top, shown.top),
                    std::max(shownAll.right, shown.right), std::max(shownAll.bottom, shown.bottom)};
    };
    const auto puzzle = PuzzleBuilder::Build(picture, request(30, 5), hooks, &window);
    const int ox = puzzle->offsetX;
    const int oy = puzzle->offsetY;
    ASSERT_EQ(shownPieces, 80);
    EXPECT_EQ(shownAll, (platform::Rect{ox - 10, oy - 10, ox + 310, oy + 250}));  // margins 10
    for (int y = 0; y < window.height(); ++y) {
        for (int x = 0; x < window.width(); ++x) {
            const int px = x - ox;
            const int py = y - oy;
            const bool onPicture = px >= 0 && px < 300 && py >= 0 && py < 240;
            if (!onPicture) {
                ASSERT_EQ(window.pixel(x, y), kBackground) << x << "," << y;
            } else if (!nearFourCellCorner(px, py, 30)) {
                ASSERT_EQ(window.pixel(x, y), picture.pixel(px, py)) << px << "," << py;
            }
        }
    }
}

// A game of 10,000 pieces saves and restores byte for byte.
TEST(PuzzleBuilderTest, TenThousandPiecesSaveAndRestore) {
    platform::Surface picture = gradient(1000, 1000);
    auto puzzle = PuzzleBuilder::Build(picture, request(10, 2024), {}, nullptr);
    ASSERT_EQ(puzzle->pieceCount, 10000);
    SavedGame game;
    SavedGameHeader& h = game.header;
    h.picturePath = "/pictures/photo.jpg";
    h.seed = 2024;
    h.pictureRight = 1000;
    h.pictureBottom = 1000;
    h.pieceWidth = h.pieceHeight = 10;
    h.pieceCount = 10000;
    h.workspaceWidth = h.workspaceHeight = 2000;
    game.lowerRightRims = std::move(puzzle->lowerRightRims);
    game.upperLeftRims = std::move(puzzle->upperLeftRims);
    game.store = std::move(puzzle->store);
    const auto bytes = game.encode();
    SavedGame back;
    ASSERT_EQ(SavedGame::decode(bytes, 1024, 768, back), "");
    EXPECT_EQ(back.store->count(), 10000);
    EXPECT_EQ(back.lowerRightRims.count(), game.lowerRightRims.count());
    EXPECT_EQ(back.encode(), bytes);
}
