#pragma once

#include <gtest/gtest.h>

#include <QApplication>

#include <string>
#include <vector>

#include "PictControls.h"
#include "TestSupport.h"
#include "controls/CFramedDialog.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"

// What the game dialogs' tests share: the picture library's controls, a
// fresh settings file, message boxes and help calls recorded instead of
// shown.
class DialogTest : public ::testing::Test {
  protected:
    struct HelpCall {
        std::string file;
        unsigned command;
        std::uintptr_t data;
    };

    void SetUp() override {
        testApp();
        piclib::registerPictControls();
        platform::setMessageBoxInterceptor([this](const platform::MessageBoxRecord& box) {
            boxes_.push_back(box);
            return IDOK;
        });
        controls::CFramedDialog::setHelpFunction(
            [this](QWidget*, const std::string& file, unsigned command, std::uintptr_t data) {
                help_.push_back({file, command, data});
                return 1;
            });
    }

    void TearDown() override {
        platform::setMessageBoxInterceptor({});
        controls::CFramedDialog::setHelpFunction({});
    }

    // Shows the dialog without running it and saves its picture.
    static void render(controls::CFramedDialog& dialog, const char* name) {
        dialog.setActiveLook(true);
        dialog.show();
        QApplication::processEvents();
        dialog.grab().save(testOutputDir() + QLatin1Char('/') + QLatin1String(name));
    }

    TempSettings settings_;
    std::vector<platform::MessageBoxRecord> boxes_;
    std::vector<HelpCall> help_;
};
