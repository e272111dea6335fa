#pragma once

#include <memory>

#include "cutting/SpanRegion.h"
#include "sprites/SpriteStore.h"

// A cut puzzle: the groups on the table and what the cut left to keep. The
// sprites draw from the picture the puzzle was cut from, which the owner of
// the puzzle keeps alive (and at its address) as long as the puzzle.
struct Puzzle {
    std::unique_ptr<sprites::SpriteStore> store;
    // Rims of every cut piece in picture coordinates, drawn again onto any
    // new picture bitmap (a zoom step, a restored game).
    cutting::SpanRegion lowerRightRims;
    cutting::SpanRegion upperLeftRims;
    unsigned seed = 0;
    int pieceCount = 0;
    int columns = 0;
    int rows = 0;
    int pieceWidth = 0;
    int pieceHeight = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
    int workspaceWidth = 0;
    int workspaceHeight = 0;
    // Where the cut picture was shown in the window (centred when narrower).
    int offsetX = 0;
    int offsetY = 0;
    // Where the table is first shown.
    int scrollX = 0;
    int scrollY = 0;
    int largestZoomOut = 1;

    int groups() const { return store ? store->count() : 0; }
    bool complete() const { return groups() == 1; }
};
