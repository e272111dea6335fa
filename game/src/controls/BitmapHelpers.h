#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/PackedDib.h"
#include "platform/Surface.h"

class QWidget;

namespace controls {

struct PaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;
    bool operator==(const PaletteEntry&) const = default;
};

// A logical palette: the colours a picture is shown with on an 8-bit screen.
struct LogicalPalette {
    static constexpr std::uint16_t kVersion = 0x300;
    std::uint16_t version = kVersion;
    std::vector<PaletteEntry> entries;
};

// A device bitmap made from a packed DIB and the palette made for it (none
// for 24-bit pictures or when the palette could not be made); the caller owns
// both.
struct DeviceBitmap {
    platform::Surface surface;
    std::optional<LogicalPalette> palette;
    bool transferred = false;  // whether the pixels were set
};

// The DIB's colour table when it has one (colours-used N > 0, at most 256);
// with N = 0 the 256 entries of the stock default palette (its twenty system
// colours first, black after them). None when N exceeds 256.
std::optional<LogicalPalette> PaletteFromDib(const platform::PackedDib& dib);

// The DIB in a device bitmap of its own size. Pictures of 8 bits or fewer get
// their palette (a palette that cannot be made shows "Can't create palette"
// and the picture goes on without one); a failed transfer (unknown depth,
// compression, or a broken block) gives a beep and leaves the bitmap blank.
DeviceBitmap DibToBitmap(const platform::PackedDib& dib, QWidget* owner = nullptr);
// The same, stretched to width x height.
DeviceBitmap DibToBitmapStretched(const platform::PackedDib& dib, int width, int height,
                                  QWidget* owner = nullptr);

}  // namespace controls
