#pragma once

#include "platform/Surface.h"

namespace sprites {
class Sprite;
class SpriteStore;
}  // namespace sprites

// Whether a dropped group lies close enough beside a neighbour to join it,
// and the join itself. Groups are matched cell by cell: a cell of the dropped
// group fits when it lies within the store's snap tolerance of where it
// belongs beside a grid neighbour held by another group.
class SnapTest {
  public:
    struct Match {
        sprites::Sprite* other = nullptr;
        int dx = 0;  // move that puts the dropped group in place
        int dy = 0;
    };

    // window: the surface the view shows, or null for off-screen only;
    // clientWidth/Height: the visible table size for moving pieces aside.
    SnapTest(sprites::SpriteStore& store, platform::Surface* window, int clientWidth,
             int clientHeight)
        : m_store(store),
          m_window(window),
          m_clientWidth(clientWidth),
          m_clientHeight(clientHeight) {}

    // The first fitting neighbour: the lowest index, then the first cell of
    // the other group, then the first cell of the dropped one.
    Match Find(const sprites::Sprite& dropped) const;

    // Joins the dropped group to the first fitting neighbour and returns the
    // distance |dx| + |dy|; -1 when nothing fits (the placement preferences
    // then act on the dropped group alone).
    int Run(sprites::Sprite* dropped);

  private:
    platform::Rect SearchBox(const sprites::Sprite& s) const;
    bool CellFits(const sprites::Sprite& s, const sprites::Sprite& o, Match& match) const;
    void Join(sprites::Sprite* dropped, const Match& match);
    void ApplyPlacement(sprites::Sprite* dropped, int placementBit);

    sprites::SpriteStore& m_store;
    platform::Surface* m_window;
    int m_clientWidth;
    int m_clientHeight;
};

// The smallest column and row among a group's cells.
struct CellOrigin {
    int column = 0;
    int row = 0;
    static CellOrigin Of(const sprites::Sprite& s);
};
