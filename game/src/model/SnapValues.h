#pragma once

// The five numbers of a skill level's snap rule. The settings store keeps
// them as one text per level ("%d,%d,%d,%d,%d", in this field order).
struct SnapValues {
    int bonusPerJoin = 0;
    int minTolerance = 0;      // pixels
    int maxTolerance = 0;      // pixels
    int tolerancePercent = 0;  // of the average tab margin
    int scoreFactor = 0;       // percent applied to the running score

    // The built-in values of level 2 to 5 (Beginner to Expert); any other
    // level gives those of Standard.
    static SnapValues defaults(int level);
};
