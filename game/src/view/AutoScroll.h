#pragma once

// Scrolling the table while a group is carried to a window edge. The pointer
// must first stay in a 20-pixel band at the edge, moving towards it, for the
// start delay; then the table moves by one step each repeat interval. The
// view runs the two timers this asks for and reports when they go off.
class AutoScroll {
  public:
    enum Direction { kNone = 0, kRight = 1, kLeft = 2, kUp = 3, kDown = 4 };
    enum class Timer { None, Start, Repeat };

    // The window system's timer numbers, kept for the record beside the ids
    // Qt hands out.
    static constexpr int kRepeatTimerId = 1;
    static constexpr int kStartTimerId = 2;
    static constexpr int kStartDelayMs = 1000;
    static constexpr int kRepeatMs = 50;
    static constexpr int kBand = 20;  // window pixels
    static constexpr int kStep = 20;  // window pixels per repeat

    struct Pointer {
        int x, y;          // now (window pixels)
        int lastX, lastY;  // at the previous move
        int clientWidth, clientHeight;
    };
    // Scroll position and its largest values; a largest value of 0 means
    // the table fits and that axis has no scroll bar.
    struct Scroll {
        int x, y;
        int maxX, maxY;
    };

    // The direction for a pointer; the first match of right, down, left, up.
    static Direction Decide(const Pointer& p, const Scroll& s);
    // The cursor resource shown while scrolling in d (none: 0).
    static int CursorFor(Direction d);
    // The scroll position one step further in d (step in table pixels),
    // clamped to 0 .. max; unchanged when the table's edge is reached.
    static Scroll Advance(Direction d, Scroll s, int step);
    // Whether the table's edge in direction d still lies ahead.
    static bool EdgeAhead(Direction d, const Scroll& s);

    // After a move of the held group: no direction stops any timer; a
    // direction with no timer running starts the start timer when enabled.
    void Moved(Direction d, bool enabled);
    // The start timer went off: the repeat timer takes its place.
    void StartElapsed();
    // A repeat: returns whether to scroll one step. shownCursor is the
    // cursor the view shows now; if it no longer shows the direction's
    // cursor the direction is cleared (the repeat timer keeps running until
    // the next move or the drop).
    bool Repeat(bool holding, int shownCursor, const Scroll& s);
    // The drop (or anything else that ends the drag).
    void Stop();

    Direction direction() const { return direction_; }
    Timer timer() const { return timer_; }
    // The interval of the running timer in milliseconds (0 for none).
    int interval() const;

  private:
    Direction direction_ = kNone;
    Timer timer_ = Timer::None;
};
