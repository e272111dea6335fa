#pragma once

#include <QEvent>
#include <cstdint>

#include "platform_export.h"

class QObject;

// A window handle of the old interface: any QObject (usually a widget) that
// receives posted messages as WindowMessageEvent.
typedef QObject* HWND;

namespace platform {

// A message posted to a window: its number and two parameters. Receivers
// handle it in QObject::customEvent (or event) by checking type().
class PLATFORM_EXPORT WindowMessageEvent : public QEvent {
  public:
    WindowMessageEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    static QEvent::Type eventType();

    unsigned message() const { return message_; }
    std::uintptr_t wParam() const { return wParam_; }
    std::intptr_t lParam() const { return lParam_; }

  private:
    unsigned message_;
    std::uintptr_t wParam_;
    std::intptr_t lParam_;
};

}  // namespace platform

// Queues the message for the window's thread; safe from any thread. Returns 1
// when queued, 0 for a null window.
PLATFORM_EXPORT int PostMessageA(HWND window, unsigned message, std::uintptr_t wParam,
                                 std::intptr_t lParam);
