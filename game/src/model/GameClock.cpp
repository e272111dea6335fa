#include "model/GameClock.h"

void GameClock::Pause() {
    if (!m_pause) {
        m_pause = std::make_unique<CClockHold>();
    }
}

void GameClock::Resume() {
    if (m_pause) {
        Correct(*m_pause);
        m_pause.reset();
    }
}
