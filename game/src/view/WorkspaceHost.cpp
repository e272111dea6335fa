#include "view/WorkspaceHost.h"

#include <algorithm>

#include "model/GameSession.h"

sprites::SpriteStore* WorkspaceHost::spriteStore() {
    return session().store();
}

const platform::Surface& WorkspaceHost::picture() {
    return session().picture();
}

void WorkspaceHost::addObserver(WorkspaceObserver* observer) {
    if (observer != nullptr &&
        std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) {
        observers_.push_back(observer);
    }
}

void WorkspaceHost::removeObserver(WorkspaceObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

// A copy is walked: an observer may remove itself while it is told.
void WorkspaceHost::notifyAll() {
    for (WorkspaceObserver* o : std::vector<WorkspaceObserver*>(observers_)) {
        o->redrawnAll();
    }
}

void WorkspaceHost::notifySprite(const sprites::Sprite& sprite) {
    for (WorkspaceObserver* o : std::vector<WorkspaceObserver*>(observers_)) {
        o->redrawnSprite(sprite);
    }
}

void WorkspaceHost::notifyArea(const platform::Rect& table) {
    for (WorkspaceObserver* o : std::vector<WorkspaceObserver*>(observers_)) {
        o->redrawnArea(table);
    }
}
