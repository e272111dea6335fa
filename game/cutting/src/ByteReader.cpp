#include "cutting/ByteReader.h"

namespace cutting {

bool ByteReader::take(std::size_t n) {
    if (failed_) {
        return false;
    }
    if (bytes_.size() - pos_ < n) {
        fail("Unexpected end of data");
        return false;
    }
    return true;
}

std::uint8_t ByteReader::u8() {
    if (!take(1)) {
        return 0;
    }
    return bytes_[pos_++];
}

std::int16_t ByteReader::i16() {
    if (!take(2)) {
        return 0;
    }
    const auto v = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
    pos_ += 2;
    return static_cast<std::int16_t>(v);
}

std::int32_t ByteReader::i32() {
    if (!take(4)) {
        return 0;
    }
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | bytes_[pos_ + static_cast<std::size_t>(i)];
    }
    pos_ += 4;
    return static_cast<std::int32_t>(v);
}

void ByteReader::fail(const std::string& message) {
    if (!failed_) {
        failed_ = true;
        error_ = message;
    }
}

}  // namespace cutting
