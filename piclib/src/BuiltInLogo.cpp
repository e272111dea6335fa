#include "BuiltInLogo.h"

#include <array>

namespace piclib {
namespace {

constexpr int kWidth = 48;
constexpr int kHeight = 32;
constexpr int kTile = 9;   // tile side in pixels
constexpr int kGrout = 2;  // gap between tiles
constexpr int kColumns = 4;
constexpr int kRows = 2;
constexpr int kLeft = (kWidth - (kColumns * (kTile + kGrout) + kGrout)) / 2;
constexpr int kTop = (kHeight - (kRows * (kTile + kGrout) + kGrout)) / 2;

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr Rgb kTransparent{0, 255, 0};
constexpr Rgb kGroutColour{40, 32, 28};
// Terracotta, ochre, teal and slate, set so that no two neighbours match.
constexpr std::array<Rgb, 4> kTiles{{{192, 80, 42}, {224, 160, 48}, {32, 128, 128}, {48, 80, 144}}};

Rgb colourAt(int x, int y) {
    const int mx = x - kLeft;
    const int my = y - kTop;
    const int mosaicWidth = kColumns * (kTile + kGrout) + kGrout;
    const int mosaicHeight = kRows * (kTile + kGrout) + kGrout;
    if (mx < 0 || my < 0 || mx >= mosaicWidth || my >= mosaicHeight) {
        return kTransparent;
    }
    const int cx = mx % (kTile + kGrout);
    const int cy = my % (kTile + kGrout);
    if (cx < kGrout || cy < kGrout) {
        return kGroutColour;
    }
    const int column = mx / (kTile + kGrout);
    const int row = my / (kTile + kGrout);
    // A lighter bevel on the upper-left edge of each tile.
    Rgb c = kTiles[static_cast<std::size_t>((column + 2 * row) % 4)];
    if (cx == kGrout || cy == kGrout) {
        c = {static_cast<std::uint8_t>((c.r + 255) / 2), static_cast<std::uint8_t>((c.g + 255) / 2),
             static_cast<std::uint8_t>((c.b + 255) / 2)};
    }
    return c;
}

}  // namespace

platform::PackedDib builtInLogoBitmap() {
    auto dib = platform::PackedDib::create(kWidth, kHeight, 24);
    for (int y = 0; y < kHeight; ++y) {
        std::uint8_t* row = dib.row(y);
        for (int x = 0; x < kWidth; ++x) {
            const Rgb c = colourAt(x, y);
            row[3 * x] = c.b;
            row[3 * x + 1] = c.g;
            row[3 * x + 2] = c.r;
        }
    }
    return dib;
}

}  // namespace piclib
