#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <ctime>
#include <memory>

#include "TestSupport.h"
#include "app/CJigsawApp.h"
#include "app/CJigsawDoc.h"
#include "app/CMainFrame.h"
#include "commands/CommandIds.h"
#include "model/CClockHold.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"
#include "view/CJigsawView.h"

namespace {

// Every modal dialog of the frame holds the game clock: the seconds it stays
// open are no play time, and they are taken off once, also when the game was
// paused before it opened.
class DialogClockTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApp();
        app_ = std::make_unique<CJigsawApp>(argc_, argv_);  // the preferences live there
        CClockHold::SetTimeSource([this] { return now_; });
        WriteIniInt(60, keys::kOn, keys::kOff, keys::kPieceSize);
        frame_ = std::make_unique<CMainFrame>(&doc_);
        frame_->resize(800, 600);
        frame_->show();
        platform::Surface picture(180, 120);
        picture.fill(picture.bounds(), 0x406080);
        frame_->view()->setPicture(std::move(picture));
        frame_->view()->startGame(3);
    }
    void TearDown() override {
        frame_.reset();
        app_.reset();
        CClockHold::SetTimeSource({});
    }

    // Runs the command; every modal dialog it opens stays open for 30
    // seconds, then is cancelled. Returns how many opened.
    int runWithSlowDialogs(int id) {
        int opened = 0;
        QPointer<QWidget> last;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr && modal != last) {
                last = modal;
                ++opened;
                now_ += 30;
                QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
            }
        });
        timer.start(5);
        frame_->onCommand(id);
        return opened;
    }

    long elapsed() const { return frame_->view()->session().clock.Elapsed(); }

    std::time_t now_ = 5'000'000;
    TempSettings settings_;
    int argc_ = 1;
    char name_[6] = "tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<CJigsawApp> app_;
    CJigsawDoc doc_;
    std::unique_ptr<CMainFrame> frame_;
};

TEST_F(DialogClockTest, EveryDialogHoldsTheClockOnceAlsoWhilePaused) {
    for (const int id : {cmd::kAbout, cmd::kHighScores, cmd::kNewGame, cmd::kPreferences,
                         cmd::kSound, cmd::kBackgroundColor}) {
        for (const bool paused : {false, true}) {
            SCOPED_TRACE(testing::Message() << "command " << id << (paused ? " paused" : ""));
            frame_->view()->session().clock.Start();
            now_ += 10;
            if (paused) {
                frame_->onCommand(cmd::kPause);
                now_ += 20;
            }
            EXPECT_GE(runWithSlowDialogs(id), 1);
            EXPECT_EQ(elapsed(), 10);
            if (paused) {
                frame_->onCommand(cmd::kPause);
            }
            now_ += 1;
            EXPECT_EQ(elapsed(), 11);
        }
    }
}

// The piece-size dialog of Start: cancelled, the game goes on without the
// time it was open.
TEST_F(DialogClockTest, StartDialogHoldsTheClock) {
    frame_->view()->session().clock.Start();
    now_ += 10;
    EXPECT_EQ(runWithSlowDialogs(cmd::kStart), 1);
    EXPECT_EQ(elapsed(), 10);
}

}  // namespace
