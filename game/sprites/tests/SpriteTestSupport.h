#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "cutting/SpanRegion.h"
#include "platform/Surface.h"
#include "sprites/Sprite.h"
#include "sprites/SpriteStore.h"

namespace spritetest {

// A picture whose every pixel is distinct, so that a pixel on screen tells
// where in the picture it came from.
inline platform::Surface numberedPicture(int w, int h) {
    platform::Surface s(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            s.setPixel(x, y, static_cast<platform::Pixel>(((y * 7919 + x * 31) & 0xFFFFFF) | 1));
        }
    }
    return s;
}

// Masks of a synthetic cut: every cell is its core rectangle with a round
// knob into its right and lower neighbours' cells.
class Cut {
  public:
    Cut(int piece, int columns, int rows)
        : piece_(piece), margin_(piece / 3), columns_(columns), rows_(rows) {}

    int margin() const { return margin_; }
    int box() const { return piece_ + 2 * margin_; }

    std::vector<std::uint16_t> mask(int column, int row) const {
        const int size = box();
        const int wordsPerRow = (size + 15) / 16;
        std::vector<std::uint16_t> words(static_cast<std::size_t>(wordsPerRow) * size, 0);
        auto* bytes = reinterpret_cast<std::uint8_t*>(words.data());
        const int mid = margin_ + piece_ / 2;
        const int r = margin_ / 2;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const bool core =
                    x >= margin_ && x < margin_ + piece_ && y >= margin_ && y < margin_ + piece_;
                const bool right =
                    column + 1 < columns_ && near(x, y, margin_ + piece_ + 1, mid, r);
                const bool down = row + 1 < rows_ && near(x, y, mid, margin_ + piece_ + 1, r);
                if (core || right || down) {
                    bytes[y * wordsPerRow * 2 + x / 8] |=
                        static_cast<std::uint8_t>(0x80 >> (x % 8));
                }
            }
        }
        return words;
    }

    // A sprite for the cell, its box at the cell's picture place less the
    // margins.
    std::unique_ptr<sprites::Sprite> sprite(platform::Surface* picture, int column, int row) const {
        const auto words = mask(column, row);
        const cutting::MaskBits bits{words.data(), (box() + 15) / 16, box(), box(), 0, 0};
        const sprites::CellRect cell{column * piece_, row * piece_, piece_, piece_};
        return sprites::Sprite::create(picture, cell.x - margin_, cell.y - margin_, box(), box(),
                                       cell, &bits);
    }

  private:
    static bool near(int x, int y, int cx, int cy, int r) {
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
    }

    int piece_;
    int margin_;
    int columns_;
    int rows_;
};

}  // namespace spritetest
