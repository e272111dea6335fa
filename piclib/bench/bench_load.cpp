// Loading a 12-megapixel JPEG and fitting it to a 1920 x 1080 window, at each
// loading priority (1 speed, 2 medium, 3 quality).

#include <benchmark/benchmark.h>

#include <QImage>
#include <QImageWriter>
#include <cstdlib>
#include <string>

#include "PIXPICK32.h"
#include "imagelib.h"

namespace {

const std::string& pictureFile() {
    static const std::string path = [] {
        const std::string p = "/tmp/tessella_bench_12mp.jpg";
        // Smooth gradients with seeded noise, so the file compresses like a
        // photograph rather than a flat test card.
        QImage image(4000, 3000, QImage::Format_RGB32);
        std::srand(12);
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int noise = std::rand() % 24;
                row[x] = qRgb((x / 16 + noise) & 0xFF, (y / 12 + noise) & 0xFF,
                              ((x + y) / 28 + noise) & 0xFF);
            }
        }
        QImageWriter writer(QString::fromStdString(p), "jpeg");
        writer.setQuality(90);
        writer.write(image);
        return p;
    }();
    return path;
}

void BM_LoadAndFit(benchmark::State& state) {
    const std::string& path = pictureFile();
    IMGSetLoadingPriority(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const int handle = GetImageHandle(path.c_str());
        if (handle == 0) {
            state.SkipWithError("the picture could not be read");
            break;
        }
        int width = 1920;
        int height = 1080;
        CalculateSizeInAspect(handle, &width, &height);
        ResizePicture(handle, width, height);
        benchmark::DoNotOptimize(width);
        DeletePicture(handle);
    }
}

}  // namespace

BENCHMARK(BM_LoadAndFit)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->MinTime(3.0);

BENCHMARK_MAIN();
