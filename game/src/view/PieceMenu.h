#pragma once

#include <QMenu>

#include "sound/SoundEvent.h"

namespace sprites {
class Sprite;
class SpriteStore;
}  // namespace sprites

// The right-button menu of a group: Lock or Unlock (whichever applies),
// Assist and Send to back. The actions carry their command numbers.
class PieceMenu {
  public:
    static constexpr int kLock = 40025;
    static constexpr int kUnlock = 40026;
    static constexpr int kAssist = 40027;
    static constexpr int kSendToBack = 40044;
    static constexpr int kLockSound = sound::kLock;
    static constexpr int kUnlockSound = sound::kUnlock;

    // The menu for group; the caller shows it.
    static void Fill(QMenu& menu, const sprites::Sprite& group);

    // Where the menu's upper-left corner goes: centred on the cursor and
    // 3 pixels above it, or right-aligned on the cursor when the cursor is
    // less than 70 pixels from the view's right edge. All in screen pixels.
    static QPoint Origin(const QPoint& cursor, const QSize& menuSize, int roomToTheRight);

    // Lock and Unlock both toggle the lock: a locked group gets the red
    // bevel and goes to the back. Returns the sound to play.
    static int ToggleLock(sprites::SpriteStore& store, sprites::Sprite* group);
};
