#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "TempDir.h"
#include "TestApp.h"
#include "platform/Exec.h"
#include "platform/Look.h"

namespace {

bool waitForFile(const std::string& path) {
    for (int i = 0; i < 200; ++i) {
        if (std::filesystem::exists(path)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST(Exec, StartsAProgramWithQuotedArguments) {
    TempDir dir;
    const std::string target = dir.file("a b.txt");
    const std::string line = "/usr/bin/touch \"" + target + "\" " + dir.file("second");
    EXPECT_GT(WinExec(line.c_str(), SW_SHOW), 31u);
    EXPECT_TRUE(waitForFile(target));
    EXPECT_TRUE(waitForFile(dir.file("second")));
}

TEST(Exec, ReportsAProgramThatCannotStart) {
    EXPECT_EQ(WinExec("/no/such/program arg", SW_SHOW), 2u);
    EXPECT_EQ(WinExec("", SW_SHOW), 2u);
    EXPECT_EQ(WinExec("  \"\" ", SW_SHOW), 2u);
    EXPECT_EQ(WinExec(nullptr, SW_SHOW), 2u);
}

TEST(Look, ClassicLookIsFusionOnGrey) {
    QApplication& app = testApp();
    EXPECT_TRUE(platform::applyClassicLook(app));
    EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(palette.color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(palette.color(QPalette::Button), QColor(192, 192, 192));
    EXPECT_EQ(palette.color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(palette.color(QPalette::ButtonText), QColor(0, 0, 0));
}

}  // namespace
