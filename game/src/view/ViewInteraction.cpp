#include "view/ViewInteraction.h"

#include "model/GameSession.h"
#include "sprites/SpriteStore.h"
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

void ViewInteraction::Press(int x, int y, bool dragBackgroundAllowed) {
    sprites::SpriteStore* store = m_session.store();
    m_lastX = x;
    m_lastY = y;
    if (store == nullptr) {
        return;
    }
    sprites::Sprite* s = store->hitTest(ViewZoom::ToTable(inverseMap, x, store->scrollX()),
                                        ViewZoom::ToTable(inverseMap, y, store->scrollY()));
    if (s == nullptr) {
        m_backgroundDrag = true;
        m_dragBackgroundAllowed = dragBackgroundAllowed;
        return;
    }
    m_backgroundDrag = false;
    m_lastGroup = s;
    if (s->locked != 0) {
        if (m_hooks.lockedTip) {
            m_hooks.lockedTip("This piece is locked and can't be moved!", x, y);
        }
        if (m_hooks.sound) {
            m_hooks.sound(kLockedSound);
        }
        return;
    }
    if (m_hooks.sound) {
        m_hooks.sound(kSelectSound);
    }
    store->setHeld(s);
    store->bringToFront(s);
    store->redrawSprite(&m_window, s, true);
    store->drawHeldAt(&m_window, x, y, store->scrollX(), store->scrollY());
    Show();
}

void ViewInteraction::Move(int x, int y, bool moreInputWaiting) {
    sprites::SpriteStore* store = m_session.store();
    if (store == nullptr) {
        return;
    }
    if (store->held() != nullptr) {
        m_modified = true;
        store->moveHeldToPointer(&m_window, x, y);
        if (!moreInputWaiting && m_hooks.sound) {
            m_hooks.sound(kMoveSound);
        }
        Show();
    } else if (m_backgroundDrag && m_dragBackgroundAllowed && m_hooks.scrollTo) {
        m_hooks.scrollTo(store->scrollX() - (x - m_lastX), store->scrollY() - (y - m_lastY));
    }
    m_lastX = x;
    m_lastY = y;
}

int ViewInteraction::Release(int x, int y) {
    m_backgroundDrag = false;
    sprites::SpriteStore* store = m_session.store();
    if (store == nullptr || store->held() == nullptr) {
        return 0;
    }
    sprites::Sprite* g = store->held();
    store->moveHeldToPointer(&m_window, x, y);
    m_modified = true;
    store->releaseHeld();
    if (m_hooks.sound) {
        m_hooks.sound(kReleaseSound);
    }
    const int joins = m_session.Drop(g, &m_window, m_window.width(), m_window.height());
    if (joins == 0) {
        store->placeAt(g, g->x, g->y);
    }
    store->redrawSprite(&m_window, g, true);
    m_lastGroup = g;
    Show();
    return joins;
}

bool ViewInteraction::DoubleClick(int x, int y) {
    sprites::SpriteStore* store = m_session.store();
    if (store == nullptr || !m_session.level.isExpert()) {
        return false;
    }
    sprites::Sprite* g = store->hitTest(ViewZoom::ToTable(inverseMap, x, store->scrollX()),
                                        ViewZoom::ToTable(inverseMap, y, store->scrollY()));
    if (g == nullptr) {
        return false;
    }
    m_modified = true;
    store->setHeld(g);
    store->moveHeldToPointer(&m_window, x, y);
    store->releaseHeld();
    const bool joined = m_session.ExpertFit(g, &m_window, m_window.width(), m_window.height());
    store->redrawSprite(&m_window, g, true);
    Show();
    return joined;
}
