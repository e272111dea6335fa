#pragma once

#include <functional>

#include "platform/Surface.h"
#include "sound/SoundEvent.h"
#include "view/AutoScroll.h"

namespace cutting {
class CoordMap;
}

class GameSession;
namespace sprites {
class Sprite;
}

// The mouse on the table: picking a group up, dragging it through the drag
// composition (scrolling at the window's edges), dropping it (which snaps and
// scores), the Expert fit request and dragging the table by its background.
// Pointer positions are window coordinates; while zoomed they pass through
// the inverse zoom map, then the scroll position (table pixels) is added.
class ViewInteraction {
  public:
    struct Hooks {
        std::function<void(int event)> sound;
        std::function<void()> changed;  // the window needs showing
        std::function<void(int x, int y)> scrollTo;
        // Closes any open piece tool tip, then shows text with its upper-left
        // corner at the window point (x, y).
        std::function<void(const char* text, int x, int y)> lockedTip;
        std::function<void()> closeTip;
        // Shows a cursor: a GameCursors number, kArrowCursor or kSizeAllCursor.
        std::function<void(int cursor)> cursor;
        // The auto-scroll timer to run changed (AutoScroll::Timer::None: stop it).
        std::function<void(AutoScroll::Timer timer, int intervalMs)> timer;
        // The drop count reached its mark (once per cut).
        std::function<void()> promotion;
    };
    static constexpr int kSelectSound = sound::kSelect;
    static constexpr int kMoveSound = sound::kMove;
    static constexpr int kReleaseSound = sound::kRelease;
    static constexpr int kLockedSound = sound::kLocked;
    static constexpr int kArrowCursor = 0;
    static constexpr int kSizeAllCursor = -1;
    static constexpr const char* kLockedText = "This piece is locked and can't be moved!";
    // The drop that runs the promotion hook: this many, or the piece count
    // when smaller.
    static constexpr int kPromotionDrops = 10;

    ViewInteraction(GameSession& session, platform::Surface& window, Hooks hooks)
        : m_session(session), m_window(window), m_hooks(std::move(hooks)) {}

    void Press(int x, int y, bool dragBackgroundAllowed);
    void Move(int x, int y, bool moreInputWaiting);
    // Returns the number of joins the drop made.
    int Release(int x, int y);
    // The same gestures at table points (the overview window): picks up the
    // group there (true when it is held), carries the held group there, drops
    // it there.
    bool PressTable(int tx, int ty);
    void MoveHeldTable(int tx, int ty);
    int ReleaseTable(int tx, int ty);
    // Expert level only: returns whether the group joined.
    bool DoubleClick(int x, int y);
    // The auto-scroll timers went off.
    void StartTimerElapsed();
    void RepeatTimerElapsed();
    void TimerElapsed(AutoScroll::Timer timer);

    // The held group goes down where it is without a drop (no snap, sound or
    // score), so that nothing stays held and undrawn, e.g. across a pause.
    void PutDown();
    // The table's groups are about to be freed (cleared, cut or restored):
    // no group was handled last and no drag goes on.
    void Forget();
    // A new cut: the drop count starts again at 0.
    void ResetDrops(int pieceCount);

    bool Holding() const;
    bool Modified() const { return m_modified; }
    void ClearModified() { m_modified = false; }
    // The group picked up or dropped last, null after Forget.
    sprites::Sprite* LastGroup() const { return m_lastGroup; }
    const AutoScroll& autoScroll() const { return m_autoScroll; }
    int Cursor() const { return m_cursor; }
    // A window length or position as table pixels (no scroll added).
    int ToTable(int window) const;

    // The current zoom step's inverse map (none without a zoom): pointer
    // positions pass through it before the scroll position is added.
    const cutting::CoordMap* inverseMap = nullptr;
    // "Automatic scroll": carrying a group to an edge scrolls the table.
    bool autoScrollOn = true;

  private:
    void Show();
    void ShowCursor(int cursor);
    void SyncTimer(AutoScroll::Timer before);
    void StopAutoScroll();
    AutoScroll::Scroll ScrollState() const;
    void DragBackground(int x, int y);
    void PickUp(sprites::Sprite* s, int px, int py, int tipX, int tipY);
    int ReleaseAt(int px, int py);

    GameSession& m_session;
    platform::Surface& m_window;
    Hooks m_hooks;
    AutoScroll m_autoScroll;
    bool m_backgroundDrag = false;
    bool m_dragBackgroundAllowed = false;
    bool m_modified = false;
    int m_lastX = 0;
    int m_lastY = 0;
    int m_cursor = kArrowCursor;
    int m_drops = 0;
    int m_promotionAt = 0;
    sprites::Sprite* m_lastGroup = nullptr;
};
