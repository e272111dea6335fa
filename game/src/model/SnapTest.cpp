#include "model/SnapTest.h"

#include <algorithm>
#include <cstdlib>

#include "cutting/CoordMap.h"
#include "sprites/SpriteStore.h"

using sprites::Sprite;

CellOrigin CellOrigin::Of(const Sprite& s) {
    CellOrigin o{s.cells.empty() ? 0 : s.cells.front().column,
                 s.cells.empty() ? 0 : s.cells.front().row};
    for (const sprites::CellRef& c : s.cells) {
        o.column = std::min<int>(o.column, c.column);
        o.row = std::min<int>(o.row, c.row);
    }
    return o;
}

platform::Rect SnapTest::SearchBox(const Sprite& s) const {
    const int t = m_store.snapTolerance;
    return {s.x + m_store.marginX - t, s.y + m_store.marginY - t,
            s.x + s.width - m_store.marginX + t, s.y + s.height - m_store.marginY + t};
}

bool SnapTest::CellFits(const Sprite& s, const Sprite& o, Match& match) const {
    const CellOrigin so = CellOrigin::Of(s);
    const CellOrigin oo = CellOrigin::Of(o);
    const int pw = s.pieceWidth;
    const int ph = s.pieceHeight;
    const int t = m_store.snapTolerance;
    for (const sprites::CellRef& c2 : o.cells) {
        for (const sprites::CellRef& c1 : s.cells) {
            const int isX = s.x + pw * (c1.column - so.column);
            const int isY = s.y + ph * (c1.row - so.row);
            int belongsX = o.x + pw * (c2.column - oo.column);
            int belongsY = o.y + ph * (c2.row - oo.row);
            if (c1.column == c2.column && std::abs(c1.row - c2.row) == 1) {
                belongsY += c1.row < c2.row ? -ph : ph;
            } else if (c1.row == c2.row && std::abs(c1.column - c2.column) == 1) {
                belongsX += c1.column > c2.column ? pw : -pw;
            } else {
                continue;
            }
            const int dx = belongsX - isX;
            const int dy = belongsY - isY;
            if (std::abs(dx) <= t && std::abs(dy) <= t) {
                match.dx = dx;
                match.dy = dy;
                return true;
            }
        }
    }
    return false;
}

SnapTest::Match SnapTest::Find(const Sprite& dropped) const {
    const platform::Rect box = SearchBox(dropped);
    for (int i = 0; i < m_store.count(); ++i) {
        Sprite* other = m_store.at(i);
        if (other == &dropped || platform::intersect(box, SearchBox(*other)).empty()) {
            continue;
        }
        Match match{other, 0, 0};
        if (CellFits(dropped, *other, match)) {
            return match;
        }
    }
    return {};
}

int SnapTest::Run(Sprite* dropped) {
    const Match match = Find(*dropped);
    if (match.other == nullptr) {
        ApplyPlacement(dropped, sprites::SpriteStore::kOnMove);
        return -1;
    }
    Join(dropped, match);
    return std::abs(match.dx) + std::abs(match.dy);
}

namespace {

platform::Rect grownBox(const Sprite& s, int by) {
    const auto b = s.region.bounds();
    return {s.x + b.left - by, s.y + b.top - by, s.x + b.right + 1 + by, s.y + b.bottom + 1 + by};
}

}  // namespace

void SnapTest::Join(Sprite* dropped, const Match& match) {
    Sprite* other = match.other;
    const int grow = dropped->inverseMap != nullptr ? (*dropped->inverseMap)[1] : 1;
    dropped->grabX = dropped->grabY = 0;
    other->grabX = other->grabY = 0;
    platform::Rect area = grownBox(*dropped, grow);
    m_store.setPosition(dropped, dropped->x + match.dx, dropped->y + match.dy);
    area = platform::unite(area, grownBox(*dropped, grow));
    m_store.join(dropped, other);
    m_store.remove(other);
    dropped->dragged = 0;
    ApplyPlacement(dropped, sprites::SpriteStore::kOnSnap);
    if (dropped->locked != 0) {
        m_store.sendToBack(dropped);
    }
    m_store.redrawArea(m_window, area, false);
    if (m_window != nullptr) {
        m_store.showBuffer(*m_window);
    }
}

void SnapTest::ApplyPlacement(Sprite* dropped, int placementBit) {
    if (m_store.moveAsideOn != 0) {
        m_store.moveAside(m_window, dropped, nullptr, nullptr, m_clientWidth, m_clientHeight);
    } else if ((m_store.placementFlags & placementBit) != 0) {
        m_store.reorderForSmaller(dropped);
    }
}
