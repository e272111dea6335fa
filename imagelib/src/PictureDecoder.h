#pragma once

#include <cstddef>
#include <cstdint>

#include <QSize>

#include "platform/PackedDib.h"

namespace imagelib {

// Reads one picture from the start of a run of bytes; bytes after the
// picture are ignored. JPEG, PNG, BMP, GIF and TIFF are told by their
// signature and read by Qt's readers; anything else is tried as Targa.
class PictureDecoder {
  public:
    PictureDecoder(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    // Lets a JPEG of full x size be decoded at 1/2, 1/4 or 1/8 of its size
    // (the decoder's own scales, cheaper than decoding everything and
    // shrinking), the smallest that is still at least floor. Pictures of any
    // other size, and an empty floor, decode in full.
    void setFloor(QSize full, QSize floor) {
        floorFull_ = full;
        floor_ = floor;
    }

    // The decoded picture as a slot bitmap (8 bits for indexed pictures, else
    // 24), reporting progress while it decodes; null when the bytes are not a
    // readable picture, are cut short, or the picture is too large.
    platform::PackedDib decode() const;
    // Size and bits per pixel without decoding the pixels.
    bool ping(int* width, int* height, int* bits) const;

  private:
    // Qt's format name for the signature at the start, or null (Targa).
    const char* qtFormat() const;
    // The divisor of the JPEG decoder's scale for a picture of full size.
    int scaleDivisor(QSize size) const;

    const std::uint8_t* data_;
    std::size_t size_;
    QSize floorFull_;
    QSize floor_;
};

}  // namespace imagelib
