#include <QImage>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "BKIT32.h"
#include "BkitFixture.h"
#include "platform/ByteWriter.h"

namespace {

// An 8-bit bitmap file: colour i of the table is (i, 255 - i, 3i), pixel
// (c, r) counted from the top is pixel(c, r).
std::vector<std::uint8_t> bitmap8(int width, int height, int colours,
                                  const std::function<std::uint8_t(int, int)>& pixel,
                                  bool fileHeader = true) {
    const int stride = (width + 3) / 4 * 4;
    platform::ByteWriter w;
    if (fileHeader) {
        w.u16(0x4D42);
        w.u32(static_cast<std::uint32_t>(54 + 4 * colours + stride * height));
        w.u32(0);
        w.u32(static_cast<std::uint32_t>(54 + 4 * colours));
    }
    w.u32(40);
    w.i32(width);
    w.i32(height);
    w.u16(1);
    w.u16(8);
    w.u32(0);
    w.u32(0);  // image size left 0: the loader fills it in
    w.u32(0);
    w.u32(0);
    w.u32(static_cast<std::uint32_t>(colours));
    w.u32(0);
    for (int i = 0; i < colours; ++i) {
        w.u8(static_cast<std::uint8_t>(3 * i));
        w.u8(static_cast<std::uint8_t>(255 - i));
        w.u8(static_cast<std::uint8_t>(i));
        w.u8(0);
    }
    for (int r = height - 1; r >= 0; --r) {
        for (int c = 0; c < stride; ++c) {
            w.u8(c < width ? pixel(c, r) : 0);
        }
    }
    return w.take();
}

platform::Pixel colourOf(int i) {
    return static_cast<platform::Pixel>(i << 16 | (255 - i) << 8 | (3 * i & 0xFF));
}

class BitmapTest : public BkitFixture {
  protected:
    PACKEDDIB load(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(dir_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return BKITLoad(file(name).c_str());
    }
    static platform::Surface drawn(PACKEDDIB dib) {
        platform::Surface s(BKITWidth(dib), std::abs(BKITHeight(dib)), 0x00ABCDEF);
        EXPECT_EQ(BKITDraw(dib, &s, 0, 0), s.height());
        return s;
    }
    std::vector<std::uint8_t> read(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    bool convert(const std::string& args, const std::string& out) const {
        const std::string command =
            "cd '" + dir_.string() + "' && convert source.ppm " + args + " " + out + " 2>/dev/null";
        return std::system(command.c_str()) == 0;
    }
};

void expectSame(const platform::Surface& s, const QImage& q, const std::string& kind) {
    ASSERT_EQ(s.width(), q.width()) << kind;
    ASSERT_EQ(s.height(), q.height()) << kind;
    for (int y = 0; y < q.height(); ++y) {
        for (int x = 0; x < q.width(); ++x) {
            ASSERT_EQ(s.pixel(x, y), q.pixel(x, y) & 0xFFFFFFu) << kind << " at " << x << "," << y;
        }
    }
}

TEST_F(BitmapTest, EveryKindOfBitmapFileMatchesQtsDecoding) {
    std::string ppm = "P6\n13 7\n255\n";
    for (int i = 0; i < 13 * 7; ++i) {
        ppm += static_cast<char>(i * 29 % 256);
        ppm += static_cast<char>(i * 7 % 256);
        ppm += static_cast<char>((i % 13) * 20);
    }
    std::ofstream(dir_ / "source.ppm", std::ios::binary) << ppm;
    const std::vector<std::pair<std::string, std::string>> kinds = {
        {"-type truecolor", "BMP3:k24.bmp"},
        {"-colors 60 -type palette", "BMP3:k8.bmp"},
        {"-colors 60 -type palette -compress RLE", "BMP3:krle.bmp"},
        {"-colors 12 -type palette", "BMP3:k4.bmp"},
        {"-monochrome", "BMP3:k1.bmp"},
        {"-colors 60 -type palette", "BMP2:kcore.bmp"},
    };
    for (const auto& [args, out] : kinds) {
        if (!convert(args, out)) {
            GTEST_SKIP() << "ImageMagick's convert is not available";
        }
        const std::string name = out.substr(5);
        PACKEDDIB dib = BKITLoad(file(name).c_str());
        ASSERT_NE(dib, nullptr) << name;
        expectSame(drawn(dib), QImage(QString::fromStdString(file(name))), name);
        BKITFree(dib);
    }
    // The same 8-bit file without its file header, and the 24-bit one stored top-down.
    const auto k8 = read("k8.bmp");
    PACKEDDIB bare = load("bare.dib", {k8.begin() + 14, k8.end()});
    ASSERT_NE(bare, nullptr);
    expectSame(drawn(bare), QImage(QString::fromStdString(file("k8.bmp"))), "no file header");
    auto k24 = read("k24.bmp");
    const int stride = (13 * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> flipped(k24.begin(), k24.begin() + 54);
    for (int r = 6; r >= 0; --r) {
        flipped.insert(flipped.end(), k24.begin() + 54 + r * stride,
                       k24.begin() + 54 + (r + 1) * stride);
    }
    flipped[22] = static_cast<std::uint8_t>(-7);
    std::fill(flipped.begin() + 23, flipped.begin() + 26, 0xFF);
    PACKEDDIB topDown = load("topdown.bmp", flipped);
    ASSERT_NE(topDown, nullptr);
    EXPECT_EQ(BKITHeight(topDown), -7);
    expectSame(drawn(topDown), QImage(QString::fromStdString(file("k24.bmp"))), "top-down");
    BKITFree(bare);
    BKITFree(topDown);
}

TEST_F(BitmapTest, MaskedDrawingMatchesAPixelByPixelExpectation) {
    const auto image = [](int c, int r) { return static_cast<std::uint8_t>(c * 16 + r); };
    const auto mask = [](int c, int r) {
        return static_cast<std::uint8_t>((c * 37 + r * 91) % 256);
    };
    PACKEDDIB pic = load("pic.bmp", bitmap8(9, 6, 256, image));
    PACKEDDIB cut = load("mask.bmp", bitmap8(8, 7, 256, mask));
    platform::Surface s(20, 20, 0x123456);
    EXPECT_EQ(BKITDibDrawWithMask(&s, pic, cut, 3, 4, 5, 0, 2, 1), 0);
    platform::Surface expected(20, 20, 0x123456);
    for (int r = 1; r < 6; ++r) {
        for (int c = 2; c < 7; ++c) {
            if (mask(c, r) < 127) {
                expected.setPixel(3 + c - 2, 4 + r, colourOf(image(c, r)));
            }
        }
    }
    EXPECT_TRUE(s == expected);
    BKITFree(pic);
    BKITFree(cut);
}

TEST_F(BitmapTest, MirroringSwapsColumnsAndTwiceGivesTheOriginal) {
    PACKEDDIB one = load("one.bmp", bitmap8(1, 3, 8, [](int, int r) { return r; }));
    PACKEDDIB two = load("two.bmp", bitmap8(2, 2, 8, [](int c, int r) { return c + 2 * r; }));
    PACKEDDIB odd = load("odd.bmp", bitmap8(7, 5, 64, [](int c, int r) { return c * 5 + r; }));
    const platform::Surface before = drawn(odd);
    BKITMirror256(one);
    BKITMirror256(two);
    EXPECT_TRUE(drawn(one) ==
                drawn(load("one2.bmp", bitmap8(1, 3, 8, [](int, int r) { return r; }))));
    EXPECT_EQ(drawn(two).pixel(0, 1), colourOf(3));
    EXPECT_EQ(drawn(two).pixel(1, 1), colourOf(2));
    BKITMirror256(odd);
    EXPECT_EQ(drawn(odd).pixel(6, 0), before.pixel(0, 0));
    BKITMirror256(odd);
    EXPECT_TRUE(drawn(odd) == before);
    EXPECT_EQ(BKITMirror256(nullptr), 0);
}

TEST_F(BitmapTest, MappingToAPaletteGrowsOrShrinksTheTableAndKeepsNearestColours) {
    PACKEDDIB dib = load("four.bmp", bitmap8(5, 3, 4, [](int c, int r) { return (c + r) % 4; }));
    const platform::Surface before = drawn(dib);
    HPALETTE own = CreateDIBPalette(dib);
    ASSERT_EQ(GetPaletteSize(own), 4);
    // A larger palette holding the four colours among others: nothing changes on screen.
    std::vector<PALETTEENTRY> wide;
    for (int i = 0; i < 10; ++i) {
        wide.push_back({static_cast<std::uint8_t>(200 - i), 7, 9, 0});
    }
    for (int i = 0; i < 4; ++i) {
        GetPaletteEntries(own, static_cast<unsigned>(i), 1,
                          &wide[static_cast<std::size_t>(9 - 2 * i)]);
    }
    HPALETTE big = CreatePalette(wide.data(), 10);
    BKITDibMapToPalette(dib, big);
    EXPECT_TRUE(drawn(dib) == before);
    HPALETTE after = CreateDIBPalette(dib);
    EXPECT_EQ(GetPaletteSize(after), 10);
    // And back to the small one: still the same picture.
    BKITDibMapToPalette(dib, own);
    EXPECT_TRUE(drawn(dib) == before);
    // Two colours: each pixel takes the nearer.
    const PALETTEENTRY two[2] = {{0, 255, 0, 0}, {3, 252, 9, 0}};
    HPALETTE small = CreatePalette(two, 2);
    BKITDibMapToPalette(dib, small);
    const platform::Surface mapped = drawn(dib);
    EXPECT_EQ(mapped.pixel(0, 0), colourOf(0));  // colour 0 is palette entry 0 itself
    EXPECT_EQ(mapped.pixel(1, 0), colourOf(0));  // colour 1 is nearer entry 0
    EXPECT_EQ(mapped.pixel(2, 0), colourOf(3));  // colour 2 is nearer entry 1 (colour 3)
    for (HPALETTE p : {own, big, after, small}) {
        DeletePalette(p);
    }
    BKITFree(dib);
}

TEST_F(BitmapTest, MalformedFilesGiveNullHandles) {
    // An RLE8 file of 4 x 2 pixels: every shorter cut is refused.
    platform::ByteWriter w;
    w.u16(0x4D42);
    w.u32(0);
    w.u32(0);
    w.u32(54 + 8);
    for (const std::uint32_t v : {40u, 4u, 2u}) {
        w.u32(v);
    }
    w.u16(1);
    w.u16(8);
    w.u32(1);
    w.u32(16);
    w.u32(0);
    w.u32(0);
    w.u32(2);
    w.u32(0);
    w.u32(0x000000FF);
    w.u32(0x00FF0000);
    for (const std::uint8_t b : {4, 1, 0, 0, 0, 2, 9, 9, 0, 4, 0, 1, 0, 1, 0, 1}) {
        w.u8(b);
    }
    const auto rle = w.take();
    PACKEDDIB whole = load("rle.bmp", rle);
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(drawn(whole).pixel(0, 1), 0xFF0000u);
    EXPECT_EQ(drawn(whole).pixel(0, 0), 0x0000FFu);
    BKITFree(whole);
    for (std::size_t n = 0; n < rle.size(); ++n) {
        ASSERT_EQ(load("cut.bmp", {rle.begin(), rle.begin() + static_cast<std::ptrdiff_t>(n)}),
                  nullptr)
            << n;
    }
    const auto lying = [&](std::size_t offset, std::uint32_t value) {
        auto bytes = bitmap8(4, 4, 16, [](int c, int) { return c; });
        for (int i = 0; i < 4; ++i) {
            bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
        return load("lie.bmp", bytes);
    };
    EXPECT_EQ(lying(14, 1000), nullptr);        // header size
    EXPECT_EQ(lying(46, 300), nullptr);         // colours used
    EXPECT_EQ(lying(18, 0x7FFFFFFF), nullptr);  // stride overflows
    EXPECT_EQ(lying(22, 100), nullptr);         // rows past the end
    EXPECT_EQ(BKITLoad(file("none.bmp").c_str()), nullptr);
    EXPECT_EQ(BKITWidth(nullptr), 0);
    EXPECT_EQ(BKITHeight(nullptr), 0);
    EXPECT_EQ(BKITDraw(nullptr, nullptr, 0, 0), 0);
    EXPECT_EQ(CreateDIBPalette(nullptr), nullptr);
    BKITFree(nullptr);
}

void inThisModule() {}

TEST_F(BitmapTest, ResourcesAreTheModulesOwnAndOutliveFree) {
    PACKEDDIB tile = BKITLoad("TILE");  // no such file: the executable's resource
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(BKITWidth(tile), 3);
    EXPECT_EQ(BKITHeight(tile), 2);
    BKITFree(tile);
    EXPECT_EQ(BKITWidth(tile), 3);
    EXPECT_EQ(BKITLoadFromResource("TILE", reinterpret_cast<HINSTANCE>(&inThisModule)), tile);
    EXPECT_EQ(BKITLoadFromResource("TILE", reinterpret_cast<HINSTANCE>(&BKITLoad)), nullptr);
    EXPECT_EQ(BKITLoadFromResource("NONE", nullptr), nullptr);
}

}  // namespace
