#pragma once

#include <QRect>

#include <string>

class QWidget;

// Where the main frame opens: where it was when the program last ended, else
// most of the screen's available area. The placement is kept in the
// program's settings as "x y width height" (window area without the frame).
class FramePlacement {
  public:
    // The stored placement when it is whole, at least kMinimum in size and
    // its upper-left part lies on the available area (clipped to its size);
    // else the available area less a twentieth at each side.
    static QRect choose(const std::string& stored, const QRect& available);
    // choose() with the stored setting and the primary screen.
    static QRect initial();
    static void save(const QWidget& frame);

    static constexpr int kMinimumWidth = 320;
    static constexpr int kMinimumHeight = 240;
};
