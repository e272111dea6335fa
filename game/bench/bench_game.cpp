// Loading a photo for a game and cutting it into 1,000 pieces, and one drag
// step on a table of 1,000 pieces. Then the whole road of a game through the
// real workspace view on the offscreen platform: a photo file loaded (fitted to
// a 1920 x 1080 window, or kept at full size), cut with every piece shown as
// it is made, and scattered; and for the full-size game of 10,000 pieces one
// drag step and the full redraw of the window, at normal size and zoomed out
// until every piece is in sight. The view benchmarks report the load and the
// cut (Play -> playable) apart, the cut also in CPU time, and the process's
// peak memory.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

#include "PIXPICK32.h"
#include "app/CJigsawApp.h"
#include "app/CJigsawDoc.h"
#include "app/CMainFrame.h"
#include "commands/CommandIds.h"
#include "imagelib.h"
#include "model/PuzzleBuilder.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"
#include "sprites/SpriteStore.h"
#include "view/CJigsawView.h"
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

// A 12-megapixel photograph: a shipped one enlarged to 4000 x 3000 and
// written once as a JPEG file.
const std::string& viewPhotoPath() {
    static const std::string path = [] {
        const QImage source(QStringLiteral(TESSELLA_SOURCE_DIR) +
                            "/data/pictures/source/hubble_deep_field.jpg");
        const QImage photo =
            source.scaled(4000, 3000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const std::string file = QDir::tempPath().toStdString() + "/tessella_bench_view.jpg";
        photo.save(QString::fromStdString(file), "JPG", 90);
        return file;
    }();
    return path;
}

// CPU time of the whole process in ms: on a shared machine the wall time
// also counts the other processes' turns.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double peakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// One program's worth of application, frame and view with its own settings.
class Game {
  public:
    Game(int pieceSize, bool fitToWindow) {
        SetIniPath(dir_.filePath("Quiet.Ini").toStdString());
        WriteIniInt(pieceSize, keys::kOn, keys::kOff, keys::kPieceSize);
        app_ = std::make_unique<CJigsawApp>(argc_, argv_);
        app_->prefs.adjustOriginal = fitToWindow ? 1 : 0;
        frame_ = std::make_unique<CMainFrame>(&doc_);
        frame_->resize(1920, 1080);
        frame_->show();
        view_ = frame_->view();
        view_->soundOptions() =
            CSoundOptions([](const char*, unsigned) { return 1; }, [](unsigned) {});
        QApplication::processEvents();
    }
    ~Game() { SetIniPath(dir_.filePath("gone/Quiet.Ini").toStdString()); }
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    CJigsawView& view() { return *view_; }

  private:
    QTemporaryDir dir_;
    int argc_ = 1;
    char name_[11] = "bench_view";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<CJigsawApp> app_;
    CJigsawDoc doc_;
    std::unique_ptr<CMainFrame> frame_;
    CJigsawView* view_ = nullptr;
};

// Picture file -> shown picture -> cut with display -> scattered pieces, on
// the real view. Counters: load and cut in ms, pieces, peak memory in MiB.
void playFromFile(benchmark::State& state, int pieceSize, bool fitToWindow) {
    const std::string& path = viewPhotoPath();
    double loadMs = 0;
    double cutMs = 0;
    double cutCpuMs = 0;
    int pieces = 0;
    for (auto _ : state) {
        Game game(pieceSize, fitToWindow);
        QElapsedTimer clock;
        clock.start();
        game.view().loadPictureFile(QString::fromStdString(path));
        loadMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
        clock.restart();
        const double cpuBefore = cpuMs();
        game.view().startGame(4321);
        QApplication::processEvents();
        cutMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
        cutCpuMs += cpuMs() - cpuBefore;
        const auto* puzzle = game.view().session().puzzle();
        if (puzzle == nullptr) {
            state.SkipWithError("the photo was not cut");
            return;
        }
        pieces = puzzle->pieceCount;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["load_ms"] = loadMs / runs;
    state.counters["play_to_playable_ms"] = cutMs / runs;
    state.counters["play_to_playable_cpu_ms"] = cutCpuMs / runs;
    state.counters["pieces"] = pieces;
    state.counters["peak_MiB"] = peakMiB();
}

// About 1,000 pieces of 19 pixels from the photo fitted to the window.
void BM_ViewPlayFittedThousand(benchmark::State& state) {
    playFromFile(state, 19, true);
}
BENCHMARK(BM_ViewPlayFittedThousand)->Unit(benchmark::kMillisecond)->Iterations(3);

// About 10,000 pieces of 34 pixels from the full-size photo.
void BM_ViewPlayFullSizeTenThousand(benchmark::State& state) {
    playFromFile(state, 34, false);
}
BENCHMARK(BM_ViewPlayFullSizeTenThousand)->Unit(benchmark::kMillisecond)->Iterations(2);

// The full-size 10,000-piece game, cut and scattered once for the benchmarks
// that follow; main frees it before the application ends.
std::unique_ptr<Game> tenThousand;

CJigsawView& tenThousandView() {
    if (!tenThousand) {
        tenThousand = std::make_unique<Game>(34, false);
        tenThousand->view().loadPictureFile(QString::fromStdString(viewPhotoPath()));
        tenThousand->view().startGame(4321);
        QApplication::processEvents();
    }
    return tenThousand->view();
}

// Normal size showing the heap where the cut left it, or zoomed out step by
// step until the whole table fits the window.
void zoomTenThousand(bool out) {
    CJigsawView& view = tenThousandView();
    const Puzzle& puzzle = *view.session().puzzle();
    view.onCommand(cmd::kNormalSize);
    if (!out) {
        view.horizontalScrollBar()->setValue(puzzle.scrollX);
        view.verticalScrollBar()->setValue(puzzle.scrollY);
    }
    for (int step = 0; out && step < puzzle.largestZoomOut; ++step) {
        view.onCommand(cmd::kZoomOut);
    }
    QApplication::processEvents();
}

// One drag step of a piece over the heap, at normal size.
void BM_ViewTenThousandDragStep(benchmark::State& state) {
    CJigsawView& view = tenThousandView();
    zoomTenThousand(false);
    sprites::SpriteStore& store = *view.session().store();
    platform::Surface window(view.windowSurface().width(), view.windowSurface().height());
    sprites::Sprite* s = store.at(store.count() / 2);
    store.setHeld(s);
    int step = 0;
    for (auto _ : state) {
        store.moveHeldToPointer(&window, 400 + step % 200, 300 + step % 150);
        ++step;
    }
    store.releaseHeld();
    state.counters["pieces"] = store.count();
}
BENCHMARK(BM_ViewTenThousandDragStep)->Unit(benchmark::kMicrosecond);

// The table's off-screen picture repainted for the whole window and copied
// to the window surface, at normal size (arg 0) and zoomed out until all
// 10,000 pieces are in sight (arg 1).
void BM_ViewTenThousandFullRedraw(benchmark::State& state) {
    CJigsawView& view = tenThousandView();
    zoomTenThousand(state.range(0) != 0);
    sprites::SpriteStore& store = *view.session().store();
    platform::Surface& window = view.windowSurface();
    for (auto _ : state) {
        store.scrollTo(store.scrollX(), store.scrollY(), true);
        store.showBuffer(window);
    }
    state.counters["window_w"] = window.width();
    state.counters["window_h"] = window.height();
}
BENCHMARK(BM_ViewTenThousandFullRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What the player waits for: the view's whole redraw and its repaint on the
// screen, at normal size (arg 0) and zoomed out (arg 1).
void BM_ViewTenThousandRedrawShown(benchmark::State& state) {
    CJigsawView& view = tenThousandView();
    zoomTenThousand(state.range(0) != 0);
    for (auto _ : state) {
        view.redrawAll();
        view.viewport()->repaint();
    }
}
BENCHMARK(BM_ViewTenThousandRedrawShown)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitPictloadLib();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    tenThousand.reset();
    benchmark::Shutdown();
    return 0;
}
