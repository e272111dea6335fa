#include "model/SkillLevel.h"

#include <algorithm>
#include <cstdint>

#include "sprites/SpriteStore.h"

int SkillLevel::Tolerance(const SnapValues& values, int marginX, int marginY) {
    const int averageMargin = (marginX + marginY) / 2;
    int tolerance = averageMargin * values.tolerancePercent / 100;
    tolerance = std::max(tolerance, values.minTolerance);
    return std::min(tolerance, values.maxTolerance);
}

void SkillLevel::Apply(int level, const SnapValues& values, sprites::SpriteStore* store) {
    m_level = level;
    m_values = values;
    if (store != nullptr) {
        store->snapTolerance =
            static_cast<std::int16_t>(Tolerance(values, store->marginX, store->marginY));
    }
}
