#pragma once

// Where the cut pieces are put on the table. Positions are drawn with rand()
// in a range: the visible window area when only that is wanted, else the
// whole table. Reserving space for the picture rejects positions over the
// picture's rectangle; after 100 rejections the range becomes the visible
// area and the next position is taken. After 500 tries the last is taken.
class ScatterPlacement {
  public:
    struct Options {
        bool reserveSpace = false;
        bool anywhere = true;
        bool visibleOnly = false;
    };
    struct Point {
        int x = 0;
        int y = 0;
    };
    static constexpr int kTries = 500;
    static constexpr int kRejectionsBeforeVisible = 100;

    ScatterPlacement(const Options& options, int pictureWidth, int pictureHeight, int pieceWidth,
                     int pieceHeight, int clientWidth, int clientHeight);

    // The table position of the next piece's box.
    Point Next() const;
    // Added to every position: a quarter of the picture when only the
    // visible area is used and no space is reserved.
    Point Offset() const { return m_offset; }

  private:
    Options m_options;
    int m_pictureWidth;
    int m_pictureHeight;
    int m_pieceWidth;
    int m_pieceHeight;
    int m_clientWidth;
    int m_clientHeight;
    Point m_offset;
};
