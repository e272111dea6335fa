#include "ColourTables.h"

#include <algorithm>

namespace piclib {
namespace {

// Share of the remainder r (0..15) of e = 16q + r for each weight; the four
// rows add up to r.
constexpr int kRemainder7[16] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6};
constexpr int kRemainder5[16] = {0, 0, 0, 1, 1, 1, 1, 2, 2, 3, 3, 3, 3, 4, 4, 5};
constexpr int kRemainder3[16] = {0, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3};
constexpr int kRemainder1[16] = {0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

}  // namespace

ColourTables::ColourTables() {
    for (int e = -kMaxDifference; e <= kMaxDifference; ++e) {
        const int q = e >= 0 ? e / 16 : -((15 - e) / 16);  // rounded down
        const int r = e - 16 * q;
        const int i = e + kMaxDifference;
        shares_[i] = {7 * q + kRemainder7[r], 5 * q + kRemainder5[r], 3 * q + kRemainder3[r],
                      q + kRemainder1[r]};
        limit_[i] = std::clamp(e, -kErrorLimit, kErrorLimit);
        square_[i] = static_cast<std::uint32_t>(std::min(e * e, kSquareLimit));
    }
    for (int v = -kErrorLimit; v < 256 + kErrorLimit; ++v) {
        clamp_[v + kErrorLimit] = std::clamp(v, 0, 255);
    }
}

const ColourTables& ColourTables::instance() {
    static const ColourTables tables;
    return tables;
}

}  // namespace piclib
