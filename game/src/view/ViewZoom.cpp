#include "view/ViewZoom.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "model/Puzzle.h"

namespace {

// The factor raised to level, in thousandths, truncated.
int Thousandths(double step, int level) {
    double f = 1.0;
    for (int i = 0; i < level; ++i) {
        f *= step;
    }
    return static_cast<int>(f * 1000.0);
}

// i * num / den rounded half up, for i >= 0.
int RoundedRatio(int i, int num, int den) {
    const long long n = static_cast<long long>(i) * num;
    return static_cast<int>((2 * n + den) / (2LL * den));
}

// Entries -n .. n-1 with entry -i the negative of entry i.
cutting::CoordMap SymmetricMap(int n, const std::vector<std::int16_t>& positive) {
    std::vector<std::int16_t> entries(static_cast<std::size_t>(2 * n));
    for (int i = 0; i < n; ++i) {
        entries[static_cast<std::size_t>(n + i)] = positive[static_cast<std::size_t>(i)];
        entries[static_cast<std::size_t>(n - i)] =
            static_cast<std::int16_t>(-positive[static_cast<std::size_t>(i)]);
    }
    entries[0] = static_cast<std::int16_t>(-positive.back());
    return cutting::CoordMap(-n, std::move(entries));
}

}  // namespace

ViewZoom::Maps ViewZoom::ZoomOutMaps(int level, int screenWidth, int tableWidth, int tableHeight) {
    const int k = Thousandths(1.414, level);
    const int n = screenWidth + std::max(tableWidth, tableHeight) + 10;
    std::vector<std::int16_t> zoom(static_cast<std::size_t>(n));
    std::vector<std::int16_t> inverse(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        zoom[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(RoundedRatio(i, 1000, k));
        inverse[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>(static_cast<long long>(i) * k / 1000);
    }
    // Every table coordinate where the screen coordinate steps up is the
    // table coordinate of the next screen pixel.
    std::size_t next = 0;
    for (int i = 1; i < n; ++i) {
        if (zoom[static_cast<std::size_t>(i)] != zoom[static_cast<std::size_t>(i - 1)]) {
            inverse[next++] = static_cast<std::int16_t>(i);
        }
    }
    return {SymmetricMap(n, zoom), cutting::CoordMap(0, std::move(inverse))};
}

ViewZoom::Maps ViewZoom::ZoomInMaps(int level, int screenWidth, int tableWidth, int tableHeight) {
    const int k = Thousandths(1.25, std::min(level, kMaxZoomIn));
    const int n = screenWidth + std::max(tableWidth, tableHeight);
    std::vector<std::int16_t> zoom(static_cast<std::size_t>(n));
    std::vector<std::int16_t> inverse(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        zoom[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>(static_cast<long long>(i) * k / 1000);
        inverse[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(RoundedRatio(i, 1000, k));
    }
    return {SymmetricMap(n, zoom), cutting::CoordMap(0, std::move(inverse))};
}

bool ViewZoom::ZoomOut(Puzzle& puzzle, platform::Surface* picture, int screenWidth) {
    if (inLevel_ > 0) {
        --inLevel_;
    } else if (outLevel_ < puzzle.largestZoomOut) {
        ++outLevel_;
    } else {
        return false;
    }
    apply(puzzle, picture, screenWidth);
    return true;
}

bool ViewZoom::ZoomIn(Puzzle& puzzle, platform::Surface* picture, int screenWidth) {
    if (outLevel_ > 0) {
        --outLevel_;
    } else if (inLevel_ < kMaxZoomIn) {
        ++inLevel_;
    } else {
        return false;
    }
    apply(puzzle, picture, screenWidth);
    return true;
}

void ViewZoom::Normal(Puzzle& puzzle, platform::Surface* picture) {
    Reset();
    if (puzzle.store) {
        puzzle.store->setZoomMaps(nullptr, nullptr);
        puzzle.store->setPicture(picture);
        puzzle.store->repaintLockedBevels();
    }
}

void ViewZoom::Reset() {
    outLevel_ = 0;
    inLevel_ = 0;
    maps_ = Maps{};
    zoomed_ = platform::Surface();
}

void ViewZoom::apply(Puzzle& puzzle, platform::Surface* picture, int screenWidth) {
    if (!active()) {
        Normal(puzzle, picture);
        return;
    }
    maps_ = outLevel_ > 0
                ? ZoomOutMaps(outLevel_, screenWidth, puzzle.workspaceWidth, puzzle.workspaceHeight)
                : ZoomInMaps(inLevel_, screenWidth, puzzle.workspaceWidth, puzzle.workspaceHeight);
    const int w = std::max(1, maps_.zoom[picture->width()]);
    const int h = std::max(1, maps_.zoom[picture->height()]);
    zoomed_ = platform::Surface(w, h);
    zoomed_.stretch({0, 0, w, h}, *picture, {0, 0, picture->width(), picture->height()});
    if (puzzle.lowerRightRims.allocated()) {
        puzzle.lowerRightRims.drawLines(zoomed_, 0, 0, 0x808080, &maps_.zoom, 2);
    }
    if (puzzle.upperLeftRims.allocated()) {
        puzzle.upperLeftRims.drawLines(zoomed_, 0, 0, 0xC0C0C0, &maps_.zoom, 1);
    }
    if (puzzle.store) {
        puzzle.store->setPicture(&zoomed_);
        puzzle.store->setZoomMaps(&maps_.zoom, &maps_.inverse);
        puzzle.store->repaintLockedBevels();
    }
}
