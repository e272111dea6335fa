#pragma once

#include <cstdint>
#include <vector>

#include "PIXPICK32_export.h"
#include "PictureFields.h"
#include "platform/PackedDib.h"

namespace piclib {

// Stamps a logo into a picture: the logo's pixels, except those of the
// transparent logo colour, replace the picture's pixels at the placement the
// picture information gives. Pictures of 4, 8 and 24 bits per pixel are
// written; nothing is written outside the picture whatever the placement.
class PIXPICK32_EXPORT LogoStamper {
  public:
    // The picture is changed in place; it must outlive the stamper.
    explicit LogoStamper(platform::PackedDib& picture);

    // Top-left corner of the logo for the alignment and margins of fields
    // (alignment 0 left/top, 1 right/bottom, 2 centred; other values as 0).
    static void placement(const PictureFields& fields, int pictureWidth, int pictureHeight,
                          int logoWidth, int logoHeight, int* x, int* y);

    // Stamps logo at its placement with the transparent colour of fields.
    void stamp(const platform::PackedDib& logo, const PictureFields& fields);
    // Sets pixel (x, y), counted from the top, to colour (0x00RRGGBB). An
    // 8-bit picture takes the nearest colour of its table, first putting the
    // colour into an unused table entry (254 down to 1) while there is one.
    void setPixel(int x, int y, std::uint32_t colour);

  private:
    int nearestIndex(std::uint32_t colour) const;
    // Puts colour into a free table entry; false when none is left.
    bool addColour(std::uint32_t colour);

    platform::PackedDib& picture_;
    std::vector<std::uint32_t> table_;  // the colour table, 0x00RRGGBB
    std::vector<bool> used_;            // table entries in use
    bool addingColours_ = true;
};

}  // namespace piclib
