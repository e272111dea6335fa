#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ColourTables.h"
#include "ReduceReporter.h"
#include "ReduceSource.h"
#include "platform/PackedDib.h"

namespace piclib {

struct ReduceColour {
    int red = 0;
    int green = 0;
    int blue = 0;
};
using ReducePalette = std::array<ReduceColour, 256>;

// The conversion shared by all methods: rows in pairs, the first of a pair
// from left to right and the second from right to left (a last odd row from
// left to right), each pixel's collected error limited and added before the
// mapper picks its table index, and the remaining error spread in sixteenths
// to the pixel ahead and the three pixels below.
//
// A Mapper provides `std::uint8_t map(int red, int green, int blue)` and
// `const ReducePalette& palette() const`; map may add palette entries.
class ReduceFrame {
  public:
    // Allocates the two error rows; throws std::bad_alloc when memory is short.
    // result must be an 8-bit bitmap of the source's size.
    ReduceFrame(ReduceSource& source, platform::PackedDib& result);

    // Converts every row. After each pair of rows reports base + the pair's
    // first row against total. Returns false when the caller asked to stop.
    template <class Mapper>
    bool convert(Mapper& mapper, ReduceReporter& reporter, long base, long total);

    // Writes the 256 palette entries into the result's colour table.
    static void storePalette(const ReducePalette& palette, platform::PackedDib& result);

  private:
    // Each error row holds one record (red, green, blue, unused) per pixel
    // plus one record of padding at either end that takes the shares falling
    // outside the picture and is never read.
    static constexpr int kRecord = 4;

    template <int Step, class Mapper>
    void convertRow(Mapper& mapper, int row, const std::int32_t* errors, std::int32_t* next);
    template <int Step>
    static int spread(const ColourTables::Shares& share, std::int32_t* below);

    ReduceSource& source_;
    std::uint8_t* pixels_;
    std::size_t stride_;
    int width_;
    std::array<std::vector<std::int32_t>, 2> errorRows_;
};

template <class Mapper>
bool ReduceFrame::convert(Mapper& mapper, ReduceReporter& reporter, long base, long total) {
    for (int row = 0; row < source_.rows(); ++row) {
        const std::int32_t* errors = errorRows_[row & 1].data() + kRecord;
        std::int32_t* next = errorRows_[(row + 1) & 1].data() + kRecord;
        if ((row & 1) == 0) {
            convertRow<1>(mapper, row, errors, next);
        } else {
            convertRow<-1>(mapper, row, errors, next);
            if (!reporter.report(base + row - 1, total)) {
                return false;
            }
        }
    }
    return true;
}

template <int Step, class Mapper>
void ReduceFrame::convertRow(Mapper& mapper, int row, const std::int32_t* errors,
                             std::int32_t* next) {
    const ColourTables& t = ColourTables::instance();
    const ColourTables::Shares* shares = t.shares();
    const std::int32_t* limit = t.limits();
    const std::int32_t* clamp = t.clamps();
    const std::uint8_t* src = source_.row(row);
    std::uint8_t* dst = pixels_ + static_cast<std::size_t>(row) * stride_;
    const ReducePalette& palette = mapper.palette();
    const int first = Step > 0 ? 0 : width_ - 1;
    const int end = Step > 0 ? width_ : -1;
    // Every other entry of the next row is first written by the pixel behind;
    // the starting column has none, so it starts from zero instead of keeping
    // what the row two above left there.
    next[kRecord * first] = next[kRecord * first + 1] = next[kRecord * first + 2] = 0;
    int carryRed = 0;
    int carryGreen = 0;
    int carryBlue = 0;
    for (int x = first; x != end; x += Step) {
        const std::int32_t* collected = errors + kRecord * x;
        const std::uint8_t* s = src + 3 * static_cast<std::size_t>(x);
        const int red = clamp[s[2] + limit[carryRed + collected[0]]];
        const int green = clamp[s[1] + limit[carryGreen + collected[1]]];
        const int blue = clamp[s[0] + limit[carryBlue + collected[2]]];
        const std::uint8_t index = mapper.map(red, green, blue);
        dst[x] = index;
        const ReduceColour& chosen = palette[index];
        std::int32_t* below = next + kRecord * x;
        carryRed = spread<Step>(shares[red - chosen.red], below);
        carryGreen = spread<Step>(shares[green - chosen.green], below + 1);
        carryBlue = spread<Step>(shares[blue - chosen.blue], below + 2);
    }
}

// Passes one channel's shares to the next row and returns the share for the
// pixel ahead. The entry below and ahead has not been written in this row
// yet, so it is set rather than added to.
template <int Step>
int ReduceFrame::spread(const ColourTables::Shares& share, std::int32_t* below) {
    below[0] += share.below;
    below[-kRecord * Step] += share.belowBehind;
    below[kRecord * Step] = share.belowAhead;
    return share.ahead;
}

}  // namespace piclib
