#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "cutting/CoordMap.h"
#include "platform/MessageBox.h"
#include "sprites/SpriteStore.h"

namespace sprites {

namespace {

constexpr int kGlideSteps = 20;
constexpr int kTriesPerRange = 200;
// Passes of move aside end when nothing moves; the bound only guards against
// groups that keep landing under the dropped one.
constexpr int kMaxPasses = 50;

bool meets(const platform::Rect& a, const platform::Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

void SpriteStore::glide(platform::Surface* window, Sprite* s, int tx, int ty, bool* abort) {
    const int sx = s->x;
    const int sy = s->y;
    for (int k = 0; k <= kGlideSteps; ++k) {
        if (abort != nullptr && inputWaiting_ && inputWaiting_()) {
            *abort = true;
            return;
        }
        moveTo(window, s, sx + k * (tx - sx) / kGlideSteps, sy + k * (ty - sy) / kGlideSteps);
    }
    moveTo(window, s, tx, ty);
}

bool SpriteStore::inDropped(const Sprite& d, int px, int py) const {
    return d.x < px && px < d.x + d.width && d.y < py && py < d.y + d.height && d.holds(px, py);
}

bool SpriteStore::underDropped(const Sprite& d, const Sprite& g) const {
    const auto b = g.region.bounds();
    const int cx = g.x + g.width / 2;
    const int cy = g.y + g.height / 2;
    return inDropped(d, cx, cy) || inDropped(d, g.x, cy) || inDropped(d, cx, g.y + b.top) ||
           inDropped(d, cx, g.y + b.bottom);
}

// Draws positions for g in ever larger ranges until its corner lies outside
// d: the visible table, then the whole table, then the buffer.
void SpriteStore::drawNewPosition(const Sprite& d, const Sprite& g, int rangeX, int rangeY, int& x,
                                  int& y) const {
    const int ranges[3][2] = {
        {rangeX, rangeY}, {workspaceWidth_, workspaceHeight_}, {buffer_.width(), buffer_.height()}};
    for (const auto& range : ranges) {
        // A range no wider than the group leaves only position 0.
        const int spanX = std::max(range[0] - g.width, 1);
        const int spanY = std::max(range[1] - g.height, 1);
        for (int attempt = 0; attempt < kTriesPerRange; ++attempt) {
            x = std::rand() % spanX;
            y = std::rand() % spanY;
            if (!inDropped(d, x, y)) {
                return;
            }
        }
    }
}

int SpriteStore::moveAside(platform::Surface* window, Sprite* dropped, const platform::Rect* area,
                           bool* abort, int clientWidth, int clientHeight) {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    const platform::Rect test = area != nullptr ? *area : dropped->box();
    if (inverseMap_ != nullptr) {
        clientWidth = (*inverseMap_)[clientWidth];
        clientHeight = (*inverseMap_)[clientHeight];
    }
    const int rangeX = std::min(workspaceWidth_, clientWidth);
    const int rangeY = std::min(workspaceHeight_, clientHeight);
    bool moved = true;
    for (int pass = 0; moved && pass < kMaxPasses; ++pass) {
        moved = false;
        for (int i = 0; i < count(); ++i) {
            Sprite* g = at(i);
            if (g == dropped || g->locked != 0 || !meets(g->box(), test) ||
                !underDropped(*dropped, *g)) {
                continue;
            }
            int x = 0;
            int y = 0;
            drawNewPosition(*dropped, *g, rangeX, rangeY, x, y);
            setHeld(g);
            redrawSprite(window, dropped, false);
            redrawSprite(window, g, false);
            bool aborted = false;
            glide(window, g, x, y, abort != nullptr ? &aborted : nullptr);
            releaseHeld();
            bringToFront(g);
            redrawSprite(window, dropped, false);
            redrawSprite(window, g, true);
            if (aborted) {
                *abort = true;
                return 0;
            }
            moved = true;
            --i;  // g went to the top; the next group now sits at index i
        }
    }
    return 1;
}

void SpriteStore::reorderForSmaller(Sprite* s) {
    const int index = indexOf(s);
    if (index < 0) {
        MessageBeep(0);
        return;
    }
    if (s->cellCount() <= groupThreshold) {
        return;
    }
    for (int i = 0; i < index; ++i) {
        Sprite* other = at(i);
        if (other->cellCount() < s->cellCount() && meets(other->box(), s->box())) {
            auto owned = std::move(sprites_[static_cast<std::size_t>(index)]);
            sprites_.erase(sprites_.begin() + index);
            sprites_.insert(sprites_.begin() + i, std::move(owned));
            return;
        }
    }
}

}  // namespace sprites
