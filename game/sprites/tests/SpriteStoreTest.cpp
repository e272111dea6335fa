#include "sprites/SpriteStore.h"

#include <gtest/gtest.h>

#include "SpriteTestSupport.h"
#include "platform/MessageBox.h"

using platform::Surface;
using sprites::Sprite;
using sprites::SpriteStore;

namespace {

constexpr int kPiece = 30;  // margin 10, box 50

class Board : public ::testing::Test {
  protected:
    Surface picture = spritetest::numberedPicture(4 * kPiece, 3 * kPiece);
    spritetest::Cut cut{kPiece, 4, 3};
    SpriteStore store{12, 320, 240};

    void SetUp() override { store.setWorkspace(800, 600); }

    Sprite* add(int column, int row, int x, int y) {
        auto s = cut.sprite(&picture, column, row);
        s->x = x;
        s->y = y;
        Sprite* raw = s.get();
        store.add(std::move(s));
        return raw;
    }
};

}  // namespace

TEST_F(Board, HitTestWantsAPixelStrictlyInsideTheBox) {
    Sprite* s = add(1, 1, 100, 100);
    // Solid core from (110, 110) to (139, 139) in table coordinates.
    EXPECT_EQ(store.hitTest(110, 110), s);
    EXPECT_EQ(s->grabX, 10);
    EXPECT_EQ(s->grabY, 10);
    EXPECT_EQ(store.hitTest(139, 139), s);
    EXPECT_EQ(store.hitTest(105, 105), nullptr) << "in the box, outside the region";

    Sprite* box = store.at(0);
    box->region = cutting::SpanRegion::fromRect(0, 0, 49, 49);
    EXPECT_EQ(store.hitTest(100, 120), nullptr) << "left border";
    EXPECT_EQ(store.hitTest(120, 100), nullptr) << "top border";
    EXPECT_EQ(store.hitTest(101, 101), s);
    EXPECT_EQ(store.hitTest(149, 149), s);
    EXPECT_EQ(store.hitTest(150, 120), nullptr);
}

TEST_F(Board, HitGoesToTheHigherIndexAndFallsThroughHoles) {
    Sprite* low = add(0, 0, 100, 100);
    Sprite* high = add(1, 0, 105, 100);
    EXPECT_EQ(store.hitTest(120, 120), high);
    // The upper sprite's margin lies over the lower sprite's core.
    EXPECT_EQ(store.hitTest(112, 112), low);
    store.bringToFront(low);
    EXPECT_EQ(store.hitTest(120, 120), low);
    store.sendToBack(low);
    EXPECT_EQ(store.at(0), low);
}

TEST_F(Board, JoinUnitesBoxesRegionsAndCells) {
    Sprite* left = add(0, 0, 200, 150);
    Sprite* right = add(1, 0, 230, 150);  // in place beside it
    const auto before = left->region.count();
    store.join(right, left);
    EXPECT_EQ(right->box(), (platform::Rect{200, 150, 280, 200}));
    EXPECT_EQ(right->sourceX, -10) << "takes the absorbed group's source x";
    EXPECT_EQ(right->sourceY, -10);
    ASSERT_EQ(right->cellCount(), 2);
    EXPECT_EQ(right->cells[0], (sprites::CellRef{0, 0}));
    EXPECT_EQ(right->cells[1], (sprites::CellRef{1, 0}));
    EXPECT_EQ(store.pending, (platform::Rect{200, 150, 250, 200}));
    EXPECT_GE(right->region.count(), before);
    for (int y = 150; y < 200; ++y) {
        for (int x = 200; x < 280; ++x) {
            const bool core = x >= 210 && x < 270 && y >= 160 && y < 190;
            if (core) {
                ASSERT_TRUE(right->holds(x, y)) << x << "," << y;
            }
        }
    }
    store.remove(left);
    EXPECT_EQ(store.count(), 1);
}

TEST_F(Board, JoiningALockedGroupLocksTheResultWithARedBevel) {
    Sprite* a = add(0, 0, 0, 0);
    Sprite* b = add(1, 0, 30, 0);
    a->locked = 1;
    store.join(b, a);
    EXPECT_EQ(b->locked, 1);
    EXPECT_EQ(a->locked, 0);
    // Upper-left rim of the core at picture (0, 0) is red (0x0000FF).
    EXPECT_EQ(picture.pixel(0, 0), platform::pixelFromColorRef(0x0000FF));
    EXPECT_EQ(picture.pixel(kPiece * 2 - 1, kPiece - 1), platform::pixelFromColorRef(0x000080));

    Sprite* c = add(2, 1, 300, 300);
    Sprite* d = add(3, 1, 330, 300);
    c->paintBevel();
    d->paintBevel();
    store.join(c, d);
    EXPECT_EQ(c->locked, 0);
    EXPECT_EQ(picture.pixel(2 * kPiece, kPiece), platform::pixelFromColorRef(0xC0C0C0));
}

TEST_F(Board, DraggingClampsToTheTable) {
    Sprite* s = add(0, 0, 100, 100);
    store.hitTest(120, 120);
    store.setHeld(s);
    // Far to the left: stops where the first pixel column reaches 0.
    store.moveHeldToPointer(nullptr, -300, 120);
    EXPECT_EQ(s->x, -10);
    EXPECT_EQ(s->y, 100);
    // Far to the right and down: the whole box stays inside.
    store.moveHeldToPointer(nullptr, 5000, 5000);
    EXPECT_EQ(s->x, 800 - 50);
    EXPECT_EQ(s->y, 600 - 50);
    EXPECT_EQ(s->lastPointerX, 5000);
    store.releaseHeld();
    EXPECT_EQ(s->dragged, 0);
    EXPECT_EQ(s->grabX, 0);

    store.placeAt(s, -300, -300);
    EXPECT_EQ(s->x, -10);
    EXPECT_EQ(s->y, -10);
    store.placeAt(s, 40, 60);
    EXPECT_EQ(s->x, 40);
    EXPECT_EQ(s->y, 60);
}

TEST_F(Board, GlideEndsAtTheTargetUnlessInputWaits) {
    Sprite* s = add(0, 0, 0, 0);
    store.setHeld(s);
    store.glide(nullptr, s, 200, 100, nullptr);
    EXPECT_EQ(s->x, 200);
    EXPECT_EQ(s->y, 100);
    int polls = 0;
    store.setInputWaiting([&] { return ++polls > 3; });
    bool abort = false;
    store.glide(nullptr, s, 0, 0, &abort);
    EXPECT_TRUE(abort);
    EXPECT_EQ(polls, 4);
    EXPECT_NE(s->x, 0);
}

TEST_F(Board, MoveAsideScattersOnlyFreeGroupsUnderTheDroppedOne) {
    Sprite* dropped = add(0, 0, 300, 300);
    Sprite* under = add(1, 0, 300, 300);
    Sprite* locked = add(2, 0, 300, 300);
    locked->locked = 1;
    Sprite* away = add(3, 0, 600, 100);
    EXPECT_EQ(store.moveAside(nullptr, dropped, nullptr, nullptr, 800, 600), 1);
    EXPECT_EQ(dropped->box(), (platform::Rect{300, 300, 350, 350}));
    EXPECT_EQ(locked->box(), (platform::Rect{300, 300, 350, 350}));
    EXPECT_EQ(away->box(), (platform::Rect{600, 100, 650, 150}));
    EXPECT_NE(under->box(), (platform::Rect{300, 300, 350, 350}));
    EXPECT_EQ(under->dragged, 0);
    EXPECT_EQ(store.held(), nullptr);
    EXPECT_EQ(store.at(store.count() - 1), under) << "a moved group comes to the front";

    under->x = under->y = 300;
    store.setInputWaiting([] { return true; });
    bool abort = false;
    EXPECT_EQ(store.moveAside(nullptr, dropped, nullptr, &abort, 800, 600), 0);
    EXPECT_TRUE(abort);
}

TEST_F(Board, ReorderPutsALargeGroupUnderTheFirstSmallerOverlappingOne) {
    store.groupThreshold = 2;
    Sprite* small = add(0, 0, 100, 100);
    Sprite* apart = add(3, 2, 500, 500);
    Sprite* big = add(1, 0, 110, 100);
    big->cells.push_back({2, 0});  // exactly the threshold
    store.reorderForSmaller(big);
    EXPECT_EQ(store.indexOf(big), 2);
    big->cells.push_back({2, 1});
    store.reorderForSmaller(big);
    EXPECT_EQ(store.indexOf(big), 0);
    EXPECT_EQ(store.indexOf(small), 1);
    EXPECT_EQ(store.indexOf(apart), 2);

    const int beeps = platform::beepCount();
    Sprite stranger;
    store.reorderForSmaller(&stranger);
    EXPECT_EQ(platform::beepCount(), beeps + 1);
}

TEST_F(Board, FindsTheOriginGroupAndCollectsRims) {
    add(1, 1, 0, 0);
    EXPECT_EQ(store.findOrigin(), nullptr);
    Sprite* origin = add(0, 0, 40, 40);
    EXPECT_EQ(store.findOrigin(), origin);

    cutting::SpanRegion rims;
    store.collectRims(rims, false);
    EXPECT_TRUE(rims.contains(0, 0)) << "origin core corner, picture coordinates";
    EXPECT_TRUE(rims.contains(kPiece, kPiece));
    store.clear();
    EXPECT_EQ(store.count(), 0);
}

TEST_F(Board, ShowingACutPiecePaintsItsBevelAndCopiesItToTheWindow) {
    auto s = cut.sprite(&picture, 1, 1);
    const platform::Pixel inner = picture.pixel(kPiece + 5, kPiece + 5);
    Surface window(200, 200);
    s->showCut(window, 10, 20);
    EXPECT_EQ(picture.pixel(kPiece, kPiece), platform::pixelFromColorRef(sprites::kBevelLight));
    EXPECT_EQ(picture.pixel(2 * kPiece - 1, 2 * kPiece - 1),
              platform::pixelFromColorRef(sprites::kBevelDark));
    EXPECT_EQ(window.pixel(10 + kPiece + 5, 20 + kPiece + 5), inner);
    EXPECT_EQ(window.pixel(10 + kPiece - 5, 20 + kPiece - 5), 0u) << "outside the piece";

    s->dragged = 1;
    store.add(std::move(s));
    EXPECT_EQ(store.at(0)->dragged, 0) << "nothing is held when a group arrives";
}
