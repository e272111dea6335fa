#include "sprites/BandWorker.h"

#include <system_error>
#include <utility>

namespace sprites {

bool BandWorker::started() {
    if (!thread_.joinable()) {
        try {
            thread_ = std::jthread([this](const std::stop_token& stop) { serve(stop); });
        } catch (const std::system_error&) {
            return false;
        }
    }
    return true;
}

void BandWorker::runBoth(const std::function<void()>& theirs, const std::function<void()>& mine) {
    if (!started()) {
        theirs();  // no second thread to be had: one half after the other
        mine();
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        task_ = &theirs;
        failure_ = nullptr;
    }
    changed_.notify_all();
    std::exception_ptr mineFailed;
    try {
        mine();
    } catch (...) {
        mineFailed = std::current_exception();
    }
    waitForHelper();  // theirs must not end its life while the helper runs it
    if (mineFailed) {
        std::rethrow_exception(mineFailed);
    }
    if (failure_) {
        std::rethrow_exception(std::exchange(failure_, nullptr));
    }
}

void BandWorker::waitForHelper() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return task_ == nullptr; });
}

void BandWorker::serve(const std::stop_token& stop) {
    std::unique_lock lock(mutex_);
    while (changed_.wait(lock, stop, [this] { return task_ != nullptr; })) {
        const std::function<void()>* task = task_;
        lock.unlock();
        std::exception_ptr failed;
        try {
            (*task)();
        } catch (...) {
            failed = std::current_exception();
        }
        lock.lock();
        failure_ = failed;
        task_ = nullptr;
        changed_.notify_all();
    }
}

}  // namespace sprites
