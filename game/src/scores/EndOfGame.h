#pragma once

#include <functional>

#include "scores/GameResults.h"
#include "scores/HighScoreTable.h"
#include "sound/SoundEvent.h"

class CResultDlg;
class QWidget;

// The end of a game the player finished: the rank, the fanfare, the results
// dialog and the new high-score entry. The view supplies what touches its
// own state through the hooks.
class EndOfGame {
  public:
    static constexpr int kFirstPlaceSound = sound::kFirstPlace;
    static constexpr int kHighScoreSound = sound::kHighScore;

    struct Hooks {
        std::function<void()> closeStatusWindow;
        std::function<void(int event)> playSound;  // asynchronous
        // Forgets the finished puzzle (called before and after the dialog).
        std::function<void()> clearPuzzle;
        // Shows the dialog modally (exec by default).
        std::function<void(CResultDlg&)> showResults;
        // The view shows the whole picture again, Start enabled.
        std::function<void()> showCompletePicture;
    };

    // Runs the sequence; returns the row the entry took (0 to 9) or -1.
    static int run(const GameResults::Input& input, Hooks hooks, QWidget* parent,
                   HighScoreTable::Io io = HighScoreTable::Io::iniStore());
};
