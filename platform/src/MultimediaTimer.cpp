#include "platform/MultimediaTimer.h"

#include <chrono>

namespace platform {

std::uint32_t timeGetTime() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(ms);
}

MultimediaTimer::MultimediaTimer(unsigned periodMs, std::function<void()> tick)
    : periodMs_(periodMs), tick_(std::move(tick)), thread_([this] { run(); }) {}

MultimediaTimer::~MultimediaTimer() {
    stop();
}

void MultimediaTimer::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void MultimediaTimer::run() {
    const auto period = std::chrono::milliseconds(periodMs_);
    auto next = std::chrono::steady_clock::now() + period;
    std::unique_lock lock(mutex_);
    while (!wake_.wait_until(lock, next, [this] { return stopping_; })) {
        lock.unlock();
        tick_();
        lock.lock();
        next += period;
    }
}

}  // namespace platform
