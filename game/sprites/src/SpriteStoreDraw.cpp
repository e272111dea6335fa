#include <algorithm>
#include <cstdlib>

#include "cutting/CoordMap.h"
#include "cutting/PaintMask.h"
#include "sprites/SpriteStore.h"

namespace sprites {

namespace {

constexpr platform::Pixel kLightGrey = 0xC0C0C0;
constexpr platform::Pixel kBlack = 0x000000;

bool meets(const platform::Rect& a, const platform::Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

platform::Rect grown(const platform::Rect& r, int by) {
    return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

int floorMod(int v, int m) {
    return ((v % m) + m) % m;
}

}  // namespace

int SpriteStore::toBuffer(int tableCoordinate, int scroll) const {
    const int v = tableCoordinate - scroll;
    return zoomMap_ != nullptr ? (*zoomMap_)[v] : v;
}

platform::Rect SpriteStore::bufferRect(const platform::Rect& table) const {
    return {toBuffer(table.left, scrollX_), toBuffer(table.top, scrollY_),
            toBuffer(table.right, scrollX_), toBuffer(table.bottom, scrollY_)};
}

platform::Rect SpriteStore::tableRect(const platform::Rect& b) const {
    if (inverseMap_ == nullptr) {
        return {b.left + scrollX_, b.top + scrollY_, b.right + scrollX_, b.bottom + scrollY_};
    }
    const cutting::CoordMap& inv = *inverseMap_;
    return grown({inv[b.left] + scrollX_, inv[b.top] + scrollY_, inv[b.right] + scrollX_,
                  inv[b.bottom] + scrollY_},
                 inv[1]);
}

int SpriteStore::growth() const {
    return inverseMap_ != nullptr ? (*inverseMap_)[1] : 1;
}

void SpriteStore::setBackgroundColour(std::uint32_t colorRef) {
    background_ = platform::pixelFromColorRef(colorRef);
}

// Paints a buffer area: every sprite that is not being dragged and meets it,
// clipped to the area, on the background; a large area in two bands at once,
// each with its own mask.
void SpriteStore::paintBuffer(const platform::Rect& area) {
    buffer_.setClip(area);
    bands_.inTwoBands(buffer_.clip(), [this](const platform::Rect& band, int side) {
        cutting::PaintMask& painted = side == 0 ? painted_ : paintedAside_;
        painted.reset(band);
        paintBand(painted);
    });
    buffer_.clearClip();
}

// The sprites are copied from the top down onto pixels not painted yet, and
// the background fills what is left; that leaves what filling and copying
// bottom to top would, but writes each pixel once and passes over the pieces
// buried in a heap at the cost of a look at their bounds.
void SpriteStore::paintBand(cutting::PaintMask& painted) {
    const platform::Rect table = tableRect(painted.area());
    constexpr std::ptrdiff_t kAhead = 3;
    for (auto it = sprites_.rbegin(); it != sprites_.rend(); ++it) {
        const Sprite* s = it->get();
        if (sprites_.rend() - it > kAhead) {
            // The sprites lie all over the heap: fetch the next ones early.
            __builtin_prefetch(it[kAhead].get());
            __builtin_prefetch(it[1]->region.runs());
        }
        if (s->dragged == 0 && s != held_ && meets(grown(s->box(), 1), table)) {
            s->drawTo(buffer_, s->x - scrollX_, s->y - scrollY_, s->zoomMap, &painted);
        }
    }
    painted.finish(buffer_, backgroundPixel());
}

void SpriteStore::redrawArea(platform::Surface* window, const platform::Rect& area, bool toScreen,
                             const platform::Rect* second) {
    for (const platform::Rect* r : {&area, second}) {
        if (r == nullptr) {
            continue;
        }
        const platform::Rect b = platform::intersect(grown(bufferRect(*r), 1), buffer_.bounds());
        if (b.empty()) {
            continue;
        }
        paintBuffer(b);
        if (toScreen && window != nullptr) {
            window->blit(b.left, b.top, b.width(), b.height(), buffer_, b.left, b.top);
        }
    }
}

void SpriteStore::redrawSprite(platform::Surface* window, const Sprite* s, bool toScreen) {
    platform::Rect area = s->box();
    if (s->region.count() > 0) {
        const auto b = s->region.bounds();
        area = {s->x + b.left, s->y + b.top, s->x + b.right + 1, s->y + b.bottom + 1};
    }
    redrawArea(window, grown(area, growth()), toScreen);
}

void SpriteStore::showBuffer(platform::Surface& window) const {
    const platform::Rect shown = platform::intersect(buffer_.bounds(), window.bounds());
    bands_.inTwoBands(shown, [&](const platform::Rect& band, int) {
        window.blit(band.left, band.top, band.width(), band.height(), buffer_, band.left, band.top);
    });
}

void SpriteStore::setWorkspace(int width, int height) {
    workspaceWidth_ = width;
    workspaceHeight_ = height;
    scrollTo(scrollX_, scrollY_, true);
}

// The off-screen picture never holds the dragged sprite: the union of its old
// and new places is taken from there into the scratch buffer, the sprite is
// copied on top, and only that area goes to the window.
void SpriteStore::composeDrag(platform::Surface* window, int x, int y) {
    Sprite* s = held_;
    const platform::Rect old = s->box();
    s->x = x;
    s->y = y;
    const platform::Rect now = s->box();
    const platform::Rect b =
        platform::intersect(bufferRect(platform::unite(old, now)), buffer_.bounds());
    if (b.empty()) {
        return;
    }
    scratch_.blit(b.left, b.top, b.width(), b.height(), buffer_, b.left, b.top);
    scratch_.setClip(b);
    s->drawTo(scratch_, x - scrollX_, y - scrollY_, s->zoomMap);
    scratch_.clearClip();
    if (window != nullptr) {
        window->blit(b.left, b.top, b.width(), b.height(), scratch_, b.left, b.top);
    }
}

void SpriteStore::moveTo(platform::Surface* window, Sprite* s, int x, int y) {
    if (s == held_) {
        composeDrag(window, x, y);
    } else {
        setPosition(s, x, y);
    }
}

void SpriteStore::drawHeldAt(platform::Surface* window, int px, int py, int scrollX, int scrollY) {
    if (held_ == nullptr) {
        return;
    }
    held_->lastPointerX = static_cast<std::int16_t>(px);
    held_->lastPointerY = static_cast<std::int16_t>(py);
    composeDrag(window, px - held_->grabX + scrollX, py - held_->grabY + scrollY);
}

void SpriteStore::scrollTo(int x, int y, bool force) {
    const bool zoomed = zoomMap_ != nullptr;
    if (!force) {
        const bool same = zoomed ? (*zoomMap_)[x] == (*zoomMap_)[scrollX_] &&
                                       (*zoomMap_)[y] == (*zoomMap_)[scrollY_]
                                 : x == scrollX_ && y == scrollY_;
        if (same) {
            return;
        }
    }
    const bool shift = !force && (!zoomed || zoomMap_->keepsCoordinates());
    const int dx = scrollX_ - x;
    const int dy = scrollY_ - y;
    scrollX_ = x;
    scrollY_ = y;
    brushOriginX_ = floorMod(x, 8);
    brushOriginY_ = floorMod(y, 8);
    const int bw = buffer_.width();
    const int bh = buffer_.height();
    if (!shift || std::abs(dx) >= bw || std::abs(dy) >= bh) {
        paintBuffer(buffer_.bounds());
    } else {
        buffer_.blit(dx, dy, bw, bh, buffer_, 0, 0);
        if (dx != 0) {
            paintBuffer(dx > 0 ? platform::Rect{0, 0, dx, bh} : platform::Rect{bw + dx, 0, bw, bh});
        }
        if (dy != 0) {
            paintBuffer(dy > 0 ? platform::Rect{0, 0, bw, dy} : platform::Rect{0, bh + dy, bw, bh});
        }
    }
    paintBorder();
}

// Light grey beyond the table's right and bottom edges, with a line along
// each edge, where the table ends inside the buffer.
void SpriteStore::paintBorder() {
    const int bw = buffer_.width();
    const int bh = buffer_.height();
    const int w = toBuffer(workspaceWidth_, scrollX_);
    const int h = toBuffer(workspaceHeight_, scrollY_);
    if (w < bw) {
        buffer_.fill({w + 3, 0, bw, bh}, kLightGrey);
        buffer_.fill({w + 2, 0, w + 3, h + 2}, kBlack);
    }
    if (h < bh) {
        buffer_.fill({0, h + 2, bw, bh}, kLightGrey);
        buffer_.fill({0, h + 1, w + 1, h + 2}, kBlack);
    }
}

}  // namespace sprites
