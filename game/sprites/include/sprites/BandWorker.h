#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

#include "platform/Surface.h"

namespace sprites {

// A second thread for redraws large enough to be split: the upper band of an
// area is painted there while the caller paints the lower one. A large redraw
// spends its time waiting on memory, which two cores do side by side. The
// thread starts on first need and lives as long as its owner, since starting
// one per redraw would cost about a tenth of a millisecond each time.
class BandWorker {
  public:
    // Runs work(band, side) for the upper half of area (side 1, on the helper
    // thread) and the lower half (side 0, here) at once; an area under 128 Ki
    // pixels is worth no second thread and runs here whole as side 0. The
    // halves must share nothing they write. A failure in either half is
    // raised here once both are done.
    template <class Work>
    void inTwoBands(const platform::Rect& area, Work&& work) {
        constexpr long kSplitPixels = 1L << 17;
        if (static_cast<long>(area.width()) * area.height() < kSplitPixels) {
            work(area, 0);
            return;
        }
        const int middle = area.top + area.height() / 2;
        const platform::Rect upper{area.left, area.top, area.right, middle};
        const platform::Rect lower{area.left, middle, area.right, area.bottom};
        runBoth([&] { work(upper, 1); }, [&] { work(lower, 0); });
    }

  private:
    void runBoth(const std::function<void()>& theirs, const std::function<void()>& mine);
    bool started();
    void serve(const std::stop_token& stop);
    void waitForHelper();

    std::mutex mutex_;
    std::condition_variable_any changed_;
    // The helper's half while it is waiting or running; null once done.
    const std::function<void()>* task_ = nullptr;
    std::exception_ptr failure_;
    // Last, so that it is stopped and joined before the members it uses go.
    std::jthread thread_;
};

}  // namespace sprites
