#include <gtest/gtest.h>

#include "model/CClockHold.h"

namespace {

class CClockHoldTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CClockHold::SetTimeSource([this] { return now_; });
    }
    void TearDown() override { CClockHold::SetTimeSource({}); }

    std::time_t now_ = 1000;
};

TEST_F(CClockHoldTest, NestedHoldsCountAndMeasureTheirOwnDuration) {
    const int before = CClockHold::ActiveCount();
    int busy = 0;
    {
        CClockHold outer(&busy);
        EXPECT_EQ(busy, 1);
        now_ += 5;
        {
            CClockHold inner;
            EXPECT_EQ(CClockHold::ActiveCount(), before + 2);
            now_ += 7;
            EXPECT_EQ(inner.Duration(), 7);
        }
        EXPECT_EQ(CClockHold::ActiveCount(), before + 1);
        EXPECT_EQ(outer.Duration(), 12);
        EXPECT_EQ(busy, 1);
    }
    EXPECT_EQ(busy, 0);
    EXPECT_EQ(CClockHold::ActiveCount(), before);
}

}  // namespace
