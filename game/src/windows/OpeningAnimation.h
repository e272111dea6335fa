#pragma once

#include <optional>

#include "platform/Surface.h"

namespace windows {

// The outlines that fly from the cursor to a window as it opens: 20 steps of
// 50 ms, each outline interpolated between the two rectangles and erased
// again four steps after it was drawn.
class OpeningAnimation {
  public:
    static constexpr int kSteps = 20;
    static constexpr int kStepMs = 50;
    static constexpr int kEraseAfter = 4;

    OpeningAnimation(const platform::Rect& from, const platform::Rect& to) : from_(from), to_(to) {}

    // The outline of step i (1 to kSteps); step kSteps is the target.
    platform::Rect outline(int step) const;
    // At tick t (1 to kSteps + kEraseAfter): the outline drawn, if any, and
    // the step whose outline is erased, if any.
    std::optional<int> drawnAt(int tick) const;
    std::optional<int> erasedAt(int tick) const;
    int ticks() const { return kSteps + kEraseAfter; }

  private:
    platform::Rect from_;
    platform::Rect to_;
};

}  // namespace windows
