#pragma once

#include "model/SnapValues.h"

namespace sprites {
class SpriteStore;
}

// The skill level (2 Beginner, 3 Novice, 4 Standard, 5 Expert) and the snap
// values it brings. Applying a level puts its snap tolerance into the store
// of a laid-out puzzle; reading and writing the settings is the caller's.
class SkillLevel {
  public:
    static constexpr int kBeginner = 2;
    static constexpr int kExpert = 5;

    // Pixels: the average tab margin times the level's percentage, raised to
    // the smallest tolerance and then lowered to the largest (the largest wins
    // when the two cross).
    static int Tolerance(const SnapValues& values, int marginX, int marginY);

    // Takes the level and its values; with a store, sets its tolerance.
    void Apply(int level, const SnapValues& values, sprites::SpriteStore* store);

    int level() const { return m_level; }
    bool isExpert() const { return m_level == kExpert; }
    const SnapValues& values() const { return m_values; }

  private:
    int m_level = 4;
    SnapValues m_values = SnapValues::defaults(4);
};
