#pragma once

#include <QApplication>

// The program's Qt application. An operation that runs out of memory (the
// standard library's std::bad_alloc, the region code's memory and resource
// exceptions) ends where it stands: its message is shown in a box titled
// "Error" and the event loop goes on, as the old framework reported them.
class GuardedApplication : public QApplication {
  public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* receiver, QEvent* event) override;
};
