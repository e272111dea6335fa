#include "model/GameClock.h"

void GameClock::Pause() {
    if (!m_pause) {
        m_pause = std::make_unique<CClockHold>();
    }
}

void GameClock::Resume() {
    m_pause.reset();
}
