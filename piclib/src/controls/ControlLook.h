#pragma once

#include <QColor>
#include <QFont>

class QPainter;
class QRect;

namespace piclib {

// The classic system colours and the drawing elements every control shares.
// Rectangles are given by their edges, right and bottom exclusive, as the
// old drawing calls took them.
namespace look {

inline const QColor kFace(192, 192, 192);       // button face, dialog background
inline const QColor kHighlight(255, 255, 255);  // button highlight
inline const QColor kShadow(128, 128, 128);     // button shadow
inline const QColor kPaleYellow(255, 255, 128);
inline const QColor kDarkBlue(0, 0, 128);

// Outline of (left, top, right, bottom): top and left lines in topLeft,
// bottom and right lines in bottomRight.
void frame(QPainter& p, int left, int top, int right, int bottom, const QColor& topLeft,
           const QColor& bottomRight);
// A rectangle filled with fill and outlined raised (highlight above and
// left, shadow below and right) or sunken (the other way round).
void raisedBox(QPainter& p, int left, int top, int right, int bottom, const QColor& fill);
void sunkenBox(QPainter& p, int left, int top, int right, int bottom, const QColor& fill);
// Horizontal line from x0 to x1 inclusive; vertical line from y0 to y1
// inclusive.
void hline(QPainter& p, int x0, int x1, int y, const QColor& c);
void vline(QPainter& p, int x, int y0, int y1, const QColor& c);
// The dotted focus rectangle: every other pixel of the outline black.
void focusRect(QPainter& p, const QRect& r);

// The controls' own "MS Sans Serif" of the given cell height, normal or bold.
// The old raster face had no cells below 13 pixels, so the small heights the
// controls ask for were shown at that size; we keep that legible size.
QFont sansSerif(int cellHeight, bool bold);

// f drawn without smoothing, as the classic look drew its text.
QFont crisp(QFont f);

// Colour reference 0x00BBGGRR as a colour.
QColor fromColorRef(unsigned colorRef);

}  // namespace look
}  // namespace piclib
