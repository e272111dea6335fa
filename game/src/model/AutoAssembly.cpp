#include "model/AutoAssembly.h"

#include "sprites/SpriteStore.h"

AutoAssembly::StartResult AutoAssembly::Start(sprites::SpriteStore& store,
                                              platform::Surface* window, int visibleX,
                                              int visibleY) {
    sprites::Sprite* origin = store.findOrigin();
    if (origin == nullptr) {
        Stop();
        return StartResult::NoOriginPiece;
    }
    m_running = true;
    store.setHeld(origin);
    store.redrawSprite(window, origin, true);
    store.glide(window, origin, visibleX, visibleY, nullptr);
    store.releaseHeld();
    store.placeAt(origin, origin->x, origin->y);
    store.redrawSprite(window, origin, true);
    m_group = origin;
    return StartResult::Started;
}

bool AutoAssembly::Step(Assist& assist) {
    if (!m_running || m_group == nullptr) {
        return false;
    }
    sprites::Sprite* joined = assist.Run(m_group, true);
    if (joined == nullptr) {
        Stop();
        return false;
    }
    m_group = joined;
    return true;
}

void AutoAssembly::Stop() {
    m_running = false;
    m_group = nullptr;
}
