#pragma once

#include <memory>

#include "windows/WindowHost.h"

class GameFlowHost;
class QWidget;
namespace windows {
class AuxWindows;
}

// Links the workspace view with its auxiliary windows (original picture,
// overview, status) and the picture's own help: builds what the windows need
// of the view from its GameFlowHost face, serves their commands and hands
// them the clock and score texts. Owned by the view; the windows go with it.
class AuxWindowLink {
  public:
    // frame: the main window the auxiliary windows belong to.
    AuxWindowLink(GameFlowHost& host, QWidget* frame);
    ~AuxWindowLink();
    AuxWindowLink(const AuxWindowLink&) = delete;
    AuxWindowLink& operator=(const AuxWindowLink&) = delete;

    windows::AuxWindows& windows() { return *windows_; }
    // Original (F3), Overview (Ctrl+F3), Status (F4), About this Puzzle and
    // About the Artist; false for any other command.
    bool command(int id);
    // The clock's texts for the status window and the score for the status
    // bar, as every tick of the game timer shows them.
    void updateStatusTexts();
    // The game state's window flags follow the windows; the status window
    // gets the score texts.
    void sync();

  private:
    windows::WindowHost makeHost();

    GameFlowHost& host_;
    std::unique_ptr<windows::AuxWindows> windows_;
};
