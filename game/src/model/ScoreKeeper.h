#pragma once

#include <functional>
#include <string>

#include "sound/SoundEvent.h"

// The points of a game: bonus per join, the penalty for missed expert fit
// requests, the time-based running score and the total the status bar
// shows. Sounds go to the sink by their string number.
class ScoreKeeper {
  public:
    using SoundSink = std::function<void(int event)>;
    static constexpr int kBonusSound = sound::kBonus;
    static constexpr int kExpertErrorSound = sound::kExpertError;

    explicit ScoreKeeper(SoundSink sounds = {}) : m_sounds(std::move(sounds)) {}

    // Counters back to 0 for a new puzzle.
    void Reset();
    void SetLevel(int bonusPerJoin, int scoreFactor, bool bonusOnExact);
    void SetMissedFact(int pointsPerMiss) { m_missedFact = pointsPerMiss; }

    // n^2.28 * 60 / max(seconds, 3n) * factor%, truncated; n counts the joins
    // made by the player (pieces - groups - assists + 1, not below 0) plus
    // extra.
    static int Formula(int pieces, int groups, int assists, int extra, long seconds,
                       int scoreFactor);
    // Keeps and returns the formula's value for this game.
    int UpdateRunning(int pieces, int groups, long seconds, int extra);

    // A join at distance (pixels off its place); returns the bonus earned.
    int ScoreJoin(int distance);
    // A failed expert fit request: the penalty and a recomputed running
    // score.
    void ExpertMiss(int pieces, int groups, long seconds);
    void CountAssist() { ++m_assists; }
    // Takes the counters of a restored game; the total is also the score at
    // the last join.
    void Restore(int total, int bonusSum, int assists);

    int total() const { return m_total; }
    int running() const { return m_running; }
    int scoreAtLastJoin() const { return m_scoreAtLastJoin; }
    int bonusSum() const { return m_bonusSum; }
    int misses() const { return m_misses; }
    int assists() const { return m_assists; }
    int penalty() const { return m_misses * m_missedFact; }
    int missedFact() const { return m_missedFact; }

    // "Total: %d" for the first status pane.
    std::string TotalText() const;
    // "Score: %d": the running score earned since the last join.
    std::string ScoreText() const;

  private:
    void UpdateTotal();
    void Sound(int event) const;

    SoundSink m_sounds;
    int m_bonusPerJoin = 6;
    int m_scoreFactor = 160;
    bool m_bonusOnExact = false;
    int m_missedFact = 10;
    int m_misses = 0;
    int m_assists = 0;
    int m_bonusSum = 0;
    int m_running = 0;
    int m_scoreAtLastJoin = 0;
    int m_total = 0;
};
