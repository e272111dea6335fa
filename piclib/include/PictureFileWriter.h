#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "PIXPICK32_export.h"
#include "PictureFields.h"

namespace piclib {

// Writes a picture or logo file: emblem picture, main picture, information
// block and trailer. The emblem and the main picture are complete picture
// files in a format the image library reads (for a logo file the logo is the
// emblem and the main picture may be a copy of it).
class PIXPICK32_EXPORT PictureFileWriter {
  public:
    PictureFields fields;
    std::vector<std::uint8_t> emblem;
    std::vector<std::uint8_t> picture;
    // Optional packed bitmap stored as the preview.
    std::vector<std::uint8_t> preview;
    // The last element written; older files end their block earlier.
    InfoElement lastElement = InfoElement::kPreview;

    // The whole file; empty when emblem or picture is missing or a text is
    // longer than 32767 bytes.
    std::vector<std::uint8_t> bytes() const;
    // Writes bytes() to path (through a temporary file, then renamed).
    bool write(const std::string& path) const;
};

}  // namespace piclib
