#include "model/Assist.h"

#include <cstdlib>
#include <numeric>
#include <utility>
#include <vector>

#include "model/SnapTest.h"
#include "sprites/SpriteStore.h"

using sprites::CellRef;
using sprites::Sprite;

namespace {

bool adjacent(const CellRef& a, const CellRef& b) {
    return (a.column == b.column && std::abs(a.row - b.row) == 1) ||
           (a.row == b.row && std::abs(a.column - b.column) == 1);
}

// The neighbour's position that puts its cell nc exactly beside s's cell sc.
void target(const Sprite& s, const CellRef& sc, const Sprite& n, const CellRef& nc, int& x,
            int& y) {
    const CellOrigin so = CellOrigin::Of(s);
    const CellOrigin no = CellOrigin::Of(n);
    const int sx = s.x + s.pieceWidth * (sc.column - so.column);
    const int sy = s.y + s.pieceHeight * (sc.row - so.row);
    x = sx + s.pieceWidth * (nc.column - sc.column) - s.pieceWidth * (nc.column - no.column);
    y = sy + s.pieceHeight * (nc.row - sc.row) - s.pieceHeight * (nc.row - no.row);
}

}  // namespace

bool Assist::Beside(const Sprite& s, const Sprite& n, Found& found) const {
    for (const CellRef& sc : s.cells) {
        for (const CellRef& nc : n.cells) {
            if (adjacent(sc, nc)) {
                found.neighbour = const_cast<Sprite*>(&n);
                target(s, sc, n, nc, found.targetX, found.targetY);
                return true;
            }
        }
    }
    return false;
}

// Of the groups whose picture area overlaps a piece-sized square around the
// clicked picture spot, the one with the largest overlap that has a pixel at
// one of the overlap's corners.
Assist::Found Assist::FindAroundGrab(const Sprite& s) const {
    const int cx = s.sourceX + s.grabX;
    const int cy = s.sourceY + s.grabY;
    const platform::Rect square{cx - s.pieceWidth / 2, cy - s.pieceHeight / 2,
                                cx - s.pieceWidth / 2 + s.pieceWidth,
                                cy - s.pieceHeight / 2 + s.pieceHeight};
    const Sprite* best = nullptr;
    int bestArea = 0;
    for (int i = 0; i < m_store.count(); ++i) {
        const Sprite* o = m_store.at(i);
        const platform::Rect area = platform::intersect(
            square, {o->sourceX, o->sourceY, o->sourceX + o->width, o->sourceY + o->height});
        if (o == &s || area.empty() || area.width() * area.height() <= bestArea) {
            continue;
        }
        const int xs[] = {area.left, area.right - 1};
        const int ys[] = {area.top, area.bottom - 1};
        bool corner = false;
        for (int x : xs) {
            for (int y : ys) {
                corner = corner || o->region.contains(x - o->sourceX, y - o->sourceY);
            }
        }
        if (corner) {
            best = o;
            bestArea = area.width() * area.height();
        }
    }
    Found found;
    if (best != nullptr && !Beside(s, *best, found) && m_hooks.beep) {
        m_hooks.beep();
    }
    return found;
}

Assist::Found Assist::FindInRandomOrder(const Sprite& s, bool assembling) const {
    const int n = s.cellCount();
    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    for (int i = 0; i < n; ++i) {
        for (int k = 0; k < 2; ++k) {
            std::swap(order[static_cast<std::size_t>(std::rand() % n)],
                      order[static_cast<std::size_t>(std::rand() % n)]);
        }
    }
    Found found;
    for (int index : order) {
        Sprite one;
        one.x = s.x;
        one.y = s.y;
        one.pieceWidth = s.pieceWidth;
        one.pieceHeight = s.pieceHeight;
        const CellOrigin so = CellOrigin::Of(s);
        const CellRef cell = s.cells[static_cast<std::size_t>(index)];
        // A one-cell stand-in at that cell's place keeps the target rule.
        one.x += s.pieceWidth * (cell.column - so.column);
        one.y += s.pieceHeight * (cell.row - so.row);
        one.cells = {cell};
        for (int i = 0; i < m_store.count(); ++i) {
            const Sprite* o = m_store.at(i);
            if (o == &s || (o->locked != 0 && !assembling)) {
                continue;
            }
            if (Beside(one, *o, found)) {
                return found;
            }
        }
    }
    return found;
}

Assist::Found Assist::Find(const Sprite& s, bool assembling) const {
    if (s.grabX != 0 || s.grabY != 0) {
        const Found around = FindAroundGrab(s);
        if (around.neighbour != nullptr) {
            return around;
        }
    }
    return FindInRandomOrder(s, assembling);
}

Sprite* Assist::Run(Sprite* s, bool assembling, bool* repaintAll) {
    const Found found = Find(*s, assembling);
    Sprite* n = found.neighbour;
    if (n == nullptr) {
        return nullptr;
    }
    if (n->locked != 0 && !assembling) {
        if (m_hooks.sound) {
            m_hooks.sound(kLockedSound);
        }
        const LockedChoice choice =
            m_hooks.lockedPrompt ? m_hooks.lockedPrompt() : LockedChoice::Cancel;
        if (choice == LockedChoice::Cancel) {
            return nullptr;
        }
        if (choice == LockedChoice::MoveToLocked) {
            return Glide(s, n, s->x - (found.targetX - n->x), s->y - (found.targetY - n->y),
                         repaintAll);
        }
        n->locked = 0;
        n->paintBevel();
    }
    return Glide(n, s, found.targetX, found.targetY, repaintAll);
}

Sprite* Assist::Glide(Sprite* moving, Sprite* stationary, int tx, int ty, bool* repaintAll) {
    m_store.setHeld(moving);
    m_store.redrawSprite(m_window, moving, true);
    m_store.glide(m_window, moving, tx, ty, nullptr);
    m_store.releaseHeld();
    m_store.redrawSprite(m_window, moving, true);
    m_store.join(stationary, moving);
    m_store.remove(moving);
    const int x = stationary->x;
    const int y = stationary->y;
    m_store.placeAt(stationary, x, y);
    if (repaintAll != nullptr) {
        *repaintAll = stationary->x != x || stationary->y != y;
    }
    m_store.redrawSprite(m_window, stationary, true);
    return stationary;
}
