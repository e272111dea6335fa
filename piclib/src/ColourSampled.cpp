#include "ColourSampled.h"

namespace piclib {

ColourSampled::ColourSampled(ReduceSource& source) : squares_(ColourTables::instance().squares()) {
    palette_ = cube_.palette();
    const int columnStep = source.width() / 16;
    const int rowStep = source.rows() / 10;
    for (int k = 0; k < kSamples; ++k) {
        const int x = columnStep * (2 * (k % 8) + 1);
        const int y = rowStep * (2 * (k / 8) + 1);
        const auto rgb = source.pixelFromTop(x, y);
        palette_[sampleIndex(k)] = {rgb[0], rgb[1], rgb[2]};
    }
}

std::uint8_t ColourSampled::search(int red, int green, int blue) const {
    int best = cube_.map(red, green, blue);
    const ReduceColour& c = palette_[best];
    std::uint32_t bestDistance =
        squares_[red - c.red] + squares_[green - c.green] + squares_[blue - c.blue];
    for (int k = 0; k < kSamples && bestDistance != 0; ++k) {
        const int index = sampleIndex(k);
        const ReduceColour& s = palette_[index];
        std::uint32_t d = squares_[red - s.red];
        if (d >= bestDistance) {
            continue;
        }
        d += squares_[green - s.green];
        if (d >= bestDistance) {
            continue;
        }
        d += squares_[blue - s.blue];
        if (d < bestDistance) {
            bestDistance = d;
            best = index;
        }
    }
    return static_cast<std::uint8_t>(best);
}

}  // namespace piclib
