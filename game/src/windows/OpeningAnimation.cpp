#include "windows/OpeningAnimation.h"

namespace windows {

namespace {

int between(int a, int b, int step) {
    return a + (b - a) * step / OpeningAnimation::kSteps;
}

}  // namespace

platform::Rect OpeningAnimation::outline(int step) const {
    return {between(from_.left, to_.left, step), between(from_.top, to_.top, step),
            between(from_.right, to_.right, step), between(from_.bottom, to_.bottom, step)};
}

std::optional<int> OpeningAnimation::drawnAt(int tick) const {
    if (tick < 1 || tick > kSteps) {
        return std::nullopt;
    }
    return tick;
}

std::optional<int> OpeningAnimation::erasedAt(int tick) const {
    const int step = tick - kEraseAfter;
    if (step < 1 || step > kSteps) {
        return std::nullopt;
    }
    return step;
}

}  // namespace windows
