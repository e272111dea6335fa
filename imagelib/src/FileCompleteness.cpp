#include "FileCompleteness.h"

#include "platform/ByteReader.h"

namespace imagelib {

bool bitmapComplete(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kHeaders = 14 + 40;
    if (size < kHeaders) {
        return false;
    }
    platform::ByteReader in(data, kHeaders);
    in.skip(2);  // "BM"
    const std::uint64_t fileSize = in.u32();
    in.skip(4);  // reserved
    const std::uint64_t pixelStart = in.u32();
    const std::uint32_t headerSize = in.u32();
    const std::int32_t width = in.i32();
    const std::int32_t height = in.i32();
    in.skip(2);  // planes
    const int bits = in.u16();
    const std::uint32_t compression = in.u32();
    if (headerSize < 40 || width <= 0 || height == 0 || bits == 0) {
        return false;
    }
    if (compression == 0 || compression == 3) {
        const std::uint64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
        const std::uint64_t stride = (static_cast<std::uint64_t>(bits) * width + 31) / 32 * 4;
        return pixelStart + stride * rows <= size;
    }
    return fileSize <= size;
}

namespace {

// Skips a run of GIF sub-blocks; false when the bytes end before the
// terminating empty block.
bool skipSubBlocks(const std::uint8_t* data, std::size_t size, std::size_t& pos) {
    while (pos < size) {
        const std::size_t n = data[pos++];
        if (n == 0) {
            return true;
        }
        pos += n;
    }
    return false;
}

std::size_t colourTableBytes(std::uint8_t flags) {
    return (flags & 0x80) ? 3u * (1u << ((flags & 7) + 1)) : 0;
}

}  // namespace

bool gifComplete(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kScreenDescriptor = 13;
    constexpr std::size_t kImageDescriptor = 10;
    if (size < kScreenDescriptor) {
        return false;
    }
    std::size_t pos = kScreenDescriptor + colourTableBytes(data[10]);
    while (pos < size) {
        const std::uint8_t introducer = data[pos];
        if (introducer == 0x21) {  // extension: label, then sub-blocks
            pos += 2;
            if (!skipSubBlocks(data, size, pos)) {
                return false;
            }
            continue;
        }
        if (introducer != 0x2C || pos + kImageDescriptor + 1 > size) {
            return false;
        }
        pos += kImageDescriptor + colourTableBytes(data[pos + kImageDescriptor - 1]) + 1;
        return skipSubBlocks(data, size, pos);
    }
    return false;
}

}  // namespace imagelib
