#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "GalleryFile.h"
#include "PIXPICK32_export.h"

namespace piclib {

// Writes a gallery file in the current layout: the header, an optional index
// of the picture entries, then every entry followed at once by its thumbnail
// (a bitmap file image with its 14-byte file header). The first two entries
// are the cell pictures (selected, then normal), the pictures follow.
class PIXPICK32_EXPORT GalleryWriter {
  public:
    struct Item {
        GalleryEntry entry;                   // offset and next are set by the writer
        std::vector<std::uint8_t> thumbnail;  // a packed bitmap
    };

    GalleryHeader header;
    Item selectedCell;
    Item normalCell;
    std::vector<Item> pictures;
    // With an index, the first entry lies after it and the header says so.
    bool withIndex = true;

    std::vector<std::uint8_t> bytes() const;
    // Writes the file atomically (temporary file, then rename).
    bool write(const std::string& path) const;
};

// A packed bitmap as a bitmap file image: the 14-byte file header, then the
// block.
PIXPICK32_EXPORT std::vector<std::uint8_t> bitmapFileImage(const std::vector<std::uint8_t>& dib);

}  // namespace piclib
