#include "windows/OverviewScale.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace windows {

namespace {

constexpr double kStep = 1.333;
// The forward map reaches this far beyond the table on either side.
constexpr int kMarginBefore = 100;
constexpr int kMarginAfter = 109;

// c * 1000 / factor rounded half up, for c >= 0.
int Shrunk(int c, int factor) {
    const long long n = static_cast<long long>(c) * 1000;
    return static_cast<int>((2 * n + factor) / (2LL * factor));
}

}  // namespace

int OverviewScale::largestLevel(int tableWidth, int tableHeight) {
    const double side = std::min(tableWidth, tableHeight);
    int levels = 0;
    double divisor = 1.0;
    for (int k = 1; k <= kLevelsTried; ++k) {
        divisor *= kStep;
        if (side / divisor > kSmallestSide) {
            ++levels;
        }
    }
    return levels;
}

int OverviewScale::factor(int level) {
    double f = 1000.0;
    for (int i = 0; i < level; ++i) {
        f *= kStep;
    }
    return static_cast<int>(f);
}

OverviewScale::OverviewScale(int tableWidth, int tableHeight, int level)
    : tableWidth_(tableWidth),
      tableHeight_(tableHeight),
      largestLevel_(largestLevel(tableWidth, tableHeight)) {
    level_ = std::clamp(level, 1, std::max(1, largestLevel_));
    factor_ = factor(level_);
    const int m = std::max(tableWidth, tableHeight);
    const int first = -(m + kMarginBefore);
    const int last = m + kMarginAfter;
    std::vector<std::int16_t> entries(static_cast<std::size_t>(last - first + 1));
    for (int c = first; c <= last; ++c) {
        const int mapped = c < 0 ? -Shrunk(-c, factor_) : Shrunk(c, factor_);
        entries[static_cast<std::size_t>(c - first)] = static_cast<std::int16_t>(mapped);
    }
    forward_ = cutting::CoordMap(first, std::move(entries));
    // Overview pixel k starts where the forward map takes its (k + 1)-th step.
    std::vector<std::int16_t> steps;
    for (int c = 1; c <= last; ++c) {
        if (forward_[c] != forward_[c - 1]) {
            steps.push_back(static_cast<std::int16_t>(c));
        }
    }
    reverse_ = cutting::CoordMap(0, std::move(steps));
}

platform::Rect OverviewScale::toOverview(const platform::Rect& table) const {
    return {forward_[table.left], forward_[table.top], forward_[table.right],
            forward_[table.bottom]};
}

}  // namespace windows
