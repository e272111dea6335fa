#include "view/AutoScrollTimer.h"

AutoScrollTimer::AutoScrollTimer() {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
        if (elapsed) {
            elapsed(running_);
        }
    });
}

void AutoScrollTimer::run(AutoScroll::Timer timer, int intervalMs) {
    timer_.stop();
    running_ = timer;
    if (timer != AutoScroll::Timer::None) {
        timer_.start(intervalMs);
    }
}
