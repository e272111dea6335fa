#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <memory>
#include <vector>

#include "TestSupport.h"
#include "app/CJigsawDoc.h"
#include "app/CMainFrame.h"
#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "help/HelpCommands.h"
#include "platform/Help.h"
#include "view/CJigsawView.h"

namespace {

struct HelpCall {
    std::string file;
    unsigned command;
    std::uintptr_t data;
};

class MainFrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApp();
        frame = std::make_unique<CMainFrame>(&doc);
        frame->helpCommands().setHelpFunction(
            [this](QWidget*, const std::string& file, unsigned command, std::uintptr_t data) {
                calls.push_back({file, command, data});
                return 1;
            });
    }

    void showAndActivate() {
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    QAction* act(int id) { return frame->action(id); }

    TempSettings settings;
    CJigsawDoc doc;
    std::unique_ptr<CMainFrame> frame;
    std::vector<HelpCall> calls;
};

}  // namespace

TEST_F(MainFrameTest, MenusCarryTheExactTextsInTheirOrder) {
    QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<int>(menuLayout().size()) + 1);
    EXPECT_TRUE(menus[5]->isSeparator());  // Help stands at the right
    menus.removeAt(5);
    const QStringList titles = {"&Game", "&Play", "&View", "&Options", "&Information", "&Help"};
    for (int i = 0; i < menus.size(); ++i) {
        EXPECT_EQ(menus[i]->text(), titles[i]);
    }
    const QList<QAction*> game = menus[0]->menu()->actions();
    ASSERT_EQ(game.size(), 9);
    EXPECT_EQ(game[0]->text(), "&New...\tCtrl+N");
    EXPECT_TRUE(game[1]->isSeparator());
    EXPECT_EQ(game[8]->text(), "E&xit");
    const QList<QAction*> options = menus[3]->menu()->actions();
    ASSERT_EQ(options.size(), 4);
    QMenu* skill = options[1]->menu();
    ASSERT_NE(skill, nullptr);
    EXPECT_EQ(options[1]->statusTip(), "Select difficulty level");
    ASSERT_EQ(skill->actions().size(), 4);
    EXPECT_EQ(skill->actions()[0]->text(), "Beginner");
    EXPECT_EQ(act(cmd::kOverview)->text(), "O&verview \tCtrl+F3");
    EXPECT_EQ(act(cmd::kBackgroundColor)->statusTip(), "Select background color ");
    EXPECT_EQ(act(cmd::kExitButton)->statusTip(), "Exit the application");
}

TEST_F(MainFrameTest, EveryCommandIsAnActionNamedByItsNumber) {
    for (const CommandInfo& info : commandTable()) {
        const QString name = QStringLiteral("cmd%1").arg(info.id);
        EXPECT_EQ(frame->findChild<QAction*>(name), act(info.id)) << info.id;
    }
    EXPECT_EQ(act(cmd::kNewGame)->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(act(cmd::kPause)->shortcut(), QKeySequence("Ctrl+F2"));
    EXPECT_EQ(act(cmd::kOverview)->shortcut(), QKeySequence("Ctrl+F3"));
    EXPECT_EQ(act(cmd::kZoomIn)->shortcut(), QKeySequence("+"));
    EXPECT_EQ(act(cmd::kContextHelp)->shortcut(), QKeySequence("Shift+F1"));
}

TEST_F(MainFrameTest, InitialStateThenRefreshWithoutPicture) {
    EXPECT_FALSE(act(cmd::kPause)->isEnabled());
    EXPECT_FALSE(act(cmd::kNormalSize)->isEnabled());
    EXPECT_FALSE(act(cmd::kOriginal)->isEnabled());
    EXPECT_TRUE(act(cmd::kStart)->isEnabled());
    EXPECT_TRUE(act(cmd::kMenuBar)->isChecked());
    EXPECT_TRUE(act(cmd::kStandard)->isChecked());

    QCoreApplication::processEvents();  // the view's posted refresh
    for (int id : {cmd::kStart, cmd::kSave, cmd::kAboutPuzzle, cmd::kAboutArtist}) {
        EXPECT_FALSE(act(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(act(cmd::kNewGame)->isEnabled());

    frame->view()->state().pictureLoaded = true;
    frame->onCommand(cmd::kRefreshMenu);
    EXPECT_TRUE(act(cmd::kStart)->isEnabled());
}

TEST_F(MainFrameTest, SkillLevelCommandsMoveTheCheckAndAreStored) {
    act(cmd::kExpert)->trigger();
    EXPECT_TRUE(act(cmd::kExpert)->isChecked());
    EXPECT_FALSE(act(cmd::kStandard)->isChecked());
    EXPECT_EQ(frame->view()->state().level, 5);
    EXPECT_EQ(GetIniInt(4, "Level"), 5);
}

TEST_F(MainFrameTest, CtrlMTogglesTheMenuBarAndAcceleratorsKeepWorking) {
    showAndActivate();
    QTest::keyClick(frame.get(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_FALSE(frame->menuBarShown());
    EXPECT_FALSE(act(cmd::kMenuBar)->isChecked());
    std::unique_ptr<QMenu> popup(frame->createPopupMenu());
    ASSERT_EQ(popup->actions().size(), 1);
    EXPECT_EQ(popup->actions()[0]->text(), "Show &Menu Bar\tCtrl+M");
    EXPECT_TRUE(popup->actions()[0]->isEnabled());

    QTest::keyClick(frame.get(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(frame->toolBar()->isHidden());
    QTest::keyClick(frame.get(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(frame->statusBar()->isHidden());
    QTest::keyClick(frame.get(), Qt::Key_T, Qt::ControlModifier);
    QTest::keyClick(frame.get(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(frame->toolBar()->isHidden());

    QTest::keyClick(frame.get(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(frame->menuBarShown());
    EXPECT_TRUE(act(cmd::kMenuBar)->isChecked());
    EXPECT_FALSE(popup->actions()[0]->isEnabled());
}

TEST_F(MainFrameTest, HelpCommandsOpenTheirTopics) {
    act(cmd::kHowToPlay)->trigger();
    act(cmd::kCommandsHelp)->trigger();
    act(cmd::kHelpIndex)->trigger();
    act(cmd::kHelpContents)->trigger();
    act(cmd::kHelpSearch)->trigger();
    act(cmd::kHelpUsing)->trigger();
    ASSERT_EQ(calls.size(), 6u);
    const std::string file = frame->helpCommands().helpFile();
    EXPECT_EQ(calls[0].file, file + ">Screens");
    EXPECT_EQ(calls[0].command, HELP_CONTEXT);
    EXPECT_EQ(calls[0].data, 2u);
    EXPECT_EQ(calls[1].data, 1501u);
    EXPECT_EQ(calls[2].data, 10u);
    EXPECT_EQ(calls[3].command, HELP_CONTENTS);
    EXPECT_EQ(calls[4].command, HELP_PARTIALKEY);
    EXPECT_STREQ(reinterpret_cast<const char*>(calls[4].data), "");
    EXPECT_EQ(calls[5].command, HELP_HELPONHELP);
}

TEST_F(MainFrameTest, ContextHelpModeShowsTheMenuTopicInsteadOfRunning) {
    act(cmd::kContextHelp)->trigger();
    EXPECT_TRUE(frame->helpCommands().inContextMode());
    act(cmd::kToolBar)->trigger();
    EXPECT_FALSE(frame->toolBar()->isHidden());  // not run
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_NE(calls[0].file.find(">Menus"), std::string::npos);
    EXPECT_EQ(calls[0].data, 1519u);
    EXPECT_FALSE(frame->helpCommands().inContextMode());
    act(cmd::kToolBar)->trigger();
    EXPECT_TRUE(frame->toolBar()->isHidden());
}

TEST_F(MainFrameTest, OtherGamesIsGrayedWithoutItsFile) {
    QCoreApplication::processEvents();
    EXPECT_FALSE(act(cmd::kOtherGames)->isEnabled());
    QTemporaryDir dir;
    const QString path = dir.filePath("OtherGam.Hlp");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    frame->view()->state().otherGamesPath = path.toStdString();
    frame->onCommand(cmd::kRefreshMenu);
    EXPECT_TRUE(act(cmd::kOtherGames)->isEnabled());
    act(cmd::kOtherGames)->trigger();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].file, path.toStdString());
    EXPECT_EQ(calls[0].command, HELP_CONTENTS);
}

TEST_F(MainFrameTest, ToolBarHasTwentySixSlotsAndStatusBarThreePanes) {
    const QList<QAction*> items = frame->toolBar()->actions();
    ASSERT_EQ(items.size(), 26);
    EXPECT_EQ(items[0], act(cmd::kNewGame));
    EXPECT_TRUE(items[23]->isSeparator());
    EXPECT_TRUE(items[24]->isSeparator());
    EXPECT_EQ(items[25], act(cmd::kExitButton));
    EXPECT_EQ(frame->toolBar()->widgetForAction(items[0])->size(), QSize(26, 26));
    EXPECT_FALSE(act(cmd::kSave)->icon().isNull());
    EXPECT_EQ(frame->toolBarArea(frame->toolBar()), Qt::TopToolBarArea);
    EXPECT_EQ(frame->toolBar()->allowedAreas(), Qt::AllToolBarAreas);

    frame->SetPaneText(1, "12:00");
    frame->SetPaneText(3, "ignored");
    EXPECT_EQ(frame->paneText(1), "12:00");
    EXPECT_EQ(frame->paneText(3), QString());
    EXPECT_GE(frame->findChild<QLabel*>("pane2")->minimumWidth(), 80);
}

TEST_F(MainFrameTest, ExitClosesAndTheViewRunsItsClock) {
    showAndActivate();
    CJigsawView* view = frame->view();
    EXPECT_NE(view->clockTimerId(), 0);
    QSignalSpy ticks(view, &CJigsawView::clockTicked);
    EXPECT_TRUE(ticks.wait(2500));
    frame->grab().save(testOutputDir() + "/main_frame.png");
    act(cmd::kExitButton)->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->isVisible());
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().command, HELP_QUIT);  // help windows close with the program
}
