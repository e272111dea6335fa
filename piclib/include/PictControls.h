#pragma once

// The picture library's shared window controls: seven classes that dialogs
// build from a class name and a window text, the numbered messages they
// answer, and the progress frame used while a picture is read.
//
// Window texts configure the controls as dialog templates do: "107,&OK" is a
// button with bitmap 107 and the caption "&OK", "b,Text" a bold text panel,
// "A,Caption" a group frame. Every created control carries its identifier in
// decimal as objectName.

#include <QEvent>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

#include "PIXPICK32_export.h"

class QPixmap;
class QWidget;

namespace piclib {

// --- Numbered messages -----------------------------------------------------

// Standard messages the controls answer.
constexpr unsigned WM_SETTEXT = 0x000C;     // lparam: const char* (UTF-8)
constexpr unsigned WM_SETFONT = 0x0030;     // wparam: const QFont*
constexpr unsigned WM_GETDLGCODE = 0x0087;  // result: DLGC_* bits
constexpr unsigned BM_SETSTYLE = 0x00F4;    // wparam: button style (bit 1 default)

constexpr std::intptr_t DLGC_DEFPUSHBUTTON = 0x0010;
constexpr std::intptr_t DLGC_UNDEFPUSHBUTTON = 0x0020;

// Private messages of the library's classes.
constexpr unsigned PM_SETBITMAP = 1224;    // ANIDSPWND: lparam const platform::Surface* (copied)
                                           // BitmapDisplay: wparam resource number
constexpr unsigned PM_SETPALETTE = 1225;   // ANIDSPWND: lparam palette (true colour: ignored)
constexpr unsigned PM_ACTIVATETAB = 1226;  // TAPBUTTON: wparam 1 active, 0 inactive
constexpr unsigned PM_TEXTCOLOR = 1227;    // ADVTEXTDISPL: lparam colour 0x00BBGGRR
constexpr unsigned PM_BACKCOLOR = 1228;    // ADVTEXTDISPL: wparam flag, lparam 0x00BBGGRR

// --- Style bits ------------------------------------------------------------

constexpr unsigned WS_TABSTOP = 0x00010000;  // the control takes focus by Tab and click
constexpr unsigned SS_CENTER = 0x1;
constexpr unsigned SS_RIGHT = 0x2;
constexpr unsigned BS_DEFPUSHBUTTON = 0x1;
constexpr unsigned XB_BITMAP_ON_TOP = 0x400;  // XBOTTON: bitmap above the caption

// --- Commands --------------------------------------------------------------

// What a clicked button or preview window sends to its parent widget
// (synchronously): the identifier of the control.
class PIXPICK32_EXPORT PictCommandEvent : public QEvent {
  public:
    explicit PictCommandEvent(int id);
    static QEvent::Type eventType();

    int id;
};

// --- Button texts ----------------------------------------------------------

// A button's window text split into bitmap number and caption. A text that
// does not start with a decimal number has no number: the whole text is the
// caption.
struct ButtonText {
    bool hasNumber = false;
    int bitmap = -1;  // -1: no bitmap
    QString caption;
    // "0,…": the button draws nothing at all.
    bool drawsNothing() const { return hasNumber && bitmap == 0; }
};

PIXPICK32_EXPORT ButtonText parseButtonText(const QString& text);

// --- Registry --------------------------------------------------------------

// Registers the seven classes once for the process; later calls change
// nothing. InitPictloadLib calls it. Returns true.
PIXPICK32_EXPORT bool registerPictControls();
// The registered class names in registration order.
PIXPICK32_EXPORT std::vector<QString> pictControlClassNames();
// Creates a control of the named class (matched without regard to case)
// over rect of parent; null for an unknown or unregistered class.
PIXPICK32_EXPORT QWidget* createPictControl(const char* className, const char* windowText,
                                            unsigned style, const QRect& rect, int id,
                                            QWidget* parent);
// Delivers a numbered message to a control; 0 for widgets that are not
// controls of this library and for messages the control does not know.
PIXPICK32_EXPORT std::intptr_t sendPictMessage(QWidget* control, unsigned message,
                                               std::uintptr_t wParam, std::intptr_t lParam);

// A bitmap by resource number: the application's own resource
// ":/bitmaps/<number>.png" when there is one, else the library's (null
// pixmap when neither knows it).
PIXPICK32_EXPORT QPixmap pictBitmap(int number);

// --- Progress frame --------------------------------------------------------

// Creates the progress frame over rect of parent (a child window; without a
// parent the message "Unable to Create Frame" is shown and null returned).
PIXPICK32_EXPORT QWidget* createProgressFrame(const QRect& rect, QWidget* parent);
// Sets the range values are reported against and the label before the
// percentage.
PIXPICK32_EXPORT void setProgressRange(QWidget* frame, long minimum, long maximum);
PIXPICK32_EXPORT void setProgressLabel(QWidget* frame, const QString& label);
// Reports a value; true when anything was drawn (a repeated percentage draws
// nothing).
PIXPICK32_EXPORT bool drawProgress(QWidget* frame, long value);

}  // namespace piclib
