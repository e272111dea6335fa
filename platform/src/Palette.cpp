#include "platform/Palette.h"

#include <algorithm>

namespace platform {

unsigned LogicalPalette::nearest(std::uint8_t red, std::uint8_t green, std::uint8_t blue) const {
    unsigned best = 0;
    int bestDistance = 1 << 30;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const int dr = entries_[i].peRed - red;
        const int dg = entries_[i].peGreen - green;
        const int db = entries_[i].peBlue - blue;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<unsigned>(i);
        }
    }
    return best;
}

const std::vector<PALETTEENTRY>& defaultPaletteEntries() {
    static const std::vector<PALETTEENTRY> entries = {
        {0, 0, 0, 0},       {128, 0, 0, 0},     {0, 128, 0, 0},     {128, 128, 0, 0},
        {0, 0, 128, 0},     {128, 0, 128, 0},   {0, 128, 128, 0},   {192, 192, 192, 0},
        {192, 220, 192, 0}, {166, 202, 240, 0}, {255, 251, 240, 0}, {160, 160, 164, 0},
        {128, 128, 128, 0}, {255, 0, 0, 0},     {0, 255, 0, 0},     {255, 255, 0, 0},
        {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0},   {255, 255, 255, 0}};
    return entries;
}

}  // namespace platform

HPALETTE CreatePalette(const PALETTEENTRY* entries, int count) {
    if (entries == nullptr || count < 1 || count > 256) {
        return nullptr;
    }
    return new platform::LogicalPalette({entries, entries + count});
}

void DeletePalette(HPALETTE palette) {
    delete palette;
}

int GetPaletteSize(HPALETTE palette) {
    return palette != nullptr ? static_cast<int>(palette->entries().size()) : 0;
}

unsigned GetNearestPaletteIndex(HPALETTE palette, std::uint32_t colorRef) {
    if (palette == nullptr) {
        return 0xFFFFFFFFu;
    }
    return palette->nearest(static_cast<std::uint8_t>(colorRef),
                            static_cast<std::uint8_t>(colorRef >> 8),
                            static_cast<std::uint8_t>(colorRef >> 16));
}

unsigned GetPaletteEntries(HPALETTE palette, unsigned start, unsigned count, PALETTEENTRY* out) {
    if (palette == nullptr || out == nullptr || start >= palette->entries().size()) {
        return 0;
    }
    const auto n = std::min<std::size_t>(count, palette->entries().size() - start);
    std::copy_n(palette->entries().begin() + start, n, out);
    return static_cast<unsigned>(n);
}
