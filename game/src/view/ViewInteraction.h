#pragma once

#include <functional>

#include "platform/Surface.h"

namespace cutting {
class CoordMap;
}

class GameSession;
namespace sprites {
class Sprite;
}

// The mouse on the table: picking a group up, dragging it through the drag
// composition, dropping it (which snaps and scores), the Expert fit request
// and dragging the table by its background. Pointer positions are window
// coordinates; the table position adds the scroll position.
class ViewInteraction {
  public:
    struct Hooks {
        std::function<void(int event)> sound;
        std::function<void()> changed;  // the window needs showing
        std::function<void(int x, int y)> scrollTo;
        std::function<void(const char* text, int x, int y)> lockedTip;
    };
    static constexpr int kSelectSound = 1125;
    static constexpr int kMoveSound = 1126;
    static constexpr int kReleaseSound = 1154;
    static constexpr int kLockedSound = 1163;

    ViewInteraction(GameSession& session, platform::Surface& window, Hooks hooks)
        : m_session(session), m_window(window), m_hooks(std::move(hooks)) {}

    void Press(int x, int y, bool dragBackgroundAllowed);
    void Move(int x, int y, bool moreInputWaiting);
    // Returns the number of joins the drop made.
    int Release(int x, int y);
    // Expert level only: returns whether the group joined.
    bool DoubleClick(int x, int y);

    bool Holding() const;
    bool Modified() const { return m_modified; }
    void ClearModified() { m_modified = false; }
    sprites::Sprite* LastGroup() const { return m_lastGroup; }

    // The current zoom step's inverse map (none without a zoom): pointer
    // positions pass through it before the scroll position is added.
    const cutting::CoordMap* inverseMap = nullptr;

  private:
    void Show();

    GameSession& m_session;
    platform::Surface& m_window;
    Hooks m_hooks;
    bool m_backgroundDrag = false;
    bool m_dragBackgroundAllowed = false;
    bool m_modified = false;
    int m_lastX = 0;
    int m_lastY = 0;
    sprites::Sprite* m_lastGroup = nullptr;
};
