#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "TestSupport.h"
#include "ViewTestSupport.h"
#include "commands/CommandIds.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"
#include "sprites/SpriteStore.h"
#include "view/CJigsawView.h"

namespace {

// Counts what the view tells a window that mirrors the table.
class RecordingObserver : public WorkspaceObserver {
  public:
    void redrawnAll() override { ++all; }
    void redrawnSprite(const sprites::Sprite& s) override { sprites.push_back(&s); }
    void redrawnArea(const platform::Rect& r) override { areas.push_back(r); }
    int all = 0;
    std::vector<const sprites::Sprite*> sprites;
    std::vector<platform::Rect> areas;
};

// A 3 by 2 puzzle of 60-pixel pieces, reached only through WorkspaceHost.
class WorkspaceHostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApp();
        view_ = std::make_unique<CJigsawView>(nullptr);
        WriteIniInt(60, keys::kOn, keys::kOff, keys::kPieceSize);
        view_->resize(700, 500);
        view_->show();
        platform::Surface picture(180, 120);
        picture.fill(picture.bounds(), 0x406080);
        view_->setPicture(std::move(picture));
        view_->startGame(5);
        view_->onCommand(cmd::kExpert);  // drops never snap
    }

    WorkspaceHost& host() { return *view_; }
    TempSettings settings_;
    std::unique_ptr<CJigsawView> view_;
};

TEST_F(WorkspaceHostTest, PiecesMoveByTablePointsAtEveryScrollPosition) {
    sprites::SpriteStore* store = host().spriteStore();
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(host().picture().width(), 180);
    EXPECT_EQ(host().background(), view_->background());
    sprites::Sprite* piece = viewtest::withCell(*store, 0, 0);
    const QPoint grab = viewtest::grabPoint(*store, piece);
    const int tableX = grab.x() + store->scrollX();
    const int tableY = grab.y() + store->scrollY();
    const int startX = piece->x;
    EXPECT_FALSE(host().pickUpAt(-500, -500));  // no piece there
    ASSERT_TRUE(host().pickUpAt(tableX, tableY));
    EXPECT_TRUE(host().holdingPiece());
    host().moveHeldTo(tableX + 40, tableY);
    host().dropHeldAt(tableX + 40, tableY);
    EXPECT_FALSE(host().holdingPiece());
    EXPECT_EQ(piece->x, startX + 40);
}

TEST_F(WorkspaceHostTest, ObserversAreToldOfEveryRedrawUntilRemoved) {
    RecordingObserver observer;
    host().addObserver(&observer);
    host().addObserver(&observer);  // counted once
    sprites::Sprite* piece = host().spriteStore()->at(0);
    host().redrawAll();
    host().redrawSprite(*piece);
    host().redrawArea({0, 0, 50, 40});
    EXPECT_EQ(observer.all, 1);
    ASSERT_EQ(observer.sprites.size(), 1u);
    EXPECT_EQ(observer.sprites[0], piece);
    ASSERT_EQ(observer.areas.size(), 1u);
    EXPECT_EQ(observer.areas[0], (platform::Rect{0, 0, 50, 40}));
    host().removeObserver(&observer);
    host().redrawAll();
    EXPECT_EQ(observer.all, 1);
}

}  // namespace
