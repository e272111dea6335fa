#pragma once

#include <QCursor>

// The program's own cursors, drawn in code at 32 x 32 pixels:
// kHeld while a group is held, the four auto-scroll arrows and the two
// alternating frames of the busy cursor shown while the picture is cut.
// Any other number gives the arrow cursor. Needs a running GUI application.
namespace GameCursors {

constexpr int kCutA = 123;
constexpr int kCutB = 124;
constexpr int kScrollLeft = 125;
constexpr int kScrollDown = 126;
constexpr int kScrollUp = 127;
constexpr int kScrollRight = 128;
constexpr int kHeld = 31;

}  // namespace GameCursors

QCursor GameCursor(int resourceId);
