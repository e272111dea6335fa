#pragma once

#include <exception>
#include <system_error>
#include <thread>

#include "platform/Surface.h"

namespace sprites {

// Runs work(band, side) for the upper and the lower half of area at once,
// the upper (side 1) on a helper thread and the lower (side 0) on this one;
// an area under 128 Ki pixels is worth no thread and runs as one band of side
// 0. A large redraw spends its time waiting on memory, which two cores do
// side by side. The halves must share nothing they write. A failure on the
// helper is raised here once both halves are done.
template <class Work>
void inTwoBands(const platform::Rect& area, Work&& work) {
    constexpr long kSplitPixels = 1L << 17;
    if (static_cast<long>(area.width()) * area.height() < kSplitPixels) {
        work(area, 0);
        return;
    }
    const int middle = area.top + area.height() / 2;
    const platform::Rect upper{area.left, area.top, area.right, middle};
    std::exception_ptr failure;
    {
        std::jthread helper;
        try {
            helper = std::jthread([&] {
                try {
                    work(upper, 1);
                } catch (...) {
                    failure = std::current_exception();
                }
            });
        } catch (const std::system_error&) {
            work(upper, 1);
        }
        work(platform::Rect{area.left, middle, area.right, area.bottom}, 0);
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

}  // namespace sprites
