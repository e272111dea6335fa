// The sprite engine with 1,000 pieces of 60 pixels on a 1,920 x 1,080 buffer:
// drag steps, full redraw, scrolling, hit testing and joining. The pieces
// come from the real cutter with a fixed seed.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "cutting/PieceCutter.h"
#include "sprites/SpriteStore.h"

namespace {

constexpr int kPiece = 60;
constexpr int kColumns = 40;
constexpr int kRows = 25;
constexpr int kScreenW = 1920;
constexpr int kScreenH = 1080;

struct Table {
    platform::Surface picture = platform::Surface(kColumns * kPiece, kRows* kPiece, 0x808080);
    cutting::PieceCutter cutter =
        (std::srand(1), cutting::PieceCutter(kPiece, kPiece, kColumns, kRows));
    sprites::SpriteStore store{kColumns * kRows, kScreenW, kScreenH};
    platform::Surface window{kScreenW, kScreenH};

    sprites::Sprite* block = nullptr;

    // Every piece lies somewhere in the visible part of the table, so a full
    // redraw copies all 1,000 of them; the 10 x 10 cells at the origin form
    // one group.
    Table() {
        std::srand(1);
        store.marginX = store.marginY = static_cast<std::int16_t>(cutter.marginX());
        block = group(0, 0, 10, 10, 40, 40);
        for (int c = 0; c < kColumns; ++c) {
            for (int r = 0; r < kRows; ++r) {
                if (c < 10 && r < 10) {
                    continue;
                }
                auto s = piece(c, r);
                s->x = std::rand() % (kScreenW - s->width);
                s->y = std::rand() % (kScreenH - s->height);
                store.add(std::move(s));
            }
        }
        store.setBackgroundColour(0x206020);
        store.setWorkspace(2 * kColumns * kPiece, 2 * kRows * kPiece);
    }

    std::unique_ptr<sprites::Sprite> piece(int c, int r) {
        const cutting::PieceMask* m = cutter.mask(c, r);
        const cutting::MaskBox box = cutter.maskBox(c, r);
        const cutting::MaskBits bits{m->words(), m->wordsPerRow(), m->width(), m->height(), 0, 0};
        return sprites::Sprite::create(&picture, box.left, box.top, box.width, box.height,
                                       {c * kPiece, r * kPiece, kPiece, kPiece}, &bits);
    }

    // Joins the pieces of a columns x rows block at (c0, r0) into one group
    // lying in its picture place shifted by (dx, dy).
    sprites::Sprite* group(int c0, int r0, int columns, int rows, int dx, int dy) {
        sprites::Sprite* kept = nullptr;
        for (int c = c0; c < c0 + columns; ++c) {
            for (int r = r0; r < r0 + rows; ++r) {
                auto fresh = piece(c, r);
                fresh->x += dx;
                fresh->y += dy;
                sprites::Sprite* s = fresh.get();
                store.add(std::move(fresh));
                if (kept == nullptr) {
                    kept = s;
                } else {
                    store.join(kept, s);
                    store.remove(s);
                }
            }
        }
        return kept;
    }
};

Table& table() {
    static Table t;
    return t;
}

void dragSteps(benchmark::State& state, sprites::Sprite* s) {
    Table& t = table();
    t.store.setHeld(s);
    int step = 0;
    for (auto _ : state) {
        const int px = 400 + (step % 40) * 3;
        const int py = 300 + (step % 30) * 2;
        t.store.moveHeldToPointer(&t.window, px, py);
        ++step;
    }
    t.store.releaseHeld();
}

void BM_DragSinglePiece(benchmark::State& state) {
    Table& t = table();
    dragSteps(state, t.store.at(t.store.count() / 2));
}
BENCHMARK(BM_DragSinglePiece)->Unit(benchmark::kMicrosecond);

void BM_DragHundredPieceGroup(benchmark::State& state) {
    dragSteps(state, table().block);
}
BENCHMARK(BM_DragHundredPieceGroup)->Unit(benchmark::kMicrosecond);

void BM_FullRedraw(benchmark::State& state) {
    Table& t = table();
    for (auto _ : state) {
        t.store.scrollTo(0, 0, true);
    }
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

void BM_ScrollBy20(benchmark::State& state) {
    Table& t = table();
    int direction = 20;
    for (auto _ : state) {
        t.store.scrollTo(t.store.scrollX() + direction, t.store.scrollY() + direction, false);
        direction = -direction;
    }
}
BENCHMARK(BM_ScrollBy20)->Unit(benchmark::kMillisecond);

void BM_HitTest(benchmark::State& state) {
    Table& t = table();
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.store.hitTest((i * 37) % kScreenW, (i * 53) % kScreenH));
        ++i;
    }
}
BENCHMARK(BM_HitTest)->Unit(benchmark::kMicrosecond);

void BM_JoinTwoFiftyPieceGroups(benchmark::State& state) {
    Table& t = table();
    for (auto _ : state) {
        state.PauseTiming();
        sprites::Sprite* a = t.group(20, 0, 5, 10, 0, 0);
        sprites::Sprite* b = t.group(25, 0, 5, 10, 0, 0);
        state.ResumeTiming();
        t.store.join(a, b);
        state.PauseTiming();
        t.store.remove(b);
        t.store.remove(a);
        state.ResumeTiming();
    }
}
// Building the groups dominates, so the join is timed a fixed number of times.
BENCHMARK(BM_JoinTwoFiftyPieceGroups)->Unit(benchmark::kMicrosecond)->Iterations(200);

}  // namespace

BENCHMARK_MAIN();
