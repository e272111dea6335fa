#include "scores/EndOfGame.h"

#include "scores/CResultDlg.h"

namespace {

void call(const std::function<void()>& f) {
    if (f) {
        f();
    }
}

}  // namespace

int EndOfGame::run(const GameResults::Input& input, Hooks hooks, QWidget* parent,
                   HighScoreTable::Io io) {
    call(hooks.closeStatusWindow);
    int rank = 0;
    {
        HighScoreTable table(io);
        table.load();
        rank = table.rank(input.totalScore);
        table.store();
    }
    if (rank != 0 && hooks.playSound) {
        hooks.playSound(rank == 1 ? kFirstPlaceSound : kHighScoreSound);
    }
    const GameResults results = GameResults::make(input);
    CResultDlg dialog(rank != 0, results, parent, io);
    call(hooks.clearPuzzle);
    if (hooks.showResults) {
        hooks.showResults(dialog);
    } else {
        dialog.exec();
    }
    int row = -1;
    if (rank != 0) {
        HighScoreTable table(io);
        table.load();
        row = table.insert(dialog.name(), input.totalScore, results.pictureForTable(),
                           input.pieceCount, results.time);
        table.store();
    }
    call(hooks.clearPuzzle);
    call(hooks.showCompletePicture);
    return row;
}
