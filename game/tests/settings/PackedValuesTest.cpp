#include <gtest/gtest.h>

#include <climits>

#include "TestSupport.h"
#include "settings/IniStore.h"
#include "settings/PackedValues.h"
#include "settings/Preferences.h"
#include "settings/SnapSettings.h"

TEST(PackedValues, ScanStopsAtTheFirstMismatchAndKeepsTheRest) {
    int f[4] = {-7, -7, -7, -7};
    EXPECT_EQ(ScanNumbers("1,8,  3", ',', f, 4), 3);
    EXPECT_EQ(f[0], 1);
    EXPECT_EQ(f[2], 3);
    EXPECT_EQ(f[3], -7);

    int g[3] = {9, 9, 9};
    EXPECT_EQ(ScanNumbers("4 ,5", ',', g, 3), 1);  // the comma must follow directly
    EXPECT_EQ(g[1], 9);
    EXPECT_EQ(ScanNumbers("x,1", ',', g, 3), 0);
    EXPECT_EQ(ScanNumbers("", ',', g, 3), 0);
    EXPECT_EQ(ScanNumbers("-2,+3,", ',', g, 3), 2);
    EXPECT_EQ(g[0], -2);
    EXPECT_EQ(g[1], 3);
}

TEST(PackedValues, HugeNumbersAreClamped) {
    int f[2] = {0, 0};
    EXPECT_EQ(ScanNumbers("99999999999999999999,-99999999999999999999", ',', f, 2), 2);
    EXPECT_EQ(f[0], INT_MAX);
    EXPECT_EQ(f[1], INT_MIN);
    EXPECT_EQ(LeadingNumber("  42abc"), 42);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(nullptr), 0);
}

TEST(PackedValues, ColoursPutRedInTheLowByte) {
    EXPECT_EQ(ParseColour("128 255 0", 0), 0x00FF80u);
    EXPECT_EQ(ParseColour("1   2\t3", 0), 0x030201u);
    EXPECT_EQ(ParseColour("10", RGB(0, 0, 255)), 0xFF000Au);  // missing fields kept
    EXPECT_EQ(ParseColour("garbage", 0x123456), 0x123456u);
    EXPECT_EQ(ParseColour("300 -1 5", 0), RGB(300, -1, 5));  // each cut to a byte
    EXPECT_EQ(FormatColour(RGB(128, 255, 0)), "128 255 0");
}

TEST(Preferences, FullValueSetsAllTenFieldsInOrder) {
    Preferences p;
    EXPECT_EQ(p.parse("1,8,1,1,0,1,1,1,0,2"), 10);
    EXPECT_EQ(p.smallPieceLimit, 8);
    EXPECT_EQ(p.moveAside, 0);
    EXPECT_EQ(p.autoScroll, 1);
    EXPECT_EQ(p.onTopOnMove, 1);
    EXPECT_EQ(p.dragBackground, 1);
    EXPECT_EQ(p.scoringOff, 0);
    EXPECT_EQ(p.loadingPriority, 2);
}

TEST(Preferences, FiveNumbersLeaveTheLastFiveAtBuiltInDefaults) {
    Preferences p;
    EXPECT_EQ(p.parse("0,20,0,0,1"), 5);
    EXPECT_EQ(p.reserved, 0);
    EXPECT_EQ(p.smallPieceLimit, 20);
    EXPECT_EQ(p.adjustOriginal, 0);
    EXPECT_EQ(p.onTopOnSnap, 0);
    EXPECT_EQ(p.moveAside, 1);
    EXPECT_EQ(p.autoScroll, 1);
    EXPECT_EQ(p.onTopOnMove, 0);
    EXPECT_EQ(p.dragBackground, 0);
    EXPECT_EQ(p.scoringOff, 0);
    EXPECT_EQ(p.loadingPriority, 2);
}

TEST(Preferences, SavingAlwaysWritesZeroFirstAndReadsBack) {
    TempSettings settings;
    Preferences p;
    p.reserved = 1;
    p.loadingPriority = 3;
    p.save();
    EXPECT_EQ(GetIniString("Settings", ""), "0,4,1,1,0,1,0,0,0,3");
    Preferences q;
    q.load();
    EXPECT_EQ(q.reserved, 0);
    EXPECT_EQ(q.loadingPriority, 3);
}

TEST(Preferences, MissingOrBrokenValueGivesTheDefaults) {
    TempSettings settings;
    Preferences p;
    p.load();
    EXPECT_EQ(p.smallPieceLimit, 8);  // the default text's threshold
    EXPECT_EQ(p.onTopOnMove, 1);
    WriteIniString("not numbers", "Settings");
    Preferences q;
    q.load();
    EXPECT_EQ(q.smallPieceLimit, 4);  // built-in value kept
}

TEST(SnapValues, LevelsReadTheirKeysOverTheirDefaults) {
    TempSettings settings;
    const SnapValues expert = SnapSettings::load(5);
    EXPECT_EQ(expert.bonusPerJoin, 10);
    EXPECT_EQ(expert.scoreFactor, 180);
    WriteIniString("5,6", "SnapBeginner");
    const SnapValues beginner = SnapSettings::load(2);
    EXPECT_EQ(beginner.bonusPerJoin, 5);
    EXPECT_EQ(beginner.minTolerance, 6);
    EXPECT_EQ(beginner.maxTolerance, 40);
    EXPECT_EQ(beginner.scoreFactor, 100);
    EXPECT_EQ(SnapValues::defaults(99).scoreFactor, 160);  // unknown level: Standard
}
