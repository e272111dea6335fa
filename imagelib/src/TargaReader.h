#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/PackedDib.h"

namespace imagelib {

// Targa pictures: true-colour, colour-mapped and grey, plain or run-length
// coded, with or without the version-2 footer. Bytes after the picture are
// ignored.
class TargaReader {
  public:
    TargaReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // Whether the header describes a Targa picture that fits in the bytes
    // given; fills its size and bits per pixel.
    bool ping(int* width, int* height, int* bits) const;
    // Decodes the picture as 24 bits; null when it is not a readable Targa
    // picture, is too large, or its bytes end before its pixels do.
    platform::PackedDib read() const;

  private:
    const std::uint8_t* data_;
    std::size_t size_;
};

}  // namespace imagelib
