// Region building, joining and hit testing on synthetic pieces of 60 pixels:
// a 100 x 100 mask box (margins of 20) with a round knob on every side.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "cutting/SpanRegion.h"

using cutting::SpanRegion;

namespace {

constexpr int kPiece = 60;
constexpr int kMargin = kPiece / 3;
constexpr int kBox = kPiece + 2 * kMargin;

struct PieceBits {
    int wordsPerRow = (kBox + 15) / 16;
    std::vector<std::uint16_t> words;

    PieceBits() : words(static_cast<std::size_t>(wordsPerRow) * kBox, 0) {
        auto* bytes = reinterpret_cast<std::uint8_t*>(words.data());
        for (int y = 0; y < kBox; ++y) {
            for (int x = 0; x < kBox; ++x) {
                if (inside(x, y)) {
                    bytes[y * wordsPerRow * 2 + x / 8] |=
                        static_cast<std::uint8_t>(0x80 >> (x % 8));
                }
            }
        }
    }
    static bool inKnob(int x, int y, int cx, int cy) {
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= 12 * 12;
    }
    static bool inside(int x, int y) {
        const bool core =
            x >= kMargin && x < kMargin + kPiece && y >= kMargin && y < kMargin + kPiece;
        const int mid = kMargin + kPiece / 2;
        return core || inKnob(x, y, mid, 10) || inKnob(x, y, kBox - 10, mid) ||
               inKnob(x, y, mid, kBox - 10) || inKnob(x, y, 10, mid);
    }
    cutting::MaskBits mask(int dx, int dy) const {
        return {words.data(), wordsPerRow, kBox, kBox, dx, dy};
    }
};

const PieceBits& piece() {
    static const PieceBits bits;
    return bits;
}

// A group of columns x rows pieces whose cells start at (x0, y0).
SpanRegion group(int x0, int y0, int columns, int rows) {
    SpanRegion g = SpanRegion::fromRect(0, 0, -1, -1);
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            const SpanRegion p = SpanRegion::fromMask(
                piece().mask(x0 + c * kPiece - kMargin, y0 + r * kPiece - kMargin));
            g = SpanRegion::combine(g, p, SpanRegion::kUnion);
        }
    }
    return g;
}

void BM_RegionFromMask(benchmark::State& state) {
    for (auto _ : state) {
        SpanRegion r = SpanRegion::fromMask(piece().mask(0, 0));
        benchmark::DoNotOptimize(r.count());
    }
    const SpanRegion r = SpanRegion::fromMask(piece().mask(0, 0));
    state.counters["runs"] = r.count();
    state.counters["block_bytes"] = r.count() * 8 + 32;
}
BENCHMARK(BM_RegionFromMask);

void BM_UnionOfTwoHundredPieceGroups(benchmark::State& state) {
    const SpanRegion left = group(kMargin, kMargin, 10, 10);
    const SpanRegion right = group(kMargin + 10 * kPiece, kMargin, 10, 10);
    for (auto _ : state) {
        SpanRegion u = SpanRegion::combine(left, right, SpanRegion::kUnion);
        benchmark::DoNotOptimize(u.count());
    }
    state.counters["runs_in"] = left.count() + right.count();
}
BENCHMARK(BM_UnionOfTwoHundredPieceGroups)->Unit(benchmark::kMicrosecond);

void BM_ContainsOnThousandRuns(benchmark::State& state) {
    SpanRegion r = group(kMargin, kMargin, 2, 2);
    for (int rows = 3; r.count() < 1000; ++rows) {
        r = group(kMargin, kMargin, 2, rows);
    }
    const auto b = r.bounds();
    int x = b.left;
    int y = b.top;
    for (auto _ : state) {
        benchmark::DoNotOptimize(r.contains(x, y));
        x = x + 37 > b.right ? b.left : x + 37;
        y = y + 13 > b.bottom ? b.top : y + 13;
    }
    state.counters["runs"] = r.count();
}
BENCHMARK(BM_ContainsOnThousandRuns);

// The rims of n pieces gathered into one collection, piece by piece as the
// cut does: the time per piece stays flat as n grows.
void BM_AppendRimsOfPieces(benchmark::State& state) {
    const SpanRegion rim = SpanRegion::fromMask(piece().mask(0, 0)).lowerRightRim();
    const auto pieces = static_cast<int>(state.range(0));
    for (auto _ : state) {
        SpanRegion all = SpanRegion::fromRect(0, 0, -1, -1);
        for (int i = 0; i < pieces; ++i) {
            all.append(rim);
        }
        benchmark::DoNotOptimize(all.count());
    }
    state.counters["runs"] = static_cast<double>(rim.count()) * pieces;
    state.SetItemsProcessed(state.iterations() * pieces);
}
BENCHMARK(BM_AppendRimsOfPieces)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
