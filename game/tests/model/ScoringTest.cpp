#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/ScoreKeeper.h"
#include "model/SkillLevel.h"
#include "sprites/SpriteStore.h"

namespace {

TEST(SkillLevelTest, ToleranceFollowsMarginsWithinTheLevelsBounds) {
    struct Case {
        int level;
        int margin;
        int tolerance;
    };
    const Case cases[] = {
        {2, 20, 20},  {3, 20, 10}, {4, 20, 3}, {5, 20, 4},  // piece width 60
        {2, 10, 12},                                        // piece width 30: raised
        {5, 200, 40},                                       // piece width 600
        {2, 200, 40},                                       // lowered to the largest
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SkillLevel::Tolerance(SnapValues::defaults(c.level), c.margin, c.margin),
                  c.tolerance)
            << "level " << c.level << " margin " << c.margin;
    }
    SnapValues crossed = SnapValues::defaults(4);
    crossed.minTolerance = 30;
    crossed.maxTolerance = 5;
    EXPECT_EQ(SkillLevel::Tolerance(crossed, 20, 20), 5);
}

TEST(SkillLevelTest, ApplyingSetsTheStoresToleranceOnlyWithAPuzzle) {
    sprites::SpriteStore store(4, 64, 64);
    store.marginX = store.marginY = 20;
    SkillLevel level;
    level.Apply(2, SnapValues::defaults(2), &store);
    EXPECT_EQ(store.snapTolerance, 20);
    level.Apply(5, SnapValues::defaults(5), nullptr);
    EXPECT_TRUE(level.isExpert());
    EXPECT_EQ(store.snapTolerance, 20);
}

class ScoreKeeperTest : public ::testing::Test {
  protected:
    std::vector<int> sounds_;
    ScoreKeeper score_{[this](int e) { sounds_.push_back(e); }};
};

TEST_F(ScoreKeeperTest, ExactDropEarnsTheFullBonusAndThePerfectFitSound) {
    score_.SetLevel(6, 160, false);
    EXPECT_EQ(score_.ScoreJoin(0), 6);
    EXPECT_EQ(sounds_, std::vector<int>{ScoreKeeper::kBonusSound});
    EXPECT_EQ(score_.ScoreJoin(2), 4);  // one pixel off in each axis
    EXPECT_EQ(score_.ScoreJoin(9), 0);  // never below 0
    EXPECT_EQ(sounds_.size(), 1u);
    EXPECT_EQ(score_.bonusSum(), 10);
    EXPECT_EQ(score_.TotalText(), "Total: 10");
}

TEST_F(ScoreKeeperTest, BonusOnExactPaysOnlyPerfectFits) {
    score_.SetLevel(6, 160, true);
    EXPECT_EQ(score_.ScoreJoin(2), 0);
    EXPECT_EQ(score_.ScoreJoin(0), 6);
}

TEST_F(ScoreKeeperTest, RunningScoreFormula) {
    // n = 0 (every join was an assist): nothing, whatever the time.
    EXPECT_EQ(ScoreKeeper::Formula(6, 6, 1, 0, 100, 160), 0);
    // n = 10 - 5 + 1 = 6: early in the game the divisor is 3n = 18.
    const double early = std::pow(6, 2.28) * 60.0 / 18 * 100 * 0.01;
    EXPECT_EQ(ScoreKeeper::Formula(10, 5, 0, 0, 10, 100), static_cast<int>(early));
    const double later = std::pow(7, 2.28) * 60.0 / 100 * 160 * 0.01;
    EXPECT_EQ(ScoreKeeper::Formula(10, 5, 0, 1, 100, 160), static_cast<int>(later));
}

TEST_F(ScoreKeeperTest, ExpertMissesCostTheirPenaltyEach) {
    score_.SetLevel(10, 180, false);
    score_.SetMissedFact(10);
    score_.ScoreJoin(0);
    score_.ExpertMiss(6, 5, 1000);
    const int running = score_.running();
    EXPECT_EQ(score_.total(), running - 10 + 10);
    score_.ExpertMiss(6, 5, 1000);
    EXPECT_EQ(score_.total(), score_.running() - 20 + 10);
    EXPECT_EQ(score_.misses(), 2);
    EXPECT_EQ(sounds_.back(), ScoreKeeper::kExpertErrorSound);
    EXPECT_EQ(score_.ScoreText(), "Score: 0");
}

}  // namespace
