#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace cutting {

// Reads little-endian fields from a byte block it does not own. A read past
// the end, or a reader's own refusal (fail), puts the reader into a failed
// state: every later read yields 0 and error() keeps the first message, so a
// caller may read a whole record and check once.
class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint8_t u8();
    std::int16_t i16();
    std::int32_t i32();

    std::size_t remaining() const { return failed_ ? 0 : bytes_.size() - pos_; }
    std::size_t position() const { return pos_; }
    bool ok() const { return !failed_; }
    const std::string& error() const { return error_; }
    // Marks the input as refused; the first message is kept.
    void fail(const std::string& message);

  private:
    bool take(std::size_t n);

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    bool failed_ = false;
    std::string error_;
};

}  // namespace cutting
