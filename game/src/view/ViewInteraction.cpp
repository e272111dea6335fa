#include "view/ViewInteraction.h"

#include <algorithm>
#include <cstdlib>

#include "model/GameSession.h"
#include "sprites/SpriteStore.h"
#include "view/GameCursors.h"
#include "view/ViewZoom.h"

bool ViewInteraction::Holding() const {
    const sprites::SpriteStore* store = m_session.store();
    return store != nullptr && store->held() != nullptr;
}

void ViewInteraction::Show() {
    if (m_hooks.changed) {
        m_hooks.changed();
    }
}

// Each move asks for a cursor; the window's cursor changes only when the
// cursor shown changes.
void ViewInteraction::ShowCursor(int cursor) {
    if (cursor == m_cursor) {
        return;
    }
    m_cursor = cursor;
    if (m_hooks.cursor) {
        m_hooks.cursor(cursor);
    }
}

void ViewInteraction::SyncTimer(AutoScroll::Timer before) {
    if (m_autoScroll.timer() != before && m_hooks.timer) {
        m_hooks.timer(m_autoScroll.timer(), m_autoScroll.interval());
    }
}

// Negative positions (the pointer left the window while the button is
// down) map like their mirror image.
int ViewInteraction::ToTable(int window) const {
    if (inverseMap == nullptr) {
        return window;
    }
    const int mapped = ViewZoom::ToTable(inverseMap, std::abs(window), 0);
    return window < 0 ? -mapped : mapped;
}

AutoScroll::Scroll ViewInteraction::ScrollState() const {
    const sprites::SpriteStore* store = m_session.store();
    return {store->scrollX(), store->scrollY(),
            std::max(0, store->workspaceWidth() - ToTable(m_window.width())),
            std::max(0, store->workspaceHeight() - ToTable(m_window.height()))};
}

void ViewInteraction::Press(int x, int y, bool dragBackgroundAllowed) {
    sprites::SpriteStore* store = m_session.store();
    m_lastX = x;
    m_lastY = y;
    if (store == nullptr) {
        return;
    }
    sprites::Sprite* s =
        store->hitTest(ToTable(x) + store->scrollX(), ToTable(y) + store->scrollY());
    if (s == nullptr) {
        m_backgroundDrag = true;
        m_dragBackgroundAllowed = dragBackgroundAllowed;
        if (dragBackgroundAllowed) {
            ShowCursor(kSizeAllCursor);
        }
        return;
    }
    PickUp(s, ToTable(x), ToTable(y), x, y);
}

bool ViewInteraction::PressTable(int tx, int ty) {
    sprites::SpriteStore* store = m_session.store();
    if (store == nullptr) {
        return false;
    }
    sprites::Sprite* s = store->hitTest(tx, ty);
    if (s == nullptr) {
        return false;
    }
    PickUp(s, tx - store->scrollX(), ty - store->scrollY(), 0, 0);
    return store->held() == s;
}

// (px, py): the pointer as table pixels from the scroll position; (tipX,
// tipY): where a locked group's tip shows in the window.
void ViewInteraction::PickUp(sprites::Sprite* s, int px, int py, int tipX, int tipY) {
    sprites::SpriteStore* store = m_session.store();
    // A group still held lost its button-up somewhere: it goes down first, or
    // it would stay marked dragged and never be drawn again.
    PutDown();
    m_backgroundDrag = false;
    m_lastGroup = s;
    if (s->locked != 0) {
        if (m_hooks.lockedTip) {
            m_hooks.lockedTip(kLockedText, tipX, tipY);
        }
        if (m_hooks.sound) {
            m_hooks.sound(kLockedSound);
        }
        return;
    }
    if (m_hooks.sound) {
        m_hooks.sound(kSelectSound);
    }
    ShowCursor(GameCursors::kHeld);
    if (m_hooks.closeTip) {
        m_hooks.closeTip();
    }
    store->setHeld(s);
    store->bringToFront(s);
    store->redrawSprite(&m_window, s, true);
    store->drawHeldAt(&m_window, px, py, store->scrollX(), store->scrollY());
    Show();
}

void ViewInteraction::MoveHeldTable(int tx, int ty) {
    sprites::SpriteStore* store = m_session.store();
    if (store == nullptr || store->held() == nullptr) {
        return;
    }
    m_modified = true;
    store->moveHeldToPointer(&m_window, tx - store->scrollX(), ty - store->scrollY());
    Show();
}

void ViewInteraction::Move(int x, int y, bool moreInputWaiting) {
    sprites::SpriteStore* store = m_session.store();
    if (store == nullptr) {
        return;
    }
    if (store->held() != nullptr) {
        m_modified = true;
        const AutoScroll::Direction d = AutoScroll::Decide(
            {x, y, m_lastX, m_lastY, m_window.width(), m_window.height()}, ScrollState());
        ShowCursor(d != AutoScroll::kNone ? AutoScroll::CursorFor(d) : GameCursors::kHeld);
        store->moveHeldToPointer(&m_window, ToTable(x), ToTable(y));
        // One sound per step of the pointer, none while more moves wait.
        const bool step = x != m_lastX || y != m_lastY;
        if (step && !moreInputWaiting && m_hooks.sound) {
            m_hooks.sound(kMoveSound);
        }
        const AutoScroll::Timer before = m_autoScroll.timer();
        m_autoScroll.Moved(d, autoScrollOn);
        SyncTimer(before);
        Show();
    } else if (m_backgroundDrag && m_dragBackgroundAllowed) {
        DragBackground(x, y);
    }
    m_lastX = x;
    m_lastY = y;
}

// The table follows the pointer's movement, but only along an axis in which
// it is larger than the window.
void ViewInteraction::DragBackground(int x, int y) {
    const AutoScroll::Scroll s = ScrollState();
    const int dx = s.maxX > 0 ? ToTable(x - m_lastX) : 0;
    const int dy = s.maxY > 0 ? ToTable(y - m_lastY) : 0;
    ShowCursor(kSizeAllCursor);
    if ((dx != 0 || dy != 0) && m_hooks.scrollTo) {
        m_hooks.scrollTo(s.x + dx, s.y + dy);
    }
}

void ViewInteraction::StartTimerElapsed() {
    const AutoScroll::Timer before = m_autoScroll.timer();
    m_autoScroll.StartElapsed();
    SyncTimer(before);
}

void ViewInteraction::RepeatTimerElapsed() {
    sprites::SpriteStore* store = m_session.store();
    if (store == nullptr) {
        return;
    }
    const AutoScroll::Scroll s = ScrollState();
    if (!m_autoScroll.Repeat(Holding(), m_cursor, s)) {
        return;
    }
    const AutoScroll::Scroll next =
        AutoScroll::Advance(m_autoScroll.direction(), s, ToTable(AutoScroll::kStep));
    if (m_hooks.scrollTo) {
        m_hooks.scrollTo(next.x, next.y);
    }
    store->moveHeldToPointer(&m_window, ToTable(m_lastX), ToTable(m_lastY));
    Show();
}

void ViewInteraction::TimerElapsed(AutoScroll::Timer timer) {
    if (timer == AutoScroll::Timer::Start) {
        StartTimerElapsed();
    } else if (timer == AutoScroll::Timer::Repeat) {
        RepeatTimerElapsed();
    }
}

void ViewInteraction::ResetDrops(int pieceCount) {
    m_drops = 0;
    m_promotionAt = std::min(pieceCount, kPromotionDrops);
}

int ViewInteraction::Release(int x, int y) {
    return ReleaseAt(ToTable(x), ToTable(y));
}

int ViewInteraction::ReleaseTable(int tx, int ty) {
    const sprites::SpriteStore* store = m_session.store();
    return store == nullptr ? 0 : ReleaseAt(tx - store->scrollX(), ty - store->scrollY());
}

int ViewInteraction::ReleaseAt(int px, int py) {
    m_backgroundDrag = false;
    ShowCursor(kArrowCursor);
    if (m_hooks.closeTip) {
        m_hooks.closeTip();
    }
    sprites::SpriteStore* store = m_session.store();
    if (store == nullptr || store->held() == nullptr) {
        return 0;
    }
    sprites::Sprite* g = store->held();
    store->moveHeldToPointer(&m_window, px, py);
    m_modified = true;
    store->releaseHeld();
    if (m_hooks.sound) {
        m_hooks.sound(kReleaseSound);
    }
    StopAutoScroll();
    const int joins = m_session.Drop(g, &m_window, m_window.width(), m_window.height());
    if (joins == 0) {
        store->placeAt(g, g->x, g->y);
    }
    store->redrawSprite(&m_window, g, true);
    m_lastGroup = g;
    if (++m_drops == m_promotionAt && m_hooks.promotion) {
        m_hooks.promotion();
    }
    Show();
    return joins;
}

void ViewInteraction::StopAutoScroll() {
    const AutoScroll::Timer before = m_autoScroll.timer();
    m_autoScroll.Stop();
    SyncTimer(before);
}

void ViewInteraction::PutDown() {
    m_backgroundDrag = false;
    sprites::SpriteStore* store = m_session.store();
    if (store == nullptr || store->held() == nullptr) {
        return;
    }
    sprites::Sprite* g = store->held();
    store->releaseHeld();
    StopAutoScroll();
    ShowCursor(kArrowCursor);
    store->placeAt(g, g->x, g->y);
    store->redrawSprite(&m_window, g, true);
    Show();
}

void ViewInteraction::Forget() {
    m_backgroundDrag = false;
    m_lastGroup = nullptr;
    StopAutoScroll();
}

bool ViewInteraction::DoubleClick(int x, int y) {
    sprites::SpriteStore* store = m_session.store();
    if (store == nullptr || !m_session.level.isExpert()) {
        return false;
    }
    sprites::Sprite* g =
        store->hitTest(ToTable(x) + store->scrollX(), ToTable(y) + store->scrollY());
    // A locked group never moves by the mouse.
    if (g == nullptr || g->locked != 0) {
        return false;
    }
    m_modified = true;
    store->setHeld(g);
    store->moveHeldToPointer(&m_window, ToTable(x), ToTable(y));
    store->releaseHeld();
    const bool joined = m_session.ExpertFit(g, &m_window, m_window.width(), m_window.height());
    store->redrawSprite(&m_window, g, true);
    Show();
    return joined;
}
