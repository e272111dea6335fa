#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QPainter;

// The classic light-grey look shared by the program's controls and dialogs.
namespace controls {

inline const QColor kButtonFace(192, 192, 192);
inline const QColor kButtonShadow(128, 128, 128);
inline const QColor kButtonHighlight(255, 255, 255);
inline const QColor kLightYellow(255, 255, 128);  // colour reference 0x80FFFF
inline const QColor kOlive(128, 128, 0);          // colour reference 0x008080

// Converts a colour reference (0x00BBGGRR) to a Qt colour.
QColor fromColorRef(unsigned colorRef);

// A rectangle filled with fill, outlined in the button-shadow colour, its
// bottom and right edges drawn again in the button-highlight colour. The
// rectangle's right and bottom are exclusive, as the window system's are.
void drawSunkenBox(QPainter& painter, const QRect& r, const QColor& fill);
// The same with the two edge colours exchanged.
void drawRaisedBox(QPainter& painter, const QRect& r, const QColor& fill);

// The small control font ("MS Sans Serif" 7 x 7). A request that small was
// always served by the face's smallest size, an 8-point cell of 13 pixels, so
// that is what the controls draw with.
QFont smallFont();
// The dialogs' font ("MS Sans Serif", 8 point).
QFont dialogFont();

// The rectangle from (left, top) to (right, bottom), both exclusive ends.
inline QRect boxRect(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace controls
