#include <gtest/gtest.h>

#include "TestSupport.h"
#include "model/GameClock.h"
#include "model/GameTimer.h"
#include "model/ScoreKeeper.h"
#include "view/PauseDisplay.h"

#include <QFontMetrics>

namespace {

class GameClockTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CClockHold::SetTimeSource([this] { return now_; });
        clock_.Start();
    }
    void TearDown() override { CClockHold::SetTimeSource({}); }

    std::time_t now_ = 50000;
    GameClock clock_;
};

TEST_F(GameClockTest, HoldsAndPausesDoNotCountAsPlayTime) {
    now_ += 10;
    {
        CClockHold dialog;
        now_ += 30;
        EXPECT_EQ(clock_.Elapsed(), 10);
    }
    EXPECT_EQ(clock_.Elapsed(), 10);
    clock_.Pause();
    EXPECT_EQ(CClockHold::ActiveCount(), 1);
    now_ += 500;
    clock_.Resume();
    EXPECT_FALSE(clock_.Paused());
    EXPECT_EQ(CClockHold::ActiveCount(), 0);
    EXPECT_EQ(clock_.Elapsed(), 10);
    now_ += 5;
    EXPECT_EQ(clock_.Elapsed(), 15);
}

// A dialog opened while paused, and a game resumed while a dialog is still
// open: every held second is taken off once, never twice.
TEST_F(GameClockTest, OverlappingHoldsAreTakenOffOnce) {
    now_ += 10;
    clock_.Pause();
    now_ += 20;
    {
        CClockHold dialog;
        now_ += 30;
        clock_.Resume();
        now_ += 40;
    }
    EXPECT_EQ(clock_.Elapsed(), 10);
    now_ += 1;
    EXPECT_EQ(clock_.Elapsed(), 11);
    {
        CClockHold dialog;
        now_ += 5;
        clock_.Start();  // a new game begun under a hold counts from its end
        now_ += 5;
    }
    now_ += 2;
    EXPECT_EQ(clock_.Elapsed(), 2);
}

TEST_F(GameClockTest, TimerRecomputesTheScoreExceptOnWholeMinutes) {
    ScoreKeeper score;
    now_ += 59;
    GameTimer::Status status = GameTimer::Update(score, clock_, 4, 6, false);
    EXPECT_EQ(*status.time, " 0:00:59 ");
    EXPECT_EQ(status.pieces, "3 / 6 ");
    ASSERT_TRUE(status.score);
    const int running = score.running();
    EXPECT_GT(running, 0);
    now_ += 61;  // two whole minutes
    status = GameTimer::Update(score, clock_, 3, 6, false);
    EXPECT_FALSE(status.score);
    EXPECT_EQ(score.running(), running);
    EXPECT_EQ(*status.time, " 0:02:00 ");
    now_ += 3600 * 25 + 1;
    status = GameTimer::Update(score, clock_, 3, 6, true);
    EXPECT_EQ(*status.time, " 1:02:01 ");
    EXPECT_EQ(*status.score, "");
    // Nothing joined yet: all pieces remain; one group left: the end.
    EXPECT_EQ(GameTimer::Update(score, clock_, 6, 6, false).pieces, "6 / 6 ");
    EXPECT_FALSE(GameTimer::Update(score, clock_, 1, 6, false).time);
}

TEST(GameTimerTest, PausesAfterAMinuteWithoutInputOrWhenMinimised) {
    GameTimer::Input in;
    in.puzzleExists = true;
    in.msSinceInput = 60000;
    EXPECT_FALSE(GameTimer::Decide(in).autoPause);
    EXPECT_TRUE(GameTimer::Decide(in).updateStatus);
    in.msSinceInput = 60001;
    EXPECT_TRUE(GameTimer::Decide(in).autoPause);
    EXPECT_FALSE(GameTimer::Decide(in).beep);
    in.activeHolds = 1;
    EXPECT_FALSE(GameTimer::Decide(in).autoPause);
    in.activeHolds = 0;
    in.msSinceInput = 0;
    in.minimised = true;
    EXPECT_TRUE(GameTimer::Decide(in).beep);
    in.assembling = true;
    EXPECT_FALSE(GameTimer::Decide(in).autoPause);
    EXPECT_TRUE(GameTimer::Decide(in).assemblyStep);
    in.messageWaiting = true;
    EXPECT_FALSE(GameTimer::Decide(in).assemblyStep);
    in.messageWaiting = false;
    in.paused = true;
    const GameTimer::Plan paused = GameTimer::Decide(in);
    EXPECT_TRUE(paused.advancePause);
    EXPECT_FALSE(paused.updateStatus);
}

}  // namespace

// 800 pixels wide: w = 80, characters 70 pixels wide and 140 high.
TEST(PauseDisplayTest, FontCharactersAreSevenEighthsOfATenthWideAndTwiceAsHigh) {
    testApp();
    const QFont font = PauseDisplay::Font(QSize(800, 600));
    EXPECT_EQ(font.pixelSize(), 140);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_NEAR(QFontMetrics(font).horizontalAdvance(u'P'), 70, 2);
    EXPECT_EQ(PauseDisplay::Font(QSize(9, 9)).pixelSize(), 2) << "never below one pixel wide";
}
