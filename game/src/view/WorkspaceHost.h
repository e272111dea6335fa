#pragma once

#include <cstdint>
#include <vector>

#include "platform/Surface.h"

class GameSession;
class QWidget;
namespace sprites {
class Sprite;
class SpriteStore;
}  // namespace sprites

// Told whenever the workspace view draws the table again, so that a window
// mirroring the table (the overview) redraws the same part. Areas are in
// table pixels.
class WorkspaceObserver {
  public:
    virtual ~WorkspaceObserver() = default;
    virtual void redrawnAll() = 0;
    virtual void redrawnSprite(const sprites::Sprite& sprite) = 0;
    virtual void redrawnArea(const platform::Rect& table) = 0;
};

// The narrow face of the workspace view that the auxiliary windows and the
// view's helpers (puzzle flow, saved games) work through: the game, what the
// table shows, redraws and the held piece. Positions are table pixels (the
// scroll position and the zoom step do not enter). Window thread only.
class WorkspaceHost {
  public:
    // COLORREF: red in the low byte.
    using Colour = std::uint32_t;

    virtual GameSession& session() = 0;
    // The table's sprites; null while no puzzle is cut.
    sprites::SpriteStore* spriteStore();
    // The picture loaded (empty surface for none).
    const platform::Surface& picture();
    // The table's colour.
    virtual Colour background() const = 0;
    // The view as a widget: owner of dialogs and windows.
    virtual QWidget* widget() = 0;
    // Queues a command for the view, as posting it would (40040 refreshes
    // the menus after a window closed).
    virtual void postCommand(int id) = 0;

    // Draws the table again and tells every observer.
    virtual void redrawAll() = 0;
    virtual void redrawSprite(const sprites::Sprite& sprite) = 0;
    virtual void redrawArea(const platform::Rect& table) = 0;
    // Observers are not owned; one removes itself before it goes.
    void addObserver(WorkspaceObserver* observer);
    void removeObserver(WorkspaceObserver* observer);

    // The piece the player holds, moved as the mouse would move it.
    virtual bool holdingPiece() const = 0;
    // Picks up the group at the point; false when none is there (or it is
    // locked).
    virtual bool pickUpAt(int x, int y) = 0;
    virtual void moveHeldTo(int x, int y) = 0;
    // Drops the held group at the point: it snaps and scores as a drop with
    // the mouse does.
    virtual void dropHeldAt(int x, int y) = 0;

  protected:
    WorkspaceHost() = default;
    ~WorkspaceHost() = default;
    void notifyAll();
    void notifySprite(const sprites::Sprite& sprite);
    void notifyArea(const platform::Rect& table);

  private:
    std::vector<WorkspaceObserver*> observers_;
};
