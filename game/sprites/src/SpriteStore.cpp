#include "sprites/SpriteStore.h"

#include <algorithm>
#include <new>

#include "cutting/Failures.h"
#include "platform/MessageBox.h"

namespace sprites {

SpriteStore::SpriteStore(int pieces, int screenWidth, int screenHeight) {
    sprites_.reserve(static_cast<std::size_t>(std::max(pieces, 0)));
    try {
        if (screenWidth <= 0 || screenHeight <= 0) {
            throw std::bad_alloc();
        }
        buffer_ = platform::Surface(screenWidth, screenHeight);
        scratch_ = platform::Surface(screenWidth, screenHeight);
    } catch (const std::bad_alloc&) {
        MessageBoxA(nullptr, "Internal failture, not enought resources left", "Error", MB_OK);
        throw cutting::ResourceException();
    }
}

int SpriteStore::indexOf(const Sprite* s) const {
    for (int i = 0; i < count(); ++i) {
        if (at(i) == s) {
            return i;
        }
    }
    return -1;
}

void SpriteStore::add(std::unique_ptr<Sprite> s) {
    // Nothing is held when a group arrives (from the cut or a saved game); a
    // group saved while dragged would otherwise never be drawn again.
    s->dragged = 0;
    s->owner = this;
    s->zoomMap = zoomMap_;
    s->inverseMap = inverseMap_;
    sprites_.push_back(std::move(s));
}

Sprite* SpriteStore::hitTest(int px, int py) {
    for (int i = count() - 1; i >= 0; --i) {
        Sprite* s = at(i);
        if (s->x < px && px < s->x + s->width && s->y < py && py < s->y + s->height &&
            s->holds(px, py)) {
            s->grabX = static_cast<std::int16_t>(px - s->x);
            s->grabY = static_cast<std::int16_t>(py - s->y);
            return s;
        }
    }
    return nullptr;
}

void SpriteStore::bringToFront(Sprite* s) {
    const int i = indexOf(s);
    if (i < 0) {
        return;
    }
    std::rotate(sprites_.begin() + i, sprites_.begin() + i + 1, sprites_.end());
    redrawSprite(nullptr, s, false);
}

void SpriteStore::sendToBack(Sprite* s) {
    const int i = indexOf(s);
    if (i < 0) {
        return;
    }
    std::rotate(sprites_.begin(), sprites_.begin() + i, sprites_.begin() + i + 1);
    redrawSprite(nullptr, s, false);
}

void SpriteStore::remove(Sprite* s) {
    const int i = indexOf(s);
    if (i < 0) {
        return;
    }
    if (held_ == s) {
        held_ = nullptr;
    }
    sprites_.erase(sprites_.begin() + i);
}

void SpriteStore::join(Sprite* kept, Sprite* absorbed) {
    bool wasLocked = false;
    for (Sprite* s : {absorbed, kept}) {
        if (s->locked != 0) {
            s->locked = 0;
            s->paintBevel();
            wasLocked = true;
        }
    }
    const platform::Rect u = platform::unite(kept->box(), absorbed->box());
    absorbed->region.offset(absorbed->x - u.left, absorbed->y - u.top);
    kept->region.offset(kept->x - u.left, kept->y - u.top);
    kept->region =
        cutting::SpanRegion::combine(kept->region, absorbed->region, cutting::SpanRegion::kUnion);
    if (kept->x != u.left) {
        kept->sourceX = absorbed->sourceX;
    }
    if (kept->y != u.top) {
        kept->sourceY = absorbed->sourceY;
    }
    kept->x = u.left;
    kept->y = u.top;
    kept->width = u.width();
    kept->height = u.height();
    // The absorbed cells go in front, last first, as if inserted one at a
    // time at the front, in one move of the kept cells.
    kept->cells.insert(kept->cells.begin(), absorbed->cells.rbegin(), absorbed->cells.rend());
    if (wasLocked) {
        kept->locked = 1;
        kept->paintBevel();
    }
    pending = absorbed->box();
}

Sprite* SpriteStore::findOrigin() const {
    for (const auto& s : sprites_) {
        for (const CellRef& c : s->cells) {
            if (c.column == 0 && c.row == 0) {
                return s.get();
            }
        }
    }
    return nullptr;
}

void SpriteStore::clear() {
    sprites_.clear();
    held_ = nullptr;
}

int SpriteStore::setHeld(Sprite* s) {
    const int previous = s->dragged;
    s->dragged = 1;
    held_ = s;
    return previous;
}

void SpriteStore::releaseHeld() {
    if (held_ == nullptr) {
        return;
    }
    held_->dragged = 0;
    held_->grabX = 0;
    held_->grabY = 0;
    held_ = nullptr;
}

void SpriteStore::setPosition(Sprite* s, int x, int y) {
    s->x = x;
    s->y = y;
}

bool SpriteStore::allowed(const Sprite& s, int x, int y) const {
    const auto b = s.region.bounds();
    return !((x + b.left < 1 && x < 0) || (y + b.top < 1 && y < 0) ||
             x + s.width >= workspaceWidth_ || y + s.height >= workspaceHeight_);
}

// The first pixel column (row) may reach 0; the box's far side stays inside.
void SpriteStore::clampTo(const Sprite& s, int& x, int& y) const {
    const auto b = s.region.bounds();
    x = std::min(workspaceWidth_ - s.width, std::max(x + b.left, 0) - b.left);
    y = std::min(workspaceHeight_ - s.height, std::max(y + b.top, 0) - b.top);
}

void SpriteStore::moveHeldToPointer(platform::Surface* window, int px, int py) {
    if (held_ == nullptr) {
        return;
    }
    int x = px - held_->grabX + scrollX_;
    int y = py - held_->grabY + scrollY_;
    if (!allowed(*held_, x, y)) {
        clampTo(*held_, x, y);
    }
    held_->lastPointerX = static_cast<std::int16_t>(px);
    held_->lastPointerY = static_cast<std::int16_t>(py);
    composeDrag(window, x, y);
}

void SpriteStore::placeAt(Sprite* s, int x, int y) {
    if (!allowed(*s, x, y)) {
        clampTo(*s, x, y);
        const auto b = s->region.bounds();
        x = std::max(x, -b.left);
        y = std::max(y, -b.top);
    }
    setPosition(s, x, y);
}

void SpriteStore::setPicture(platform::Surface* picture) {
    for (auto& s : sprites_) {
        s->picture = picture;
    }
}

void SpriteStore::setZoomMaps(const cutting::CoordMap* zoom, const cutting::CoordMap* inverse) {
    zoomMap_ = zoom;
    inverseMap_ = inverse;
    for (auto& s : sprites_) {
        s->zoomMap = zoom;
        s->inverseMap = inverse;
    }
}

void SpriteStore::repaintLockedBevels() {
    for (auto& s : sprites_) {
        if (s->locked != 0) {
            s->paintBevel();
        }
    }
}

void SpriteStore::collectRims(cutting::SpanRegion& into, bool lowerRight, const Sprite* one) const {
    auto collect = [&](const Sprite& s) {
        cutting::SpanRegion rim = lowerRight ? s.region.lowerRightRim() : s.region.upperLeftRim();
        rim.offset(s.sourceX, s.sourceY);
        if (into.allocated()) {
            into.append(rim);
        } else {
            into = std::move(rim);
        }
    };
    if (one != nullptr) {
        collect(*one);
        return;
    }
    for (const auto& s : sprites_) {
        collect(*s);
    }
}

}  // namespace sprites
