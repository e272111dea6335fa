#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "TestPictures.h"
#include "imagelib.h"
#include "platform/PackedDib.h"

namespace {

// Colour of pixel (x, y) counted from the top of a slot, 0x00RRGGBB.
std::uint32_t slotPixel(int slot, int x, int y) {
    int w = 0, h = 0, bits = 0;
    const std::uint8_t* block = IMGGetDib(slot, &w, &h, &bits);
    const auto dib = platform::PackedDib::fromBlock({block, block + IMGGetDibSize(slot)});
    const std::uint8_t* row = dib.row(y);
    if (bits == 8) {
        const platform::RgbQuad q = dib.colour(row[x]);
        return (q.red << 16) | (q.green << 8) | q.blue;
    }
    return (row[3 * x + 2] << 16) | (row[3 * x + 1] << 8) | row[3 * x];
}

bool near(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) -
                     static_cast<int>((b >> shift) & 0xFF)) > tolerance) {
            return false;
        }
    }
    return true;
}

int readFileAt(const std::string& path, long offset) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    const int slot = IMGReadFromFile(f, offset, 0);
    std::fclose(f);
    return slot;
}

struct FormatCase {
    const char* name;
    QByteArray bytes;
    int tolerance;
};

std::vector<FormatCase> allFormats() {
    const QImage image = testpics::quadrants(40, 30);
    return {
        {"jpeg", testpics::encode(image, "jpeg"), 40}, {"png", testpics::encode(image, "png"), 0},
        {"bmp", testpics::encode(image, "bmp"), 0},    {"gif", testpics::encode(image, "gif"), 0},
        {"tiff", testpics::encode(image, "tiff"), 0},  {"tga", testpics::targa(image, false), 0},
        {"tga-rle", testpics::targa(image, true), 0}};
}

}  // namespace

TEST(ReadPicture, EveryFormatAtAnOffsetAmongOtherBytes) {
    const QByteArray prefix(37, 'x');
    const QByteArray suffix = QByteArray(500, '\x7F') + QByteArray("PZQV", 5);
    for (const FormatCase& c : allFormats()) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.bytes.isEmpty());
        const auto path =
            testpics::writeEmbedded(std::string("embedded.") + c.name, prefix, c.bytes, suffix);
        const int slot = readFileAt(path, prefix.size());
        ASSERT_GE(slot, 0);
        int l = -1, t = -1, r = 0, b = 0;
        ASSERT_EQ(IMGGetRect(slot, &l, &t, &r, &b), 1);
        EXPECT_EQ(l, 0);
        EXPECT_EQ(t, 0);
        EXPECT_EQ(r, 40);
        EXPECT_EQ(b, 30);
        EXPECT_TRUE(near(slotPixel(slot, 2, 2), 0xFF0000, c.tolerance));
        EXPECT_TRUE(near(slotPixel(slot, 37, 2), 0x00FF00, c.tolerance));
        EXPECT_TRUE(near(slotPixel(slot, 2, 27), 0x0000FF, c.tolerance));
        EXPECT_TRUE(near(slotPixel(slot, 37, 27), 0xFFFFFF, c.tolerance));
        IMGFree(slot);
    }
}

TEST(ReadPicture, TruncatedPicturesAreRefused) {
    for (const FormatCase& c : allFormats()) {
        SCOPED_TRACE(c.name);
        for (const double part : {0.3, 0.8}) {
            const QByteArray cut = c.bytes.left(static_cast<int>(c.bytes.size() * part));
            const auto path = testpics::writeEmbedded(std::string("cut.") + c.name, {}, cut, {});
            EXPECT_EQ(readFileAt(path, 0), -1) << "part " << part;
        }
    }
}

TEST(ReadPicture, CorruptAndEmptyInputIsRefused) {
    std::srand(7);
    QByteArray noise(4000, '\0');
    for (char& ch : noise) {
        ch = static_cast<char>(std::rand() & 0xFF);
    }
    EXPECT_EQ(IMGReadFromMemory(reinterpret_cast<const std::uint8_t*>(noise.data()), 4000), -1);
    QByteArray png = testpics::encode(testpics::quadrants(40, 30), "png");
    for (int i = 40; i < png.size() - 20; i += 7) {
        png[i] = static_cast<char>(png[i] ^ 0x5A);
    }
    EXPECT_EQ(IMGReadFromMemory(reinterpret_cast<const std::uint8_t*>(png.data()),
                                static_cast<std::uint32_t>(png.size())),
              -1);
    EXPECT_EQ(IMGReadFromMemory(nullptr, 10), -1);
    EXPECT_EQ(IMGReadFromFile(nullptr, 0, 0), -1);
    const auto path = testpics::writeEmbedded("short.bin", {}, QByteArray("BM"), {});
    EXPECT_EQ(readFileAt(path, 0), -1);
    EXPECT_EQ(readFileAt(path, 100), -1);
}

TEST(ReadPicture, PicturesBeyondSixteenBitSidesAreRefusedWithoutDecoding) {
    // A Targa header claiming 40000 x 2 pixels of 24 bits, with all its bytes.
    QByteArray tga(18, '\0');
    tga[2] = 2;
    tga[12] = static_cast<char>(40000 & 0xFF);
    tga[13] = static_cast<char>(40000 >> 8);
    tga[14] = 2;
    tga[16] = 24;
    tga.append(QByteArray(40000 * 2 * 3, '\x10'));
    EXPECT_EQ(IMGReadFromMemory(reinterpret_cast<const std::uint8_t*>(tga.data()),
                                static_cast<std::uint32_t>(tga.size())),
              -1);
    // A PNG whose header claims 20000 x 20000 (400 megapixels).
    QByteArray png = testpics::encode(testpics::quadrants(4, 4), "png");
    const char side[4] = {0, 0, 0x4E, 0x20};
    png.replace(16, 4, QByteArray(side, 4));
    png.replace(20, 4, QByteArray(side, 4));
    const quint32 crc = testpics::pngCrc(png.mid(12, 17));
    const char crcBytes[4] = {static_cast<char>(crc >> 24), static_cast<char>(crc >> 16),
                              static_cast<char>(crc >> 8), static_cast<char>(crc)};
    png.replace(29, 4, QByteArray(crcBytes, 4));
    EXPECT_EQ(IMGReadFromMemory(reinterpret_cast<const std::uint8_t*>(png.data()),
                                static_cast<std::uint32_t>(png.size())),
              -1);
}

TEST(ReadPicture, PingTellsSizeWithoutASlot) {
    const auto path = testpics::writeEmbedded(
        "ping.gif", {}, testpics::encode(testpics::quadrants(21, 9), "gif"), {});
    int w = 0, h = 0, bits = 0;
    ASSERT_EQ(IMGPingFile(path.c_str(), &w, &h, &bits), 1);
    EXPECT_EQ(w, 21);
    EXPECT_EQ(h, 9);
    EXPECT_GT(bits, 0);
    EXPECT_EQ(IMGPingFile("/nonexistent/file.gif", &w, &h, &bits), 0);
}

TEST(ReadPicture, ProgressGrowsToHundredWhileALargePictureIsReadAndResampled) {
    static std::vector<int> seen;
    seen.clear();
    const QByteArray jpeg = testpics::encode(testpics::quadrants(1600, 1200), "jpeg");
    int record = 0;
    IMGSetProgress(
        &record,
        [](void*, int percent) {
            seen.push_back(percent);
            return 0;
        },
        1);
    const int slot = IMGReadFromMemory(reinterpret_cast<const std::uint8_t*>(jpeg.data()),
                                       static_cast<std::uint32_t>(jpeg.size()));
    const std::vector<int> reading = seen;
    seen.clear();
    ASSERT_GE(slot, 0);
    EXPECT_EQ(IMGResample(slot, 800, 600), 1);
    IMGSetProgress(nullptr, nullptr, 0);
    IMGFree(slot);
    for (const auto& run : {reading, seen}) {
        ASSERT_GT(run.size(), 10u);
        EXPECT_EQ(run.back(), 100);
        for (std::size_t i = 1; i < run.size(); ++i) {
            EXPECT_LT(run[i - 1], run[i]);
        }
    }
}

// With a decode floor a JPEG of the named size is read at the smallest of the
// decoder's scales that still covers the floor, with its colours in place;
// pictures of another size, and reads after the floor is lifted, stay whole.
TEST(ReadPicture, AJpegIsDecodedAtTheSmallestScaleThatCoversTheFloor) {
    const QByteArray jpeg = testpics::encode(testpics::quadrants(1600, 1200), "jpeg");
    const auto read = [&] {
        return IMGReadFromMemory(reinterpret_cast<const std::uint8_t*>(jpeg.data()),
                                 static_cast<std::uint32_t>(jpeg.size()));
    };
    struct Case {
        int fullWidth, fullHeight, floorWidth, floorHeight, width, height;
    };
    const Case cases[] = {{1600, 1200, 700, 500, 800, 600},   {1600, 1200, 300, 100, 400, 300},
                          {1600, 1200, 150, 150, 200, 150},   {1600, 1200, 801, 10, 1600, 1200},
                          {1600, 1201, 100, 100, 1600, 1200}, {0, 0, 0, 0, 1600, 1200}};
    for (const Case& c : cases) {
        IMGSetDecodeFloor(c.fullWidth, c.fullHeight, c.floorWidth, c.floorHeight);
        const int slot = read();
        IMGSetDecodeFloor(0, 0, 0, 0);
        ASSERT_GE(slot, 0);
        int w = 0, h = 0, bits = 0;
        IMGGetDib(slot, &w, &h, &bits);
        EXPECT_EQ(w, c.width) << c.floorWidth;
        EXPECT_EQ(h, c.height) << c.floorWidth;
        EXPECT_TRUE(near(slotPixel(slot, w / 4, h / 4), 0xFF0000, 8));
        EXPECT_TRUE(near(slotPixel(slot, 3 * w / 4, 3 * h / 4), 0xFFFFFF, 8));
        IMGFree(slot);
    }
}
