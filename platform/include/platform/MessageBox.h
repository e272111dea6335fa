#pragma once

#include <functional>
#include <string>

#include "platform_export.h"

class QWidget;

// Message boxes and the simple beep. The texts are shown exactly as given.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONHAND = 0x10;
constexpr unsigned MB_ICONSTOP = MB_ICONHAND;
constexpr unsigned MB_ICONERROR = MB_ICONHAND;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_DEFBUTTON2 = 0x100;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows a modal message box owned by owner (may be null) and returns the
// button pressed. Without a QApplication (plain C++ tools and tests) the text
// goes to standard error and the default button is returned.
PLATFORM_EXPORT int MessageBoxA(QWidget* owner, const char* text, const char* caption,
                                unsigned flags);
PLATFORM_EXPORT void MessageBeep(unsigned type);

namespace platform {

struct MessageBoxRecord {
    std::string text;
    std::string caption;
    unsigned flags = 0;
};

// Tests install an interceptor that sees every message box instead of the
// player and answers it; passing an empty function restores real boxes.
using MessageBoxInterceptor = std::function<int(const MessageBoxRecord&)>;
PLATFORM_EXPORT void setMessageBoxInterceptor(MessageBoxInterceptor interceptor);
// Counts beeps (tests read it; the count is never reset by the platform).
PLATFORM_EXPORT int beepCount();

}  // namespace platform
