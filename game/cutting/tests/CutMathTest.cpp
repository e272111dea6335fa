#include <gtest/gtest.h>

#include <cstdlib>

#include "cutting/CutMath.h"

using cutting::easeCurve;
using cutting::rnd;
using cutting::scaledSqrt;

TEST(CutMathTest, RndTakesOneDrawAndSwapsBounds) {
    std::srand(7);
    const int first = std::rand();
    const int second = std::rand();
    std::srand(7);
    EXPECT_EQ(rnd(3, 9), 3 + first % 7);
    EXPECT_EQ(rnd(9, 3), 3 + second % 7);
    for (int i = 0; i < 1000; ++i) {
        const auto v = rnd(-2, 2);
        ASSERT_GE(v, -2);
        ASSERT_LE(v, 2);
    }
    EXPECT_EQ(rnd(5, 5), 5);
}

TEST(CutMathTest, EaseCurveWorkedValues) {
    EXPECT_EQ(easeCurve(0, 10, 6), 0);
    EXPECT_EQ(easeCurve(5, 10, 6), 3);  // (7 * 5 * 2 / 10) * 5 / 10
    EXPECT_EQ(easeCurve(7, 10, 6), 5);  // 6 - (7 * 3 * 2 / 10) * 3 / 10
    EXPECT_EQ(easeCurve(10, 10, 6), 6);
    EXPECT_EQ(easeCurve(4, 10, 0), 0);
    EXPECT_EQ(easeCurve(3, 10, -6), 0);  // -3 * 3 / 10 truncates towards zero
    EXPECT_EQ(easeCurve(7, 10, -6), -6);
    EXPECT_EQ(easeCurve(0, 0, 4), 0);
    EXPECT_EQ(easeCurve(1, 0, 4), 4);
    std::int64_t last = 0;
    for (int x = 0; x <= 40; ++x) {
        const auto v = easeCurve(x, 40, 13);
        EXPECT_GE(v, last);
        last = v;
    }
    EXPECT_EQ(last, 13);
}

TEST(CutMathTest, ScaledSqrtPrescalesAbove32000) {
    EXPECT_EQ(scaledSqrt(0), 0);
    EXPECT_EQ(scaledSqrt(-5), 0);
    EXPECT_EQ(scaledSqrt(1), 1);
    EXPECT_EQ(scaledSqrt(15), 3);
    EXPECT_EQ(scaledSqrt(16), 4);
    EXPECT_EQ(scaledSqrt(32000), 178);
    EXPECT_EQ(scaledSqrt(32001), 178);  // 2 x sqrt(8000)
    EXPECT_EQ(scaledSqrt(1000000), 1000);
    EXPECT_EQ(scaledSqrt(1000003), 1000);
    EXPECT_EQ(scaledSqrt(40000), 200);
}
