#pragma once

#include <array>
#include <cstdint>

#include "PIXPICK32_export.h"

namespace piclib {

// Lookup tables of the error diffusion and the colour distance. Every table
// is indexed by a signed value; the pointer accessors are centred on zero so
// that tight loops index them directly.
class PIXPICK32_EXPORT ColourTables {
  public:
    static constexpr int kMaxDifference = 255;  // |table colour - adjusted value|
    static constexpr int kErrorLimit = 20;      // collected error is cut to +-20
    static constexpr int kSquareLimit = 10000;  // one channel's squared difference

    // The four whole shares of an error (weights 7, 5, 3, 1 of 16); they
    // always add up to the error.
    struct Shares {
        std::int32_t ahead;        // next pixel in the row
        std::int32_t below;        // pixel below
        std::int32_t belowBehind;  // pixel below and behind
        std::int32_t belowAhead;   // pixel below and ahead
    };

    // Shares of an error e in -255..255.
    const Shares& share(int e) const { return shares()[e]; }
    // Collected error (-255..255) cut to the error limit.
    int limit(int e) const { return limits()[e]; }
    // Source value plus limited error (-20..275) cut to 0..255.
    int clamp(int v) const { return clamps()[v]; }
    // min(d * d, 10000) for d in -255..255.
    std::uint32_t square(int d) const { return squares()[d]; }

    const Shares* shares() const { return shares_.data() + kMaxDifference; }
    const std::int32_t* limits() const { return limit_.data() + kMaxDifference; }
    const std::int32_t* clamps() const { return clamp_.data() + kErrorLimit; }
    const std::uint32_t* squares() const { return square_.data() + kMaxDifference; }

    static const ColourTables& instance();

  private:
    ColourTables();

    static constexpr int kDifferences = 2 * kMaxDifference + 1;
    std::array<Shares, kDifferences> shares_{};
    std::array<std::int32_t, kDifferences> limit_{};
    std::array<std::int32_t, 256 + 2 * kErrorLimit> clamp_{};
    std::array<std::uint32_t, kDifferences> square_{};
};

}  // namespace piclib
