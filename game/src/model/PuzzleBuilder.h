#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "model/Puzzle.h"
#include "model/ScatterPlacement.h"
#include "platform/Surface.h"

// Cuts the picture into pieces and scatters them over a table twice the
// picture's size. The cut and the places come from rand() seeded with the
// request's seed, so the same seed gives the same puzzle.
class PuzzleBuilder {
  public:
    struct Request {
        int pieceWidth = 60;
        int pieceHeight = 60;
        unsigned seed = 0;
        ScatterPlacement::Options placement;
        int clientWidth = 640;
        int clientHeight = 480;
        // The off-screen buffers and the zoom-out limit follow the screen.
        int screenWidth = 1024;
        int screenHeight = 768;
        // The screen less the main window's frame and tool bar, against which
        // the zoom-out limit is measured; 0 stands for the screen's size.
        int zoomAreaWidth = 0;
        int zoomAreaHeight = 0;
        bool moveAside = false;
        int smallPieceThreshold = 8;
        int placementFlags = 0;                   // SpriteStore::kOnMove | kOnSnap
        std::optional<std::uint32_t> background;  // colour reference
    };
    // Called with the percentage whenever it has grown by 4, and after every
    // piece with the piece count and the window rectangle the piece was
    // shown in (empty without a window); the caller shows that rectangle and
    // lets messages through.
    struct Hooks {
        std::function<void(int percent)> progress;
        std::function<void(int pieces, const platform::Rect& shown)> piece;
        // Replaces the picture by one of the given size; nearest-neighbour
        // stretching when not given.
        std::function<void(platform::Surface& picture, int width, int height)> resample;
    };

    // window: where each piece is shown as it is cut, or null. The picture
    // gets the pieces' bevels and must outlive the puzzle.
    static std::unique_ptr<Puzzle> Build(platform::Surface& picture, const Request& request,
                                         const Hooks& hooks, platform::Surface* window);

    // 1 plus the number of 1.414-fold reductions (of 30) after which the
    // table fits the screen.
    static int LargestZoomOut(int tableWidth, int tableHeight, int screenWidth, int screenHeight);
};
