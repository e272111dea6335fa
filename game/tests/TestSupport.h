#pragma once

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>
#include <string>

#include "settings/IniStore.h"

// The one QApplication of the test process (widget tests run offscreen).
inline QApplication& testApp() {
    static int argc = 1;
    static char name[] = "game_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Points the settings store at a fresh file in a temporary folder for the
// lifetime of the object, so tests never read or write the player's settings.
class TempSettings {
  public:
    TempSettings() { SetIniPath(path()); }
    ~TempSettings() { SetIniPath(dir_.path().toStdString() + "/gone/Quiet.Ini"); }

    std::string path() const { return dir_.filePath("Quiet.Ini").toStdString(); }
    std::string dir() const { return dir_.path().toStdString(); }

  private:
    QTemporaryDir dir_;
};

// Sets an environment variable for the lifetime of the object and puts the
// old value back afterwards.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        const char* old = std::getenv(name);
        had_ = old != nullptr;
        old_ = old ? old : "";
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (had_) {
            setenv(name_, old_.c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

  private:
    const char* name_;
    bool had_ = false;
    std::string old_;
};

// Folder for screenshots and other artifacts of the tests.
inline QString testOutputDir() {
    QDir().mkpath(QStringLiteral(TESSELLA_TEST_OUTPUT));
    return QStringLiteral(TESSELLA_TEST_OUTPUT);
}
