#include "app/GuardedApplication.h"

#include <exception>
#include <new>

#include "platform/MessageBox.h"

namespace {

void report(const char* text) {
    MessageBoxA(nullptr, text, "Error", MB_OK);
}

}  // namespace

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        report("No memory left for operation!");
    } catch (const std::exception& e) {
        report(e.what());
    }
    return false;
}
