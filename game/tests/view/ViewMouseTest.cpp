#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QMainWindow>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <memory>
#include <vector>

#include "TestSupport.h"
#include "ViewTestSupport.h"
#include "commands/CommandIds.h"
#include "controls/PieceToolTip.h"
#include "dialogs/CPieceLockedDlg.h"
#include "model/CClockHold.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"
#include "sprites/SpriteStore.h"
#include "view/CJigsawView.h"
#include "view/GameCursors.h"
#include "view/InputWatch.h"
#include "view/PieceMenu.h"
#include "view/ViewInteraction.h"

namespace {

using viewtest::grabPoint;
using viewtest::withCell;

platform::Surface plainPicture(int width, int height) {
    platform::Surface s(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            s.setPixel(x, y, static_cast<unsigned>(x * 255 / width) << 16 | 0x40);
        }
    }
    return s;
}

// A 3 by 2 puzzle of 60-pixel pieces on a 700 by 500 view.
class ViewMouseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApp();
        view_ = std::make_unique<CJigsawView>(nullptr);
        WriteIniInt(60, keys::kOn, keys::kOff, keys::kPieceSize);
        WriteIniInt(0, keys::kOn, keys::kOff, keys::kThrowPiecesOnTable);
        WriteIniInt(1, keys::kOn, keys::kOff, keys::kThrowPiecesOnVisibleArea);
        view_->resize(700, 500);
        view_->show();
        view_->setPicture(plainPicture(180, 120));
        view_->startGame(5);
        view_->onCommand(cmd::kExpert);  // drops never snap
    }

    sprites::SpriteStore& store() { return *view_->session().store(); }
    void scrollTo(int x, int y) {
        view_->horizontalScrollBar()->setValue(x);
        view_->verticalScrollBar()->setValue(y);
    }

    // A ViewInteraction of its own on the view's game, drawing into a window
    // of the given size; the hooks record what it asks for.
    std::unique_ptr<ViewInteraction> interaction(int width, int height) {
        window_ = platform::Surface(width, height);
        ViewInteraction::Hooks hooks;
        hooks.scrollTo = [this](int x, int y) {
            scrolls_.push_back({x, y});
            store().scrollTo(x, y, false);
        };
        hooks.cursor = [this](int c) { cursor_ = c; };
        hooks.timer = [this](AutoScroll::Timer t, int ms) {
            timer_ = t;
            intervalMs_ = ms;
        };
        hooks.promotion = [this] { ++promotions_; };
        return std::make_unique<ViewInteraction>(view_->session(), window_, std::move(hooks));
    }

    TempSettings settings_;
    std::unique_ptr<CJigsawView> view_;
    platform::Surface window_;
    std::vector<QPoint> scrolls_;
    int cursor_ = 0;
    AutoScroll::Timer timer_ = AutoScroll::Timer::None;
    int intervalMs_ = 0;
    int promotions_ = 0;
};

TEST_F(ViewMouseTest, ALockedGroupIsNeverPickedUpAndSaysSo) {
    sprites::Sprite* s = withCell(store(), 0, 0);
    view_->pieceMenuCommand(PieceMenu::kLock, grabPoint(store(), s));
    const int x = s->x;
    const QPoint at = grabPoint(store(), s);
    QWidget* port = view_->viewport();
    QTest::mousePress(port, Qt::LeftButton, {}, at);
    EXPECT_EQ(store().held(), nullptr);
    auto* tip = port->findChild<controls::PieceToolTip*>();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->text(), QStringLiteral("This piece is locked and can't be moved!"));
    EXPECT_TRUE(tip->isVisible());
    QTest::mouseMove(port, at + QPoint(40, 30));
    QTest::mouseRelease(port, Qt::LeftButton, {}, at + QPoint(40, 30));
    EXPECT_EQ(s->x, x);
    EXPECT_EQ(port->findChild<controls::PieceToolTip*>(), nullptr) << "closed at button-up";
    // Nor does the Expert double-click move it.
    QTest::mouseDClick(port, Qt::LeftButton, {}, at);
    EXPECT_EQ(s->x, x);
    // A zoom command closes the tip too.
    QTest::mousePress(port, Qt::LeftButton, {}, at);
    ASSERT_NE(port->findChild<controls::PieceToolTip*>(), nullptr);
    view_->onCommand(cmd::kZoomIn);
    EXPECT_EQ(port->findChild<controls::PieceToolTip*>(), nullptr);
    QTest::mouseRelease(port, Qt::LeftButton, {}, at);
}

TEST_F(ViewMouseTest, HoldingAtTheEdgeScrollsAfterTheStartDelay) {
    view_->resize(220, 180);
    QWidget* port = view_->viewport();
    ASSERT_LT(port->width(), store().workspaceWidth());
    scrollTo(0, 0);
    sprites::Sprite* s = withCell(store(), 0, 0);
    store().placeAt(s, 10, 10);
    view_->onCommand(cmd::kNormalSize);
    scrollTo(0, 0);
    const QPoint at = grabPoint(store(), s);
    QTest::mousePress(port, Qt::LeftButton, {}, at);
    ASSERT_EQ(store().held(), s);
    const QPoint edge(port->width() - 5, at.y());
    QTest::mouseMove(port, edge - QPoint(10, 0));
    QTest::mouseMove(port, edge);
    EXPECT_EQ(port->cursor().shape(), Qt::BitmapCursor);
    QTest::qWait(700);
    EXPECT_EQ(store().scrollX(), 0) << "nothing before a second";
    QTest::qWait(700);
    EXPECT_GT(store().scrollX(), 0);
    EXPECT_TRUE(store().scrollX() % 20 == 0 ||
                store().scrollX() == view_->horizontalScrollBar()->maximum())
        << store().scrollX();
    QTest::mouseRelease(port, Qt::LeftButton, {}, edge);
    const int after = store().scrollX();
    QTest::qWait(150);
    EXPECT_EQ(store().scrollX(), after) << "the drop stops the scrolling";
    EXPECT_EQ(port->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ViewMouseTest, ADragWhileZoomedInMovesByTablePixels) {
    view_->onCommand(cmd::kZoomIn);  // 1.25 window pixels per table pixel
    ASSERT_EQ(view_->state().zoomInLevel, 1);
    sprites::Sprite* s = withCell(store(), 0, 0);
    ASSERT_NE(s->zoomMap, nullptr);
    const QPoint table = grabPoint(store(), s);  // table pixels from the scroll position
    const QPoint at((*s->zoomMap)[table.x()], (*s->zoomMap)[table.y()]);
    const int x = s->x;
    const int y = s->y;
    const int dx = s->x < store().workspaceWidth() / 2 ? 50 : -50;
    const int dy = s->y < store().workspaceHeight() / 2 ? 25 : -25;
    QWidget* port = view_->viewport();
    QTest::mousePress(port, Qt::LeftButton, {}, at);
    ASSERT_EQ(store().held(), s);
    QTest::mouseMove(port, at + QPoint(dx, dy));
    QTest::mouseRelease(port, Qt::LeftButton, {}, at + QPoint(dx, dy));
    EXPECT_NEAR(s->x - x, dx * 4 / 5, 1);
    EXPECT_NEAR(s->y - y, dy * 4 / 5, 1);
}

TEST_F(ViewMouseTest, ThePauseHoldsTheTableStillAtTheEdge) {
    view_->resize(220, 180);
    QWidget* port = view_->viewport();
    scrollTo(0, 0);
    sprites::Sprite* s = withCell(store(), 0, 0);
    store().placeAt(s, 10, 10);
    const QPoint at = grabPoint(store(), s);
    QTest::mousePress(port, Qt::LeftButton, {}, at);
    const QPoint edge(port->width() - 5, at.y());
    QTest::mouseMove(port, edge - QPoint(10, 0));
    QTest::mouseMove(port, edge);
    view_->onCommand(cmd::kPause);
    QTest::qWait(1300);
    EXPECT_EQ(store().scrollX(), 0);
    view_->onCommand(cmd::kPause);
    QTest::mouseRelease(port, Qt::LeftButton, {}, edge);
}

TEST_F(ViewMouseTest, ScrollBarsCoverWhatTheWindowCannotShow) {
    view_->resize(260, 200);
    QScrollBar* bar = view_->horizontalScrollBar();
    const int w = store().workspaceWidth();
    const int port = view_->viewport()->width();
    EXPECT_EQ(bar->maximum(), w - port);
    view_->onCommand(cmd::kZoomIn);  // the window shows 4/5 as many table pixels
    EXPECT_NEAR(bar->maximum(), w - port * 4 / 5, 1);
    EXPECT_EQ(bar->pageStep(), (port / 4) * 4 / 5);
    scrollTo(30, 20);
    EXPECT_EQ(store().scrollX(), 30);
    // A window larger than the table shows it from the corner again.
    view_->resize(w * 2, store().workspaceHeight() * 2);
    EXPECT_EQ(bar->maximum(), 0);
    EXPECT_EQ(store().scrollX(), 0);
    EXPECT_EQ(store().scrollY(), 0);
}

TEST_F(ViewMouseTest, BackgroundDragLeavesAnAxisAloneWhereTheTableFits) {
    const int w = store().workspaceWidth();
    const int h = store().workspaceHeight();
    auto mouse = interaction(w / 2, h + 40);
    store().scrollTo(100, 0, true);
    // An empty spot of the table.
    QPoint spot(-1, -1);
    for (int y = 5; y < h && spot.x() < 0; y += 7) {
        for (int x = 5; x < w / 2 - 40; x += 7) {
            if (store().hitTest(x + 100, y) == nullptr) {
                spot = {x, y};
                break;
            }
        }
    }
    ASSERT_GE(spot.x(), 0);
    mouse->Press(spot.x(), spot.y(), false);
    mouse->Move(spot.x() + 30, spot.y() + 30, false);
    EXPECT_TRUE(scrolls_.empty()) << "background scrolling is off";
    mouse->Release(spot.x() + 30, spot.y() + 30);

    mouse->Press(spot.x(), spot.y(), true);
    EXPECT_EQ(cursor_, ViewInteraction::kSizeAllCursor);
    mouse->Move(spot.x() + 30, spot.y() + 20, false);
    ASSERT_EQ(scrolls_.size(), 1u);
    EXPECT_EQ(scrolls_[0], QPoint(130, 0));
    mouse->Move(spot.x() + 20, spot.y() + 20, false);
    ASSERT_EQ(scrolls_.size(), 2u);
    EXPECT_EQ(scrolls_[1], QPoint(120, 0));
    mouse->Release(spot.x() + 20, spot.y() + 20);
    EXPECT_EQ(cursor_, ViewInteraction::kArrowCursor);
    mouse->Move(spot.x(), spot.y(), false);
    EXPECT_EQ(scrolls_.size(), 2u) << "the drag ended with the button";
    mouse->Press(spot.x(), spot.y(), true);
    EXPECT_EQ(cursor_, ViewInteraction::kSizeAllCursor) << "every background drag shows it";
    mouse->Release(spot.x(), spot.y());
}

TEST_F(ViewMouseTest, CarryingAGroupToTheEdgeScrollsTheTableWithIt) {
    auto mouse = interaction(200, 150);
    ASSERT_GT(store().workspaceWidth(), 300);
    sprites::Sprite* s = withCell(store(), 0, 0);
    store().placeAt(s, 20, 20);
    store().scrollTo(0, 0, true);
    const QPoint at = grabPoint(store(), s);
    mouse->Press(at.x(), at.y(), false);
    EXPECT_EQ(cursor_, GameCursors::kHeld);
    mouse->Move(185, at.y(), false);
    EXPECT_EQ(cursor_, GameCursors::kScrollRight);
    EXPECT_EQ(timer_, AutoScroll::Timer::Start);
    EXPECT_EQ(intervalMs_, 1000);
    const int x = s->x;
    mouse->StartTimerElapsed();
    EXPECT_EQ(timer_, AutoScroll::Timer::Repeat);
    EXPECT_EQ(intervalMs_, 50);
    mouse->RepeatTimerElapsed();
    mouse->RepeatTimerElapsed();
    EXPECT_EQ(store().scrollX(), 40);
    EXPECT_EQ(s->x, x + 40) << "the group stays under the pointer";
    mouse->Release(185, at.y());
    EXPECT_EQ(timer_, AutoScroll::Timer::None);
    EXPECT_EQ(cursor_, ViewInteraction::kArrowCursor);
    mouse->RepeatTimerElapsed();
    EXPECT_EQ(store().scrollX(), 40);
}

TEST_F(ViewMouseTest, PromotionHookRunsOnceAtTheNthDropAfterACut) {
    auto mouse = interaction(700, 500);
    const auto dropAll = [&](int times) {
        for (int i = 0; i < times; ++i) {
            sprites::Sprite* s = store().at(i % store().count());
            const QPoint at = grabPoint(store(), s);
            mouse->Press(at.x(), at.y(), false);
            mouse->Release(at.x(), at.y());
        }
    };
    mouse->ResetDrops(6);
    dropAll(5);
    EXPECT_EQ(promotions_, 0);
    dropAll(1);
    EXPECT_EQ(promotions_, 1);
    dropAll(8);
    EXPECT_EQ(promotions_, 1) << "once per puzzle";
    mouse->ResetDrops(40);
    dropAll(9);
    EXPECT_EQ(promotions_, 1);
    dropAll(1);
    EXPECT_EQ(promotions_, 2) << "at most ten drops";
}

// The same game on a clock the test sets, with the sounds recorded by file
// name and mode.
class ViewInputTest : public ViewMouseTest {
  protected:
    void SetUp() override {
        ViewMouseTest::SetUp();
        InputWatch::clock() = [this] { return now_; };
        view_->soundOptions() = CSoundOptions(
            [this](const char* file, unsigned flags) {
                plays_.push_back(QString::fromLatin1(file ? file : "").section('/', -1) + " " +
                                 QString::number(flags));
                return 1;
            },
            [](unsigned) {});
        view_->soundOptions().SetFolder("/sounds");
    }
    void TearDown() override { InputWatch::clock() = realClock_; }

    bool paused() const { return view_->session().clock.Paused(); }
    // Sends the clock timer's event, then lets the event loop run until it
    // waits for new events.
    void timerGoesOff() {
        QTimerEvent event(view_->clockTimerId());
        QCoreApplication::sendEvent(view_.get(), &event);
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    bool drawn(const QPoint& at) const {
        return view_->windowSurface().pixel(at.x(), at.y()) !=
               platform::pixelFromColorRef(view_->background());
    }

    const InputWatch::Clock realClock_ = InputWatch::clock();
    long long now_ = 1000000;
    QStringList plays_;
};

TEST_F(ViewInputTest, AGroupHeldAcrossAPauseIsDrawnAndFreeAfterwards) {
    QWidget* port = view_->viewport();
    sprites::Sprite* s = withCell(store(), 0, 0);
    const QPoint at = grabPoint(store(), s);
    QTest::mousePress(port, Qt::LeftButton, {}, at);
    QTest::mouseMove(port, at + QPoint(20, 10));
    view_->onCommand(cmd::kPause);
    QTest::mouseRelease(port, Qt::LeftButton, {}, at + QPoint(20, 10));  // refused
    view_->onCommand(cmd::kPause);
    EXPECT_EQ(store().held(), nullptr);
    EXPECT_EQ(s->dragged, 0);
    EXPECT_TRUE(drawn(grabPoint(store(), s)));
    QTest::mousePress(port, Qt::LeftButton, {}, grabPoint(store(), s));
    EXPECT_EQ(store().held(), s) << "it can be picked up again";
    // A press on another group while one is held puts the first one down.
    sprites::Sprite* b = withCell(store(), 1, 1);
    QTest::mousePress(port, Qt::LeftButton, {}, grabPoint(store(), b));
    EXPECT_EQ(s->dragged, 0);
    EXPECT_EQ(store().held(), b);
    // The button goes up elsewhere: the next move without it drops b.
    QWidget elsewhere;
    QTest::mouseRelease(&elsewhere, Qt::LeftButton);
    QTest::mouseMove(port, grabPoint(store(), b) + QPoint(3, 2));
    EXPECT_EQ(store().held(), nullptr);
    EXPECT_EQ(b->dragged, 0);
}

TEST_F(ViewInputTest, EveryMoveIsInputAndATickWaitsForTheInputQueued) {
    QWidget* port = view_->viewport();
    QTest::mouseClick(port, Qt::LeftButton, {}, QPoint(5, 5));
    now_ += 59000;
    QTest::mouseMove(port, QPoint(30, 40));  // no button down
    now_ += 2000;
    view_->tick();
    EXPECT_FALSE(paused());
    now_ += 61000;
    QCoreApplication::postEvent(
        port, new QMouseEvent(QEvent::MouseMove, QPointF(50, 60),
                              port->mapToGlobal(QPointF(50, 60)), Qt::NoButton, Qt::NoButton, {}));
    timerGoesOff();
    EXPECT_FALSE(paused()) << "the move waiting went first";
    now_ += 61000;
    timerGoesOff();
    EXPECT_TRUE(paused()) << "a minute without input";
}

TEST_F(ViewInputTest, ThePieceTipGoesWhenThePointerLeavesTheView) {
    QWidget* port = view_->viewport();
    sprites::Sprite* s = withCell(store(), 0, 0);
    view_->pieceMenuCommand(PieceMenu::kLock, grabPoint(store(), s));
    const QPoint at = grabPoint(store(), s);
    QTest::mousePress(port, Qt::LeftButton, {}, at);
    QCursor::setPos(port->mapToGlobal(at));
    view_->tick();
    EXPECT_NE(port->findChild<controls::PieceToolTip*>(), nullptr);
    QCursor::setPos(port->mapToGlobal(QPoint(-40, -40)));
    view_->tick();
    EXPECT_EQ(port->findChild<controls::PieceToolTip*>(), nullptr);
    QTest::mouseRelease(port, Qt::LeftButton, {}, at);
}

TEST_F(ViewInputTest, SoundsPlayInTheirModesAndOncePerGestureWhilePaused) {
    const QString async = " " + QString::number(SND_ASYNC);
    const QString sync = " " + QString::number(SND_SYNC);
    QWidget* port = view_->viewport();
    sprites::Sprite* s = withCell(store(), 0, 0);
    const QPoint at = grabPoint(store(), s);
    QTest::mousePress(port, Qt::LeftButton, {}, at);
    QTest::mouseMove(port, at);  // not a step
    QTest::mouseMove(port, at + QPoint(8, 0));
    QTest::mouseRelease(port, Qt::LeftButton, {}, at + QPoint(8, 0));
    EXPECT_EQ(plays_, QStringList({"JIGCLICK.WAV" + async,
                                   "JIGMOVE.WAV " + QString::number(SND_ASYNC | SND_NOSTOP),
                                   "JIGRELEA.WAV" + async}));
    plays_.clear();
    QTest::mouseDClick(port, Qt::LeftButton, {}, grabPoint(store(), s));  // no fit
    QTest::mouseRelease(port, Qt::LeftButton, {}, grabPoint(store(), s));
    EXPECT_EQ(plays_, QStringList{"JIGEXPER.WAV" + sync});

    plays_.clear();
    view_->onCommand(cmd::kPause);
    QTest::mousePress(port, Qt::RightButton, {}, at);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, port->mapToGlobal(at));
    QCoreApplication::sendEvent(port, &menu);
    QTest::mouseRelease(port, Qt::RightButton, {}, at);
    EXPECT_EQ(plays_, QStringList{"JIGPAUSE.WAV" + sync}) << "a right click sounds once";
    QTest::mouseDClick(port, Qt::LeftButton, {}, at);
    QTest::mouseRelease(port, Qt::LeftButton, {}, at);
    EXPECT_EQ(plays_.size(), 2);
    view_->onCommand(cmd::kPause);
    // A drag and a drop whose button went down before the pause.
    for (const bool drag : {true, false}) {
        plays_.clear();
        QTest::mousePress(port, Qt::LeftButton, {}, grabPoint(store(), s));
        view_->onCommand(cmd::kPause);
        if (drag) {
            QTest::mouseMove(port, at + QPoint(4, 4));
            QTest::mouseMove(port, at + QPoint(9, 4));
        }
        QTest::mouseRelease(port, Qt::LeftButton, {}, at + QPoint(9, 4));
        view_->onCommand(cmd::kPause);
        EXPECT_EQ(plays_, QStringList({"JIGCLICK.WAV" + async, "JIGPAUSE.WAV" + sync}));
    }
}

// Assist from a click near A's right side, beside B (cell 1, 0): every other
// group is locked, so B is found locked and the prompt answers with answer.
class LockedAssistTest : public ViewMouseTest {
  protected:
    void Assist(int answer) {
        sprites::Sprite* a = withCell(store(), 0, 0);
        for (int i = store().count() - 1; i >= 0; --i) {
            sprites::Sprite* g = store().at(i);
            if (g != a && g->locked == 0) {
                view_->pieceMenuCommand(PieceMenu::kLock, grabPoint(store(), g));
            }
        }
        ax_ = a->x;
        const int y = a->y + 30;
        int x = a->x + a->width - 1;
        while (x > a->x && store().hitTest(x, y) != a) {
            --x;
        }
        const QPoint at(x - 3 - store().scrollX(), y - store().scrollY());
        ASSERT_EQ(store().hitTest(x - 3, y), a);
        QTimer::singleShot(0, [this, answer] {
            auto* dlg = qobject_cast<dialogs::CPieceLockedDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            holdsDuringPrompt_ = CClockHold::ActiveCount();
            dlg->onCommand(answer);
        });
        view_->pieceMenuCommand(PieceMenu::kAssist, at);
    }
    int holdsDuringPrompt_ = 0;
    int ax_ = 0;  // A's position before
};

TEST_F(LockedAssistTest, UnlockAndMoveBringsTheLockedNeighbour) {
    sprites::Sprite* b = withCell(store(), 1, 0);
    Assist(dialogs::CPieceLockedDlg::kUnlockAndMove);
    EXPECT_GE(holdsDuringPrompt_, 1) << "the clock is held while the prompt is open";
    sprites::Sprite* a = withCell(store(), 0, 0);
    EXPECT_EQ(withCell(store(), 1, 0), a) << "B joined A";
    EXPECT_EQ(a->x, ax_);
    EXPECT_EQ(a->locked, 0);
    EXPECT_EQ(store().indexOf(b), -1);
}

TEST_F(LockedAssistTest, MoveToLockedMovesTheClickedGroupInstead) {
    sprites::Sprite* b = withCell(store(), 1, 0);
    Assist(dialogs::CPieceLockedDlg::kMoveToLocked);
    EXPECT_EQ(withCell(store(), 0, 0), b) << "A joined B";
    EXPECT_NE(b->locked, 0) << "B keeps its lock";
}

TEST_F(LockedAssistTest, CancelChangesNothingButCountsTheRequest) {
    const int groups = store().count();
    Assist(IDCANCEL);
    EXPECT_EQ(store().count(), groups);
    EXPECT_EQ(withCell(store(), 0, 0)->x, ax_);
    EXPECT_EQ(view_->session().score.assists(), 1);
}

}  // namespace

TEST_F(ViewMouseTest, AHighlightedPieceCommandShowsItsPromptInTheStatusBar) {
    QMainWindow frame;
    auto* table = new QWidget(&frame);
    frame.setCentralWidget(table);
    frame.statusBar();
    QMenu menu(table);
    sprites::Sprite& group = *withCell(store(), 0, 0);
    PieceMenu::Fill(menu, group);
    const auto highlight = [&menu, &frame](int id) {
        menu.findChild<QAction*>(QStringLiteral("cmd%1").arg(id))->hover();
        return frame.statusBar()->currentMessage();
    };
    EXPECT_EQ(highlight(PieceMenu::kLock), "Lock piece at current position");
    EXPECT_EQ(highlight(PieceMenu::kAssist), "Find a neighboring piece and snap");
    emit menu.aboutToHide();
    EXPECT_EQ(frame.statusBar()->currentMessage(), "");
    QMenu lockedMenu(table);
    group.locked = 1;
    PieceMenu::Fill(lockedMenu, group);
    lockedMenu.findChild<QAction*>(QStringLiteral("cmd%1").arg(PieceMenu::kUnlock))->hover();
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Unlock piece");
}

TEST(PieceMenuPlacement, CentredAboveTheCursorOrRightAlignedNearTheRightEdge) {
    const QSize menu(120, 80);
    EXPECT_EQ(PieceMenu::Origin({500, 300}, menu, 70), QPoint(440, 297));
    EXPECT_EQ(PieceMenu::Origin({500, 300}, menu, 69), QPoint(380, 297));
    EXPECT_EQ(PieceMenu::Origin({500, 300}, menu, 0), QPoint(380, 297));
}
