#include "dialogs/PieceGeometry.h"

#include <algorithm>
#include <cstdint>

namespace dialogs {

namespace {

// Pieces of size s over length pixels, count given (at least 1).
int spread(int length, int count, int s) {
    return (length - count * s) / count + s;
}

}  // namespace

PieceGrid gridFor(int pictureWidth, int pictureHeight, int size) {
    const int s = std::max(size, 1);
    PieceGrid g;
    g.columns = std::max(pictureWidth / s, 1);
    g.rows = std::max(pictureHeight / s, 1);
    g.pieceWidth = spread(pictureWidth, g.columns, s);
    g.pieceHeight = spread(pictureHeight, g.rows, s);
    return g;
}

PieceGrid finalGridFor(int pictureWidth, int pictureHeight, int size) {
    int s = std::max(size, 1);
    int columns = pictureWidth / s;
    int rows = pictureHeight / s;
    if (columns == 0 || rows == 0) {
        s = 1;
        if (columns == 0) {
            columns = pictureWidth / 2;
        }
        if (rows == 0) {
            rows = pictureHeight / 2;
        }
    }
    PieceGrid g;
    g.columns = std::max(columns, 1);
    g.rows = std::max(rows, 1);
    g.pieceWidth = spread(pictureWidth, g.columns, s);
    g.pieceHeight = spread(pictureHeight, g.rows, s);
    return g;
}

int largestPieceSize(int innerRight, int innerBottom, int pictureWidth, int pictureHeight) {
    const int byArea = std::min((innerRight + 1) / 2, (innerBottom + 1) / 2);
    return std::max(std::min({byArea, pictureWidth / 2, pictureHeight / 2}), 1);
}

bool spaceIsShort(int pictureWidth, int pictureHeight, int visibleWidth, int visibleHeight,
                  bool reserveForPicture) {
    const std::int64_t area = static_cast<std::int64_t>(pictureWidth) * pictureHeight;
    const std::int64_t needed = area - area / 4;
    std::int64_t room = static_cast<std::int64_t>(visibleWidth) * visibleHeight;
    if (reserveForPicture) {
        room -= area;
    }
    return room < needed;
}

}  // namespace dialogs
