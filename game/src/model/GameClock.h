#pragma once

#include <ctime>
#include <memory>

#include "model/CClockHold.h"

// The game clock: play time is now minus the start time, in calendar seconds
// from CClockHold::Now(), less every second during which a clock hold (a
// modal dialog or the pause) was alive since the clock was started.
class GameClock {
  public:
    void Start() { SetStartTime(CClockHold::Now()); }
    // Play time counts from start, as if the clock had run without holds
    // since then; a hold alive now counts from now on.
    void SetStartTime(std::time_t start) {
        m_start = start;
        m_heldAtStart = CClockHold::HeldSeconds();
    }
    long Elapsed() const {
        return static_cast<long>(CClockHold::Now() - m_start) -
               (CClockHold::HeldSeconds() - m_heldAtStart);
    }

    // Pausing opens a hold that lasts until the game is resumed.
    bool Paused() const { return m_pause != nullptr; }
    void Pause();
    void Resume();

  private:
    std::time_t m_start = 0;
    long m_heldAtStart = 0;
    std::unique_ptr<CClockHold> m_pause;
};
