#pragma once

#include <optional>
#include <string>

class GameClock;
class ScoreKeeper;

// The decisions of the one-second game timer, free of widgets: what a tick
// does given the state of the game, and the status texts it shows.
class GameTimer {
  public:
    static constexpr long kIdlePauseMs = 60000;

    struct Input {
        bool messageWaiting = false;
        bool paused = false;
        bool cursorOutsideView = false;
        bool assembling = false;
        bool puzzleExists = false;
        int activeHolds = 0;
        long msSinceInput = 0;
        bool minimised = false;
        bool busy = false;
    };

    // What one tick does, in this order.
    struct Plan {
        bool advancePause = false;
        bool hideTip = false;
        bool assemblyStep = false;
        bool autoPause = false;
        bool beep = false;  // before an automatic pause for a minimised window
        bool updateStatus = false;
    };
    static Plan Decide(const Input& in);

    // The texts of a status update; an empty optional leaves a text as it is.
    struct Status {
        std::optional<std::string> time;   // "%2d:%02d:%02d "
        std::string pieces;                // "%d / %d ", empty at the end
        std::optional<std::string> score;  // "Score: %d", or empty with scoring off
    };
    // Recomputes the running score (extra 1) except on whole minutes and
    // when one group is left.
    static Status Update(ScoreKeeper& score, const GameClock& clock, int groups, int pieces,
                         bool scoringOff);

    static std::string TimeText(long seconds);
};
