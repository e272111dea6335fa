#include <gtest/gtest.h>

#include <cstdlib>

#include "cutting/PieceCutter.h"
#include "sprites/SpriteStore.h"
#include "windows/OpeningAnimation.h"
#include "windows/OverviewCanvas.h"
#include "windows/OverviewScale.h"

using windows::OverviewCanvas;
using windows::OverviewScale;

TEST(OverviewScale, LevelsFactorAndMapsFollowTheTableSize) {
    // 150 / 1.333 is about 112.5, 150 / 1.777 about 84.4: one level only.
    EXPECT_EQ(OverviewScale::largestLevel(400, 150), 1);
    EXPECT_EQ(OverviewScale::largestLevel(360, 240), 3);
    EXPECT_EQ(OverviewScale::largestLevel(120, 120), 0);
    EXPECT_EQ(OverviewScale::factor(1), 1333);
    EXPECT_EQ(OverviewScale::factor(6), 5610);

    const OverviewScale one(400, 150, 6);  // kept within the largest level
    EXPECT_EQ(one.level(), 1);
    EXPECT_FALSE(one.canZoomIn());
    EXPECT_FALSE(one.canZoomOut());
    EXPECT_EQ(one.toOverview(400), 300);
    EXPECT_EQ(one.toOverview(-400), -300);
    EXPECT_EQ(one.width(), 300);
    EXPECT_EQ(one.height(), 113);
    // Overview pixel k starts the workspace run that the forward map takes
    // to k + 1.
    for (int k = 0; k < one.width(); ++k) {
        const int c = one.toTable(k);
        EXPECT_EQ(one.toOverview(c), k + 1) << k;
        EXPECT_EQ(one.toOverview(c - 1), k) << k;
    }
    const OverviewScale tiny(120, 120, 3);
    EXPECT_EQ(tiny.level(), 1);
}

TEST(OverviewCanvas, BackgroundIsTheTableColourAShadeDarker) {
    EXPECT_EQ(OverviewCanvas::darkerShade(0xFF0000), 0xE00000u);
    EXPECT_EQ(OverviewCanvas::darkerShade(0x0810FF), 0x070EE0u);
    EXPECT_EQ(OverviewCanvas::darkerShade(0x070707), 0x070707u);
}

namespace {

// A 4 x 3 puzzle of 30-pixel pieces scattered over its 240 x 180 table.
struct SmallTable {
    platform::Surface picture{120, 90};
    cutting::PieceCutter cutter = (std::srand(3), cutting::PieceCutter(30, 30, 4, 3));
    sprites::SpriteStore store{12, 320, 240};
    OverviewScale scale{240, 180, 1};
    OverviewCanvas canvas;

    SmallTable() {
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                picture.setPixel(x, y,
                                 static_cast<platform::Pixel>((x * 2) << 16 | (y * 2) << 8 | 1));
            }
        }
        std::srand(3);
        for (int c = 0; c < 4; ++c) {
            for (int r = 0; r < 3; ++r) {
                const cutting::PieceMask* m = cutter.mask(c, r);
                const cutting::MaskBox b = cutter.maskBox(c, r);
                const cutting::MaskBits bits{
                    m->words(), m->wordsPerRow(), m->width(), m->height(), 0, 0};
                auto s = sprites::Sprite::create(&picture, b.left, b.top, b.width, b.height,
                                                 {c * 30, r * 30, 30, 30}, &bits);
                s->x = std::rand() % (240 - s->width);
                s->y = std::rand() % (180 - s->height);
                store.add(std::move(s));
            }
        }
        store.setWorkspace(240, 180);
        platform::Surface scaled(scale.toOverview(120), scale.toOverview(90));
        scaled.stretch(scaled.bounds(), picture, picture.bounds());
        EXPECT_TRUE(canvas.build(scale, std::move(scaled), 0x208040));
    }

    platform::Surface fresh() {
        OverviewCanvas c;
        c.build(scale, canvas.picture(), 0x208040);
        c.redrawAll(store);
        return c.bitmap();
    }
};

}  // namespace

TEST(OverviewCanvas, PartialRedrawsLeaveWhatAFullRedrawWouldDraw) {
    SmallTable t;
    t.canvas.redrawAll(t.store);
    EXPECT_EQ(t.canvas.bitmap().width(), 180);
    EXPECT_EQ(t.canvas.bitmap().height(), 135);
    const platform::Pixel background = platform::pixelFromColorRef(0x1C7038);
    int painted = 0;
    for (int y = 0; y < 135; ++y) {
        for (int x = 0; x < 180; ++x) {
            painted += t.canvas.bitmap().pixel(x, y) != background ? 1 : 0;
        }
    }
    EXPECT_GT(painted, 12 * 15 * 15);

    // A group carried across the table in steps, then dropped elsewhere.
    sprites::Sprite* s = t.store.at(5);
    const platform::Rect before = s->box();
    t.store.bringToFront(s);
    t.store.setHeld(s);
    for (int x = 10; x <= 150; x += 35) {
        t.canvas.drawHeldAt(t.store, *s, x, 120);
    }
    t.store.setPosition(s, 150, 120);
    t.store.releaseHeld();
    t.canvas.redrawArea(t.store, before);
    t.canvas.redrawArea(t.store, s->box());
    EXPECT_TRUE(t.canvas.bitmap() == t.fresh());

    // Sent to the back, it is drawn under the others again.
    t.store.sendToBack(s);
    t.canvas.redrawArea(t.store, s->box());
    EXPECT_TRUE(t.canvas.bitmap() == t.fresh());
}

TEST(OverviewCanvas, RefusesAnEmptyPicture) {
    OverviewCanvas canvas;
    EXPECT_FALSE(canvas.build(OverviewScale(240, 180, 1), platform::Surface(), 0));
    EXPECT_FALSE(canvas.built());
}

TEST(OpeningAnimation, OutlinesFlyToTheWindowAndVanishFourStepsLater) {
    const windows::OpeningAnimation a({100, 100, 101, 101}, {300, 200, 500, 400});
    EXPECT_EQ(a.outline(10), (platform::Rect{200, 150, 300, 250}));
    EXPECT_EQ(a.outline(20), (platform::Rect{300, 200, 500, 400}));
    EXPECT_EQ(a.drawnAt(1), 1);
    EXPECT_FALSE(a.erasedAt(4).has_value());
    EXPECT_EQ(a.erasedAt(5), 1);
    EXPECT_FALSE(a.drawnAt(21).has_value());
    EXPECT_EQ(a.erasedAt(a.ticks()), 20);
}
