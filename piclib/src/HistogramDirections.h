#pragma once

#include <array>
#include <cstdint>

namespace piclib {

// The 124 neighbour directions of a histogram cell: every offset with each
// component in -2..2 except (0, 0, 0), in the fixed order that decides ties
// between equal merge costs (faces, edges, corners, then distance 2).
class HistogramDirections {
  public:
    static constexpr int kCount = 124;
    static constexpr std::uint8_t kNone = 255;

    struct Direction {
        int red = 0;
        int green = 0;
        int blue = 0;
        int offset = 0;  // added to a cell index (red * 256 + green * 16 + blue)
        std::uint8_t opposite = 0;
    };

    static const HistogramDirections& instance();
    const Direction& operator[](int d) const { return directions_[d]; }

  private:
    HistogramDirections();

    std::array<Direction, kCount> directions_{};
};

}  // namespace piclib
