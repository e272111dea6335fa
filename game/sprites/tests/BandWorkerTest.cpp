#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "sprites/BandWorker.h"

using platform::Rect;
using sprites::BandWorker;

// A large area is split at its middle row, the upper half going to the
// helper thread; a small one stays whole on the caller's thread; a failure in
// the helper's half reaches the caller, and the helper serves on afterwards.
TEST(BandWorker, SplitsLargeAreasAndRaisesTheHelpersFailureHere) {
    BandWorker bands;
    const std::thread::id caller = std::this_thread::get_id();
    Rect seen[2];
    bool onCaller[2] = {};
    bands.inTwoBands({0, 0, 640, 401}, [&](const Rect& band, int side) {
        seen[side] = band;
        onCaller[side] = std::this_thread::get_id() == caller;
    });
    EXPECT_EQ(seen[1], (Rect{0, 0, 640, 200}));
    EXPECT_EQ(seen[0], (Rect{0, 200, 640, 401}));
    EXPECT_FALSE(onCaller[1]);
    EXPECT_TRUE(onCaller[0]);

    int calls = 0;
    bands.inTwoBands({0, 0, 300, 300}, [&](const Rect& band, int side) {
        EXPECT_EQ(band, (Rect{0, 0, 300, 300}));
        EXPECT_EQ(side, 0);
        ++calls;
    });
    EXPECT_EQ(calls, 1);

    std::atomic<int> lowerDone = 0;
    EXPECT_THROW(bands.inTwoBands({0, 0, 1000, 1000},
                                  [&](const Rect&, int side) {
                                      if (side == 1) {
                                          throw std::runtime_error("upper");
                                      }
                                      ++lowerDone;
                                  }),
                 std::runtime_error);
    EXPECT_EQ(lowerDone, 1);
    std::atomic<int> halves = 0;
    bands.inTwoBands({0, 0, 1000, 1000}, [&](const Rect&, int) { ++halves; });
    EXPECT_EQ(halves, 2);
}
