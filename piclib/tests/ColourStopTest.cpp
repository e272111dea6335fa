#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <set>
#include <utility>
#include <vector>

#include "../src/ColourReduction.h"
#include "ColourTestSupport.h"

// Counts the blocks alive in the whole process, so that a stopped reduction
// can be seen to free everything it allocated.
namespace {
std::atomic<long> liveBlocks{0};
}  // namespace

void* operator new(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    ++liveBlocks;
    return p;
}
void operator delete(void* p) noexcept {
    if (p != nullptr) {
        --liveBlocks;
        std::free(p);
    }
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

using Report = std::pair<long, long>;

struct Recorder {
    std::vector<Report> reports;  // reserved up front: recording must not allocate
    long stopAt = -1;             // report number that answers "stop"
};

int record(void* context, long done, long total) {
    auto* r = static_cast<Recorder*>(context);
    r->reports.emplace_back(done, total);
    return static_cast<long>(r->reports.size()) - 1 == r->stopAt ? 1 : 0;
}

std::vector<Report> reportsOf(const platform::PackedDib& source, int method) {
    Recorder r;
    r.reports.reserve(100000);
    EXPECT_FALSE(piclib::ReduceColourDepth(source, 8, method, record, &r).isNull());
    return r.reports;
}

int boxCount(const platform::PackedDib& source) {
    std::set<int> boxes;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const std::uint8_t* s = source.row(y) + 3 * x;
            boxes.insert((s[2] / 16) * 256 + (s[1] / 16) * 16 + s[0] / 16);
        }
    }
    return static_cast<int>(boxes.size());
}

}  // namespace

TEST(ColourStop, FixedMethodsReportEachPairOfRows) {
    for (int method = 1; method <= 2; ++method) {
        const std::vector<Report> five{{0, 4}, {2, 4}};
        EXPECT_EQ(five, reportsOf(colourtest::syntheticPicture(6, 5, 1), method));
        EXPECT_TRUE(reportsOf(colourtest::syntheticPicture(6, 1, 1), method).empty());
    }
}

TEST(ColourStop, OptimisedMethodReportsEveryPhase) {
    const int h = 121;
    const auto source = colourtest::syntheticPicture(160, h, 4);
    const int cells = boxCount(source);
    ASSERT_GT(cells, 226);
    const std::vector<Report> r = reportsOf(source, 3);
    ASSERT_EQ(static_cast<std::size_t>(h + 16 + (cells - 226) + h / 2), r.size());
    for (int y = 0; y < h; ++y) {
        EXPECT_EQ(Report(y / 4, 2 * h), r[y]);
    }
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(Report(h / 2 - (15 - i) * (h / 4) / 16, 2 * h), r[h + i]);
    }
    const std::size_t merges = h + 16;
    EXPECT_EQ(Report(h + (h / 2) * (226 - (cells - 1)) / (cells - 226), 2 * h), r[merges]);
    EXPECT_EQ(Report(h, 2 * h), r[merges + cells - 227]);
    const std::size_t pairs = merges + cells - 226;
    for (int p = 0; p < h / 2; ++p) {
        EXPECT_EQ(Report(120 + 2 * p, 240), r[pairs + p]);
    }
}

// Stopping at the first report of every phase (and at the last report) gives
// no result, no further reports and leaves no block allocated.
TEST(ColourStop, StopAnswerFreesEverythingAndReturnsNull) {
    const auto source = colourtest::syntheticPicture(160, 121, 4);
    const long total = static_cast<long>(reportsOf(source, 3).size());
    const long cells = boxCount(source);
    const std::vector<std::pair<int, long>> stops{
        {1, 0},        {1, 59}, {2, 30}, {3, 0}, {3, 121}, {3, 137}, {3, 137 + cells - 226},
        {3, total - 1}};
    for (const auto& [method, at] : stops) {
        Recorder r;
        r.reports.reserve(100000);
        r.stopAt = at;
        const long before = liveBlocks;
        EXPECT_TRUE(piclib::ReduceColourDepth(source, 8, method, record, &r).isNull());
        EXPECT_EQ(before, liveBlocks.load()) << method << " at " << at;
        EXPECT_EQ(static_cast<std::size_t>(at + 1), r.reports.size()) << method << " at " << at;
    }
}
