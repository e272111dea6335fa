#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "model/GameSession.h"
#include "sprites/SpriteStore.h"

namespace {

// Where a group belongs when the upper-left cell's box lies at (ox, oy).
void homeOf(const sprites::Sprite& s, const Puzzle& p, int ox, int oy, int& x, int& y) {
    int column = s.cells.front().column;
    int row = s.cells.front().row;
    for (const auto& c : s.cells) {
        column = std::min<int>(column, c.column);
        row = std::min<int>(row, c.row);
    }
    x = ox + column * p.pieceWidth;
    y = oy + row * p.pieceHeight;
}

// A group holding a grid neighbour of one of the anchor's cells.
sprites::Sprite* besideAnchor(const sprites::SpriteStore& store, const sprites::Sprite* anchor) {
    for (int i = 0; i < store.count(); ++i) {
        const sprites::Sprite* s = store.at(i);
        for (const auto& c : s->cells) {
            for (const auto& a : anchor->cells) {
                if (s != anchor && std::abs(c.column - a.column) + std::abs(c.row - a.row) == 1) {
                    return store.at(i);
                }
            }
        }
    }
    return nullptr;
}

class GameSessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CClockHold::SetTimeSource([this] { return now_; });
        platform::Surface picture(180, 120, 0x808040);
        session_.SetPicture(std::move(picture));
        request_.pieceWidth = request_.pieceHeight = 60;
        request_.seed = 11;
        request_.clientWidth = 400;
        request_.clientHeight = 300;
    }
    void TearDown() override { CClockHold::SetTimeSource({}); }

    std::time_t now_ = 10000;
    std::vector<int> sounds_;
    GameSession session_{{[this](int e) { sounds_.push_back(e); }, {}, {}}};
    PuzzleBuilder::Request request_;
};

TEST_F(GameSessionTest, DroppingEveryGroupInPlaceCompletesThePuzzle) {
    session_.ApplyLevel(4, SnapValues::defaults(4), false);
    Puzzle& puzzle = session_.Cut(request_, {}, nullptr);
    ASSERT_EQ(puzzle.pieceCount, 6);
    sprites::SpriteStore& store = *puzzle.store;
    sprites::Sprite* anchor = store.findOrigin();
    const int ox = anchor->x;
    const int oy = anchor->y;
    int joins = 0;
    while (store.count() > 1) {
        sprites::Sprite* s = besideAnchor(store, anchor);
        ASSERT_NE(s, nullptr);
        int x = 0;
        int y = 0;
        homeOf(*s, puzzle, ox, oy, x, y);
        store.setPosition(s, x, y);
        const int before = store.count();
        joins += session_.Drop(s, nullptr, 400, 300);
        ASSERT_LT(store.count(), before);
        anchor = store.findOrigin();
    }
    EXPECT_EQ(joins, 5);
    EXPECT_TRUE(session_.Complete());
    EXPECT_EQ(session_.score.bonusSum(), 5 * 6);
    EXPECT_EQ(sounds_.size(), 5u);
}

TEST_F(GameSessionTest, ExpertDropsNeverJoinAndMissesCost) {
    session_.ApplyLevel(5, SnapValues::defaults(5), false);
    Puzzle& puzzle = session_.Cut(request_, {}, nullptr);
    sprites::SpriteStore& store = *puzzle.store;
    sprites::Sprite* origin = store.findOrigin();
    sprites::Sprite* other = nullptr;
    for (int i = 0; i < store.count(); ++i) {
        if (store.at(i)->cells.front() == sprites::CellRef{1, 0}) {
            other = store.at(i);
        }
    }
    ASSERT_NE(other, nullptr);
    int x = 0;
    int y = 0;
    homeOf(*other, puzzle, origin->x, origin->y, x, y);
    store.setPosition(other, x, y);
    EXPECT_EQ(session_.Drop(other, nullptr, 400, 300), 0);
    store.setPosition(other, x + 300, y + 100);
    now_ += 100;
    EXPECT_FALSE(session_.ExpertFit(other, nullptr, 400, 300));
    EXPECT_EQ(session_.score.total(), session_.score.running() - 10);
    EXPECT_EQ(session_.score.misses(), 1);
    store.setPosition(other, x, y);
    EXPECT_TRUE(session_.ExpertFit(other, nullptr, 400, 300));
    EXPECT_EQ(store.count(), 5);
}

TEST_F(GameSessionTest, AutomaticAssemblyJoinsOnePieceAPerStep) {
    Puzzle& puzzle = session_.Cut(request_, {}, nullptr);
    ASSERT_EQ(session_.StartAssembly(nullptr, 0, 0), AutoAssembly::StartResult::Started);
    int steps = 0;
    while (session_.AssemblyStep(nullptr)) {
        ++steps;
        EXPECT_EQ(puzzle.groups(), 6 - steps);
    }
    EXPECT_EQ(steps, 5);
    EXPECT_TRUE(session_.Complete());
    EXPECT_FALSE(session_.assembly.Running());
    EXPECT_EQ(session_.score.assists(), 6);
}

}  // namespace
