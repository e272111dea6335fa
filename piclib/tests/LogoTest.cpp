#include <gtest/gtest.h>

#include "LogoStamper.h"
#include "PIXPICK32.h"
#include "PiclibTestSupport.h"
#include "PictureFileWriter.h"
#include "imagelib.h"
#include "platform/Surface.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0xFF0000;

piclib::PictureFields placed(int horizontal, int vertical, int hMargin, int vMargin) {
    piclib::PictureFields f;
    f.logoEnabled = 1;
    f.logoHorizontal = static_cast<std::int16_t>(horizontal);
    f.logoVertical = static_cast<std::int16_t>(vertical);
    f.logoHorizontalMargin = static_cast<std::int16_t>(hMargin);
    f.logoVerticalMargin = static_cast<std::int16_t>(vMargin);
    f.logoColour = 0x0000FF00;  // pure green is transparent
    return f;
}

// Columns and rows of the picture that differ from the background.
platform::Rect changedArea(const platform::PackedDib& dib, std::uint32_t background) {
    platform::Rect r{dib.width(), dib.height(), 0, 0};
    for (int y = 0; y < dib.height(); ++y) {
        for (int x = 0; x < dib.width(); ++x) {
            if (pictest::pixelAt(dib, x, y) != background) {
                r.left = std::min(r.left, x);
                r.top = std::min(r.top, y);
                r.right = std::max(r.right, x + 1);
                r.bottom = std::max(r.bottom, y + 1);
            }
        }
    }
    return r;
}

platform::PackedDib indexedPicture(int width, int height, int colours) {
    auto dib = platform::PackedDib::create(width, height, 8, colours);
    for (int i = 0; i < colours; ++i) {
        const auto level = static_cast<std::uint8_t>(i * 255 / (colours - 1));
        dib.setColour(i, {level, level, level, 0});
    }
    return dib;
}

}  // namespace

TEST(Logo, PlacementFollowsAlignmentAndMargins) {
    int x = 0;
    int y = 0;
    piclib::LogoStamper::placement(placed(2, 2, 10, 10), 101, 60, 20, 10, &x, &y);
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, 25);
    piclib::LogoStamper::placement(placed(1, 1, 5, 3), 101, 60, 20, 10, &x, &y);
    EXPECT_EQ(x, 76);
    EXPECT_EQ(y, 47);
    piclib::LogoStamper::placement(placed(0, 7, 5, 3), 101, 60, 20, 10, &x, &y);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 3);
}

TEST(Logo, StampIsCutAtThePictureEdgesForEveryPlacement) {
    const auto logo = pictest::solidDib(20, 10, kRed);
    // Right and bottom: negative margins push the logo 15 pixels past the
    // right edge and 5 past the bottom.
    auto picture = pictest::solidDib(50, 30, kWhite);
    piclib::LogoStamper(picture).stamp(logo, placed(1, 1, -15, -5));
    EXPECT_EQ(changedArea(picture, kWhite), (platform::Rect{45, 25, 50, 30}));
    // Left and top beyond the picture, and a logo larger than the picture.
    auto small = pictest::solidDib(8, 6, kWhite);
    piclib::LogoStamper(small).stamp(logo, placed(0, 0, -4, -3));
    EXPECT_EQ(changedArea(small, kWhite), (platform::Rect{0, 0, 8, 6}));
    auto centred = pictest::solidDib(8, 6, kWhite);
    piclib::LogoStamper(centred).stamp(logo, placed(2, 2, 0, 0));
    EXPECT_EQ(changedArea(centred, kWhite), (platform::Rect{0, 0, 8, 6}));
}

TEST(Logo, TransparentPixelsLeaveThePictureUnchanged) {
    auto logo = pictest::solidDib(4, 4, 0x00FF00);
    std::uint8_t* p = logo.row(1) + 3 * 2;
    p[0] = 0x33;  // one blue-ish pixel at (2, 1)
    p[1] = 0;
    p[2] = 0;
    auto picture = pictest::solidDib(10, 10, kWhite);
    piclib::LogoStamper(picture).stamp(logo, placed(0, 0, 3, 3));
    EXPECT_EQ(changedArea(picture, kWhite), (platform::Rect{5, 4, 6, 5}));
    EXPECT_EQ(pictest::pixelAt(picture, 5, 4), 0x000033u);
}

TEST(Logo, EightBitPicturesGetNewColoursInUnusedEntriesFromTheTop) {
    auto picture = indexedPicture(4, 4, 256);
    picture.row(0)[0] = 254;  // 254 is in use, 253 is the highest free entry
    piclib::LogoStamper stamper(picture);
    stamper.setPixel(1, 1, 0x123456);
    EXPECT_EQ(picture.row(1)[1], 253);
    const platform::RgbQuad q = picture.colour(253);
    EXPECT_EQ(q.red, 0x12);
    EXPECT_EQ(q.green, 0x34);
    EXPECT_EQ(q.blue, 0x56);
    stamper.setPixel(2, 2, 0x123456);  // exact now: no second entry
    EXPECT_EQ(picture.row(2)[2], 253);
    stamper.setPixel(3, 3, 0x808080);  // grey 128 is in the table already
    EXPECT_EQ(picture.colour(picture.row(3)[3]).red, 128);
}

TEST(Logo, FullColourTableKeepsTheNearestColours) {
    // Four entries (black, grey 85, grey 170, white), all in use.
    auto picture = indexedPicture(4, 1, 4);
    for (int x = 0; x < 4; ++x) {
        picture.row(0)[x] = static_cast<std::uint8_t>(x);
    }
    piclib::LogoStamper stamper(picture);
    stamper.setPixel(0, 0, 0xB0A0B0);
    EXPECT_EQ(picture.row(0)[0], 2);
    EXPECT_EQ(picture.colour(2).red, 170);
    stamper.setPixel(1, 0, 0xF0F0F0);
    EXPECT_EQ(picture.row(0)[1], 3);
}

TEST(Logo, FourBitPicturesTakeTheNearestEntryInTheirHalfByte) {
    auto picture = platform::PackedDib::create(3, 1, 4, 16);
    picture.setColour(9, {0, 0, 255, 0});
    picture.row(0)[0] = 0x11;
    picture.row(0)[1] = 0x11;
    piclib::LogoStamper stamper(picture);
    stamper.setPixel(1, 0, 0xF00000);
    stamper.setPixel(2, 0, 0xFF0000);
    EXPECT_EQ(picture.row(0)[0], 0x19);
    EXPECT_EQ(picture.row(0)[1], 0x91);
}

TEST(Logo, MergeLogoStampsTheLogoFileOnlyWhenEnabled) {
    const std::string dir = pictest::scratchFolder("logo");
    piclib::PictureFileWriter writer;
    writer.fields = placed(2, 2, 0, 0);
    writer.emblem = pictest::encoded(pictest::filled(20, 10, qRgb(255, 0, 0)), "png");
    writer.picture = writer.emblem;
    ASSERT_TRUE(writer.write(dir + "/RED.LGO"));
    writer.fields.logoEnabled = 0;
    ASSERT_TRUE(writer.write(dir + "/OFF.LGO"));

    const auto picture = pictest::solidDib(101, 30, kWhite);
    const int handle =
        IMGCreateFromDib(picture.data(), static_cast<std::uint32_t>(picture.size())) + 1;
    EXPECT_EQ(MergeLogo((dir + "/OFF.LGO").c_str(), handle), 1);
    EXPECT_EQ(MergeLogo((dir + "/RED.LGO").c_str(), 0), 0);
    std::uint8_t* block = IMGGetDib(handle - 1, nullptr, nullptr, nullptr);
    auto stamped = platform::PackedDib::fromBlock({block, block + IMGGetDibSize(handle - 1)});
    EXPECT_EQ(changedArea(stamped, kWhite).right, 0);
    EXPECT_EQ(MergeLogo((dir + "/RED.LGO").c_str(), handle), 1);
    stamped = platform::PackedDib::fromBlock({block, block + IMGGetDibSize(handle - 1)});
    EXPECT_EQ(changedArea(stamped, kWhite), (platform::Rect{40, 10, 60, 20}));
    EXPECT_EQ(pictest::pixelAt(stamped, 40, 10), kRed);
    DeletePicture(handle);
}

TEST(Logo, FileWithoutInformationGivesTheBuiltInLogo) {
    const std::string dir = pictest::scratchFolder("nologo");
    pictest::writeFile(dir + "/PLAIN.BMP",
                       pictest::encoded(pictest::filled(5, 5, qRgb(9, 9, 9)), "bmp"));
    EXPECT_EQ(GetLogoHandle((dir + "/PLAIN.BMP").c_str(), 0), 0);
    const int logo = GetLogoHandle((dir + "/PLAIN.BMP").c_str(), 1);
    ASSERT_NE(logo, 0);
    int w = 0, h = 0, bits = 0;
    std::uint8_t* block = IMGGetDib(logo - 1, &w, &h, &bits);
    EXPECT_EQ(bits, 24);
    const auto dib = platform::PackedDib::fromBlock({block, block + IMGGetDibSize(logo - 1)});
    // Transparent green around the mosaic, tiles inside.
    EXPECT_EQ(pictest::pixelAt(dib, 0, 0), 0x00FF00u);
    EXPECT_NE(pictest::pixelAt(dib, w / 2 + 2, h / 2 + 2), 0x00FF00u);
    DeletePicture(logo);
}
