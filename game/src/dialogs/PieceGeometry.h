#pragma once

// The arithmetic of the Piece Size and Placement dialog: how a picture of
// W x H pixels divides into pieces of a nominal edge length S.
namespace dialogs {

struct PieceGrid {
    int columns = 0;
    int rows = 0;
    int pieceWidth = 0;   // S plus the picture's remainder spread over the columns
    int pieceHeight = 0;  // S plus the remainder spread over the rows
    bool operator==(const PieceGrid&) const = default;
};

// Columns = W div S and rows = H div S; the rest of the picture widens and
// heightens every piece. A size below 1 counts as 1, and a picture smaller
// than one piece in either direction gets one piece that way.
PieceGrid gridFor(int pictureWidth, int pictureHeight, int size);

// The grid a game is cut with: as gridFor, but when the picture holds no
// whole piece in either direction the size becomes 1 and that count half the
// picture's length in pixels.
PieceGrid finalGridFor(int pictureWidth, int pictureHeight, int size);

// The largest size the slider offers: half the sample area's inner right and
// bottom edges (rounded up), and at most half the picture's width and height;
// never below 1.
int largestPieceSize(int innerRight, int innerBottom, int pictureWidth, int pictureHeight);

// Whether the visible area is too small to take the pieces: less than three
// quarters of the picture's area, after the picture's own area when space is
// reserved for it.
bool spaceIsShort(int pictureWidth, int pictureHeight, int visibleWidth, int visibleHeight,
                  bool reserveForPicture);

// Slider position and piece size mirror each other: the left end (minimum) is
// the largest size.
inline int sliderPositionFor(int size, int smallest, int largest) {
    return largest - size + smallest;
}
inline int sizeForSliderPosition(int position, int smallest, int largest) {
    return largest + smallest - position;
}

}  // namespace dialogs
