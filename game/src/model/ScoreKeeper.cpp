#include "model/ScoreKeeper.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

void ScoreKeeper::Reset() {
    m_misses = 0;
    m_assists = 0;
    m_bonusSum = 0;
    m_running = 0;
    m_scoreAtLastJoin = 0;
    m_total = 0;
}

void ScoreKeeper::Restore(int total, int bonusSum, int assists) {
    Reset();
    m_total = total;
    m_running = total;
    m_scoreAtLastJoin = total;
    m_bonusSum = bonusSum;
    m_assists = assists;
}

void ScoreKeeper::SetLevel(int bonusPerJoin, int scoreFactor, bool bonusOnExact) {
    m_bonusPerJoin = bonusPerJoin;
    m_scoreFactor = scoreFactor;
    m_bonusOnExact = bonusOnExact;
}

int ScoreKeeper::Formula(int pieces, int groups, int assists, int extra, long seconds,
                         int scoreFactor) {
    const int n = std::max(pieces - groups - assists + 1, 0) + extra;
    if (n <= 0) {
        return 0;
    }
    const double divisor = static_cast<double>(std::max<long>(seconds, 3L * n));
    const double score = std::pow(n, 2.28) * 60.0 / divisor * scoreFactor * 0.01;
    return static_cast<int>(score);
}

int ScoreKeeper::UpdateRunning(int pieces, int groups, long seconds, int extra) {
    m_running = Formula(pieces, groups, m_assists, extra, seconds, m_scoreFactor);
    return m_running;
}

int ScoreKeeper::ScoreJoin(int distance) {
    int bonus = 0;
    if (m_bonusOnExact) {
        bonus = distance == 0 ? m_bonusPerJoin : 0;
    } else {
        bonus = std::max(m_bonusPerJoin - distance, 0);
    }
    if (distance == 0) {
        Sound(kBonusSound);
    }
    m_scoreAtLastJoin = m_running;
    m_bonusSum += bonus;
    UpdateTotal();
    return bonus;
}

void ScoreKeeper::ExpertMiss(int pieces, int groups, long seconds) {
    Sound(kExpertErrorSound);
    ++m_misses;
    UpdateRunning(pieces, groups, seconds, 0);
    m_scoreAtLastJoin = m_running;
    UpdateTotal();
}

void ScoreKeeper::UpdateTotal() {
    m_total = m_running - penalty() + m_bonusSum;
}

void ScoreKeeper::Sound(int event) const {
    if (m_sounds) {
        m_sounds(event);
    }
}

std::string ScoreKeeper::TotalText() const {
    char text[40];
    std::snprintf(text, sizeof text, "Total: %d", m_total);
    return text;
}

std::string ScoreKeeper::ScoreText() const {
    char text[40];
    std::snprintf(text, sizeof text, "Score: %d", m_running - m_scoreAtLastJoin);
    return text;
}
