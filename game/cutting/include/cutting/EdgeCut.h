#pragma once

#include <cstdint>

#include "cutting/PieceMask.h"

namespace cutting {

// Which neighbour may grow a knob across the edge (mask A) and where the edge
// lies in A's cell.
enum class EdgeOrientation : int {
    LeftPieceGrows = 0,   // A left of B, vertical edge
    RightPieceGrows = 1,  // A right of B, vertical edge
    UpperPieceGrows = 2,  // A above B, horizontal edge
    LowerPieceGrows = 3,  // A below B, horizontal edge
};

// Carves one edge between two neighbouring masks. A point of the edge is
// addressed by its position p along the edge (0 to length() - 1, from the top
// or left end) and its depth d: depth 0 is the first pixel row or column of B's
// cell, positive depths lie further into B's cell, negative ones inside A's.
// Every painted pixel is set in one of the two masks and cleared in the other.
// The shapes draw from rand() in a fixed order, so a seeded generator gives
// the same edge again.
class EdgeCut {
  public:
    EdgeCut(PieceMask& maskA, PieceMask& maskB, EdgeOrientation orientation, int pieceWidth,
            int pieceHeight, int marginX, int marginY);

    // Pixels along the edge: piece height for vertical edges, width otherwise.
    int length() const;
    // The margin in the depth direction.
    int margin() const;

    // Depth run: the pixels of position p from depth d1 to d2 (either order).
    // give: set in A and cleared in B; otherwise cleared in A and set in B.
    void paint(std::int64_t d1, std::int64_t d2, std::int64_t p, bool give);
    // Length run: the pixels of depth d from position p1 to p2 (either order).
    void paint2(std::int64_t d, std::int64_t p1, std::int64_t p2, bool give);

    // A bounded random walk that starts and ends on the straight line.
    void cutWavy();
    // A knob that A grows into B's cell, with shoulders that B pushes into A.
    void cutKnob();

  private:
    struct Knob;
    // A point of the edge in A's mask (ax, ay) and in B's (bx, by).
    struct Place {
        std::int64_t ax, ay, bx, by;
    };

    Place place(std::int64_t d, std::int64_t p) const;
    void paintHeadRow(std::int64_t d, std::int64_t p1, std::int64_t p2);
    void paintRun(std::int64_t d1, std::int64_t p1, std::int64_t d2, std::int64_t p2, bool give);
    Knob drawKnob() const;
    void paintLeftShoulder(const Knob& k);
    void paintHead(const Knob& k);
    void paintRightShoulder(const Knob& k);

    PieceMask* maskA_;
    PieceMask* maskB_;
    EdgeOrientation orientation_;
    int pieceWidth_;
    int pieceHeight_;
    int marginX_;
    int marginY_;
};

}  // namespace cutting
