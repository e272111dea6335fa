#pragma once

#include <QString>

#include <optional>

#include "model/PuzzleBuilder.h"
#include "model/ScatterPlacement.h"
#include "scores/EndOfGame.h"

class GameFlowHost;
class GameSession;
class SavedGames;

// The course of a puzzle on the workspace view: New Game, loading a picture,
// Start and the cut, the automatic assembly, and the end of a game
// once one group is left.
class PuzzleFlow {
  public:
    PuzzleFlow(GameFlowHost& host, SavedGames& files);

    // Hooks every end-of-game sequence starts from (tests intercept the
    // results dialog here).
    static EndOfGame::Hooks& endOfGameHooks();
    // Runs the program started on the game event named by the settings key.
    static void runHook(const char* key);

    // New Game: the player chooses a picture from the galleries, or through
    // the file dialog alone.
    void newGame(bool fromFileDialog);
    // Loads the picture at path (slot -1: read it through the picture
    // library) under the progress indicator. On failure the view is left
    // empty.
    bool loadPicture(const QString& path, int slot);
    // Start: the Piece Size and Placement dialog chooses the grid and where
    // the pieces go, then the picture is cut.
    void startFromDialog();
    // Cuts the loaded picture with the grid and placement the Start dialog
    // chose, or else with the stored ones; seed makes it reproducible.
    void startGame(unsigned seed);
    void toggleAssembly();
    // Also after the assembly stopped itself (no neighbour left).
    void stopAssembly();
    // One group left after the player's own action: results and scores.
    void finishIfComplete();

  private:
    void remakePicture();
    void enableMenuBar(bool enable);
    void showCutCursor(int pieces);
    PuzzleBuilder::Request cutRequest(unsigned seed);
    void runEndOfGame();

    GameFlowHost& host_;
    GameSession& session_;
    SavedGames& files_;
    // The grid and placement the Start dialog chose for the next cut.
    struct StartChoice {
        int pieceWidth;
        int pieceHeight;
        ScatterPlacement::Options placement;
    };
    std::optional<StartChoice> chosen_;
};
