#pragma once

#include <functional>

#include "platform/Surface.h"
#include "sound/SoundEvent.h"

namespace sprites {
class Sprite;
class SpriteStore;
}  // namespace sprites

// The Assist step: finds a group that belongs beside a given one, glides it
// into place and joins the two. The automatic assembly uses it with locked
// groups allowed.
class Assist {
  public:
    enum class LockedChoice { UnlockAndMove, MoveToLocked, Cancel };
    struct Hooks {
        std::function<void(int event)> sound;
        std::function<void()> beep;
        // Asked when the neighbour found is locked ("Piece is locked").
        std::function<LockedChoice()> lockedPrompt;
    };
    static constexpr int kLockedSound = sound::kLocked;

    struct Found {
        sprites::Sprite* neighbour = nullptr;
        int targetX = 0;  // where the neighbour lies exactly beside the group
        int targetY = 0;
    };

    Assist(sprites::SpriteStore& store, platform::Surface* window, Hooks hooks)
        : m_store(store), m_window(window), m_hooks(std::move(hooks)) {}

    // A group held by its grab point is searched around the clicked picture
    // spot first; otherwise (and when that spot has no neighbour) its cells
    // are tried in random order against the groups from index 0 up.
    Found Find(const sprites::Sprite& s, bool assembling) const;

    // Joins one neighbour to s; returns the remaining group, or null when
    // nothing joined. *repaintAll is set when the joined group had to be
    // clamped to the table.
    sprites::Sprite* Run(sprites::Sprite* s, bool assembling, bool* repaintAll = nullptr);

  private:
    Found FindAroundGrab(const sprites::Sprite& s) const;
    Found FindInRandomOrder(const sprites::Sprite& s, bool assembling) const;
    bool Beside(const sprites::Sprite& s, const sprites::Sprite& n, Found& found) const;
    sprites::Sprite* Glide(sprites::Sprite* moving, sprites::Sprite* stationary, int tx, int ty,
                           bool* repaintAll);

    sprites::SpriteStore& m_store;
    platform::Surface* m_window;
    Hooks m_hooks;
};
