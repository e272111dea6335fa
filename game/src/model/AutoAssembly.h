#pragma once

#include "model/Assist.h"

// The computer assembling the puzzle: the group holding the upper-left cell
// glides to the top-left corner of the visible table, then every step joins
// one neighbour to it. Every step counts as an assist.
class AutoAssembly {
  public:
    enum class StartResult { Started, NoOriginPiece };

    bool Running() const { return m_running; }
    sprites::Sprite* Group() const { return m_group; }

    // visibleX/Y: the table position shown at the window's upper-left corner.
    StartResult Start(sprites::SpriteStore& store, platform::Surface* window, int visibleX,
                      int visibleY);
    // One join; returns false (and stops) when no neighbour is left.
    bool Step(Assist& assist);
    void Stop();

  private:
    bool m_running = false;
    sprites::Sprite* m_group = nullptr;
};
