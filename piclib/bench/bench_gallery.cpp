// The gallery browser's grid on a gallery of 200 pictures (24-bit 100 x 76
// thumbnails): opening the file and drawing the first screen of thumbnails,
// and scrolling by one row onto thumbnails not read before. Runs on Qt's
// offscreen platform; the grid shows four columns and three rows.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QScrollBar>

#include "GalleryWriter.h"
#include "dialogs/GalleryGrid.h"
#include "platform/PackedDib.h"

namespace {

constexpr int kPictures = 200;
const std::string kPath = "/tmp/tessella_bench_gallery.tmb";

void writeGallery() {
    static bool written = false;
    if (written) {
        return;
    }
    piclib::GalleryWriter w;
    w.header.description = "Benchmark";
    w.selectedCell.thumbnail = platform::PackedDib::create(120, 112, 24).block();
    w.normalCell.thumbnail = platform::PackedDib::create(120, 112, 24).block();
    for (int i = 0; i < kPictures; ++i) {
        piclib::GalleryWriter::Item item;
        item.entry.titles[0] = "Picture " + std::to_string(i);
        item.entry.titleRectangle = {2, 88, 118, 106};
        item.entry.thumbnailTop = 8;
        platform::PackedDib thumb = platform::PackedDib::create(100, 76, 24);
        for (int y = 0; y < 76; ++y) {
            std::fill_n(thumb.row(y), 300, static_cast<std::uint8_t>(i + y));
        }
        item.thumbnail = thumb.block();
        w.pictures.push_back(std::move(item));
    }
    w.write(kPath);
    written = true;
}

piclib::GalleryGrid& grid() {
    static piclib::GalleryGrid* g = [] {
        auto* widget = new piclib::GalleryGrid(nullptr);
        widget->resize(506, 360);
        widget->show();
        QCoreApplication::processEvents();
        return widget;
    }();
    return *g;
}

// Draws what the grid shows now, as a repaint would.
void drawGrid(QImage& into) {
    grid().viewport()->render(&into);
}

void BM_GalleryOpenFirstScreen(benchmark::State& state) {
    writeGallery();
    QImage screen(grid().viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        grid().setGallery(piclib::GalleryFile::open(kPath), 'E');
        grid().select(0);
        drawGrid(screen);
    }
}
BENCHMARK(BM_GalleryOpenFirstScreen)->Unit(benchmark::kMillisecond);

void BM_GalleryScrollOneRow(benchmark::State& state) {
    writeGallery();
    QImage screen(grid().viewport()->size(), QImage::Format_RGB32);
    QScrollBar* bar = grid().verticalScrollBar();
    grid().setGallery(piclib::GalleryFile::open(kPath), 'E');
    drawGrid(screen);
    for (auto _ : state) {
        if (bar->value() == bar->maximum()) {
            state.PauseTiming();
            grid().setGallery(piclib::GalleryFile::open(kPath), 'E');
            drawGrid(screen);
            state.ResumeTiming();
        }
        bar->setValue(bar->value() + 1);
        drawGrid(screen);
    }
}
BENCHMARK(BM_GalleryScrollOneRow)->Unit(benchmark::kMillisecond);

}  // namespace
