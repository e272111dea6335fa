#pragma once

#include <cstdint>
#include <cstdlib>

#include "DibStore.h"
#include "platform/PackedDib.h"
#include "platform/Surface.h"

namespace bkit {

// Reads and writes the parts of a stored block: header, colour table, rows.
// Blocks come from the decoder, so header, table and rows fit the block.
class DibView {
  public:
    explicit DibView(DibStore::Block& b)
        : block_(b), header_(platform::BitmapInfoHeader::read(b.bytes.get())) {}

    const platform::BitmapInfoHeader& header() const { return header_; }
    void setHeader(const platform::BitmapInfoHeader& h) {
        header_ = h;
        h.write(block_.bytes.get());
    }
    int width() const { return header_.width; }
    int rows() const { return std::abs(header_.height); }
    std::uint32_t colours() const { return platform::dibColourCount(header_); }
    std::size_t stride() const { return platform::dibStride(header_.width, header_.bitCount); }
    std::uint8_t* table() { return block_.bytes.get() + platform::BitmapInfoHeader::kBytes; }
    std::uint8_t* pixels() { return table() + 4 * colours(); }
    // Row r counted from the top of the picture.
    std::uint8_t* row(int r) {
        const int stored = header_.height > 0 ? header_.height - 1 - r : r;
        return pixels() + stride() * static_cast<std::size_t>(stored);
    }
    // The colour of table entry i as a surface pixel; black past the table.
    platform::Pixel colour(std::uint32_t i) {
        if (i >= colours()) {
            return 0;
        }
        const std::uint8_t* q = table() + 4 * i;
        return platform::Pixel{q[2]} << 16 | platform::Pixel{q[1]} << 8 | q[0];
    }
    // The colour of pixel c of a row.
    platform::Pixel pixel(const std::uint8_t* row, int c) {
        switch (header_.bitCount) {
            case 1:
                return colour((row[c >> 3] >> (7 - (c & 7))) & 1u);
            case 4:
                return colour((row[c >> 1] >> ((c & 1) != 0 ? 0 : 4)) & 0xFu);
            case 8:
                return colour(row[c]);
            case 24:
                return platform::Pixel{row[3 * c + 2]} << 16 |
                       platform::Pixel{row[3 * c + 1]} << 8 | row[3 * c];
            default:
                return platform::Pixel{row[4 * c + 2]} << 16 |
                       platform::Pixel{row[4 * c + 1]} << 8 | row[4 * c];
        }
    }
    DibStore::Block& block() { return block_; }

  private:
    DibStore::Block& block_;
    platform::BitmapInfoHeader header_;
};

}  // namespace bkit
