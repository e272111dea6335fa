#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace piclib {

// Reads little-endian fields from bytes in memory. A read that would pass the
// end fails, leaves the position where it was and returns false.
class ByteCursor {
  public:
    ByteCursor(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t position() const { return pos_; }
    bool atEnd() const { return pos_ >= size_; }
    std::size_t remaining() const { return size_ - pos_; }
    const std::uint8_t* here() const { return data_ + pos_; }

    bool read16(std::int16_t& value);
    bool readU16(std::uint16_t& value);
    bool read32(std::uint32_t& value);
    // A text: signed 16-bit length n, then n bytes; n below 1 is the empty
    // text.
    bool readText(std::string& text);
    bool skip(std::size_t n);

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Appends little-endian fields to a byte vector.
class ByteSink {
  public:
    explicit ByteSink(std::vector<std::uint8_t>& out) : out_(out) {}
    void put16(std::uint16_t value);
    void put32(std::uint32_t value);
    void putText(const std::string& text);
    void putBytes(const std::vector<std::uint8_t>& bytes);

  private:
    std::vector<std::uint8_t>& out_;
};

}  // namespace piclib
