#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform_export.h"

namespace platform {

// The 40-byte bitmap information header at the start of a packed DIB, read and
// written field by field in little-endian order.
struct PLATFORM_EXPORT BitmapInfoHeader {
    std::uint32_t size = 40;
    std::int32_t width = 0;
    std::int32_t height = 0;  // positive: rows stored bottom-up
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;

    static constexpr std::size_t kBytes = 40;
    static BitmapInfoHeader read(const std::uint8_t* p);
    void write(std::uint8_t* p) const;
};

struct RgbQuad {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;
};

// Bytes of one pixel row, padded to a multiple of 4.
constexpr std::size_t dibStride(int width, int bitCount) {
    return ((static_cast<std::size_t>(bitCount) * static_cast<std::size_t>(width) + 31) / 32) * 4;
}

// Entries of the colour table: clrUsed, or 2^bitCount when that is 0 and the
// bit count is 8 or less; otherwise 0.
PLATFORM_EXPORT std::uint32_t dibColourCount(const BitmapInfoHeader& h);

// A packed device-independent bitmap owned in one contiguous block: header,
// colour table, then the pixel rows bottom-up. data() is the address the
// library exports hand around.
class PLATFORM_EXPORT PackedDib {
public:
    PackedDib() = default;
    // A zero-filled bitmap of 1, 4, 8 or 24 bits; colours is the colour-table
    // size (ignored for 24 bits). clrUsed and sizeImage are filled in.
    static PackedDib create(int width, int height, int bitCount, int colours = 0);
    // Takes a block and checks that header, colour table and rows fit in it;
    // returns a null PackedDib when they do not.
    static PackedDib fromBlock(std::vector<std::uint8_t> block);

    bool isNull() const { return block_.empty(); }
    BitmapInfoHeader header() const { return BitmapInfoHeader::read(block_.data()); }
    void setHeader(const BitmapInfoHeader& h) { h.write(block_.data()); }
    int width() const { return header().width; }
    int height() const;  // absolute value
    int bitCount() const { return header().bitCount; }
    std::uint32_t colourCount() const { return dibColourCount(header()); }
    std::size_t stride() const { return dibStride(width(), bitCount()); }

    RgbQuad colour(std::uint32_t index) const;
    void setColour(std::uint32_t index, RgbQuad q);
    // Row y counted from the top of the picture.
    std::uint8_t* row(int y);
    const std::uint8_t* row(int y) const;

    std::uint8_t* data() { return block_.data(); }
    const std::uint8_t* data() const { return block_.data(); }
    std::size_t size() const { return block_.size(); }
    std::size_t pixelOffset() const;
    const std::vector<std::uint8_t>& block() const { return block_; }

private:
    std::vector<std::uint8_t> block_;
};

}  // namespace platform
