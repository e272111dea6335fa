#include "ByteCursor.h"

namespace piclib {

bool ByteCursor::readU16(std::uint16_t& value) {
    if (remaining() < 2) {
        return false;
    }
    value = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return true;
}

bool ByteCursor::read16(std::int16_t& value) {
    std::uint16_t raw = 0;
    if (!readU16(raw)) {
        return false;
    }
    value = static_cast<std::int16_t>(raw);
    return true;
}

bool ByteCursor::read32(std::uint32_t& value) {
    if (remaining() < 4) {
        return false;
    }
    value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | data_[pos_ + static_cast<std::size_t>(i)];
    }
    pos_ += 4;
    return true;
}

bool ByteCursor::readText(std::string& text) {
    const std::size_t start = pos_;
    std::int16_t length = 0;
    if (!read16(length)) {
        return false;
    }
    if (length < 1) {
        text.clear();
        return true;
    }
    if (remaining() < static_cast<std::size_t>(length)) {
        pos_ = start;
        return false;
    }
    text.assign(reinterpret_cast<const char*>(data_ + pos_), static_cast<std::size_t>(length));
    pos_ += static_cast<std::size_t>(length);
    return true;
}

bool ByteCursor::skip(std::size_t n) {
    if (remaining() < n) {
        return false;
    }
    pos_ += n;
    return true;
}

void ByteSink::put16(std::uint16_t value) {
    out_.push_back(static_cast<std::uint8_t>(value));
    out_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void ByteSink::put32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void ByteSink::putText(const std::string& text) {
    put16(static_cast<std::uint16_t>(text.size()));
    out_.insert(out_.end(), text.begin(), text.end());
}

void ByteSink::putBytes(const std::vector<std::uint8_t>& bytes) {
    out_.insert(out_.end(), bytes.begin(), bytes.end());
}

}  // namespace piclib
