#include <gtest/gtest.h>

#include <vector>

#include "imagelib.h"
#include "platform/PackedDib.h"
#include "platform/Surface.h"

namespace {

platform::PackedDib slotDib(int slot) {
    const std::uint8_t* block = IMGGetDib(slot, nullptr, nullptr, nullptr);
    return platform::PackedDib::fromBlock({block, block + IMGGetDibSize(slot)});
}

int slotOf(const platform::PackedDib& dib) {
    return IMGCreateFromDib(dib.data(), static_cast<std::uint32_t>(dib.size()));
}

// A 24-bit picture: left half red, right half blue.
platform::PackedDib halves(int w, int h) {
    auto dib = platform::PackedDib::create(w, h, 24);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = dib.row(y) + 3 * x;
            p[0] = x < w / 2 ? 0 : 255;
            p[2] = x < w / 2 ? 255 : 0;
        }
    }
    return dib;
}

}  // namespace

TEST(SlotOperations, FourBitAndTopDownBitmapsBecomeBottomUpSlotBitmaps) {
    // 3 x 2, 4 bits, rows top-down: top row indices 1 2 3, bottom row 4 5 6.
    auto four = platform::PackedDib::create(3, -2, 4, 16);
    for (int i = 0; i < 16; ++i) {
        four.setColour(i, {static_cast<std::uint8_t>(i * 10), 0, 0, 0});
    }
    four.row(0)[0] = 0x12;
    four.row(0)[1] = 0x30;
    four.row(1)[0] = 0x45;
    four.row(1)[1] = 0x60;
    const int slot = slotOf(four);
    ASSERT_GE(slot, 0);
    int w = 0, h = 0, bits = 0;
    IMGGetDib(slot, &w, &h, &bits);
    EXPECT_EQ(bits, 8);
    const auto dib = slotDib(slot);
    EXPECT_GT(dib.header().height, 0);
    EXPECT_EQ(dib.row(0)[2], 3);
    EXPECT_EQ(dib.row(1)[0], 4);
    EXPECT_EQ(dib.colour(5).blue, 50);
    IMGFree(slot);
}

TEST(SlotOperations, MalformedOrHugeBitmapsGiveNoSlot) {
    auto dib = halves(4, 4);
    EXPECT_EQ(IMGCreateFromDib(dib.data(), 30), -1);
    EXPECT_EQ(IMGCreateFromDib(dib.data(), static_cast<std::uint32_t>(dib.size() - 1)), -1);
    auto header = dib.header();
    header.width = 40000;
    header.height = 1;
    dib.setHeader(header);
    EXPECT_EQ(IMGCreateFromDib(dib.data(), static_cast<std::uint32_t>(dib.size())), -1);
    EXPECT_EQ(IMGCreateFromDib(nullptr, 100), -1);
}

TEST(SlotOperations, FreedNumbersAreReusedAndUnknownSlotsFail) {
    const auto dib = halves(2, 2);
    const int a = slotOf(dib);
    const int b = slotOf(dib);
    EXPECT_NE(a, b);
    IMGFree(a);
    EXPECT_EQ(slotOf(dib), a);
    IMGFree(a);
    IMGFree(b);
    int l, t, r, bt;
    EXPECT_EQ(IMGGetRect(b, &l, &t, &r, &bt), 0);
    EXPECT_EQ(IMGGetDib(b, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(IMGResample(b, 10, 10), 0);
    EXPECT_EQ(IMGSetDisplayOption(b, 3), 0);
}

TEST(SlotOperations, ResampleAtEveryPriorityKeepsFlatAreasAndEdges) {
    for (const int priority : {IMG_PRIORITY_SPEED, IMG_PRIORITY_MEDIUM, IMG_PRIORITY_QUALITY}) {
        SCOPED_TRACE(priority);
        IMGSetLoadingPriority(priority);
        for (const auto& size : std::vector<std::pair<int, int>>{{30, 20}, {250, 90}}) {
            const int slot = slotOf(halves(100, 60));
            ASSERT_EQ(IMGResample(slot, size.first, size.second), 1);
            const auto dib = slotDib(slot);
            ASSERT_EQ(dib.width(), size.first);
            ASSERT_EQ(dib.height(), size.second);
            const std::uint8_t* row = dib.row(size.second / 2);
            EXPECT_EQ(row[2], 255);
            EXPECT_EQ(row[0], 0);
            const std::uint8_t* last = row + 3 * (size.first - 1);
            EXPECT_EQ(last[0], 255);
            EXPECT_EQ(last[2], 0);
            IMGFree(slot);
        }
    }
    IMGSetLoadingPriority(IMG_PRIORITY_MEDIUM);
}

TEST(SlotOperations, QualityShrinkAveragesAndRefusedSizesLeaveTheSlot) {
    IMGSetLoadingPriority(IMG_PRIORITY_QUALITY);
    // 2 x 1 of black and white shrinks to one grey pixel.
    auto dib = platform::PackedDib::create(2, 1, 24);
    std::fill_n(dib.row(0) + 3, 3, 255);
    const int slot = slotOf(dib);
    ASSERT_EQ(IMGResample(slot, 1, 1), 1);
    EXPECT_NEAR(slotDib(slot).row(0)[0], 128, 1);
    EXPECT_EQ(IMGResample(slot, 0, 5), 0);
    EXPECT_EQ(IMGResample(slot, 40000, 5), 0);
    int w = 0;
    IMGGetDib(slot, &w, nullptr, nullptr);
    EXPECT_EQ(w, 1);
    IMGFree(slot);
    IMGSetLoadingPriority(IMG_PRIORITY_MEDIUM);
}

TEST(SlotOperations, DrawStretchedHonoursTheClip) {
    const int slot = slotOf(halves(10, 10));
    platform::Surface surface(40, 20, 0x123456);
    surface.setClip({0, 0, 30, 20});
    ASSERT_EQ(IMGDrawStretched(slot, &surface, 0, 0, 40, 20), 1);
    EXPECT_EQ(surface.pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(surface.pixel(25, 19), 0x0000FFu);
    EXPECT_EQ(surface.pixel(35, 5), 0x123456u);
    IMGFree(slot);
}

TEST(SlotOperations, DeviceBitmapAndPreviewDrawing) {
    const int slot = slotOf(halves(20, 10));
    platform::Surface* bitmap = IMGCreateBitmap(slot, 8, 4);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->width(), 8);
    platform::Surface screen(20, 20, 0);
    EXPECT_EQ(IMGDrawBitmap(bitmap, &screen, 2, 3), 1);
    EXPECT_EQ(screen.pixel(2, 3), 0xFF0000u);
    EXPECT_EQ(screen.pixel(9, 6), 0x0000FFu);
    IMGFreeBitmap(bitmap);
    // Preview: 20 x 10 into a 20 x 20 box is centred vertically (rows 5..14).
    platform::Surface preview(20, 20, 0);
    ASSERT_EQ(IMGDrawPreview(slot, &preview, 0, 0, 20, 20, 0xC0C0C0), 1);
    EXPECT_EQ(preview.pixel(0, 4), 0xC0C0C0u);
    EXPECT_EQ(preview.pixel(0, 5), 0xFF0000u);
    EXPECT_EQ(preview.pixel(19, 14), 0x0000FFu);
    EXPECT_EQ(preview.pixel(19, 15), 0xC0C0C0u);
    IMGFree(slot);
}

TEST(SlotOperations, ReduceTo16ColoursMapsToTheStandardColours) {
    auto dib = halves(4, 2);
    dib.row(0)[0] = 10;  // near-red (red 255, blue 10) still maps to red
    const int slot = slotOf(dib);
    ASSERT_EQ(IMGReduceTo16Colours(slot), 1);
    const auto reduced = slotDib(slot);
    EXPECT_EQ(reduced.bitCount(), 8);
    EXPECT_EQ(reduced.colourCount(), 16u);
    const platform::RgbQuad red = reduced.colour(reduced.row(0)[0]);
    EXPECT_EQ(red.red, 255);
    EXPECT_EQ(red.blue, 0);
    const platform::RgbQuad blue = reduced.colour(reduced.row(1)[3]);
    EXPECT_EQ(blue.blue, 255);
    EXPECT_EQ(blue.red, 0);
    IMGFree(slot);
}

TEST(SlotOperations, DisplayOptionIsKeptPerSlot) {
    const int slot = slotOf(halves(2, 2));
    EXPECT_EQ(IMGGetDisplayOption(slot), 0);
    EXPECT_EQ(IMGSetDisplayOption(slot, 25), 1);
    EXPECT_EQ(IMGGetDisplayOption(slot), 25);
    EXPECT_EQ(IMGPrepareForWindow(slot, nullptr, 25), 1);
    EXPECT_EQ(IMGRealizePalette(slot, nullptr), 0);
    IMGFree(slot);
}
