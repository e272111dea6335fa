#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/PackedDib.h"
#include "platform_export.h"

namespace platform {

// Decodes a bitmap file image into a packed bitmap. Accepted: an optional
// 14-byte file header ("BM"; its bits offset is honoured), then a 40-byte
// information header (larger ones are cut to 40 bytes when uncompressed or
// RLE8/RLE4) or a 12-byte core header (widened to 40 bytes, its three-byte colour
// entries to four bytes), the colour table and the pixel rows; RLE8 and RLE4
// rows are expanded. The result keeps the stored (signed) height and always has its
// image size set, colours used set for 8 bits or fewer and compression 0.
// Malformed input (lying sizes, more than 256 colours, rows, runs or tables
// past the end, dimensions whose stride overflows, a file that ends early)
// gives a null PackedDib and, when error is given, a short reason.
PLATFORM_EXPORT PackedDib decodeDib(std::span<const std::uint8_t> bytes,
                                    std::string* error = nullptr);

// Expands an RLE8 stream into out (bottom-up rows of out.size() bytes in
// all): a pair (n > 0, v) writes n copies of v; (0, 0) rounds the position up
// to a multiple of 4 bytes (end of line); (0, 1) ends; (0, 2) skips its two
// delta bytes without moving; (0, n >= 3) copies n bytes and a pad byte when
// n is odd. Returns false when a run would write past out or the stream ends
// before the end-of-bitmap pair; out is never written out of bounds.
PLATFORM_EXPORT bool decodeRle8(std::span<const std::uint8_t> in, std::span<std::uint8_t> out);

// Expands an RLE4 stream into out (bottom-up rows of 4-bit pixels, width
// pixels a row): a pair (n > 0, v) writes n pixels alternating the high and
// low half of v; (0, 0) ends the row; (0, 1) ends; (0, 2, dx, dy) moves dx
// pixels right and dy rows up; (0, n >= 3) copies n pixels from the
// following bytes, padded to a 16-bit boundary. Returns false when a pixel
// would fall outside the bitmap or the stream ends before the end-of-bitmap
// pair; out is never written out of bounds.
PLATFORM_EXPORT bool decodeRle4(std::span<const std::uint8_t> in, std::span<std::uint8_t> out,
                                int width);

}  // namespace platform
