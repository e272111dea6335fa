#include "cutting/PieceMask.h"

#include <algorithm>
#include <cstring>

#include "cutting/Failures.h"

namespace cutting {

PieceMask::PieceMask(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      wordsPerRow_(static_cast<int>((static_cast<std::int64_t>(width_) + 15) / 16)) {
    words_ = allocate(wordCount());
}

PieceMask::PieceMask(const PieceMask& other)
    : width_(other.width_), height_(other.height_), wordsPerRow_(other.wordsPerRow_) {
    words_ = allocate(wordCount());
    std::memcpy(words_.get(), other.words_.get(), wordCount() * sizeof(std::uint16_t));
}

std::unique_ptr<std::uint16_t, PieceMask::FreeBits> PieceMask::allocate(std::size_t words) {
    // calloc leaves large blocks to the system's zeroed pages instead of
    // touching every byte, and reports an impossible size as a null pointer.
    auto* p = static_cast<std::uint16_t*>(std::calloc(std::max<std::size_t>(words, 1), 2));
    if (p == nullptr) {
        throw MemoryException();
    }
    return std::unique_ptr<std::uint16_t, FreeBits>(p);
}

std::size_t PieceMask::wordCount() const {
    return static_cast<std::size_t>(wordsPerRow_) * static_cast<std::size_t>(height_);
}

std::uint8_t* PieceMask::mutableRow(int y) {
    return reinterpret_cast<std::uint8_t*>(words_.get()) +
           static_cast<std::size_t>(y) * bytesPerRow();
}

bool PieceMask::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return false;
    }
    return (row(y)[x / 8] & (0x80 >> (x % 8))) != 0;
}

void PieceMask::fill(int x1, int y1, int x2, int y2, bool set) {
    const int left = std::max(std::min(x1, x2), 0);
    const int right = std::min(std::max(x1, x2), width_ - 1);
    const int top = std::max(std::min(y1, y2), 0);
    const int bottom = std::min(std::max(y1, y2), height_ - 1);
    if (left > right) {
        return;
    }
    for (int y = top; y <= bottom; ++y) {
        fillRow(y, left, right, set);
    }
}

// Partial bytes at both ends, whole bytes in between.
void PieceMask::fillRow(int y, int left, int right, bool set) {
    std::uint8_t* bytes = mutableRow(y);
    const int first = left / 8;
    const int last = right / 8;
    const auto headBits = static_cast<std::uint8_t>(0xFF >> (left % 8));
    const auto tailBits = static_cast<std::uint8_t>(0xFF << (7 - right % 8));
    if (first == last) {
        const auto bitsOfRun = static_cast<std::uint8_t>(headBits & tailBits);
        bytes[first] = set ? (bytes[first] | bitsOfRun) : (bytes[first] & ~bitsOfRun);
        return;
    }
    bytes[first] = set ? (bytes[first] | headBits) : (bytes[first] & ~headBits);
    std::memset(bytes + first + 1, set ? 0xFF : 0x00, static_cast<std::size_t>(last - first - 1));
    bytes[last] = set ? (bytes[last] | tailBits) : (bytes[last] & ~tailBits);
}

}  // namespace cutting
