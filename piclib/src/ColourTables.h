#pragma once

#include <array>
#include <cstdint>

#include "PIXPICK32_export.h"

namespace piclib {

// Lookup tables of the error diffusion and the colour distance. Every table
// is indexed by a signed value through an offset so that the per-pixel work
// is lookups only.
class PIXPICK32_EXPORT ColourTables {
  public:
    static constexpr int kMaxDifference = 255;  // |table colour - adjusted value|
    static constexpr int kErrorLimit = 20;      // collected error is cut to +-20
    static constexpr int kSquareLimit = 10000;  // one channel's squared difference

    // The four whole shares of an error e in -255..255 (weights 7, 5, 3, 1 of
    // 16); they always add up to e.
    int ahead(int e) const { return ahead_[e + kMaxDifference]; }
    int below(int e) const { return below_[e + kMaxDifference]; }
    int belowBehind(int e) const { return belowBehind_[e + kMaxDifference]; }
    int belowAhead(int e) const { return belowAhead_[e + kMaxDifference]; }

    // Collected error (-255..255) cut to the error limit.
    int limit(int e) const { return limit_[e + kMaxDifference]; }
    // Source value plus limited error (-20..275) cut to 0..255.
    int clamp(int v) const { return clamp_[v + kErrorLimit]; }
    // min(d * d, 10000) for d in -255..255.
    std::uint32_t square(int d) const { return square_[d + kMaxDifference]; }
    // The square table itself, indexed by d + 255, for tight search loops.
    const std::uint32_t* squares() const { return square_.data(); }

    static const ColourTables& instance();

  private:
    ColourTables();

    static constexpr int kDifferences = 2 * kMaxDifference + 1;
    std::array<int, kDifferences> ahead_{};
    std::array<int, kDifferences> below_{};
    std::array<int, kDifferences> belowBehind_{};
    std::array<int, kDifferences> belowAhead_{};
    std::array<int, kDifferences> limit_{};
    std::array<int, 256 + 2 * kErrorLimit> clamp_{};
    std::array<std::uint32_t, kDifferences> square_{};
};

}  // namespace piclib
