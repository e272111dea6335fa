// Restoring a crafted saved game whose lower-right rim collection holds
// 400,000 runs of several rows each (about 3 MB): every run is a stretch of
// its own, so the rim reader appends 400,000 stretches. A restore (or a
// refusal) must stay well under a second.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "platform/ByteWriter.h"
#include "platform/Surface.h"
#include "savegame/SavedGame.h"

namespace {

constexpr int kRuns = 400'000;

std::vector<std::uint8_t> craftedGame() {
    SavedGame game;
    game.store = std::make_unique<sprites::SpriteStore>(300, 640, 480);
    // One whole-box piece: a game holds at least one group.
    platform::Surface picture(640, 480);
    game.store->add(sprites::Sprite::create(&picture, 0, 0, 32, 32, {0, 0, 32, 32}, nullptr));
    game.store->setPosition(game.store->at(0), 100, 100);
    SavedGameHeader& h = game.header;
    h.picturePath = "/tmp/picture.ppx";
    h.pictureName = "picture";
    h.pictureRight = 640;
    h.pictureBottom = 480;
    h.pieceWidth = 32;
    h.pieceHeight = 32;
    h.pieceCount = 300;
    h.workspaceWidth = 1280;
    h.workspaceHeight = 960;
    const std::vector<std::uint8_t> plain = game.encode();
    // The empty rim collection written after the header: two counts, the
    // bounds and four tail records.
    constexpr std::size_t kEmptyRims = 4 + 4 + 8 + 4 * 8;
    platform::ByteWriter rims;
    rims.i32(kRuns);
    rims.i32(kRuns);
    for (std::int16_t v : {0, 0, 639, 479}) {
        rims.i16(v);
    }
    for (int i = 0; i < kRuns + 4; ++i) {
        const auto left = static_cast<std::int16_t>(i * 7 % 600);
        const auto top = static_cast<std::int16_t>(i % 470);
        const bool run = i < kRuns;
        for (std::int16_t v :
             {left, static_cast<std::int16_t>(left + 3), top, static_cast<std::int16_t>(top + 2)}) {
            rims.i16(run ? v : 0);
        }
    }
    std::vector<std::uint8_t> bytes(plain.begin(), plain.begin() + SavedGameHeader::kSize);
    bytes.insert(bytes.end(), rims.bytes().begin(), rims.bytes().end());
    bytes.insert(bytes.end(), plain.begin() + SavedGameHeader::kSize + kEmptyRims, plain.end());
    return bytes;
}

void BM_RestoreCraftedRims(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = craftedGame();
    for (auto _ : state) {
        SavedGame game;
        const std::string why = SavedGame::decode(bytes, 640, 480, game);
        if (!why.empty()) {
            state.SkipWithError(why.c_str());
            break;
        }
        benchmark::DoNotOptimize(game.lowerRightRims.count());
    }
    state.counters["runs"] = kRuns;
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

BENCHMARK(BM_RestoreCraftedRims)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
