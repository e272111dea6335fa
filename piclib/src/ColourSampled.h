#pragma once

#include <cstdint>

#include "ColourCube.h"
#include "ReduceFrame.h"
#include "ReduceSource.h"

namespace piclib {

// Method 2: the standard colour cube plus 40 colours sampled from the picture
// on an 8 x 5 grid, stored at entries 0 to 19 and then 236 to 255. A colour
// starts from its cube entry; a sampled entry replaces it only when strictly
// nearer, tested in the order of the samples.
class ColourSampled {
  public:
    static constexpr int kSamples = 40;

    explicit ColourSampled(ReduceSource& source);

    std::uint8_t map(int red, int green, int blue) const;
    const ReducePalette& palette() const { return palette_; }

    // Table index of sample k (0..39).
    static int sampleIndex(int k) { return k < 20 ? k : 216 + k; }

  private:
    ColourCube cube_;
    ReducePalette palette_{};
    const std::uint32_t* squares_;  // min(d * d, 10000) at d + 255
};

}  // namespace piclib
