#include "cutting/PieceCutter.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <new>

#include "cutting/CutMath.h"
#include "cutting/EdgeCut.h"
#include "cutting/Failures.h"

namespace cutting {

namespace {

int atLeastOne(int size) {
    return std::max(size, 1);
}

// The mask grows the cell by a margin on both sides; a mask too large for an
// int cannot be had.
int maskExtent(int cell, int margin) {
    const std::int64_t extent =
        static_cast<std::int64_t>(cell) + 2 * static_cast<std::int64_t>(margin);
    if (extent > INT_MAX) {
        throw MemoryException();
    }
    return static_cast<int>(extent);
}

}  // namespace

// Both margins follow the piece width, so that tabs keep their proportions
// whichever way an edge runs.
PieceCutter::PieceCutter(int pieceWidth, int pieceHeight, int columns, int rows)
    : marginX_(atLeastOne(pieceWidth) / 3),
      marginY_(atLeastOne(pieceWidth) / 3),
      maskWidth_(maskExtent(atLeastOne(pieceWidth), marginX_)),
      maskHeight_(maskExtent(atLeastOne(pieceHeight), marginY_)),
      pieceWidth_(atLeastOne(pieceWidth)),
      pieceHeight_(atLeastOne(pieceHeight)),
      columns_(std::max(columns, 0)),
      rows_(std::max(rows, 0)) {
    try {
        buildMasks();
    } catch (const std::bad_alloc&) {
        throw MemoryException();
    }
    if (pieceWidth_ < kSmallestShapedPiece || pieceHeight_ < kSmallestShapedPiece) {
        return;
    }
    cutHorizontalEdges();
    cutVerticalEdges();
}

const PieceMask* PieceCutter::mask(int column, int row) const {
    if (column < 0 || row < 0 || column >= columns_ || row >= rows_) {
        return nullptr;
    }
    return &masks_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
}

MaskBox PieceCutter::maskBox(int column, int row) const {
    return {column * pieceWidth_ - marginX_, row * pieceHeight_ - marginY_, maskWidth_,
            maskHeight_};
}

// Every mask starts as a copy of one template whose core (the cell) is set.
void PieceCutter::buildMasks() {
    PieceMask cell(maskWidth_, maskHeight_);
    cell.fill(marginX_, marginY_, marginX_ + pieceWidth_ - 1, marginY_ + pieceHeight_ - 1, true);
    masks_.reserve(static_cast<std::size_t>(columns_));
    for (int c = 0; c < columns_; ++c) {
        std::vector<PieceMask> column;
        column.reserve(static_cast<std::size_t>(rows_));
        for (int r = 0; r < rows_; ++r) {
            column.push_back(cell);
        }
        masks_.push_back(std::move(column));
    }
}

// Column by column, each edge between (c, r - 1) and (c, r).
void PieceCutter::cutHorizontalEdges() {
    for (int c = 0; c < columns_; ++c) {
        for (int r = 1; r < rows_; ++r) {
            PieceMask& upper = masks_[static_cast<std::size_t>(c)][static_cast<std::size_t>(r - 1)];
            PieceMask& lower = masks_[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
            if (rnd(0, 1) == 1) {
                cutEdge(upper, lower, EdgeOrientation::UpperPieceGrows);
            } else {
                cutEdge(lower, upper, EdgeOrientation::LowerPieceGrows);
            }
        }
    }
}

// Column by column from the second, each edge between (c - 1, r) and (c, r).
void PieceCutter::cutVerticalEdges() {
    for (int c = 1; c < columns_; ++c) {
        for (int r = 0; r < rows_; ++r) {
            PieceMask& left = masks_[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(r)];
            PieceMask& right = masks_[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
            if (rnd(0, 1) == 1) {
                cutEdge(left, right, EdgeOrientation::LeftPieceGrows);
            } else {
                cutEdge(right, left, EdgeOrientation::RightPieceGrows);
            }
        }
    }
}

// One edge in three is wavy on average, the others carry a knob.
void PieceCutter::cutEdge(PieceMask& a, PieceMask& b, EdgeOrientation orientation) {
    EdgeCut edge(a, b, orientation, pieceWidth_, pieceHeight_, marginX_, marginY_);
    if (rnd(0, 2) == 0) {
        edge.cutWavy();
    } else {
        edge.cutKnob();
    }
}

}  // namespace cutting
