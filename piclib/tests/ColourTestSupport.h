#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/PackedDib.h"

namespace colourtest {

using Rgb = std::array<int, 3>;

// A 24-bit picture whose pixel at (x, y), y counted from the top, is
// colour(x, y).
inline platform::PackedDib makePicture(int width, int height,
                                       const std::function<Rgb(int, int)>& colour) {
    platform::PackedDib dib = platform::PackedDib::create(width, height, 24);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = dib.row(y);
        for (int x = 0; x < width; ++x) {
            const Rgb c = colour(x, y);
            row[3 * x] = static_cast<std::uint8_t>(c[2]);
            row[3 * x + 1] = static_cast<std::uint8_t>(c[1]);
            row[3 * x + 2] = static_cast<std::uint8_t>(c[0]);
        }
    }
    return dib;
}

// A fixed synthetic picture: gradients, a few flat patches and seeded noise.
inline platform::PackedDib syntheticPicture(int width, int height, unsigned seed) {
    std::srand(seed);
    return makePicture(width, height, [&](int x, int y) {
        const int noise = std::rand() % 24;
        if ((x / 16 + y / 16) % 5 == 0) {
            return Rgb{200, 40 + noise, 90};
        }
        return Rgb{(x * 255) / width, (y * 255) / height, std::min(255, (x + y) % 256 / 2 + noise)};
    });
}

inline Rgb tableColour(const platform::PackedDib& dib, int index) {
    const platform::RgbQuad q = dib.colour(static_cast<std::uint32_t>(index));
    return {q.red, q.green, q.blue};
}

// The picture's indices in storage order, row by row without padding.
inline std::vector<std::uint8_t> indices(const platform::PackedDib& dib) {
    std::vector<std::uint8_t> out;
    const std::uint8_t* pixels = dib.data() + dib.pixelOffset();
    for (int i = 0; i < dib.height(); ++i) {
        const std::uint8_t* row = pixels + static_cast<std::size_t>(i) * dib.stride();
        out.insert(out.end(), row, row + dib.width());
    }
    return out;
}

inline std::uint64_t checksum(const platform::PackedDib& dib) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const std::uint8_t byte : dib.block()) {
        hash = (hash ^ byte) * 1099511628211ull;
    }
    return hash;
}

// min(d * d, 10000) summed over the channels.
inline int distance(const Rgb& a, const Rgb& b) {
    int sum = 0;
    for (int c = 0; c < 3; ++c) {
        sum += std::min((a[c] - b[c]) * (a[c] - b[c]), 10000);
    }
    return sum;
}

// Plain model of the serpentine conversion: rows in storage order, even rows
// left to right, the error split by formula into 7, 5, 3 and 1 sixteenths.
// map(value) returns a table index; palette(index) its colour (read after
// map, so a mapping may add colours).
inline std::vector<std::uint8_t> referenceConvert(const platform::PackedDib& source,
                                                  const std::function<int(const Rgb&)>& map,
                                                  const std::function<Rgb(int)>& palette) {
    static const int rem7[16] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6};
    static const int rem5[16] = {0, 0, 0, 1, 1, 1, 1, 2, 2, 3, 3, 3, 3, 4, 4, 5};
    static const int rem3[16] = {0, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3};
    const int w = source.width();
    const int h = source.height();
    std::vector<std::uint8_t> out(static_cast<std::size_t>(w) * h);
    std::vector<Rgb> above(w, Rgb{0, 0, 0});
    const std::uint8_t* pixels = source.data() + source.pixelOffset();
    for (int i = 0; i < h; ++i) {
        const std::uint8_t* row = pixels + static_cast<std::size_t>(i) * source.stride();
        const int step = i % 2 == 0 ? 1 : -1;
        std::vector<Rgb> below(w, Rgb{0, 0, 0});
        Rgb carry{0, 0, 0};
        for (int n = 0; n < w; ++n) {
            const int x = step > 0 ? n : w - 1 - n;
            Rgb value;
            for (int c = 0; c < 3; ++c) {
                const int error = std::clamp(carry[c] + above[x][c], -20, 20);
                value[c] = std::clamp(row[3 * x + 2 - c] + error, 0, 255);
            }
            const int index = map(value);
            out[static_cast<std::size_t>(i) * w + x] = static_cast<std::uint8_t>(index);
            const Rgb chosen = palette(index);
            for (int c = 0; c < 3; ++c) {
                const int e = value[c] - chosen[c];
                const int q = e >= 0 ? e / 16 : -((15 - e) / 16);
                const int r = e - 16 * q;
                const int s7 = 7 * q + rem7[r], s5 = 5 * q + rem5[r], s3 = 3 * q + rem3[r];
                carry[c] = s7;
                below[x][c] += s5;
                if (x - step >= 0 && x - step < w) {
                    below[x - step][c] += s3;
                }
                if (x + step >= 0 && x + step < w) {
                    below[x + step][c] += e - s7 - s5 - s3;
                }
            }
        }
        above = below;
    }
    return out;
}

}  // namespace colourtest
