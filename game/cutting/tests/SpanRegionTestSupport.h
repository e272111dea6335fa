#pragma once

#include <cstdint>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "cutting/SpanRegion.h"

namespace regiontest {

using Pixels = std::set<std::pair<int, int>>;  // (x, y)

// A one-bit mask in the cutter's layout, built from random bits: rows of
// whole 16-bit words, most significant bit of each byte leftmost.
struct Mask {
    int width = 0;
    int height = 0;
    int wordsPerRow = 0;
    std::vector<std::uint16_t> words;

    Mask(int w, int h) : width(w), height(h), wordsPerRow((w + 15) / 16) {
        words.assign(static_cast<std::size_t>(wordsPerRow) * h, 0);
    }
    std::uint8_t* row(int y) {
        return reinterpret_cast<std::uint8_t*>(words.data()) + y * wordsPerRow * 2;
    }
    void set(int x, int y) { row(y)[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8)); }
    cutting::MaskBits bits(int dx = 0, int dy = 0) const {
        return {words.data(), wordsPerRow, width, height, dx, dy};
    }
};

// Random blobs: runs of random length, solid stretches and empty bytes, so
// that the byte-skipping paths are taken. Seeded through srand by the caller.
inline Mask randomMask(int w, int h, Pixels* pixels, int dx = 0, int dy = 0) {
    Mask m(w, h);
    for (int y = 0; y < h; ++y) {
        int x = 0;
        bool on = std::rand() % 2 == 0;
        while (x < w) {
            const int len = 1 + std::rand() % (std::rand() % 3 == 0 ? 24 : 4);
            for (int i = 0; i < len && x < w; ++i, ++x) {
                if (on) {
                    m.set(x, y);
                    if (pixels != nullptr) {
                        pixels->insert({x + dx, y + dy});
                    }
                }
            }
            on = !on;
        }
    }
    return m;
}

inline Pixels pixelsOf(const cutting::SpanRegion& r) {
    Pixels out;
    for (int i = 0; i < r.count(); ++i) {
        const cutting::Run& run = r.runs()[i];
        for (int y = run.top; y <= run.bottom; ++y) {
            for (int x = run.left; x <= run.right; ++x) {
                out.insert({x, y});
            }
        }
    }
    return out;
}

}  // namespace regiontest
