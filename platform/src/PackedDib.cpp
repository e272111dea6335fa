#include "platform/PackedDib.h"

#include <cstdlib>

namespace platform {
namespace {

std::uint16_t get16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t get32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
void put16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
void put32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

}  // namespace

BitmapInfoHeader BitmapInfoHeader::read(const std::uint8_t* p) {
    BitmapInfoHeader h;
    h.size = get32(p);
    h.width = static_cast<std::int32_t>(get32(p + 4));
    h.height = static_cast<std::int32_t>(get32(p + 8));
    h.planes = get16(p + 12);
    h.bitCount = get16(p + 14);
    h.compression = get32(p + 16);
    h.sizeImage = get32(p + 20);
    h.xPelsPerMeter = static_cast<std::int32_t>(get32(p + 24));
    h.yPelsPerMeter = static_cast<std::int32_t>(get32(p + 28));
    h.clrUsed = get32(p + 32);
    h.clrImportant = get32(p + 36);
    return h;
}

void BitmapInfoHeader::write(std::uint8_t* p) const {
    put32(p, size);
    put32(p + 4, static_cast<std::uint32_t>(width));
    put32(p + 8, static_cast<std::uint32_t>(height));
    put16(p + 12, planes);
    put16(p + 14, bitCount);
    put32(p + 16, compression);
    put32(p + 20, sizeImage);
    put32(p + 24, static_cast<std::uint32_t>(xPelsPerMeter));
    put32(p + 28, static_cast<std::uint32_t>(yPelsPerMeter));
    put32(p + 32, clrUsed);
    put32(p + 36, clrImportant);
}

std::uint32_t dibColourCount(const BitmapInfoHeader& h) {
    if (h.clrUsed != 0) {
        return h.clrUsed;
    }
    if (h.bitCount <= 8) {
        return 1u << h.bitCount;
    }
    return 0;
}

PackedDib PackedDib::create(int width, int height, int bitCount, int colours) {
    BitmapInfoHeader h;
    h.width = width;
    h.height = height;
    h.bitCount = static_cast<std::uint16_t>(bitCount);
    h.clrUsed =
        bitCount <= 8 ? static_cast<std::uint32_t>(colours > 0 ? colours : 1 << bitCount) : 0;
    h.sizeImage = static_cast<std::uint32_t>(dibStride(width, bitCount) * std::abs(height));
    PackedDib dib;
    dib.block_.assign(BitmapInfoHeader::kBytes + 4 * h.clrUsed + h.sizeImage, 0);
    h.write(dib.block_.data());
    return dib;
}

PackedDib PackedDib::fromBlock(std::vector<std::uint8_t> block) {
    if (block.size() < BitmapInfoHeader::kBytes) {
        return {};
    }
    const BitmapInfoHeader h = BitmapInfoHeader::read(block.data());
    if (h.size < BitmapInfoHeader::kBytes || h.width <= 0 || h.height == 0 || h.compression != 0 ||
        (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 24 &&
         h.bitCount != 32)) {
        return {};
    }
    const std::uint64_t colours = dibColourCount(h);
    const std::uint64_t rows =
        static_cast<std::uint64_t>(std::abs(static_cast<long long>(h.height)));
    const std::uint64_t need =
        h.size + 4 * colours + static_cast<std::uint64_t>(dibStride(h.width, h.bitCount)) * rows;
    if (colours > 256 || need > block.size()) {
        return {};
    }
    PackedDib dib;
    dib.block_ = std::move(block);
    return dib;
}

int PackedDib::height() const {
    return std::abs(header().height);
}

std::size_t PackedDib::pixelOffset() const {
    const BitmapInfoHeader h = header();
    return h.size + 4 * static_cast<std::size_t>(dibColourCount(h));
}

RgbQuad PackedDib::colour(std::uint32_t index) const {
    const std::uint8_t* p = block_.data() + header().size + 4 * static_cast<std::size_t>(index);
    return {p[0], p[1], p[2], p[3]};
}

void PackedDib::setColour(std::uint32_t index, RgbQuad q) {
    std::uint8_t* p = block_.data() + header().size + 4 * static_cast<std::size_t>(index);
    p[0] = q.blue;
    p[1] = q.green;
    p[2] = q.red;
    p[3] = q.reserved;
}

std::uint8_t* PackedDib::row(int y) {
    const BitmapInfoHeader h = header();
    const int stored = h.height > 0 ? h.height - 1 - y : y;
    return block_.data() + pixelOffset() + static_cast<std::size_t>(stored) * stride();
}

const std::uint8_t* PackedDib::row(int y) const {
    return const_cast<PackedDib*>(this)->row(y);
}

}  // namespace platform
