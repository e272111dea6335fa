// Cost of one progress report to the progress frame: a report that changes
// the percentage (text box, bar part and the two repaints) and one that
// repeats it (nothing drawn). Runs on Qt's offscreen platform.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QWidget>

#include "PictControls.h"

namespace {

QWidget& parentWindow() {
    static QWidget* window = [] {
        auto* w = new QWidget;
        w->resize(420, 60);
        w->show();
        QCoreApplication::processEvents();
        return w;
    }();
    return *window;
}

void BM_ProgressChangingPercent(benchmark::State& state) {
    QWidget* frame = piclib::createProgressFrame(QRect(10, 20, 400, 20), &parentWindow());
    piclib::setProgressRange(frame, 0, 100);
    piclib::setProgressLabel(frame, QStringLiteral("Loading"));
    long value = 0;
    for (auto _ : state) {
        value = value % 100 + 1;
        benchmark::DoNotOptimize(piclib::drawProgress(frame, value));
    }
    delete frame;
}
BENCHMARK(BM_ProgressChangingPercent);

void BM_ProgressRepeatedPercent(benchmark::State& state) {
    QWidget* frame = piclib::createProgressFrame(QRect(10, 20, 400, 20), &parentWindow());
    piclib::setProgressRange(frame, 0, 1000000);
    piclib::setProgressLabel(frame, QStringLiteral("Loading"));
    piclib::drawProgress(frame, 500000);
    long value = 500000;
    for (auto _ : state) {
        // Every value here is 50 %.
        value = value == 500000 ? 500001 : 500000;
        benchmark::DoNotOptimize(piclib::drawProgress(frame, value));
    }
    delete frame;
}
BENCHMARK(BM_ProgressRepeatedPercent);

}  // namespace
