#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "view/ViewZoom.h"

namespace {

constexpr int kScreen = 640;
constexpr int kTableW = 300;
constexpr int kTableH = 200;

int Factor(double step, int level) {
    return static_cast<int>(std::pow(step, level) * 1000.0);
}

TEST(ViewZoomTest, ZoomOutMapsMatchAnIndependentComputation) {
    for (int level = 1; level <= 3; ++level) {
        const ViewZoom::Maps m = ViewZoom::ZoomOutMaps(level, kScreen, kTableW, kTableH);
        const int k = Factor(1.414, level);
        const int n = kScreen + kTableW + 10;
        std::vector<int> zoom(n);
        for (int i = 0; i < n; ++i) {
            zoom[i] = static_cast<int>(std::floor(i * 1000.0 / k + 0.5));
            ASSERT_EQ(m.zoom[i], zoom[i]) << "level " << level << " entry " << i;
            ASSERT_EQ(m.zoom[-i], -zoom[i]);
        }
        std::vector<int> inverse(n);
        for (int i = 0; i < n; ++i) {
            inverse[i] = i * k / 1000;
        }
        int next = 0;
        for (int i = 1; i < n; ++i) {
            if (zoom[i] != zoom[i - 1]) {
                inverse[next++] = i;
            }
        }
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(m.inverse[i], inverse[i]) << "level " << level << " entry " << i;
        }
        EXPECT_TRUE(m.zoom.reduces());
        EXPECT_FALSE(m.zoom.keepsCoordinates());
    }
}

TEST(ViewZoomTest, ZoomInMapsMatchAnIndependentComputation) {
    for (int level = 1; level <= 2; ++level) {
        const ViewZoom::Maps m = ViewZoom::ZoomInMaps(level, kScreen, kTableW, kTableH);
        const int k = Factor(1.25, level);
        EXPECT_EQ(k, level == 1 ? 1250 : 1562);
        for (int i = 0; i < kScreen + kTableW; ++i) {
            ASSERT_EQ(m.zoom[i], i * k / 1000) << "level " << level << " entry " << i;
            ASSERT_EQ(m.zoom[-i], -(i * k / 1000));
            ASSERT_EQ(m.inverse[i], static_cast<int>(std::floor(i * 1000.0 / k + 0.5)));
        }
        EXPECT_FALSE(m.zoom.reduces());
    }
}

TEST(ViewZoomTest, PointerMapsThroughTheInverseMapThenAddsTheScroll) {
    EXPECT_EQ(ViewZoom::ToTable(nullptr, 37, 100), 137);
    const ViewZoom::Maps in = ViewZoom::ZoomInMaps(1, kScreen, kTableW, kTableH);
    // 1.25 times larger: window pixel 100 shows table pixel 80.
    EXPECT_EQ(ViewZoom::ToTable(&in.inverse, 100, 20), 100);
    const ViewZoom::Maps out = ViewZoom::ZoomOutMaps(2, kScreen, kTableW, kTableH);
    // About two table pixels per window pixel: the pointer lands on a table
    // pixel that the zoom map takes back to (nearly) the same window pixel.
    for (int p = 1; p < 300; ++p) {
        const int t = ViewZoom::ToTable(&out.inverse, p, 0);
        EXPECT_LE(std::abs(out.zoom[t] - p), 1) << p;
    }
}

TEST(ViewZoomTest, StepsStayWithinTheirLimits) {
    ViewZoom zoom;
    EXPECT_FALSE(zoom.active());
    EXPECT_EQ(zoom.zoomMap(), nullptr);
    EXPECT_EQ(zoom.toTable(50), 50);
}

}  // namespace
