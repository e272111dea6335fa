#pragma once

#include <vector>

#include "cutting/EdgeCut.h"
#include "cutting/PieceMask.h"

namespace cutting {

// Where a mask lies on the picture: its pixel (0, 0) is picture pixel (left,
// top). The box is the cell grown by the margins on every side, so it reaches
// beyond the picture for cells on the border.
struct MaskBox {
    int left;
    int top;
    int width;
    int height;
};

// Cuts a picture of columns x rows equal cells into interlocking pieces and
// holds one mask per cell. Every random decision comes from rand(), which the
// caller seeds just before building the cutter; the same seed, sizes and grid
// give bit-identical masks. Every pixel of the picture rectangle belongs to
// exactly one mask, except the 2 x 2 pixels around a point where four cells
// meet, which the vertical edge may hand to two masks or to none (for cells
// whose height is between about two thirds and one and a half times their
// width; knobs cross much flatter cells). The outer edges stay straight.
class PieceCutter {
  public:
    // Sizes below 1 count as 1, negative counts as 0. Throws MemoryException
    // when a mask cannot be allocated; nothing is left built then.
    PieceCutter(int pieceWidth, int pieceHeight, int columns, int rows);

    // The mask of a cell, or nullptr outside the grid.
    const PieceMask* mask(int column, int row) const;
    // The picture box covered by a cell's mask (the cell's position minus the
    // margins, and the mask's size).
    MaskBox maskBox(int column, int row) const;

    int marginX() const { return marginX_; }
    int marginY() const { return marginY_; }
    int maskWidth() const { return maskWidth_; }
    int maskHeight() const { return maskHeight_; }
    int pieceWidth() const { return pieceWidth_; }
    int pieceHeight() const { return pieceHeight_; }
    int columns() const { return columns_; }
    int rows() const { return rows_; }

    // Pieces narrower or lower than this stay plain rectangles.
    static constexpr int kSmallestShapedPiece = 11;

  private:
    void buildMasks();
    void cutHorizontalEdges();
    void cutVerticalEdges();
    void cutEdge(PieceMask& a, PieceMask& b, EdgeOrientation orientation);

    std::vector<std::vector<PieceMask>> masks_;  // [column][row]
    int marginX_;
    int marginY_;
    int maskWidth_;
    int maskHeight_;
    int pieceWidth_;
    int pieceHeight_;
    int columns_;
    int rows_;
};

}  // namespace cutting
