#include "controls/BitmapHelpers.h"

#include "platform/MessageBox.h"

namespace controls {

namespace {

constexpr int kPaletteSize = 256;

// The stock default palette: the twenty colours every screen palette keeps.
constexpr std::uint8_t kStockColours[20][3] = {
    {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
    {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
    {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
    {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};

bool supportedDepth(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
}

platform::Pixel indexedPixel(const platform::PackedDib& dib, const std::uint8_t* row, int x,
                             int bitCount, std::uint32_t colours) {
    const int perByte = 8 / bitCount;
    const int shift = (perByte - 1 - x % perByte) * bitCount;
    const std::uint32_t index = (row[x / perByte] >> shift) & ((1u << bitCount) - 1);
    if (index >= colours) {
        return 0;
    }
    const platform::RgbQuad q = dib.colour(index);
    return (platform::Pixel{q.red} << 16) | (platform::Pixel{q.green} << 8) | q.blue;
}

// The DIB's pixels top-down in a surface of its size; false when the DIB
// cannot be read.
bool readPixels(const platform::PackedDib& dib, platform::Surface& out) {
    if (dib.isNull() || dib.header().compression != 0 || !supportedDepth(dib.bitCount()) ||
        dib.width() <= 0 || dib.height() <= 0) {
        return false;
    }
    const int bits = dib.bitCount();
    const std::uint32_t colours = bits <= 8 ? (1u << bits) : 0;
    const std::uint32_t tableSize = std::min(colours, dib.colourCount());
    out = platform::Surface(dib.width(), dib.height());
    for (int y = 0; y < dib.height(); ++y) {
        const std::uint8_t* row = dib.row(y);
        platform::Pixel* target = out.row(y);
        for (int x = 0; x < dib.width(); ++x) {
            if (bits <= 8) {
                target[x] = indexedPixel(dib, row, x, bits, tableSize);
            } else {
                const std::uint8_t* p = row + x * (bits / 8);
                target[x] = (platform::Pixel{p[2]} << 16) | (platform::Pixel{p[1]} << 8) | p[0];
            }
        }
    }
    return true;
}

// The palette of a picture of 8 bits or fewer, its missing colour count taken
// as the full table of its depth.
std::optional<LogicalPalette> paletteForTransfer(const platform::PackedDib& dib, QWidget* owner) {
    if (dib.isNull() || dib.bitCount() >= 24) {
        return std::nullopt;
    }
    platform::PackedDib counted = dib;
    platform::BitmapInfoHeader h = counted.header();
    if (h.clrUsed == 0 && h.bitCount < 32) {
        h.clrUsed = 1u << h.bitCount;
        counted.setHeader(h);
    }
    std::optional<LogicalPalette> palette = PaletteFromDib(counted);
    if (!palette) {
        MessageBoxA(owner, "Can't create palette", "Error", MB_OK | MB_ICONSTOP);
    }
    return palette;
}

DeviceBitmap transfer(const platform::PackedDib& dib, int width, int height, bool stretch,
                      QWidget* owner) {
    DeviceBitmap result;
    result.palette = paletteForTransfer(dib, owner);
    platform::Surface pixels;
    if (!readPixels(dib, pixels)) {
        MessageBeep(0);
        result.surface = platform::Surface(std::max(width, 0), std::max(height, 0));
        return result;
    }
    if (stretch) {
        result.surface = platform::Surface(std::max(width, 0), std::max(height, 0));
        result.surface.stretch(result.surface.bounds(), pixels, pixels.bounds());
    } else {
        result.surface = std::move(pixels);
    }
    result.transferred = true;
    return result;
}

}  // namespace

std::optional<LogicalPalette> PaletteFromDib(const platform::PackedDib& dib) {
    if (dib.isNull()) {
        return std::nullopt;
    }
    const std::uint32_t used = dib.header().clrUsed;
    LogicalPalette palette;
    if (used == 0) {
        palette.entries.resize(kPaletteSize);
        for (int i = 0; i < 20; ++i) {
            palette.entries[i] = {kStockColours[i][0], kStockColours[i][1], kStockColours[i][2], 0};
        }
        return palette;
    }
    if (used > kPaletteSize || used > dib.colourCount()) {
        return std::nullopt;
    }
    for (std::uint32_t i = 0; i < used; ++i) {
        const platform::RgbQuad q = dib.colour(i);
        palette.entries.push_back({q.red, q.green, q.blue, 0});
    }
    return palette;
}

DeviceBitmap DibToBitmap(const platform::PackedDib& dib, QWidget* owner) {
    return transfer(dib, dib.isNull() ? 0 : dib.width(), dib.isNull() ? 0 : dib.height(), false,
                    owner);
}

DeviceBitmap DibToBitmapStretched(const platform::PackedDib& dib, int width, int height,
                                  QWidget* owner) {
    return transfer(dib, width, height, true, owner);
}

}  // namespace controls
