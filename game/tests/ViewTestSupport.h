#pragma once

#include <QPoint>

#include "sprites/SpriteStore.h"

// Helpers shared by the tests that play on the workspace view.
namespace viewtest {

// A window point inside s where a click hits s.
inline QPoint grabPoint(sprites::SpriteStore& store, sprites::Sprite* s) {
    for (int y = s->y + 25; y < s->y + s->height; ++y) {
        for (int x = s->x + 25; x < s->x + s->width; ++x) {
            if (store.hitTest(x, y) == s) {
                return {x - store.scrollX(), y - store.scrollY()};
            }
        }
    }
    return {};
}

// The group that holds the cell (column, row), or null.
inline sprites::Sprite* withCell(const sprites::SpriteStore& store, int column, int row) {
    for (int i = 0; i < store.count(); ++i) {
        for (const auto& c : store.at(i)->cells) {
            if (c.column == column && c.row == row) {
                return store.at(i);
            }
        }
    }
    return nullptr;
}

}  // namespace viewtest
