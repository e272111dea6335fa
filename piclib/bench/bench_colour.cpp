// Colour reduction of a 12-megapixel photograph: the three methods of the
// picture library beside libimagequant's default quantize + dithered remap.
// The photograph is the file named by TESSELLA_BENCH_PICTURE (default: the
// Hubble deep field of the shared assets) scaled to 4000 x 3000. Counters:
// wall-clock and process CPU milliseconds per megapixel (libimagequant may
// use several threads) and the PSNR of the result against the photograph.

#include <benchmark/benchmark.h>
#include <libimagequant.h>

#include <QImage>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "../src/ColourReduction.h"

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr double kMegapixels = kWidth * kHeight / 1e6;

struct Photo {
    platform::PackedDib dib;         // 24-bit, bottom-up
    std::vector<std::uint8_t> rgba;  // top-down, for libimagequant
};

const Photo& photo() {
    static const Photo p = [] {
        const char* name = std::getenv("TESSELLA_BENCH_PICTURE");
        QImage image(name ? name : "/work/shared/assets/pictures/hubble_deep_field.jpg");
        Photo made;
        if (image.isNull()) {
            return made;
        }
        image = image.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB888);
        made.dib = platform::PackedDib::create(kWidth, kHeight, 24);
        made.rgba.resize(4 * static_cast<std::size_t>(kWidth) * kHeight);
        for (int y = 0; y < kHeight; ++y) {
            const uchar* in = image.constScanLine(y);
            std::uint8_t* bgr = made.dib.row(y);
            std::uint8_t* rgba = made.rgba.data() + 4 * static_cast<std::size_t>(kWidth) * y;
            for (int x = 0; x < kWidth; ++x) {
                bgr[3 * x] = in[3 * x + 2];
                bgr[3 * x + 1] = in[3 * x + 1];
                bgr[3 * x + 2] = in[3 * x];
                rgba[4 * x] = in[3 * x];
                rgba[4 * x + 1] = in[3 * x + 1];
                rgba[4 * x + 2] = in[3 * x + 2];
                rgba[4 * x + 3] = 255;
            }
        }
        return made;
    }();
    return p;
}

// Peak signal-to-noise ratio in dB of indices through palette (red, green,
// blue at 3 * index) against the photograph; rowAt(y) gives the indices of
// row y counted from the top.
template <class RowAt>
double psnr(const std::vector<int>& palette, RowAt rowAt) {
    double squared = 0;
    const platform::PackedDib& dib = photo().dib;
    for (int y = 0; y < kHeight; ++y) {
        const std::uint8_t* bgr = dib.row(y);
        const std::uint8_t* indices = rowAt(y);
        for (int x = 0; x < kWidth; ++x) {
            const int i = 3 * indices[x];
            for (int c = 0; c < 3; ++c) {
                const double d = palette[i + c] - bgr[3 * x + 2 - c];
                squared += d * d;
            }
        }
    }
    const double mse = squared / (3.0 * kWidth * kHeight);
    return 10.0 * std::log10(255.0 * 255.0 / mse);
}

// Wall-clock and process CPU time (all threads) of the measured work.
struct Stopwatch {
    double wall = 0;
    double cpu = 0;

    static double processCpu() {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
    }
    template <class Work>
    void measure(Work work) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = processCpu();
        work();
        cpu += processCpu() - cpuStart;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
};

void report(benchmark::State& state, const Stopwatch& watch, double quality) {
    const double megapixels = static_cast<double>(state.iterations()) * kMegapixels;
    state.counters["ms_per_MP"] = 1000.0 * watch.wall / megapixels;
    state.counters["cpu_ms_per_MP"] = 1000.0 * watch.cpu / megapixels;
    state.counters["PSNR_dB"] = quality;
}

void BM_ReduceColourDepth(benchmark::State& state) {
    if (photo().dib.isNull()) {
        state.SkipWithError("photograph not found");
        return;
    }
    const int method = static_cast<int>(state.range(0));
    platform::PackedDib result;
    Stopwatch watch;
    for (auto _ : state) {
        watch.measure(
            [&] { result = piclib::ReduceColourDepth(photo().dib, 8, method, nullptr, nullptr); });
        benchmark::DoNotOptimize(result.data());
    }
    std::vector<int> palette;
    for (std::uint32_t i = 0; i < 256; ++i) {
        const platform::RgbQuad q = result.colour(i);
        palette.insert(palette.end(), {q.red, q.green, q.blue});
    }
    report(state, watch, psnr(palette, [&](int y) { return result.row(y); }));
}
BENCHMARK(BM_ReduceColourDepth)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_LibImageQuantDefault(benchmark::State& state) {
    if (photo().dib.isNull()) {
        state.SkipWithError("photograph not found");
        return;
    }
    std::vector<std::uint8_t> indices(static_cast<std::size_t>(kWidth) * kHeight);
    std::vector<int> palette;
    Stopwatch watch;
    for (auto _ : state) {
        liq_attr* attr = liq_attr_create();
        liq_image* image = nullptr;
        liq_result* result = nullptr;
        liq_error error = LIQ_OK;
        watch.measure([&] {
            image = liq_image_create_rgba(attr, photo().rgba.data(), kWidth, kHeight, 0);
            error = liq_image_quantize(image, attr, &result);
            if (error == LIQ_OK) {
                liq_set_dithering_level(result, 1.0f);
                error = liq_write_remapped_image(result, image, indices.data(), indices.size());
            }
        });
        if (error == LIQ_OK) {
            const liq_palette* p = liq_get_palette(result);
            palette.clear();
            for (unsigned i = 0; i < 256; ++i) {
                const liq_color c = i < p->count ? p->entries[i] : liq_color{0, 0, 0, 255};
                palette.insert(palette.end(), {c.r, c.g, c.b});
            }
        }
        if (result != nullptr) {
            liq_result_destroy(result);
        }
        liq_image_destroy(image);
        liq_attr_destroy(attr);
        if (error != LIQ_OK) {
            state.SkipWithError("quantization failed");
            return;
        }
        benchmark::DoNotOptimize(indices.data());
    }
    if (!palette.empty()) {
        report(state, watch, psnr(palette, [&](int y) {
                   return indices.data() + static_cast<std::size_t>(y) * kWidth;
               }));
    }
}
BENCHMARK(BM_LibImageQuantDefault)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
