#include <gtest/gtest.h>

#include "view/AutoScroll.h"
#include "view/GameCursors.h"

namespace {

constexpr int kW = 400;
constexpr int kH = 300;
const AutoScroll::Scroll kMiddle{100, 100, 500, 500};

AutoScroll::Direction At(int x, int y, int lastX, int lastY,
                         const AutoScroll::Scroll& s = kMiddle) {
    return AutoScroll::Decide({x, y, lastX, lastY, kW, kH}, s);
}

TEST(AutoScrollTest, DirectionNeedsTheEdgeBandAndMovementTowardsTheEdge) {
    EXPECT_EQ(At(kW - 20, 150, kW - 25, 150), AutoScroll::kRight);
    EXPECT_EQ(At(kW - 21, 150, kW - 25, 150), AutoScroll::kNone);
    EXPECT_EQ(At(kW - 5, 150, kW - 5, 150), AutoScroll::kNone) << "standing still";
    EXPECT_EQ(At(200, kH - 20, 200, kH - 30), AutoScroll::kDown);
    EXPECT_EQ(At(200, kH - 2, 200, kH - 1), AutoScroll::kNone) << "moving up";
    // Left only needs "not moving right"; 20 pixels is already outside.
    EXPECT_EQ(At(19, 150, 19, 150), AutoScroll::kLeft);
    EXPECT_EQ(At(20, 150, 25, 150), AutoScroll::kNone);
    EXPECT_EQ(At(10, 150, 5, 150), AutoScroll::kNone);
    EXPECT_EQ(At(200, 19, 200, 25), AutoScroll::kUp);
    EXPECT_EQ(At(200, 10, 200, 10), AutoScroll::kNone) << "up needs movement";
}

TEST(AutoScrollTest, FirstMatchWinsAndEdgesOfTheTableStopIt) {
    // The lower-right corner moving down and right: right comes first.
    EXPECT_EQ(At(kW - 1, kH - 1, kW - 9, kH - 9), AutoScroll::kRight);
    EXPECT_EQ(At(kW - 1, kH - 1, kW - 1, kH - 9), AutoScroll::kDown);
    // The upper-left corner: left before up.
    EXPECT_EQ(At(1, 1, 1, 9), AutoScroll::kLeft);
    EXPECT_EQ(At(1, 1, 1, 9, {0, 100, 500, 500}), AutoScroll::kUp);
    // No scroll bar, or already at the end.
    EXPECT_EQ(At(kW - 1, 150, kW - 9, 150, {0, 0, 0, 500}), AutoScroll::kNone);
    EXPECT_EQ(At(kW - 1, 150, kW - 9, 150, {500, 0, 500, 500}), AutoScroll::kNone);
    EXPECT_EQ(At(200, kH - 1, 200, kH - 9, {0, 500, 500, 500}), AutoScroll::kNone);
    EXPECT_EQ(At(200, 1, 200, 9, {0, 0, 500, 500}), AutoScroll::kNone);
}

TEST(AutoScrollTest, StepsStayOnTheTable) {
    EXPECT_EQ(AutoScroll::Advance(AutoScroll::kRight, {490, 0, 500, 0}, 20).x, 500);
    EXPECT_EQ(AutoScroll::Advance(AutoScroll::kLeft, {30, 0, 500, 0}, 20).x, 10);
    EXPECT_EQ(AutoScroll::Advance(AutoScroll::kUp, {0, 5, 0, 500}, 20).y, 0);
    const AutoScroll::Scroll s = AutoScroll::Advance(AutoScroll::kDown, {7, 100, 500, 500}, 16);
    EXPECT_EQ(s.y, 116);
    EXPECT_EQ(s.x, 7);
}

// Runs the timers AutoScroll asks for on an injected millisecond clock, as
// the view's Qt timers would, and scrolls on every repeat.
class TimerRig {
  public:
    explicit TimerRig(AutoScroll& a) : a_(a) {}

    void Move(AutoScroll::Direction d, bool enabled = true) {
        a_.Moved(d, enabled);
        Sync();
        cursor_ = AutoScroll::CursorFor(d);
    }
    void RunUntil(long ms) {
        while (due_ >= 0 && due_ <= ms) {
            now_ = due_;
            due_ = -1;
            const AutoScroll::Timer fired = running_;
            if (fired == AutoScroll::Timer::Start) {
                a_.StartElapsed();
            } else if (a_.Repeat(true, cursor_, scroll)) {
                scroll = AutoScroll::Advance(a_.direction(), scroll, AutoScroll::kStep);
            }
            if (running_ == a_.timer() && running_ != AutoScroll::Timer::None) {
                due_ = now_ + a_.interval();  // a repeating timer
            }
            Sync();
        }
        now_ = ms;
    }

    AutoScroll::Scroll scroll{0, 0, 1000, 1000};
    int cursor_ = 0;

  private:
    void Sync() {
        if (a_.timer() != running_) {
            running_ = a_.timer();
            due_ = running_ == AutoScroll::Timer::None ? -1 : now_ + a_.interval();
        }
    }

    AutoScroll& a_;
    AutoScroll::Timer running_ = AutoScroll::Timer::None;
    long now_ = 0;
    long due_ = -1;
};

TEST(AutoScrollTest, ScrollsOnlyAfterASecondInTheBandThenEvery50Ms) {
    AutoScroll a;
    TimerRig rig(a);
    rig.Move(AutoScroll::kRight);
    EXPECT_EQ(a.timer(), AutoScroll::Timer::Start);
    EXPECT_EQ(a.interval(), 1000);
    rig.RunUntil(600);
    rig.Move(AutoScroll::kRight);  // still in the band: the wait goes on
    rig.RunUntil(999);
    EXPECT_EQ(rig.scroll.x, 0);
    rig.RunUntil(1000);
    EXPECT_EQ(a.timer(), AutoScroll::Timer::Repeat);
    EXPECT_EQ(rig.scroll.x, 0);
    rig.RunUntil(1049);
    EXPECT_EQ(rig.scroll.x, 0);
    rig.RunUntil(1050);
    EXPECT_EQ(rig.scroll.x, 20);
    rig.RunUntil(1500);
    EXPECT_EQ(rig.scroll.x, 200);
    // Leaving the band stops the timer; coming back waits a second again.
    rig.Move(AutoScroll::kNone);
    EXPECT_EQ(a.timer(), AutoScroll::Timer::None);
    rig.Move(AutoScroll::kRight);
    rig.RunUntil(2499);
    EXPECT_EQ(rig.scroll.x, 200);
    rig.RunUntil(2550);
    EXPECT_EQ(rig.scroll.x, 220);
    a.Stop();
    EXPECT_EQ(a.timer(), AutoScroll::Timer::None);
    EXPECT_EQ(a.direction(), AutoScroll::kNone);
}

TEST(AutoScrollTest, OffPreferenceChangedCursorAndTableEdgeEndTheScroll) {
    AutoScroll off;
    TimerRig idle(off);
    idle.Move(AutoScroll::kDown, false);
    EXPECT_EQ(off.timer(), AutoScroll::Timer::None);

    AutoScroll a;
    TimerRig rig(a);
    rig.scroll = {0, 960, 1000, 1000};
    rig.Move(AutoScroll::kDown);
    rig.RunUntil(1200);
    EXPECT_EQ(rig.scroll.y, 1000) << "stops at the table's edge";
    rig.cursor_ = GameCursors::kHeld;
    rig.RunUntil(1300);
    EXPECT_EQ(a.direction(), AutoScroll::kNone);
    EXPECT_FALSE(a.Repeat(true, GameCursors::kScrollDown, rig.scroll));
    EXPECT_FALSE(AutoScroll().Repeat(true, 0, rig.scroll)) << "no timer running";
}

}  // namespace
