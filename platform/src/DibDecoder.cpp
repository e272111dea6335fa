#include "platform/DibDecoder.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/ByteReader.h"

namespace platform {
namespace {

constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::uint32_t kLargestHeaderBytes = 124;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr int kLargestSide = 65535;
constexpr std::uint64_t kLargestImageBytes = 256ull << 20;
constexpr std::uint64_t kLargestRunGain = 128;

struct Layout {
    BitmapInfoHeader header;
    std::size_t headerBytes = 0;  // as stored: 12, 40 or more
    std::uint32_t colours = 0;
    std::size_t entryBytes = 4;
    std::size_t bitsOffset = 0;    // from the file header; 0 = after the colour table
    std::uint64_t inputBytes = 0;  // the whole input, an upper bound for the pixel data
};

bool refuse(std::string* error, const char* why) {
    if (error) {
        *error = why;
    }
    return false;
}

// Reads the file header (when present) and the information header, widening
// a core header; leaves the reader at the colour table.
bool readHeader(ByteReader& in, Layout& out, std::string* error) {
    if (in.remaining() >= 2 && in.u16() == 0x4D42) {
        in.skip(8);
        out.bitsOffset = in.u32();
    } else {
        in.seek(0);
    }
    BitmapInfoHeader& h = out.header;
    const std::size_t start = in.position();
    out.headerBytes = in.u32();
    if (out.headerBytes == kCoreHeaderBytes) {
        h.width = in.u16();
        h.height = in.u16();
        h.planes = in.u16();
        h.bitCount = in.u16();
        out.entryBytes = 3;
    } else if (out.headerBytes >= BitmapInfoHeader::kBytes &&
               out.headerBytes <= kLargestHeaderBytes) {
        in.seek(start);
        const auto fields = in.bytes(BitmapInfoHeader::kBytes);
        in.skip(out.headerBytes - BitmapInfoHeader::kBytes);
        if (in.ok()) {
            h = BitmapInfoHeader::read(fields.data());
        }
    } else {
        in.fail("unknown header size");
    }
    h.size = BitmapInfoHeader::kBytes;
    if (!in.ok()) {
        return refuse(error, in.error().c_str());
    }
    return true;
}

bool checkHeader(Layout& l, std::string* error) {
    BitmapInfoHeader& h = l.header;
    const int bits = h.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
        return refuse(error, "unsupported bit count");
    }
    const bool rle = (h.compression == kRle8 && bits == 8) || (h.compression == kRle4 && bits == 4);
    if (h.compression != 0 && !(rle && h.height > 0)) {
        return refuse(error, "unsupported compression");
    }
    if (h.width <= 0 || h.height == 0 || h.width > kLargestSide || h.height > kLargestSide ||
        h.height < -kLargestSide) {
        return refuse(error, "bad dimensions");
    }
    if (h.clrUsed > 256) {
        return refuse(error, "too many colours");
    }
    const std::uint64_t image = static_cast<std::uint64_t>(dibStride(h.width, bits)) *
                                static_cast<std::uint64_t>(std::abs(h.height));
    if (image > kLargestImageBytes) {
        return refuse(error, "image too large");
    }
    // Refused before anything is allocated: rows that cannot all be in the
    // input, and run-length data that could not expand to the image (one
    // two-byte pair writes at most 255 bytes).
    if ((!rle && image > l.inputBytes) || (rle && image > kLargestRunGain * l.inputBytes)) {
        return refuse(error, "pixel rows past the end");
    }
    if (bits <= 8 && h.clrUsed == 0) {
        h.clrUsed = 1u << bits;
    }
    l.colours = dibColourCount(h);
    return true;
}

// Reads the colour table; above 8 bits a stored table is skipped, as the
// pixels carry their colours.
bool readColours(ByteReader& in, const Layout& l, PackedDib& dib) {
    if (l.header.bitCount > 8) {
        in.skip(l.colours * l.entryBytes);
        return in.ok();
    }
    for (std::uint32_t i = 0; i < l.colours; ++i) {
        RgbQuad q;
        q.blue = in.u8();
        q.green = in.u8();
        q.red = in.u8();
        q.reserved = l.entryBytes == 4 ? in.u8() : 0;
        dib.setColour(i, q);
    }
    return in.ok();
}

}  // namespace

bool decodeRle8(std::span<const std::uint8_t> in, std::span<std::uint8_t> out) {
    std::size_t at = 0;
    std::size_t pos = 0;
    while (at + 2 <= in.size()) {
        const std::uint8_t first = in[at];
        const std::uint8_t second = in[at + 1];
        at += 2;
        if (first != 0) {
            if (first > out.size() - pos) {
                return false;
            }
            std::memset(out.data() + pos, second, first);
            pos += first;
        } else if (second == 0) {
            pos = std::min(out.size(), (pos + 3) / 4 * 4);
        } else if (second == 1) {
            return true;
        } else if (second == 2) {
            at += 2;
        } else {
            const std::size_t padded = second + (second & 1u);
            if (second > out.size() - pos || padded > in.size() - at) {
                return false;
            }
            std::memcpy(out.data() + pos, in.data() + at, second);
            pos += second;
            at += padded;
        }
    }
    return false;
}

bool decodeRle4(std::span<const std::uint8_t> in, std::span<std::uint8_t> out, int width) {
    const std::size_t stride = dibStride(width, 4);
    const std::size_t rows = out.size() / stride;
    std::size_t x = 0;
    std::size_t row = 0;
    // Sets the next pixel of the row; false past the row's end or the last row.
    const auto put = [&](std::uint8_t index) {
        if (x >= static_cast<std::size_t>(width) || row >= rows) {
            return false;
        }
        std::uint8_t& b = out[row * stride + x / 2];
        b = (x % 2 == 0) ? static_cast<std::uint8_t>((b & 0x0F) | (index << 4))
                         : static_cast<std::uint8_t>((b & 0xF0) | index);
        ++x;
        return true;
    };
    std::size_t at = 0;
    while (at + 2 <= in.size()) {
        const std::uint8_t first = in[at];
        const std::uint8_t second = in[at + 1];
        at += 2;
        if (first != 0) {
            for (int i = 0; i < first; ++i) {
                if (!put(i % 2 == 0 ? second >> 4 : second & 0x0F)) {
                    return false;
                }
            }
        } else if (second == 0) {
            x = 0;
            ++row;
        } else if (second == 1) {
            return true;
        } else if (second == 2) {
            if (in.size() - at < 2) {
                return false;
            }
            x += in[at];
            row += in[at + 1];
            at += 2;
        } else {
            const std::size_t bytes = (second + 1u) / 2;
            const std::size_t padded = bytes + (bytes & 1u);
            if (padded > in.size() - at) {
                return false;
            }
            for (int i = 0; i < second; ++i) {
                const std::uint8_t b = in[at + static_cast<std::size_t>(i / 2)];
                if (!put(i % 2 == 0 ? b >> 4 : b & 0x0F)) {
                    return false;
                }
            }
            at += padded;
        }
    }
    return false;
}

PackedDib decodeDib(std::span<const std::uint8_t> bytes, std::string* error) {
    ByteReader in(bytes);
    Layout l;
    l.inputBytes = bytes.size();
    if (!readHeader(in, l, error) || !checkHeader(l, error)) {
        return {};
    }
    BitmapInfoHeader h = l.header;
    const std::uint32_t rle = h.compression;
    const std::uint32_t compressedBytes = h.sizeImage;
    h.compression = 0;
    if (h.bitCount > 8) {
        h.clrUsed = 0;
    }
    h.sizeImage = static_cast<std::uint32_t>(dibStride(h.width, h.bitCount) * std::abs(h.height));
    PackedDib dib = PackedDib::create(h.width, h.height, h.bitCount, static_cast<int>(l.colours));
    dib.setHeader(h);
    if (!readColours(in, l, dib)) {
        refuse(error, "colour table past the end");
        return {};
    }
    if (l.bitsOffset != 0) {
        in.seek(l.bitsOffset);
    }
    std::span<std::uint8_t> pixels(dib.data() + dib.pixelOffset(), h.sizeImage);
    if (rle) {
        const std::size_t available = in.remaining();
        const std::size_t take =
            compressedBytes != 0 ? std::min<std::size_t>(compressedBytes, available) : available;
        const auto coded = in.bytes(take);
        if (!in.ok() ||
            !(rle == kRle8 ? decodeRle8(coded, pixels) : decodeRle4(coded, pixels, h.width))) {
            refuse(error, "bad run-length data");
            return {};
        }
        return dib;
    }
    const auto stored = in.bytes(pixels.size());
    if (!in.ok()) {
        refuse(error, "pixel rows past the end");
        return {};
    }
    std::copy(stored.begin(), stored.end(), pixels.begin());
    return dib;
}

}  // namespace platform
