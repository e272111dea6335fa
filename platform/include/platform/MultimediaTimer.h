#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

#include "platform_export.h"

namespace platform {

// Milliseconds of a steady clock (wraps after 49 days, like the clock it
// stands in for).
PLATFORM_EXPORT std::uint32_t timeGetTime();

// A periodic timer on a thread of its own: calls tick every period until it
// is stopped or destroyed. tick runs on the timer thread, so it must only
// signal its owner.
class PLATFORM_EXPORT MultimediaTimer {
  public:
    MultimediaTimer(unsigned periodMs, std::function<void()> tick);
    ~MultimediaTimer();
    MultimediaTimer(const MultimediaTimer&) = delete;
    MultimediaTimer& operator=(const MultimediaTimer&) = delete;

    // Returns once the timer thread has ended; no tick runs afterwards.
    void stop();

  private:
    void run();

    const unsigned periodMs_;
    std::function<void()> tick_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace platform
