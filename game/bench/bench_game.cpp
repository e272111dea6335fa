// Loading a photo for a game and cutting it into 1,000 pieces, and one drag
// step on a table of 1,000 pieces.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "PIXPICK32.h"
#include "imagelib.h"
#include "model/PuzzleBuilder.h"
#include "sprites/SpriteStore.h"
#include "view/PictureLoader.h"

namespace {

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
constexpr int kPieces = 1000;

// A 12-megapixel photo-like picture (smooth gradients with detail), written
// once as a JPEG file.
const std::string& photoPath() {
    static const std::string path = [] {
        QImage image(4000, 3000, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int v =
                    static_cast<int>(127 + 120 * std::sin(x * 0.01) * std::cos(y * 0.013));
                line[x] = qRgb(x * 255 / 4000, v, (x ^ y) & 0xFF);
            }
        }
        const std::string file = QDir::tempPath().toStdString() + "/tessella_bench_photo.jpg";
        image.save(QString::fromStdString(file), "JPG", 90);
        return file;
    }();
    return path;
}

int pieceSizeFor(const platform::Surface& picture) {
    return static_cast<int>(std::sqrt(picture.width() * picture.height() / double(kPieces)));
}

PuzzleBuilder::Request requestFor(const platform::Surface& picture) {
    PuzzleBuilder::Request r;
    r.pieceWidth = r.pieceHeight = pieceSizeFor(picture);
    r.seed = 1234;
    r.clientWidth = kScreenWidth;
    r.clientHeight = kScreenHeight;
    r.screenWidth = kScreenWidth;
    r.screenHeight = kScreenHeight;
    return r;
}

void BM_LoadFitReduceCutAndScatter(benchmark::State& state) {
    const std::string& path = photoPath();
    int pieces = 0;
    for (auto _ : state) {
        PictureLoader::Request request;
        request.path = path;
        request.clientRight = kScreenWidth;
        request.clientBottom = kScreenHeight;
        PictureLoader::Result result;
        if (!PictureLoader::Load(request, {}, result, nullptr)) {
            state.SkipWithError("the photo did not load");
            return;
        }
        const auto puzzle =
            PuzzleBuilder::Build(result.bitmap, requestFor(result.bitmap), {}, nullptr);
        pieces = puzzle->pieceCount;
        IMGFree(result.slot);
    }
    state.counters["pieces"] = pieces;
}
BENCHMARK(BM_LoadFitReduceCutAndScatter)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_DragStepOnAThousandPieceTable(benchmark::State& state) {
    platform::Surface picture(1280, 800, 0x406080);
    PuzzleBuilder::Request request = requestFor(picture);
    request.placement.anywhere = true;
    request.placement.visibleOnly = false;
    const auto puzzle = PuzzleBuilder::Build(picture, request, {}, nullptr);
    sprites::SpriteStore& store = *puzzle->store;
    platform::Surface window(kScreenWidth, kScreenHeight);
    sprites::Sprite* s = store.at(store.count() / 2);
    store.setHeld(s);
    store.bringToFront(s);
    int step = 0;
    for (auto _ : state) {
        const int x = 400 + (step % 200);
        const int y = 300 + (step % 150);
        store.moveHeldToPointer(&window, x, y);
        ++step;
    }
    state.counters["pieces"] = puzzle->pieceCount;
}
BENCHMARK(BM_DragStepOnAThousandPieceTable)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitPictloadLib();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
