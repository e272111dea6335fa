#pragma once

#include <cstdint>
#include <vector>

namespace cutting {

// Appends little-endian fields to a growing byte block; the saved forms of
// regions and sprites are written through it field by field.
class ByteWriter {
  public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void i16(std::int16_t v);
    void i32(std::int32_t v);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

  private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace cutting
