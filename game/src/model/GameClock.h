#pragma once

#include <ctime>
#include <memory>

#include "model/CClockHold.h"

// The game clock: play time is now minus the start time, in calendar seconds
// from CClockHold::Now(). Holds and the pause move the start time forward
// by their duration, so that only play time counts.
class GameClock {
  public:
    void Start() { m_start = CClockHold::Now(); }
    void SetStartTime(std::time_t start) { m_start = start; }
    // Moves the start time forward by what a hold lasted so far.
    void Correct(const CClockHold& hold) { m_start += hold.Duration(); }
    long Elapsed() const { return static_cast<long>(CClockHold::Now() - m_start); }

    // Pausing opens a hold that lasts until the game is resumed.
    bool Paused() const { return m_pause != nullptr; }
    void Pause();
    void Resume();

  private:
    std::time_t m_start = 0;
    std::unique_ptr<CClockHold> m_pause;
};
