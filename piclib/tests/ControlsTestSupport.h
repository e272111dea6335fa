#pragma once

// Helpers of the window-control tests: the one application object and input
// delivered straight to a widget.

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "PiclibTestSupport.h"

namespace controlstest {

// The test process's application (shared with other tests that made one).
inline QApplication& app() {
    return pictest::application();
}

// Shows window and waits until it is on the (offscreen) screen, so that
// immediate repaints reach it.
inline bool showExposed(QWidget& window) {
    window.show();
    QElapsedTimer clock;
    clock.start();
    while ((window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) &&
           clock.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return window.windowHandle() != nullptr && window.windowHandle()->isExposed();
}

// Makes window the active window so that its widgets can take the focus.
inline bool activate(QWidget& window) {
    window.activateWindow();
    QElapsedTimer clock;
    clock.start();
    while (!window.isActiveWindow() && clock.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return window.isActiveWindow();
}

inline void mouse(QWidget* w, QEvent::Type type, QPoint pos) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

inline void press(QWidget* w, QPoint pos = QPoint(5, 5)) {
    mouse(w, QEvent::MouseButtonPress, pos);
}
inline void release(QWidget* w, QPoint pos = QPoint(5, 5)) {
    mouse(w, QEvent::MouseButtonRelease, pos);
}
inline void click(QWidget* w) {
    press(w);
    release(w);
}

inline void key(QWidget* w, QEvent::Type type, int k) {
    QKeyEvent e(type, k, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}
inline void keyClick(QWidget* w, int k) {
    key(w, QEvent::KeyPress, k);
    key(w, QEvent::KeyRelease, k);
}

}  // namespace controlstest
