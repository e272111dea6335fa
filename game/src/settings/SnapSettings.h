#pragma once

#include "model/SnapValues.h"

// Reads a skill level's snap rule from the settings store.
class SnapSettings {
  public:
    // The level's key read over the level's built-in values: fields the
    // stored text does not hold keep their built-in values.
    static SnapValues load(int level);
};
