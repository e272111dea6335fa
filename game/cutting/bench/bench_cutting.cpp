// Cutting a whole puzzle: the cutter with every piece mask, and then the
// region of every piece, as the game does when a puzzle starts.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "cutting/PieceCutter.h"
#include "cutting/SpanRegion.h"

using cutting::PieceCutter;

namespace {

// Arguments: piece size, columns, rows.
void gridArguments(benchmark::internal::Benchmark* b) {
    b->ArgNames({"piece", "columns", "rows"});
    b->Args({60, 40, 25});   // 1,000 pieces
    b->Args({60, 32, 20});   // a 1,920 x 1,200 picture
    b->Args({23, 125, 80});  // 10,000 pieces
    b->Unit(benchmark::kMillisecond);
}

cutting::MaskBits maskBits(const PieceCutter& cutter, int column, int row) {
    const cutting::PieceMask& mask = *cutter.mask(column, row);
    cutting::MaskBits bits;
    bits.words = mask.words();
    bits.wordsPerRow = mask.wordsPerRow();
    bits.width = mask.width();
    bits.height = mask.height();
    return bits;
}

void BM_CutPuzzle(benchmark::State& state) {
    const int piece = static_cast<int>(state.range(0));
    const int columns = static_cast<int>(state.range(1));
    const int rows = static_cast<int>(state.range(2));
    for (auto _ : state) {
        std::srand(1);
        const PieceCutter cutter(piece, piece, columns, rows);
        benchmark::DoNotOptimize(cutter.mask(0, 0)->bits());
    }
    state.counters["pieces"] = columns * rows;
}
BENCHMARK(BM_CutPuzzle)->Apply(gridArguments);

void BM_CutPuzzleWithRegions(benchmark::State& state) {
    const int piece = static_cast<int>(state.range(0));
    const int columns = static_cast<int>(state.range(1));
    const int rows = static_cast<int>(state.range(2));
    for (auto _ : state) {
        std::srand(1);
        const PieceCutter cutter(piece, piece, columns, rows);
        long runs = 0;
        for (int c = 0; c < columns; ++c) {
            for (int r = 0; r < rows; ++r) {
                const cutting::SpanRegion region =
                    cutting::SpanRegion::fromMask(maskBits(cutter, c, r));
                runs += region.count();
            }
        }
        benchmark::DoNotOptimize(runs);
    }
    state.counters["pieces"] = columns * rows;
}
BENCHMARK(BM_CutPuzzleWithRegions)->Apply(gridArguments);

}  // namespace

BENCHMARK_MAIN();
