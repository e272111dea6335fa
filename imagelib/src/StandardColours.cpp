#include "StandardColours.h"

#include "DibPainter.h"

namespace imagelib {

const std::vector<platform::Pixel>& standardColours() {
    static const std::vector<platform::Pixel> colours{
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    return colours;
}

namespace {

int distance(platform::Pixel a, platform::Pixel b) {
    const int dr = static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF);
    const int dg = static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
    const int db = static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF);
    return dr * dr + dg * dg + db * db;
}

std::uint8_t nearestStandard(platform::Pixel p) {
    const auto& colours = standardColours();
    std::uint8_t best = 0;
    for (std::size_t i = 1; i < colours.size(); ++i) {
        if (distance(p, colours[i]) < distance(p, colours[best])) {
            best = static_cast<std::uint8_t>(i);
        }
    }
    return best;
}

}  // namespace

platform::PackedDib reduceTo16(const platform::PackedDib& source) {
    const int w = source.width();
    const int h = source.height();
    auto dib = platform::PackedDib::create(w, h, 8, 16);
    const auto& colours = standardColours();
    for (std::uint32_t i = 0; i < colours.size(); ++i) {
        const platform::Pixel c = colours[i];
        dib.setColour(i, {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
                          static_cast<std::uint8_t>(c >> 16), 0});
    }
    const DibPainter painter(source);
    const platform::Surface pixels = painter.toSurface();
    for (int y = 0; y < h; ++y) {
        std::uint8_t* out = dib.row(y);
        const platform::Pixel* in = pixels.row(y);
        for (int x = 0; x < w; ++x) {
            out[x] = nearestStandard(in[x]);
        }
    }
    return dib;
}

}  // namespace imagelib
