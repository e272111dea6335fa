#include <gtest/gtest.h>

#include <map>

#include "scores/HighScoreTable.h"

namespace {

// The settings as a map, so the stored texts can be looked at.
struct FakeSettings {
    std::map<std::string, std::string> values;

    HighScoreTable::Io io() {
        return {[this](const char* key, const char* def) {
                    auto it = values.find(key);
                    return it == values.end() ? std::string(def) : it->second;
                },
                [this](const char* key, const std::string& v) { values[key] = v; }};
    }
};

HighScoreTable tableWithScores(FakeSettings& s, std::initializer_list<long> scores) {
    HighScoreTable t(s.io());
    t.load();
    int n = 0;
    for (long score : scores) {
        t.insertDated("P" + std::to_string(++n), score, "Pic", 20, "0:01:00", "1.1.95");
    }
    return t;
}

}  // namespace

TEST(HighScoreTable, EmptyTableTakesAnyPositiveScoreAtTheTopAndNeverZero) {
    FakeSettings s;
    HighScoreTable t(s.io());
    t.load();
    EXPECT_EQ(t.row(0).score, "0");  // an absent key reads "[,0,,]"
    EXPECT_EQ(t.rank(1), 1);
    EXPECT_EQ(t.rank(0), 0);
    EXPECT_EQ(t.rank(-5), 0);
    EXPECT_EQ(t.insertDated("Ann", 0, "Pic", 20, "1", "d"), -1);
}

TEST(HighScoreTable, EqualScoreRanksBelowOlderEntriesAndRowTenDrops) {
    FakeSettings s;
    auto t = tableWithScores(s, {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100});
    EXPECT_EQ(t.rank(800), 4);
    EXPECT_EQ(t.insertDated("New", 800, "Pic", 20, " 0:10:00 ", "7.3.95"), 3);
    EXPECT_EQ(t.row(2).name, "P3");
    EXPECT_EQ(t.row(3).name, "New");
    EXPECT_EQ(t.row(3).time, "0:10:00");
    EXPECT_EQ(t.row(4).name, "P4");
    EXPECT_EQ(t.row(9).name, "P9");  // the old row 10 (P10) is gone
    EXPECT_EQ(t.rank(100), 0);
}

TEST(HighScoreTable, StoresAndParsesRows) {
    FakeSettings s;
    {
        auto t = tableWithScores(s, {500});
        t.store();
    }
    EXPECT_EQ(s.values["Highscore1"], "[P1,500,Pic,1.1.95,20,0:01:00]");
    EXPECT_EQ(s.values["Highscore2"], "[,0,,,,]");
    EXPECT_EQ(s.values.size(), 10u);

    // Fields cut at "," or "]", blanks trimmed from date and time, a
    // non-numeric score ranks as 0, missing fields are empty.
    const HighScoreRow r = HighScoreTable::parse("[Bo,abc,Sea]x, 1/2/95 ,9");
    EXPECT_EQ(r.name, "Bo");
    EXPECT_EQ(r.score, "abc");
    EXPECT_EQ(r.picture, "Sea");
    EXPECT_EQ(r.date, "x");
    EXPECT_EQ(r.pieces, " 1/2/95 ");
    EXPECT_EQ(r.time, "9");
    EXPECT_EQ(HighScoreTable::scoreValue("abc"), 0);
    EXPECT_EQ(HighScoreTable::parse(""), HighScoreRow{});
}

TEST(HighScoreTable, NamesCannotBreakTheRowForm) {
    FakeSettings s;
    HighScoreTable t(s.io());
    t.load();
    t.insertDated("Smith, J]", 50, "Boats, red", 4, "0:00:09", "d");
    t.store();
    HighScoreTable back(s.io());
    back.load();
    EXPECT_EQ(back.row(0).name, "Smith; J)");
    EXPECT_EQ(back.row(0).score, "50");
    EXPECT_EQ(back.row(0).pieces, "4");
}

TEST(HighScoreTable, ClearAndRemove) {
    FakeSettings s;
    auto t = tableWithScores(s, {30, 20, 10});
    t.remove(0);
    EXPECT_EQ(t.row(0).name, "P2");
    EXPECT_EQ(t.row(9), HighScoreRow{});
    t.clear();
    t.store();
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(s.values["Highscore" + std::to_string(i)], "[,,,,,]");
    }
}

TEST(HighScoreTable, DatesFollowTheInternationalOrder) {
    std::tm day{};
    day.tm_mday = 7;
    day.tm_mon = 2;
    day.tm_year = 95;
    EXPECT_EQ(HighScoreTable::formatDate(day, 1), "7.3.95");
    EXPECT_EQ(HighScoreTable::formatDate(day, 0), "3/7/95");
    EXPECT_EQ(HighScoreTable::formatDate(day, 2), "95.3.7");
    day.tm_year = 101;
    EXPECT_EQ(HighScoreTable::formatDate(day, 1), "7.3.101");
}
