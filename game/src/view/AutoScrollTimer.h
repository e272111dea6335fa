#pragma once

#include <QTimer>

#include <functional>

#include "view/AutoScroll.h"

// The auto-scroll timer of a group carried to the window's edge: AutoScroll's
// start delay or its repeat, one at a time, on a Qt timer of its own.
class AutoScrollTimer {
  public:
    AutoScrollTimer();

    // Runs timer every intervalMs (AutoScroll::Timer::None stops it).
    void run(AutoScroll::Timer timer, int intervalMs);
    AutoScroll::Timer running() const { return running_; }

    // Called with the timer that went off.
    std::function<void(AutoScroll::Timer timer)> elapsed;

  private:
    QTimer timer_;
    AutoScroll::Timer running_ = AutoScroll::Timer::None;
};
