#pragma once

#include "cutting/CoordMap.h"
#include "platform/Surface.h"

namespace windows {

// The scale of the overview: the whole table drawn small. Level L shrinks
// the table by F = 1000 x 1.333^L thousandths (truncated); the forward map
// turns table coordinates into overview coordinates (rounded half away from
// 0), the reverse map overview coordinates back into table coordinates.
class OverviewScale {
  public:
    static constexpr int kInitialLevel = 6;
    // The overview's smaller side stays above this many pixels.
    static constexpr int kSmallestSide = 100;
    static constexpr int kLevelsTried = 30;

    // The number of levels k (1 to 30) at which the table's smaller side
    // divided by 1.333^k is still above 100 pixels.
    static int largestLevel(int tableWidth, int tableHeight);
    // 1000 x 1.333^level, truncated.
    static int factor(int level);

    // The level is kept within 1 and the largest level (at least 1).
    OverviewScale(int tableWidth, int tableHeight, int level);

    int level() const { return level_; }
    int largestLevel() const { return largestLevel_; }
    int factor() const { return factor_; }
    bool canZoomOut() const { return level_ > 1; }
    bool canZoomIn() const { return level_ < largestLevel_; }

    // The map the sprite engine draws through (table -> overview).
    const cutting::CoordMap& forward() const { return forward_; }
    int toOverview(int table) const { return forward_[table]; }
    int toTable(int overview) const { return reverse_[overview]; }
    platform::Rect toOverview(const platform::Rect& table) const;
    // The table's size in the overview.
    int width() const { return forward_[tableWidth_]; }
    int height() const { return forward_[tableHeight_]; }

  private:
    int tableWidth_;
    int tableHeight_;
    int level_;
    int largestLevel_;
    int factor_;
    cutting::CoordMap forward_;
    cutting::CoordMap reverse_;
};

}  // namespace windows
