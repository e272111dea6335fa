#include "model/PictureFit.h"

#include <algorithm>

PictureFit PictureFit::ToWindow(int width, int height, int clientRight, int clientBottom,
                                bool adjust) {
    PictureFit fit{width, height, false};
    if (!adjust || width <= 0 || height <= 0) {
        return fit;
    }
    int mw = std::max(clientRight - 20, 50);
    int mh = std::max(clientBottom - 20, 50);
    for (;;) {
        const double ratio =
            std::min(static_cast<double>(mw) / fit.width, static_cast<double>(mh) / fit.height);
        if (ratio < 1.0) {
            fit.width = static_cast<int>(fit.width * ratio);
            fit.height = static_cast<int>(fit.height * ratio);
        }
        const int box = mw * mh;
        if (fit.width * fit.height <= box / 2 + box / 20 || (mw <= 50 && mh <= 50)) {
            fit.resample = fit.width != width || fit.height != height;
            return fit;
        }
        if (fit.height < fit.width) {
            mw = std::max(mw - 20, 50);
        } else {
            mh = std::max(mh - 20, 50);
        }
    }
}

CutGrid CutGrid::For(int width, int height, int pieceWidth, int pieceHeight) {
    CutGrid grid;
    grid.pieceWidth = pieceWidth <= kSmallestPiece ? kSmallestPiece : pieceWidth;
    grid.pieceHeight = pieceHeight <= kSmallestPiece ? kSmallestPiece : pieceHeight;
    grid.columns = width / grid.pieceWidth;
    grid.rows = height / grid.pieceHeight;
    const int coveredWidth = grid.columns * grid.pieceWidth;
    const int coveredHeight = grid.rows * grid.pieceHeight;
    const bool both = coveredWidth != width && coveredHeight != height;
    grid.picture = {both ? coveredWidth : width, both ? coveredHeight : height, both};
    return grid;
}
