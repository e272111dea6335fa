#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace platform {

// Reads little-endian fields from a byte block it does not own. A read past
// the end, or a caller's own refusal (fail), puts the reader into a failed
// state: every later read yields 0 and error() keeps the first message, so a
// caller may read a whole record and check once. This is the project's one
// reader of stored binary fields; every file format goes through it.
class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    ByteReader(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}

    std::uint8_t u8() { return take(1) ? bytes_[pos_ - 1] : 0; }
    std::uint16_t u16() { return take(2) ? static_cast<std::uint16_t>(at(2) | at(1) << 8) : 0; }
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::uint32_t u32() {
        if (!take(4))
            return 0;
        return at(4) | at(3) << 8 | at(2) << 16 | static_cast<std::uint32_t>(at(1)) << 24;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }

    // The next n bytes as a view into the block (empty after a failure).
    std::span<const std::uint8_t> bytes(std::size_t n) {
        return take(n) ? bytes_.subspan(pos_ - n, n) : std::span<const std::uint8_t>{};
    }
    void skip(std::size_t n) { take(n); }
    // Moves to an absolute offset; an offset past the end fails the reader.
    void seek(std::size_t offset) {
        if (failed_)
            return;
        if (offset > bytes_.size())
            fail("Unexpected end of data");
        else
            pos_ = offset;
    }

    std::size_t remaining() const { return failed_ ? 0 : bytes_.size() - pos_; }
    std::size_t position() const { return pos_; }
    std::size_t size() const { return bytes_.size(); }
    bool ok() const { return !failed_; }
    const std::string& error() const { return error_; }
    // Marks the input as refused; the first message is kept.
    void fail(const std::string& message) {
        if (!failed_) {
            failed_ = true;
            error_ = message;
        }
    }

  private:
    // Byte n places back from the current position, widened for shifting.
    std::uint32_t at(std::size_t back) const { return bytes_[pos_ - back]; }
    bool take(std::size_t n) {
        if (failed_)
            return false;
        if (n > bytes_.size() - pos_) {
            fail("Unexpected end of data");
            return false;
        }
        pos_ += n;
        return true;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    bool failed_ = false;
    std::string error_;
};

}  // namespace platform
