#pragma once

#include <cstdint>
#include <vector>

#include "platform_export.h"

// A logical palette entry, in the order of the old interface.
struct PALETTEENTRY {
    std::uint8_t peRed = 0;
    std::uint8_t peGreen = 0;
    std::uint8_t peBlue = 0;
    std::uint8_t peFlags = 0;
};

namespace platform {

// A table of up to 256 colours with nearest-entry search. The display is
// true colour, so a palette only maps colours; nothing is realised.
class PLATFORM_EXPORT LogicalPalette {
  public:
    explicit LogicalPalette(std::vector<PALETTEENTRY> entries) : entries_(std::move(entries)) {}

    const std::vector<PALETTEENTRY>& entries() const { return entries_; }
    // The first entry at the smallest squared distance in red, green and blue.
    unsigned nearest(std::uint8_t red, std::uint8_t green, std::uint8_t blue) const;

  private:
    std::vector<PALETTEENTRY> entries_;
};

// The 20 colours of the system's default palette.
PLATFORM_EXPORT const std::vector<PALETTEENTRY>& defaultPaletteEntries();

}  // namespace platform

typedef platform::LogicalPalette* HPALETTE;

// Null when count is not 1..256 or entries is null. Release with DeletePalette.
PLATFORM_EXPORT HPALETTE CreatePalette(const PALETTEENTRY* entries, int count);
PLATFORM_EXPORT void DeletePalette(HPALETTE palette);
// Number of entries (0 for null), as GetObjectA gives for a palette.
PLATFORM_EXPORT int GetPaletteSize(HPALETTE palette);
// colorRef is 0x00BBGGRR; 0xFFFFFFFF (CLR_INVALID) for a null palette.
PLATFORM_EXPORT unsigned GetNearestPaletteIndex(HPALETTE palette, std::uint32_t colorRef);
// Copies up to count entries from start; returns the number copied.
PLATFORM_EXPORT unsigned GetPaletteEntries(HPALETTE palette, unsigned start, unsigned count,
                                           PALETTEENTRY* out);
