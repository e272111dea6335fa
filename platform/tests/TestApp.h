#pragma once

#include <QApplication>

// The widget tests' application, made on first use (the tests' main comes
// from GoogleTest and makes none).
inline QApplication& testApp() {
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
