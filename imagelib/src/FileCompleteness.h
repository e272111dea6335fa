#pragma once

#include <cstddef>
#include <cstdint>

namespace imagelib {

// Qt's bitmap and GIF readers accept files that stop early and fill in the
// rest. These checks walk the headers (and for GIF the blocks) and tell
// whether all bytes the first picture needs are there.
bool bitmapComplete(const std::uint8_t* data, std::size_t size);
bool gifComplete(const std::uint8_t* data, std::size_t size);

}  // namespace imagelib
