#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "HistogramDirections.h"
#include "ReduceFrame.h"
#include "ReduceReporter.h"
#include "ReduceSource.h"

namespace piclib {

// Chooses the colours of the optimised palette: counts the picture's pixels
// in 16 x 16 x 16 boxes of colour space (cells), then merges the cheapest
// pair of neighbouring cells until at most 226 are left; their mean colours
// become the palette.
class HistogramBoxes {
  public:
    static constexpr int kTarget = 226;             // colours kept after merging
    static constexpr int kFirstIndex = 10;          // palette index of the last cell
    static constexpr std::uint32_t kCap = 8000000;  // a cell stops growing below this count

    // Allocates the 4096 cells; throws std::bad_alloc when memory is short.
    HistogramBoxes();

    // Counts, ranks and merges. Progress runs against twice the height.
    // Returns false when the caller asked to stop.
    bool build(ReduceSource& source, ReduceReporter& reporter);

    // Writes the cells' means into palette, the first cell of the cost order
    // at index 10 + n - 1 down to the last at 10; returns n.
    int storeMeans(ReducePalette& palette) const;

    // Cells holding pixels after counting and after merging.
    int initialCells() const { return initial_; }
    int liveCells() const { return live_; }

  private:
    static constexpr int kCells = 4096;
    static constexpr std::uint64_t kNoCost = ~std::uint64_t{0};
    static constexpr std::int16_t kNoCell = -1;

    struct Cell {
        std::uint64_t count = 0;
        std::array<std::uint64_t, 3> sum{};  // red, green, blue
        std::uint64_t cost = kNoCost;
        std::array<int, 3> mean{};
        std::uint8_t direction = HistogramDirections::kNone;
        std::int16_t previous = kNoCell;  // links of the cost-ordered list
        std::int16_t next = kNoCell;
    };

    bool count(ReduceSource& source, ReduceReporter& reporter);
    bool rankAll(ReduceReporter& reporter, long rows);
    bool merge(ReduceReporter& reporter, long rows);
    void absorb(Cell& into, Cell& from);
    void relist(int cell);
    void rank(int cell);
    std::uint64_t mergeCost(const Cell& p, const Cell& q) const;
    void insert(int cell);
    void unlink(int cell);
    static void updateMean(Cell& cell);

    std::vector<Cell> cells_;
    int head_ = kNoCell;
    int live_ = 0;
    int initial_ = 0;
};

}  // namespace piclib
