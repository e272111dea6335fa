#include <gtest/gtest.h>

#include <cstdlib>

#include "SpriteTestSupport.h"
#include "cutting/CoordMap.h"
#include "sprites/SpriteStore.h"

using platform::Pixel;
using platform::Surface;
using sprites::Sprite;
using sprites::SpriteStore;

namespace {

constexpr int kPiece = 30;
constexpr int kColumns = 4;
constexpr int kRows = 3;
constexpr Pixel kGreen = 0x00FF00;

// Entries i -> i for -n..n: a zoom map that leaves coordinates unchanged.
cutting::CoordMap identityMap(int n = 3000) {
    std::vector<std::int16_t> e;
    for (int i = -n; i <= n; ++i) {
        e.push_back(static_cast<std::int16_t>(i));
    }
    return cutting::CoordMap(-n, std::move(e));
}

class Composite : public ::testing::TestWithParam<bool> {
  protected:
    Surface picture = spritetest::numberedPicture(kColumns * kPiece, kRows* kPiece);
    spritetest::Cut cut{kPiece, kColumns, kRows};
    SpriteStore store{kColumns * kRows, 320, 240};
    cutting::CoordMap same = identityMap();

    void SetUp() override {
        std::srand(17);
        for (int c = 0; c < kColumns; ++c) {
            for (int r = 0; r < kRows; ++r) {
                auto s = cut.sprite(&picture, c, r);
                s->x = std::rand() % 330 - 10;
                s->y = std::rand() % 250 - 10;
                store.add(std::move(s));
            }
        }
        if (GetParam()) {
            store.setZoomMaps(&same, &same);
        }
        store.setBackgroundColour(0x00FF00);
        store.setWorkspace(2000, 2000);
    }

    // What the table looks like at a point: the topmost sprite that is not
    // dragged and holds the point, else the background.
    // A sprite pixel whose source lies outside the picture (groups joined
    // out of place) is not copied, so what lies below shows through.
    bool sourceOf(const Sprite* s, int tx, int ty, Pixel& out) const {
        const int px = s->sourceX + tx - s->x;
        const int py = s->sourceY + ty - s->y;
        if (!s->holds(tx, ty) || px < 0 || py < 0 || px >= picture.width() ||
            py >= picture.height()) {
            return false;
        }
        out = picture.pixel(px, py);
        return true;
    }

    Pixel expectedAt(int tx, int ty, const Sprite* onTop = nullptr) const {
        Pixel p = kGreen;
        if (onTop != nullptr && sourceOf(onTop, tx, ty, p)) {
            return p;
        }
        for (int i = store.count() - 1; i >= 0; --i) {
            const Sprite* s = store.at(i);
            if (s->dragged == 0 && sourceOf(s, tx, ty, p)) {
                return p;
            }
        }
        return kGreen;
    }

    void expectMatches(const Surface& shown, const Sprite* onTop, const char* step) const {
        for (int by = 0; by < shown.height(); ++by) {
            for (int bx = 0; bx < shown.width(); ++bx) {
                const Pixel want = expectedAt(bx + store.scrollX(), by + store.scrollY(), onTop);
                ASSERT_EQ(shown.pixel(bx, by), want) << step << " at " << bx << "," << by;
            }
        }
    }

    Sprite* pick() const { return store.at(std::rand() % store.count()); }

    void randomStep(int op) {
        Sprite* s = pick();
        switch (op) {
            case 0:
                store.bringToFront(s);
                break;
            case 1:
                store.sendToBack(s);
                break;
            case 2: {
                const platform::Rect old = s->box();
                store.setPosition(s, std::rand() % 330 - 10 + store.scrollX(),
                                  std::rand() % 250 - 10 + store.scrollY());
                store.redrawArea(nullptr, old, false);
                store.redrawSprite(nullptr, s, false);
                break;
            }
            case 3:
                store.scrollTo(std::max(0, store.scrollX() + std::rand() % 61 - 30),
                               std::max(0, store.scrollY() + std::rand() % 61 - 30), false);
                break;
            default: {
                Sprite* other = pick();
                if (other == s) {
                    break;
                }
                store.join(s, other);
                store.remove(other);
                store.redrawArea(nullptr, store.pending, false);
                store.redrawSprite(nullptr, s, false);
            }
        }
    }
};

}  // namespace

TEST_P(Composite, OffScreenPictureMatchesABruteForceRendering) {
    expectMatches(store.buffer(), nullptr, "start");
    for (int step = 0; step < 40; ++step) {
        randomStep(std::rand() % 5);
        expectMatches(store.buffer(), nullptr, "random step");
    }
}

TEST_P(Composite, HeldSpriteIsComposedOnTopButNeverEntersTheBuffer) {
    Sprite* s = store.at(3);
    store.setHeld(s);
    store.bringToFront(s);
    store.redrawSprite(nullptr, s, false);
    expectMatches(store.buffer(), nullptr, "held, off-screen");

    Surface window(320, 240);
    store.showBuffer(window);
    s->grabX = 20;
    s->grabY = 20;
    for (int step = 0; step < 5; ++step) {
        store.moveHeldToPointer(&window, 40 + step * 37, 30 + step * 29);
        expectMatches(window, s, "dragging");
    }
    expectMatches(store.buffer(), nullptr, "buffer after dragging");
    store.scrollTo(store.scrollX() + 16, store.scrollY() + 8, false);
    expectMatches(store.buffer(), nullptr, "scrolled while held");

    store.releaseHeld();
    store.redrawSprite(&window, s, true);
    expectMatches(store.buffer(), nullptr, "released");
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutIdentityZoom, Composite, ::testing::Bool());

TEST(CompositeBorder, SmallTableShowsGreyBeyondItsEdgesAndWhiteWithoutBackground) {
    SpriteStore store(1, 320, 240);
    store.setWorkspace(200, 150);
    const Surface& b = store.buffer();
    EXPECT_EQ(b.pixel(10, 10), 0xFFFFFFu) << "no background colour: white";
    EXPECT_EQ(b.pixel(201, 10), 0xFFFFFFu);
    EXPECT_EQ(b.pixel(202, 10), 0x000000u) << "line at width + 2";
    EXPECT_EQ(b.pixel(250, 10), 0xC0C0C0u);
    EXPECT_EQ(b.pixel(10, 151), 0x000000u) << "line at height + 1";
    EXPECT_EQ(b.pixel(10, 200), 0xC0C0C0u);
    EXPECT_EQ(b.pixel(300, 230), 0xC0C0C0u);

    store.setBackgroundColour(0x0000FF);
    store.scrollTo(13, 21, true);
    EXPECT_EQ(store.brushOriginX(), 5);
    EXPECT_EQ(store.brushOriginY(), 5);
    EXPECT_EQ(store.buffer().pixel(10, 10), 0xFF0000u);
    EXPECT_EQ(store.buffer().pixel(200 - 13 + 2, 5), 0x000000u) << "the edge moves with the table";
}

TEST(CompositeZoom, DoublingMapDrawsEachTablePixelAsABlock) {
    Surface picture = spritetest::numberedPicture(60, 60);
    SpriteStore store(1, 200, 200);
    auto s = Sprite::create(&picture, 0, 0, 10, 10, {0, 0, 10, 10}, nullptr);
    s->x = 5;
    s->y = 7;
    Sprite* raw = s.get();
    store.add(std::move(s));
    std::vector<std::int16_t> e;
    for (int i = -500; i <= 500; ++i) {
        e.push_back(static_cast<std::int16_t>(2 * i));
    }
    const cutting::CoordMap twice(-500, e);
    Surface zoomedPicture(120, 120);
    zoomedPicture.stretch({0, 0, 120, 120}, picture, {0, 0, 60, 60});
    store.setPicture(&zoomedPicture);
    store.setZoomMaps(&twice, &twice);
    store.setWorkspace(400, 400);
    EXPECT_EQ(raw->zoomMap, &twice);
    EXPECT_EQ(store.buffer().pixel(10, 14), picture.pixel(0, 0));
    EXPECT_EQ(store.buffer().pixel(11, 15), picture.pixel(0, 0));
    EXPECT_EQ(store.buffer().pixel(29, 33), picture.pixel(9, 9));
    EXPECT_EQ(store.buffer().pixel(30, 33), 0xFFFFFFu);
}

namespace {

// A zoom by thousandths of the table (out: the screen is smaller), symmetric
// about 0, with its inverse, built as the view builds them.
struct Zoom {
    cutting::CoordMap map;
    cutting::CoordMap inverse;
};

Zoom zoomBy(int thousandths, bool out, int n = 4000) {
    std::vector<std::int16_t> e;
    std::vector<std::int16_t> inv;
    const auto f = [&](int i) {
        return out ? (2 * i * 1000 + thousandths) / (2 * thousandths) : i * thousandths / 1000;
    };
    for (int i = -n; i < n; ++i) {
        e.push_back(static_cast<std::int16_t>(i < 0 ? -f(-i) : f(i)));
    }
    for (int i = 0; i < n; ++i) {
        inv.push_back(static_cast<std::int16_t>(
            out ? i * thousandths / 1000 : (2 * i * 1000 + thousandths) / (2 * thousandths)));
    }
    return {cutting::CoordMap(-n, std::move(e)), cutting::CoordMap(0, std::move(inv))};
}

}  // namespace

// A heap of overlapping pieces with a joined group and a held group, redrawn
// whole and in part at normal size and zoomed out and in, gives exactly the
// picture of copying every sprite bottom to top.
TEST(CompositeHeap, RedrawEqualsCopyingEverySpriteBottomToTop) {
    Surface picture = spritetest::numberedPicture(8 * kPiece, 6 * kPiece);
    const spritetest::Cut cut(kPiece, 8, 6);
    SpriteStore store(48, 320, 240);
    std::srand(29);
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 6; ++r) {
            auto s = cut.sprite(&picture, c, r);
            s->x = 300 + std::rand() % 200;
            s->y = 200 + std::rand() % 150;
            store.add(std::move(s));
        }
    }
    store.join(store.at(7), store.at(8));
    store.remove(store.at(8));
    store.setHeld(store.at(20));
    store.setBackgroundColour(0x00FF00);
    store.setWorkspace(8000, 8000);
    const Zoom out = zoomBy(1999, true);
    const Zoom in = zoomBy(1562, false);
    for (const Zoom* zoom : {static_cast<const Zoom*>(nullptr), &out, &in}) {
        Surface zoomed;
        if (zoom != nullptr) {
            zoomed = Surface(zoom->map[picture.width()], zoom->map[picture.height()]);
            zoomed.stretch(zoomed.bounds(), picture, picture.bounds());
        }
        store.setPicture(zoom != nullptr ? &zoomed : &picture);
        store.setZoomMaps(zoom != nullptr ? &zoom->map : nullptr,
                          zoom != nullptr ? &zoom->inverse : nullptr);
        store.scrollTo(290, 190, true);
        for (int pass = 0; pass < 2; ++pass) {
            Surface reference(320, 240, kGreen);
            for (int i = 0; i < store.count(); ++i) {
                const Sprite* s = store.at(i);
                if (s != store.held()) {
                    s->drawTo(reference, s->x - 290, s->y - 190, s->zoomMap);
                }
            }
            ASSERT_EQ(store.buffer(), reference) << "zoom " << (zoom == &out) << (zoom == &in);
            store.bringToFront(store.at(3));
            store.redrawSprite(nullptr, store.at(store.count() - 1), false);
        }
    }
}

// A window-sized redraw is painted in two bands at once: pieces lying across
// the seam, above and below it, come out as one bottom-to-top copy, in the
// buffer and on the window it is shown on.
TEST(CompositeHeap, ALargeRedrawInTwoBandsEqualsCopyingBottomToTop) {
    Surface picture = spritetest::numberedPicture(8 * kPiece, 6 * kPiece);
    const spritetest::Cut cut(kPiece, 8, 6);
    SpriteStore store(48, 640, 400);
    std::srand(31);
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 6; ++r) {
            auto s = cut.sprite(&picture, c, r);
            s->x = std::rand() % 600 - 20;
            s->y = 150 + std::rand() % 100 - 2 * kPiece;
            store.add(std::move(s));
        }
    }
    store.setPicture(&picture);
    store.setBackgroundColour(0x00FF00);
    store.setWorkspace(8000, 8000);
    store.scrollTo(0, 0, true);
    Surface reference(640, 400, kGreen);
    for (int i = 0; i < store.count(); ++i) {
        const Sprite* s = store.at(i);
        s->drawTo(reference, s->x, s->y, nullptr);
    }
    ASSERT_EQ(store.buffer(), reference);
    Surface window(600, 420, 0);
    store.showBuffer(window);
    int differing = 0;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 600; ++x) {
            differing += window.pixel(x, y) != reference.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(window.pixel(0, 400), 0u);  // below the buffer the window keeps its pixels
}
