#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTest>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "CJigsawApp.h"
#include "CJigsawView.h"
#include "IniStore.h"
#include "SettingsKeys.h"
#include "TestSupport.h"
#include "ViewTestSupport.h"
#include "model/SnapTest.h"
#include "platform/MessageBox.h"
#include "savegame/SavedGameHeader.h"
#include "scores/CResultDlg.h"
#include "sprites/SpriteStore.h"

namespace {

std::string outputPath(const char* name) {
    std::filesystem::create_directories(TESSELLA_TEST_OUTPUT);
    return std::string(TESSELLA_TEST_OUTPUT) + "/" + name;
}

// A 120 x 120 picture file: four 60-pixel pieces.
std::string writePicture() {
    QImage image(120, 120, QImage::Format_RGB32);
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 120; ++x) {
            image.setPixel(x, y, qRgb(x * 2, y * 2, (x + y) % 256));
        }
    }
    const std::string path = outputPath("saved_game_picture.png");
    image.save(QString::fromStdString(path));
    return path;
}

using viewtest::grabPoint;
using viewtest::withCell;

// What identifies a group on the table: its cells, place and lock.
struct GroupRecord {
    std::vector<std::pair<int, int>> cells;
    int x;
    int y;
    int locked;
    bool operator==(const GroupRecord&) const = default;
};

std::vector<GroupRecord> groupsOf(const sprites::SpriteStore& store) {
    std::vector<GroupRecord> out;
    for (int i = 0; i < store.count(); ++i) {
        const sprites::Sprite* s = store.at(i);
        GroupRecord r{{}, s->x, s->y, s->locked};
        for (const auto& c : s->cells) {
            r.cells.emplace_back(c.column, c.row);
        }
        out.push_back(std::move(r));
    }
    return out;
}

class ViewSavedGameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApp();
        app_ = std::make_unique<CJigsawApp>(argc_, argv_);
        app_->prefs.adjustOriginal = 0;
        WriteIniInt(60, keys::kOn, keys::kOff, keys::kPieceSize);
        WriteIniInt(0, keys::kOn, keys::kOff, keys::kThrowPiecesOnTable);
        WriteIniInt(1, keys::kOn, keys::kOff, keys::kThrowPiecesOnVisibleArea);
        platform::setMessageBoxInterceptor([this](const platform::MessageBoxRecord& r) {
            boxes_.push_back(r.text);
            return IDOK;
        });
        CJigsawView::endOfGameHooks().showResults = [this](CResultDlg& dlg) {
            ++results_;
            dlg.accept();
        };
        view_ = makeView();
        view_->loadPictureFile(QString::fromStdString(writePicture()));
        view_->startGame(9);
    }
    void TearDown() override {
        CJigsawView::endOfGameHooks() = {};
        platform::setMessageBoxInterceptor({});
    }

    std::unique_ptr<CJigsawView> makeView() {
        auto view = std::make_unique<CJigsawView>(nullptr);
        view->resize(600, 450);
        view->show();
        return view;
    }

    // Drags s so that its upper-left cell box lands at table position (x, y).
    void drag(CJigsawView& view, sprites::Sprite* s, int x, int y) {
        sprites::SpriteStore& store = *view.session().store();
        const QPoint from = grabPoint(store, s);
        const QPoint to = from + QPoint(x - s->x, y - s->y);
        QWidget* port = view.viewport();
        QTest::mousePress(port, Qt::LeftButton, {}, from);
        QTest::mouseMove(port, (from + to) / 2);
        QTest::mouseMove(port, to);
        QTest::mouseRelease(port, Qt::LeftButton, {}, to);
    }

    void placeHome(CJigsawView& view, int column, int row) {
        sprites::Sprite* s = withCell(*view.session().store(), column, row);
        ASSERT_NE(s, nullptr);
        const CellOrigin home = CellOrigin::Of(*s);
        drag(view, s, 40 + 60 * home.column, 40 + 60 * home.row);
    }

    TempSettings settings_;
    int argc_ = 1;
    char name_[12] = "game_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<CJigsawApp> app_;
    std::unique_ptr<CJigsawView> view_;
    std::vector<std::string> boxes_;
    int results_ = 0;
};

TEST_F(ViewSavedGameTest, ARestoredGameHasTheSavedGroupsScoreAndTitle) {
    ASSERT_NE(view_->session().puzzle(), nullptr);
    ASSERT_EQ(view_->session().puzzle()->pieceCount, 4);
    placeHome(*view_, 0, 0);
    placeHome(*view_, 1, 0);
    sprites::SpriteStore& store = *view_->session().store();
    ASSERT_EQ(store.count(), 3);
    withCell(store, 0, 0)->locked = 1;  // the joined pair stays where it is
    view_->session().score.CountAssist();
    const std::vector<GroupRecord> before = groupsOf(store);
    const int total = view_->session().score.total();
    const int bonus = view_->session().score.bonusSum();
    const std::string path = outputPath("partly_played.jig");
    ASSERT_EQ(view_->saveGameTo(path), "");
    EXPECT_EQ(view_->savedGamePath(), "");  // never restored: Save asks again
    EXPECT_FALSE(view_->state().modified);

    std::unique_ptr<CJigsawView> fresh = makeView();
    ASSERT_TRUE(fresh->restoreGameFrom(path)) << (boxes_.empty() ? "" : boxes_.back());
    ASSERT_NE(fresh->session().puzzle(), nullptr);
    EXPECT_EQ(groupsOf(*fresh->session().store()), before);
    EXPECT_EQ(fresh->session().puzzle()->pieceCount, 4);
    EXPECT_EQ(fresh->session().score.total(), total);
    EXPECT_EQ(fresh->session().score.bonusSum(), bonus);
    EXPECT_EQ(fresh->session().score.assists(), 1);
    EXPECT_EQ(fresh->savedGamePath(), path);
    EXPECT_TRUE(fresh->windowTitle().startsWith("Tessella - "))
        << fresh->windowTitle().toStdString();
    EXPECT_TRUE(boxes_.empty());

    // The restored game goes on: finishing it runs the results once.
    placeHome(*fresh, 0, 1);
    if (fresh->session().puzzle() != nullptr) {
        placeHome(*fresh, 1, 1);
    }
    EXPECT_EQ(fresh->session().puzzle(), nullptr);
    EXPECT_EQ(results_, 1);
}

TEST_F(ViewSavedGameTest, ARefusedFileKeepsTheCurrentGame) {
    const std::string good = outputPath("to_cut.jig");
    ASSERT_EQ(view_->saveGameTo(good), "");
    QFile in(QString::fromStdString(good));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();

    const std::string wrong = outputPath("not_a_game.jig");
    QByteArray renamed = bytes;
    renamed[0] = 'X';
    {
        QFile out(QString::fromStdString(wrong));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(renamed);
    }
    const std::string cut = outputPath("cut_short.jig");
    {
        QFile out(QString::fromStdString(cut));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes.left(bytes.size() - 7));
    }
    Puzzle* current = view_->session().puzzle();
    const std::vector<GroupRecord> before = groupsOf(*current->store);
    const int beeps = platform::beepCount();

    EXPECT_FALSE(view_->restoreGameFrom(wrong));
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0], kNotAPuzzle);
    EXPECT_FALSE(view_->restoreGameFrom(cut));
    EXPECT_EQ(boxes_.size(), 2u);
    EXPECT_GE(platform::beepCount(), beeps + 2);
    EXPECT_EQ(view_->session().puzzle(), current);
    EXPECT_EQ(groupsOf(*current->store), before);
}

TEST_F(ViewSavedGameTest, AMovedPictureEndsTheRestoreAndKeepsTheGame) {
    const std::string path = outputPath("moved_picture.jig");
    ASSERT_EQ(view_->saveGameTo(path), "");
    std::filesystem::remove(writePicture());
    Puzzle* current = view_->session().puzzle();
    EXPECT_FALSE(view_->restoreGameFrom(path));
    EXPECT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(view_->session().puzzle(), current);
}

}  // namespace
