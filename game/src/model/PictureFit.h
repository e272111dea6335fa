#pragma once

// Sizes of the picture as the game prepares it: the fit into the window
// when a picture is loaded, and the grid it is cut into.
struct PictureFit {
    int width = 0;
    int height = 0;
    bool resample = false;  // the picture is to be resampled to width x height

    // Shrinks W x H in steps until it covers at most about half of the
    // window's area (right - 20 by bottom - 20, each at least 50). With
    // adjust off the picture keeps its size.
    static PictureFit ToWindow(int width, int height, int clientRight, int clientBottom,
                               bool adjust);
};

// The grid of a cut: whole pieces only. The picture is resampled to the
// covered size only when both its sizes differ from it.
struct CutGrid {
    int pieceWidth = 0;
    int pieceHeight = 0;
    int columns = 0;
    int rows = 0;
    PictureFit picture;

    static constexpr int kSmallestPiece = 10;

    static CutGrid For(int width, int height, int pieceWidth, int pieceHeight);
};
