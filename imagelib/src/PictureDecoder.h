#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/PackedDib.h"

namespace imagelib {

// Reads one picture from the start of a run of bytes; bytes after the
// picture are ignored. JPEG, PNG, BMP, GIF and TIFF are told by their
// signature and read by Qt's readers; anything else is tried as Targa.
class PictureDecoder {
  public:
    PictureDecoder(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // The decoded picture as a slot bitmap (8 bits for indexed pictures, else
    // 24), reporting progress while it decodes; null when the bytes are not a
    // readable picture, are cut short, or the picture is too large.
    platform::PackedDib decode() const;
    // Size and bits per pixel without decoding the pixels.
    bool ping(int* width, int* height, int* bits) const;

  private:
    // Qt's format name for the signature at the start, or null (Targa).
    const char* qtFormat() const;

    const std::uint8_t* data_;
    std::size_t size_;
};

}  // namespace imagelib
