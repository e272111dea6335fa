#pragma once

#include <cstdint>

#include "ColourCube.h"
#include "ColourMemo.h"
#include "ReduceFrame.h"
#include "ReduceSource.h"

namespace piclib {

// Method 2: the standard colour cube plus 40 colours sampled from the picture
// on an 8 x 5 grid, stored at entries 0 to 19 and then 236 to 255. A colour
// starts from its cube entry; a sampled entry replaces it only when strictly
// nearer, tested in the order of the samples. Answers are remembered per
// colour.
class ColourSampled {
  public:
    static constexpr int kSamples = 40;

    explicit ColourSampled(ReduceSource& source);

    std::uint8_t map(int red, int green, int blue) {
        const int slot = Memo::slot(Memo::box(red, green, blue), red, green, blue);
        const std::uint16_t known = memo_[slot];
        if (known != 0) {
            return static_cast<std::uint8_t>(known - 1);
        }
        const std::uint8_t index = search(red, green, blue);
        memo_[slot] = static_cast<std::uint16_t>(index + 1);
        return index;
    }
    const ReducePalette& palette() const { return palette_; }

    // Table index of sample k (0..39).
    static int sampleIndex(int k) { return k < 20 ? k : 216 + k; }

  private:
    // Remembered index + 1 of each colour met; the palette never changes.
    using Memo = ColourMemo<std::uint16_t>;

    std::uint8_t search(int red, int green, int blue) const;

    ColourCube cube_;
    ReducePalette palette_{};
    const std::uint32_t* squares_;  // min(d * d, 10000), centred on 0
    Memo memo_;
};

}  // namespace piclib
