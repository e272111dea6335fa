#include "windows/OverviewCanvas.h"

#include <algorithm>

#include "sprites/SpriteStore.h"

namespace windows {

namespace {

bool touches(const platform::Rect& a, const platform::Rect& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

}  // namespace

std::uint32_t OverviewCanvas::darkerShade(std::uint32_t colorRef) {
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t c = (colorRef >> shift) & 0xFFu;
        result |= (c - c / 8) << shift;
    }
    return result;
}

bool OverviewCanvas::build(const OverviewScale& scale, platform::Surface scaledPicture,
                           std::uint32_t tableColorRef) {
    if (scale.width() <= 0 || scale.height() <= 0 || scaledPicture.isNull()) {
        return false;
    }
    scale_ = scale;
    picture_ = std::move(scaledPicture);
    background_ = platform::pixelFromColorRef(darkerShade(tableColorRef));
    bitmap_ = platform::Surface(scale.width(), scale.height(), background_);
    heldBox_.reset();
    return true;
}

void OverviewCanvas::drawAt(const sprites::Sprite& s, int x, int y) {
    s.region.copyThrough(bitmap_, x, y, picture_, s.sourceX, s.sourceY, &scale_->forward());
}

void OverviewCanvas::redrawAll(const sprites::SpriteStore& store) {
    if (!built()) {
        return;
    }
    bitmap_.fill(bitmap_.bounds(), background_);
    for (int i = 0; i < store.count(); ++i) {
        const sprites::Sprite& s = *store.at(i);
        if (s.dragged == 0) {
            drawAt(s, s.x, s.y);
        }
    }
    heldBox_.reset();
    if (const sprites::Sprite* held = store.held()) {
        drawAt(*held, held->x, held->y);
        heldBox_ = held->box();
    }
}

void OverviewCanvas::redrawSprite(const sprites::Sprite& s) {
    if (built()) {
        drawAt(s, s.x, s.y);
    }
}

void OverviewCanvas::redrawArea(const sprites::SpriteStore& store, const platform::Rect& table) {
    if (!built()) {
        return;
    }
    // Grown by one overview pixel (in table pixels), so that rounding
    // leaves nothing of a group that moved away.
    const int g = scale_->factor() / 1000 + 1;
    const platform::Rect grown{table.left - g, table.top - g, table.right + g, table.bottom + g};
    const platform::Rect area = scale_->toOverview(grown);
    bitmap_.setClip(area);
    bitmap_.fill(area, background_);
    for (int i = 0; i < store.count(); ++i) {
        const sprites::Sprite& s = *store.at(i);
        if (s.dragged == 0 && touches(s.box(), grown)) {
            drawAt(s, s.x, s.y);
        }
    }
    bitmap_.clearClip();
}

platform::Rect OverviewCanvas::drawHeldAt(const sprites::SpriteStore& store,
                                          const sprites::Sprite& held, int x, int y) {
    if (!built()) {
        return {};
    }
    const platform::Rect now{x, y, x + held.width, y + held.height};
    const platform::Rect changed = heldBox_ ? platform::unite(*heldBox_, now) : now;
    if (heldBox_) {
        redrawArea(store, *heldBox_);
    }
    drawAt(held, x, y);
    heldBox_ = now;
    const platform::Rect mapped = scale_->toOverview(changed);
    return {mapped.left - 1, mapped.top - 1, mapped.right + 1, mapped.bottom + 1};
}

}  // namespace windows
