#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <vector>

#include "platform/ByteWriter.h"
#include "platform/DibDecoder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A 4 x 2 RLE8 bitmap without file header: two colours, rows bottom-up.
Bytes rleBitmap() {
    platform::ByteWriter w;
    for (std::uint32_t v : {40u, 4u, 2u}) {
        w.u32(v);
    }
    w.u16(1);
    w.u16(8);
    w.u32(1);  // RLE8
    for (int i = 0; i < 3; ++i) {
        w.u32(0);
    }
    w.u32(2);  // colours used
    w.u32(0);
    w.u32(0x000000FF);
    w.u32(0x0000FF00);
    // Bottom row: three of colour 1, end of line; a delta that moves nothing;
    // top row: an absolute run of three (one pad byte); end of bitmap.
    for (std::uint8_t b : {3, 1, 0, 0, 0, 2, 5, 5, 0, 3, 1, 0, 1, 0, 0, 1}) {
        w.u8(b);
    }
    return w.take();
}

TEST(DibDecoder, Rle8ExpandsWithEndOfLineAndIgnoredDelta) {
    const Bytes file = rleBitmap();
    std::string error;
    const platform::PackedDib dib = platform::decodeDib(file, &error);
    ASSERT_FALSE(dib.isNull()) << error;
    EXPECT_EQ(dib.header().compression, 0u);
    EXPECT_EQ(dib.header().sizeImage, 8u);
    const std::uint8_t* bottom = dib.row(1);
    const std::uint8_t* top = dib.row(0);
    EXPECT_EQ(Bytes(bottom, bottom + 4), (Bytes{1, 1, 1, 0}));
    EXPECT_EQ(Bytes(top, top + 4), (Bytes{1, 0, 1, 0}));
    EXPECT_EQ(dib.colour(1).green, 0xFF);
}

TEST(DibDecoder, EveryTruncationOfRle8IsRefused) {
    const Bytes file = rleBitmap();
    for (std::size_t n = 0; n < file.size(); ++n) {
        EXPECT_TRUE(platform::decodeDib(std::span(file.data(), n)).isNull()) << n;
    }
}

TEST(DibDecoder, RunsPastTheImageAndLyingHeadersAreRefused) {
    Bytes over = rleBitmap();
    over[over.size() - 16] = 200;  // first run longer than the whole image
    EXPECT_TRUE(platform::decodeDib(over).isNull());
    Bytes colours = rleBitmap();
    colours[33] = 0x01;  // colours used 0x102
    EXPECT_TRUE(platform::decodeDib(colours).isNull());
    Bytes huge = rleBitmap();
    huge[4] = huge[5] = huge[6] = 0xFF;
    huge[7] = 0x7F;  // width 2^31 - 1
    EXPECT_TRUE(platform::decodeDib(huge).isNull());
}

TEST(DibDecoder, ImagesLargerThanTheirBytesCouldHoldAreRefused) {
    Bytes plain = rleBitmap();
    plain[16] = 0;  // uncompressed: 8 pixel bytes stated, 8 present
    plain.resize(plain.size() - 8);
    EXPECT_FALSE(platform::decodeDib(plain).isNull());
    plain[4] = plain[8] = 0x40;  // 64 x 64: rows the input cannot hold
    EXPECT_TRUE(platform::decodeDib(plain).isNull());
    Bytes rle = rleBitmap();
    rle[5] = rle[9] = 0x40;  // 16448 x 16448 from a few run pairs
    EXPECT_TRUE(platform::decodeDib(rle).isNull());
}

TEST(DibDecoder, CoreHeaderIsWidenedAndFileHeaderHonoured) {
    platform::ByteWriter w;
    w.u16(0x4D42);
    w.u32(0);
    w.u32(0);
    w.u32(14 + 12 + 6 + 2);  // two pad bytes before the bits
    w.u32(12);
    w.u16(2);
    w.u16(1);
    w.u16(1);
    w.u16(1);
    for (std::uint8_t b : {10, 20, 30, 40, 50, 60, 0xEE, 0xEE, 0x40, 0, 0, 0}) {
        w.u8(b);
    }
    const platform::PackedDib dib = platform::decodeDib(w.bytes());
    ASSERT_FALSE(dib.isNull());
    EXPECT_EQ(dib.header().size, 40u);
    EXPECT_EQ(dib.header().clrUsed, 2u);
    EXPECT_EQ(dib.colour(1).red, 60);
    EXPECT_EQ(dib.colour(1).reserved, 0);
    EXPECT_EQ(dib.row(0)[0], 0x40);
}

TEST(DibDecoder, MatchesQtForFilesQtWrites) {
    QImage source(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            source.setPixel(x, y, qRgb(x * 50, y * 80, 7));
        }
    }
    for (QImage image : {source, source.convertToFormat(QImage::Format_Indexed8)}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(image.save(&buffer, "BMP"));
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        const platform::PackedDib dib =
            platform::decodeDib(std::span(data, static_cast<std::size_t>(bytes.size())));
        ASSERT_FALSE(dib.isNull());
        ASSERT_EQ(dib.width(), 5);
        ASSERT_EQ(dib.height(), 3);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 5; ++x) {
                const std::uint8_t* row = dib.row(y);
                QRgb got;
                if (const int bits = dib.bitCount(); bits <= 8) {
                    const int shift = 8 - bits - (x * bits) % 8;
                    const int index = (row[x * bits / 8] >> shift) & ((1 << bits) - 1);
                    const platform::RgbQuad q = dib.colour(static_cast<std::uint32_t>(index));
                    got = qRgb(q.red, q.green, q.blue);
                } else {
                    const std::uint8_t* p = row + x * (dib.bitCount() / 8);
                    got = qRgb(p[2], p[1], p[0]);
                }
                EXPECT_EQ(got, image.pixel(x, y) | 0xFF000000u) << x << "," << y;
            }
        }
    }
}

// A 5 x 3 RLE4 bitmap: an encoded run, end of line, an absolute run of
// three pixels (padded to a 16-bit boundary), a delta, and end of bitmap.
Bytes rle4Bitmap(const Bytes& coded) {
    platform::ByteWriter w;
    for (std::uint32_t v : {40u, 5u, 3u}) {
        w.u32(v);
    }
    w.u16(1);
    w.u16(4);
    w.u32(2);  // RLE4
    for (int i = 0; i < 3; ++i) {
        w.u32(0);
    }
    w.u32(16);
    w.u32(0);
    for (std::uint32_t i = 0; i < 16; ++i) {
        w.u32(i * 0x00111111u);
    }
    for (std::uint8_t b : coded) {
        w.u8(b);
    }
    return w.take();
}

TEST(DibDecoder, Rle4ExpandsRunsAbsoluteRunsAndDeltas) {
    const Bytes file = rle4Bitmap({5, 0x12, 0, 0, 0, 3, 0xAB, 0xC0, 0, 2, 0, 1, 2, 0x77, 0, 1});
    std::string error;
    const platform::PackedDib dib = platform::decodeDib(file, &error);
    ASSERT_FALSE(dib.isNull()) << error;
    EXPECT_EQ(dib.header().compression, 0u);
    EXPECT_EQ(Bytes(dib.row(2), dib.row(2) + 3), (Bytes{0x12, 0x12, 0x10}));
    EXPECT_EQ(Bytes(dib.row(1), dib.row(1) + 3), (Bytes{0xAB, 0xC0, 0x00}));
    // The delta moved one row up from pixel 3.
    EXPECT_EQ(Bytes(dib.row(0), dib.row(0) + 3), (Bytes{0x00, 0x07, 0x70}));
    // A run past the row's end, and rows past the top, are refused.
    EXPECT_TRUE(platform::decodeDib(rle4Bitmap({0, 2, 4, 2, 2, 0x77, 0, 1})).isNull());
    EXPECT_TRUE(platform::decodeDib(rle4Bitmap({0, 0, 0, 0, 0, 0, 1, 0x11, 0, 1})).isNull());
    for (std::size_t n = 0; n < file.size(); ++n) {
        EXPECT_TRUE(platform::decodeDib(std::span(file.data(), n)).isNull()) << n;
    }
}

}  // namespace
