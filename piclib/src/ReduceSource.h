#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/PackedDib.h"

namespace piclib {

// Read access to the pixels of a source bitmap as blue, green, red triples.
// 24-bit rows are read in place; rows of 1, 4, 8 and 32 bits are expanded
// into a scratch row. Rows are addressed in storage order.
class ReduceSource {
  public:
    // Checks the source; valid() is false when it cannot be read safely. A
    // block shorter than its header and stated image size shows "UUPS"; the
    // picture is still converted when all its rows lie inside the block.
    explicit ReduceSource(const platform::PackedDib& source);

    bool valid() const { return valid_; }
    int width() const { return width_; }
    int rows() const { return rows_; }
    // The signed height of the header (negative for top-down rows).
    int storedHeight() const { return storedHeight_; }
    // Stored row i as width triples; valid until the next call.
    const std::uint8_t* row(int i);
    // Red, green, blue of the pixel at x, y counted from the top.
    std::array<std::uint8_t, 3> pixelFromTop(int x, int y);

  private:
    bool check(const platform::PackedDib& source);
    void expand(const std::uint8_t* in, std::uint8_t* out) const;

    const std::uint8_t* pixels_ = nullptr;
    std::size_t stride_ = 0;
    int width_ = 0;
    int rows_ = 0;
    int storedHeight_ = 0;
    int bitCount_ = 0;
    bool valid_ = false;
    std::array<std::uint8_t, 4 * 256> colours_{};  // blue, green, red, 0
    std::vector<std::uint8_t> scratch_;
};

}  // namespace piclib
