// The overview of a table of 1,000 pieces at the opening zoom level (6):
// redrawing all of it, one group, and the area a dragged group crosses. The
// pieces come from the real cutter with a fixed seed.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "cutting/PieceCutter.h"
#include "sprites/SpriteStore.h"
#include "windows/OverviewCanvas.h"

namespace {

constexpr int kPiece = 60;
constexpr int kColumns = 40;
constexpr int kRows = 25;
constexpr int kTableW = 2 * kColumns * kPiece;
constexpr int kTableH = 2 * kRows * kPiece;

struct Overview {
    platform::Surface picture = platform::Surface(kColumns * kPiece, kRows* kPiece, 0x808080);
    cutting::PieceCutter cutter =
        (std::srand(1), cutting::PieceCutter(kPiece, kPiece, kColumns, kRows));
    sprites::SpriteStore store{kColumns * kRows, 640, 480};
    windows::OverviewScale scale{kTableW, kTableH, windows::OverviewScale::kInitialLevel};
    windows::OverviewCanvas canvas;

    // The pieces are scattered over the whole table.
    Overview() {
        std::srand(1);
        for (int c = 0; c < kColumns; ++c) {
            for (int r = 0; r < kRows; ++r) {
                const cutting::PieceMask* m = cutter.mask(c, r);
                const cutting::MaskBox box = cutter.maskBox(c, r);
                const cutting::MaskBits bits{
                    m->words(), m->wordsPerRow(), m->width(), m->height(), 0, 0};
                auto s = sprites::Sprite::create(&picture, box.left, box.top, box.width, box.height,
                                                 {c * kPiece, r * kPiece, kPiece, kPiece}, &bits);
                s->x = std::rand() % (kTableW - s->width);
                s->y = std::rand() % (kTableH - s->height);
                store.add(std::move(s));
            }
        }
        store.setWorkspace(kTableW, kTableH);
        const int w = scale.toOverview(picture.width());
        const int h = scale.toOverview(picture.height());
        platform::Surface scaled(w, h);
        scaled.stretch(scaled.bounds(), picture, picture.bounds());
        canvas.build(scale, std::move(scaled), 0x206020);
    }
};

Overview& overview() {
    static Overview o;
    return o;
}

void BM_OverviewRedrawAll(benchmark::State& state) {
    Overview& o = overview();
    for (auto _ : state) {
        o.canvas.redrawAll(o.store);
        benchmark::DoNotOptimize(o.canvas.bitmap().bits());
    }
}
BENCHMARK(BM_OverviewRedrawAll)->Unit(benchmark::kMillisecond);

void BM_OverviewRedrawOneSprite(benchmark::State& state) {
    Overview& o = overview();
    const sprites::Sprite& s = *o.store.at(o.store.count() / 2);
    for (auto _ : state) {
        o.canvas.redrawSprite(s);
        benchmark::DoNotOptimize(o.canvas.bitmap().bits());
    }
}
BENCHMARK(BM_OverviewRedrawOneSprite)->Unit(benchmark::kMicrosecond);

// A held group carried 7 table pixels per step: the area it left is redrawn
// without it, then it is drawn at its new place.
void BM_OverviewDragStep(benchmark::State& state) {
    Overview& o = overview();
    sprites::Sprite* s = o.store.at(o.store.count() / 2);
    o.store.setHeld(s);
    int step = 0;
    for (auto _ : state) {
        const int x = 200 + (step * 7) % 3000;
        benchmark::DoNotOptimize(o.canvas.drawHeldAt(o.store, *s, x, 900));
        ++step;
    }
    o.store.releaseHeld();
}
BENCHMARK(BM_OverviewDragStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
