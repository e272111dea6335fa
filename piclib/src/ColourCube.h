#pragma once

#include <array>
#include <cstdint>

#include "ReduceFrame.h"

namespace piclib {

// The standard colour cube of six levels (0, 51, ..., 255) per channel at
// table indices 20 to 235, cube colour (r, g, b) at 20 + 36 r + 6 b + g. As a
// mapper (method 1) it holds black at 0 to 19 and 236 to 239 and the sixteen
// fixed colours at 240 to 255, and maps every colour to the cube alone.
class ColourCube {
  public:
    static constexpr int kFirst = 20;
    static constexpr int kLast = 235;

    ColourCube();

    std::uint8_t map(int red, int green, int blue) const {
        return static_cast<std::uint8_t>(kFirst + red36_[red] + blue6_[blue] + green1_[green]);
    }
    const ReducePalette& palette() const { return palette_; }

    // Writes the cube colours to entries 20 to 235 of palette.
    static void fillCube(ReducePalette& palette);

  private:
    ReducePalette palette_{};
    std::array<std::uint8_t, 256> red36_{};   // 36 * level of a red value
    std::array<std::uint8_t, 256> blue6_{};   // 6 * level of a blue value
    std::array<std::uint8_t, 256> green1_{};  // level of a green value
};

}  // namespace piclib
