#include "platform/WindowMessage.h"

#include <QCoreApplication>
#include <QObject>

namespace platform {

WindowMessageEvent::WindowMessageEvent(unsigned message, std::uintptr_t wParam,
                                       std::intptr_t lParam)
    : QEvent(eventType()), message_(message), wParam_(wParam), lParam_(lParam) {}

QEvent::Type WindowMessageEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

}  // namespace platform

int PostMessageA(HWND window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    if (window == nullptr) {
        return 0;
    }
    QCoreApplication::postEvent(window, new platform::WindowMessageEvent(message, wParam, lParam));
    return 1;
}
