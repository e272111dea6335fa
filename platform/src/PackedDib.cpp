#include "platform/PackedDib.h"

#include <algorithm>
#include <cstdlib>

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"

namespace platform {

BitmapInfoHeader BitmapInfoHeader::read(const std::uint8_t* p) {
    ByteReader in(p, kBytes);
    BitmapInfoHeader h;
    h.size = in.u32();
    h.width = in.i32();
    h.height = in.i32();
    h.planes = in.u16();
    h.bitCount = in.u16();
    h.compression = in.u32();
    h.sizeImage = in.u32();
    h.xPelsPerMeter = in.i32();
    h.yPelsPerMeter = in.i32();
    h.clrUsed = in.u32();
    h.clrImportant = in.u32();
    return h;
}

void BitmapInfoHeader::write(std::uint8_t* p) const {
    ByteWriter out;
    out.u32(size);
    out.i32(width);
    out.i32(height);
    out.u16(planes);
    out.u16(bitCount);
    out.u32(compression);
    out.u32(sizeImage);
    out.i32(xPelsPerMeter);
    out.i32(yPelsPerMeter);
    out.u32(clrUsed);
    out.u32(clrImportant);
    std::copy(out.bytes().begin(), out.bytes().end(), p);
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
