#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <utility>

#include "TestSupport.h"
#include "ViewTestSupport.h"
#include "commands/CommandIds.h"
#include "dialogs/CPieceSizeDlg.h"
#include "model/SnapTest.h"
#include "platform/MessageBox.h"
#include "scores/CResultDlg.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"
#include "sprites/SpriteStore.h"
#include "view/CJigsawView.h"
#include "view/PieceMenu.h"

namespace {

// A picture with something to look at: colour bands and a diagonal.
platform::Surface testPicture(int width, int height) {
    platform::Surface s(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned r = static_cast<unsigned>(x * 255 / width);
            const unsigned g = static_cast<unsigned>(y * 255 / height);
            const unsigned b = std::abs(x - y) < 6 ? 255u : 80u;
            s.setPixel(x, y, r << 16 | g << 8 | b);
        }
    }
    return s;
}

using viewtest::grabPoint;
using viewtest::withCell;

class ViewPlayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApp();
        // A finished game shows its results; the test answers them.
        CJigsawView::endOfGameHooks().showResults = [](CResultDlg& dlg) { dlg.accept(); };
        owned_ = std::make_unique<CJigsawView>(nullptr);
        view_ = owned_.get();
        WriteIniInt(60, keys::kOn, keys::kOff, keys::kPieceSize);
        WriteIniInt(0, keys::kOn, keys::kOff, keys::kThrowPiecesOnTable);
        WriteIniInt(1, keys::kOn, keys::kOff, keys::kThrowPiecesOnVisibleArea);
        view_->resize(700, 500);
        view_->show();
        view_->setPicture(testPicture(180, 120));
        view_->startGame(5);
    }

    // Drags s by the mouse so that its upper-left cell box lands at the
    // table position (x, y).
    void drag(sprites::Sprite* s, int x, int y) {
        sprites::SpriteStore& store = *view_->session().store();
        const QPoint from = grabPoint(store, s);
        const QPoint to = from + QPoint(x - s->x, y - s->y);
        QWidget* port = view_->viewport();
        QTest::mousePress(port, Qt::LeftButton, {}, from);
        QTest::mouseMove(port, (from + to) / 2);
        QTest::mouseMove(port, to);
        QTest::mouseRelease(port, Qt::LeftButton, {}, to);
    }

    TempSettings settings_;
    std::unique_ptr<CJigsawView> owned_;
    CJigsawView* view_ = nullptr;
};

TEST_F(ViewPlayTest, DraggingEveryPieceToItsPlaceCompletesThePuzzle) {
    Puzzle* puzzle = view_->session().puzzle();
    ASSERT_NE(puzzle, nullptr);
    ASSERT_EQ(puzzle->pieceCount, 6);
    sprites::SpriteStore& store = *puzzle->store;
    drag(withCell(store, 0, 0), 40, 40);
    const int order[][2] = {{1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}};
    int groups = 6;
    for (const auto& cell : order) {
        if (cell[0] == 1 && cell[1] == 1) {
            std::filesystem::create_directories(TESSELLA_TEST_OUTPUT);
            view_->grab().save(QString(TESSELLA_TEST_OUTPUT) + "/game_in_progress.png");
        }
        sprites::Sprite* s = withCell(store, cell[0], cell[1]);
        ASSERT_NE(s, nullptr);
        const CellOrigin home = CellOrigin::Of(*s);
        drag(s, 40 + 60 * home.column, 40 + 60 * home.row);
        if (view_->session().puzzle() == nullptr) {
            break;  // the last join completes the puzzle
        }
        EXPECT_EQ(store.count(), --groups) << "cell " << cell[0] << "," << cell[1];
    }
    EXPECT_EQ(view_->session().puzzle(), nullptr);
    EXPECT_TRUE(view_->session().HasPicture());
    EXPECT_FALSE(view_->state().puzzleExists);
    // The whole picture is shown in the middle of the window.
    const platform::Surface& shown = view_->windowSurface();
    const platform::Surface& picture = view_->session().picture();
    const int left = (shown.width() - picture.width()) / 2;
    const int top = (shown.height() - picture.height()) / 2;
    EXPECT_EQ(shown.pixel(left + 90, top + 60), picture.pixel(90, 60));
    EXPECT_EQ(shown.pixel(left + 10, top + 100), picture.pixel(10, 100));
}

TEST_F(ViewPlayTest, ExpertJoinsOnlyOnDoubleClickAndMissesCost) {
    view_->onCommand(cmd::kExpert);
    sprites::SpriteStore& store = *view_->session().store();
    drag(withCell(store, 0, 0), 40, 40);
    sprites::Sprite* right = withCell(store, 1, 0);
    drag(right, 100, 300);
    QTest::mouseDClick(view_->viewport(), Qt::LeftButton, {}, grabPoint(store, right));
    EXPECT_EQ(view_->session().score.misses(), 1);
    EXPECT_EQ(view_->session().score.total(), view_->session().score.running() - 10);
    drag(right, 100, 40);
    EXPECT_EQ(store.count(), 6);  // a drop never joins at Expert level
    QTest::mouseDClick(view_->viewport(), Qt::LeftButton, {}, grabPoint(store, right));
    EXPECT_EQ(store.count(), 5);
    EXPECT_EQ(view_->session().score.misses(), 1);
}

TEST_F(ViewPlayTest, PauseHoldsTheClockAndBlocksTheMouse) {
    view_->onCommand(cmd::kPause);
    EXPECT_TRUE(view_->state().paused);
    sprites::SpriteStore& store = *view_->session().store();
    sprites::Sprite* s = withCell(store, 0, 0);
    const int x = s->x;
    drag(s, 40, 40);
    EXPECT_EQ(s->x, x);
    view_->onCommand(cmd::kPause);
    EXPECT_FALSE(view_->state().paused);
}

TEST_F(ViewPlayTest, LockedGroupsStayAndAssistJoinsANeighbour) {
    sprites::SpriteStore& store = *view_->session().store();
    sprites::Sprite* s = withCell(store, 0, 0);
    const QPoint at = grabPoint(store, s);
    view_->pieceMenuCommand(PieceMenu::kLock, at);
    EXPECT_EQ(s->locked, 1);
    EXPECT_EQ(store.at(0), s);
    const int x = s->x;
    drag(s, x + 50, 40);
    EXPECT_EQ(s->x, x);
    view_->pieceMenuCommand(PieceMenu::kUnlock, grabPoint(store, s));
    EXPECT_EQ(s->locked, 0);
    view_->pieceMenuCommand(PieceMenu::kAssist, grabPoint(store, s));
    EXPECT_EQ(store.count(), 5);
    EXPECT_EQ(view_->session().score.assists(), 1);
}

// A photo cut into pieces, a few of them joined: the screenshot shows what a
// game in progress looks like.
TEST_F(ViewPlayTest, ScreenshotOfAPhotoGameInProgress) {
    const QString photo = QStringLiteral("/work/shared/assets/pictures/coins.png");
    if (!QFile::exists(photo)) {
        GTEST_SKIP() << "no photo";
    }
    view_->resize(900, 640);
    WriteIniInt(0, keys::kOn, keys::kOff, keys::kThrowPiecesOnVisibleArea);
    WriteIniInt(1, keys::kOn, keys::kOff, keys::kThrowPiecesOnTable);
    view_->loadPictureFile(photo);
    ASSERT_TRUE(view_->session().HasPicture());
    view_->startGame(77);
    sprites::SpriteStore& store = *view_->session().store();
    const int left = store.scrollX() + 30;
    const int top = store.scrollY() + 30;
    drag(withCell(store, 0, 0), left, top);
    for (const auto& cell : {std::pair{1, 0}, std::pair{0, 1}, std::pair{1, 1}}) {
        sprites::Sprite* s = withCell(store, cell.first, cell.second);
        const CellOrigin home = CellOrigin::Of(*s);
        drag(s, left + 60 * home.column, top + 60 * home.row);
    }
    EXPECT_LE(store.count(), view_->session().puzzle()->pieceCount - 3);
    view_->grab().save(testOutputDir() + "/game_photo_in_progress.png");
}

TEST_F(ViewPlayTest, StartAsksForThePieceSizeAndCutsWhatWasChosen) {
    view_->setPicture(testPicture(240, 180));
    QTimer::singleShot(200, [] {
        auto* dialog = qobject_cast<dialogs::CPieceSizeDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->setWarningFunction([](QWidget*) { return 1; });  // scatter everywhere
        dialog->onCommand(IDOK);
    });
    view_->onCommand(cmd::kStart);
    ASSERT_NE(view_->session().puzzle(), nullptr);
    EXPECT_GT(view_->session().puzzle()->pieceCount, 1);
}

}  // namespace
