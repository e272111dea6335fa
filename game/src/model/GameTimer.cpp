#include "model/GameTimer.h"

#include <cstdio>

#include "model/GameClock.h"
#include "model/ScoreKeeper.h"

GameTimer::Plan GameTimer::Decide(const Input& in) {
    Plan plan;
    if (in.messageWaiting) {
        return plan;
    }
    if (in.paused) {
        plan.advancePause = true;
        return plan;
    }
    plan.hideTip = in.cursorOutsideView;
    plan.assemblyStep = in.assembling;
    if (in.activeHolds == 0 && !in.assembling && in.puzzleExists) {
        if (in.msSinceInput > kIdlePauseMs) {
            plan.autoPause = true;
        } else if (in.minimised) {
            plan.beep = true;
            plan.autoPause = true;
        }
    }
    plan.updateStatus = !plan.autoPause && !in.busy && in.puzzleExists;
    return plan;
}

std::string GameTimer::TimeText(long seconds) {
    char text[40];
    std::snprintf(text, sizeof text, "%2ld:%02ld:%02ld ", (seconds / 3600) % 24,
                  (seconds / 60) % 60, seconds % 60);
    return text;
}

GameTimer::Status GameTimer::Update(ScoreKeeper& score, const GameClock& clock, int groups,
                                    int pieces, bool scoringOff) {
    Status status;
    const int remaining = groups < pieces ? groups - 1 : groups;
    if (remaining == 0) {
        return status;
    }
    const long elapsed = clock.Elapsed();
    status.time = TimeText(elapsed);
    if (elapsed % 60 != 0 && groups > 1) {
        score.UpdateRunning(pieces, groups, elapsed, 1);
        status.score = scoringOff ? std::string() : score.ScoreText();
    }
    char text[40];
    std::snprintf(text, sizeof text, "%d / %d ", remaining, pieces);
    status.pieces = text;
    return status;
}
