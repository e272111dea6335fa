#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/CJigsawApp.h"
#include "app/CMainFrame.h"
#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "controls/CFramedDialog.h"
#include "help/HelpCommands.h"
#include "platform/MessageBox.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"
#include "view/CJigsawView.h"

namespace {

// What a player can see of the program: any change of it is an effect.
struct Seen {
    GameState game;
    bool frameShown;
    bool menuBar;
    bool toolBar;
    bool statusBar;
    bool contextHelp;
    COLORREF background;
    int windows;  // visible top-level windows

    bool operator==(const Seen& o) const {
        const GameState& a = game;
        const GameState& b = o.game;
        return a.paused == b.paused && a.autoAssembling == b.autoAssembling &&
               a.zoomInLevel == b.zoomInLevel && a.zoomOutLevel == b.zoomOutLevel &&
               a.level == b.level && a.overviewShown == b.overviewShown &&
               a.originalShown == b.originalShown && a.statusShown == b.statusShown &&
               frameShown == o.frameShown && menuBar == o.menuBar && toolBar == o.toolBar &&
               statusBar == o.statusBar && contextHelp == o.contextHelp &&
               background == o.background && windows == o.windows;
    }
};

class CommandWalkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApp();
        platform::setMessageBoxInterceptor([this](const platform::MessageBoxRecord&) {
            ++reactions_;
            return IDCANCEL;
        });
        controls::CFramedDialog::setHelpFunction(
            [this](QWidget*, const std::string&, unsigned, std::uintptr_t) {
                ++reactions_;
                return 1;
            });
        app_ = std::make_unique<CJigsawApp>(argc_, argv_);
        app_->InitInstance("");
        frame_ = app_->mainFrame();
        frame_->helpCommands().setHelpFunction(
            [this](QWidget*, const std::string&, unsigned, std::uintptr_t) {
                ++reactions_;
                return 1;
            });
        WriteIniInt(60, keys::kOn, keys::kOff, keys::kPieceSize);
        frame_->show();
        platform::Surface picture(180, 120, 0x336699);
        for (int x = 0; x < 180; ++x) {
            picture.setPixel(x, x % 120, 0xFFFFFF);
        }
        view()->setPicture(std::move(picture));
        view()->startGame(7);
        QApplication::processEvents();
        // Every modal dialog a command opens counts and is cancelled.
        connect_ = new QTimer(frame_);
        QObject::connect(connect_, &QTimer::timeout, [this] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++reactions_;
                modal->reject();
            }
        });
        connect_->start(10);
    }
    void TearDown() override {
        app_.reset();
        platform::setMessageBoxInterceptor({});
        controls::CFramedDialog::setHelpFunction({});
    }

    CJigsawView* view() const { return frame_->view(); }

    Seen seen() const {
        int windows = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            windows += w->isVisible() ? 1 : 0;
        }
        return {view()->state(),
                frame_->isVisible(),
                !frame_->menuBar()->isHidden(),
                !frame_->findChild<QToolBar*>()->isHidden(),
                !frame_->statusBar()->isHidden(),
                frame_->helpCommands().inContextMode(),
                view()->background(),
                windows};
    }

    // Puts back what a command changed, so the next one starts from a game
    // in progress again.
    void undo(int id) {
        switch (id) {
            case cmd::kExit:
            case cmd::kExitButton:
                frame_->show();
                break;
            case cmd::kContextHelp:
                frame_->helpCommands().showMenuHelp(0);
                break;
            case cmd::kZoomIn:
            case cmd::kZoomOut:
                frame_->onCommand(cmd::kNormalSize);
                break;
            case cmd::kPause:
            case cmd::kAutoAssemble:
            case cmd::kStatus:
            case cmd::kOriginal:
            case cmd::kOverview:
            case cmd::kMenuBar:
            case cmd::kToolBar:
            case cmd::kStatusBar:
                frame_->onCommand(id);
                break;
            default:
                break;
        }
        QApplication::processEvents();
    }

    TempSettings settings_;
    ScopedEnv dataHome_{"XDG_DATA_HOME", settings_.dir() + "/data"};
    ScopedEnv home_{"HOME", settings_.dir() + "/home"};
    ScopedEnv registry_{"TESSELLA_REGISTRY", settings_.dir() + "/registry"};
    int argc_ = 1;
    char name_[6] = "tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<CJigsawApp> app_;
    CMainFrame* frame_ = nullptr;
    QTimer* connect_ = nullptr;
    int reactions_ = 0;  // dialogs, message boxes and help windows
};

}  // namespace

// A command the player can reach that is enabled during a game shows that it
// did something: a window, a dialog, a help topic or a changed state.
TEST_F(CommandWalkTest, EveryEnabledCommandOfAGameInProgressHasAVisibleEffect) {
    std::vector<int> enabled;
    for (const CommandInfo& info : commandTable()) {
        if (info.id != cmd::kRefreshMenu && frame_->action(info.id)->isEnabled()) {
            enabled.push_back(info.id);
        }
    }
    ASSERT_GT(enabled.size(), 25u);
    for (int id : enabled) {
        ASSERT_TRUE(frame_->action(id)->isEnabled()) << id;
        const Seen before = seen();
        const int reactions = reactions_;
        frame_->action(id)->trigger();
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
        }
        // Choosing the skill level in force keeps it: its check mark shows it.
        const bool levelKept =
            id >= cmd::kBeginner && id <= cmd::kExpert && frame_->action(id)->isChecked();
        EXPECT_TRUE(reactions_ != reactions || !(seen() == before) || levelKept)
            << "command " << id << " did nothing";
        undo(id);
    }
    // Commands with nothing to do in this game are greyed.
    for (int id : {cmd::kStart, cmd::kNormalSize, cmd::kAboutPuzzle, cmd::kAboutArtist}) {
        EXPECT_FALSE(frame_->action(id)->isEnabled()) << id;
    }
}
