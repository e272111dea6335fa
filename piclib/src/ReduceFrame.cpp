#include "ReduceFrame.h"

namespace piclib {

ReduceFrame::ReduceFrame(ReduceSource& source, platform::PackedDib& result)
    : source_(source),
      pixels_(result.data() + result.pixelOffset()),
      stride_(result.stride()),
      width_(source.width()) {
    const std::size_t entries = kRecord * (static_cast<std::size_t>(width_) + 2);
    errorRows_[0].assign(entries, 0);
    errorRows_[1].assign(entries, 0);
}

void ReduceFrame::storePalette(const ReducePalette& palette, platform::PackedDib& result) {
    for (std::uint32_t i = 0; i < palette.size(); ++i) {
        const ReduceColour& c = palette[i];
        result.setColour(i, {static_cast<std::uint8_t>(c.blue), static_cast<std::uint8_t>(c.green),
                             static_cast<std::uint8_t>(c.red), 0});
    }
}

}  // namespace piclib
