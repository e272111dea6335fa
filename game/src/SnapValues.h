#pragma once

#include <string>

// The five numbers of a skill level's snap key ("%d,%d,%d,%d,%d").
struct SnapValues {
    int bonusPerJoin = 0;
    int minTolerance = 0;      // pixels
    int maxTolerance = 0;      // pixels
    int tolerancePercent = 0;  // of the average tab margin
    int scoreFactor = 0;       // percent applied to the running score

    // The built-in values of level 2 to 5 (Beginner to Expert); any other
    // level gives those of Standard.
    static SnapValues defaults(int level);
    // Reads the level's key over the level's built-in values.
    static SnapValues load(int level);
    // Fields that the text does not hold keep their current values.
    int parse(const std::string& text);
};
