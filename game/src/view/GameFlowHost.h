#pragma once

#include "view/WorkspaceHost.h"

class CSoundOptions;
struct GameState;
namespace windows {
class AuxWindows;
}

// What the view's helpers for the puzzle flow and the saved games need of
// the view beyond the auxiliary windows' face: the game state, the table's
// widget and window picture, and the table operations a new, cleared or
// restored puzzle goes through.
class GameFlowHost : public WorkspaceHost {
  public:
    virtual GameState& state() = 0;
    // Refreshes the game state from the session and tells the menus.
    virtual void updateState() = 0;
    virtual void setBackground(Colour colour) = 0;
    // Applies the state's level to the session and writes it.
    virtual void applyLevel() = 0;
    // The widget the table is shown in (the view's viewport).
    virtual QWidget* table() = 0;
    // What the view shows, one pixel per window pixel.
    virtual platform::Surface& windowSurface() = 0;
    virtual CSoundOptions& soundOptions() = 0;
    // The original-picture, overview and status windows.
    virtual windows::AuxWindows& auxWindows() = 0;
    // Long operations running: the view takes no commands or input meanwhile.
    virtual int& busyCount() = 0;
    // Set while a dialog that holds the clock through the automatic pause
    // is open (the Sound dialog, saving).
    virtual int* dialogBusyFlag() = 0;

    // Takes a picture as the loaded picture (no puzzle yet).
    virtual void setPicture(platform::Surface picture) = 0;
    // Forgets the puzzle on the table; the picture stays loaded.
    virtual void clearPuzzle() = 0;
    // Back to normal size without touching a puzzle.
    virtual void resetZoom() = 0;
    virtual void zoomCommand(int id) = 0;
    virtual void updateScrollRanges() = 0;
    virtual void scrollTableTo(int x, int y) = 0;
    // The game on the table matches its file (or is new).
    virtual void markUnmodified() = 0;
    // A new cut: the drop count for the promotion hook starts again.
    virtual void resetDrops(int pieceCount) = 0;
    // The player did something (the automatic pause waits).
    virtual void noteInput() = 0;
    virtual void stopAssembly() = 0;

  protected:
    ~GameFlowHost() = default;
};
