#include "HistogramBoxes.h"

#include <utility>

#include "ColourTables.h"
#include "HistogramDirections.h"

namespace piclib {

HistogramBoxes::HistogramBoxes() : cells_(kCells) {}

bool HistogramBoxes::build(ReduceSource& source, ReduceReporter& reporter) {
    const long rows = source.rows();
    return count(source, reporter) && rankAll(reporter, rows) && merge(reporter, rows);
}

// Counts in 32 bits: with the cap a cell's sums stay below 8,000,000 * 255.
bool HistogramBoxes::count(ReduceSource& source, ReduceReporter& reporter) {
    std::vector<std::array<std::uint32_t, 4>> tally(kCells);  // count, red, green, blue
    const long rows = source.rows();
    for (int y = 0; y < rows; ++y) {
        const std::uint8_t* p = source.row(y);
        for (int x = 0; x < source.width(); ++x, p += 3) {
            const int cell = ((p[2] >> 4) << 8) | (p[1] & 0xF0) | (p[0] >> 4);
            std::array<std::uint32_t, 4>& t = tally[cell];
            if (t[0] + 1 < kCap) {
                ++t[0];
                t[1] += p[2];
                t[2] += p[1];
                t[3] += p[0];
            }
        }
        if (!reporter.report(y / 4, 2 * rows)) {
            return false;
        }
    }
    for (int i = 0; i < kCells; ++i) {
        Cell& cell = cells_[i];
        cell.count = tally[i][0];
        cell.sum = {tally[i][1], tally[i][2], tally[i][3]};
        if (cell.count != 0) {
            updateMean(cell);
        }
    }
    return true;
}

// Ranks every cell, red slab by red slab from the top of colour space down.
bool HistogramBoxes::rankAll(ReduceReporter& reporter, long rows) {
    for (int cell = kCells - 1; cell >= 0; --cell) {
        if (cells_[cell].count != 0) {
            rank(cell);
            insert(cell);
            ++live_;
        }
        if (cell % 256 == 0) {
            const long slab = cell / 256;
            if (!reporter.report(rows / 2 - slab * (rows / 4) / 16, 2 * rows)) {
                return false;
            }
        }
    }
    initial_ = live_;
    return true;
}

bool HistogramBoxes::merge(ReduceReporter& reporter, long rows) {
    const HistogramDirections& directions = HistogramDirections::instance();
    while (live_ > kTarget && cells_[head_].direction != HistogramDirections::kNone) {
        int gone = head_;
        int kept = gone + directions[cells_[gone].direction].offset;
        if (cells_[kept].count < cells_[gone].count) {
            std::swap(gone, kept);
        }
        absorb(cells_[kept], cells_[gone]);
        relist(kept);
        unlink(gone);
        --live_;
        for (int d = 0; d < HistogramDirections::kCount; ++d) {
            const HistogramDirections::Direction& dir = directions[d];
            const int r = (gone >> 8) + dir.red;
            const int g = ((gone >> 4) & 15) + dir.green;
            const int b = (gone & 15) + dir.blue;
            if ((r | g | b) < 0 || r > 15 || g > 15 || b > 15) {
                continue;
            }
            const int neighbour = gone + dir.offset;
            if (cells_[neighbour].count != 0 && cells_[neighbour].direction == dir.opposite) {
                relist(neighbour);
            }
        }
        const long long done =
            rows + (rows / 2) * static_cast<long long>(kTarget - live_) / (initial_ - kTarget);
        if (!reporter.report(static_cast<long>(done), 2 * rows)) {
            return false;
        }
    }
    return true;
}

void HistogramBoxes::absorb(Cell& into, Cell& from) {
    into.count += from.count;
    for (int c = 0; c < 3; ++c) {
        into.sum[c] += from.sum[c];
    }
    updateMean(into);
    from.count = 0;
}

void HistogramBoxes::relist(int cell) {
    unlink(cell);
    rank(cell);
    insert(cell);
}

// Finds the cell's cheapest non-empty neighbour. A neighbour whose cost is
// higher, or whose own best direction points back here, takes the cost found
// for this pair; its direction and place in the list stay.
void HistogramBoxes::rank(int index) {
    const HistogramDirections& directions = HistogramDirections::instance();
    Cell& p = cells_[index];
    const int pr = index >> 8;
    const int pg = (index >> 4) & 15;
    const int pb = index & 15;
    std::uint64_t best = kNoCost;
    std::uint8_t bestDirection = HistogramDirections::kNone;
    for (int d = 0; d < HistogramDirections::kCount; ++d) {
        const HistogramDirections::Direction& dir = directions[d];
        const int r = pr + dir.red;
        const int g = pg + dir.green;
        const int b = pb + dir.blue;
        if ((r | g | b) < 0 || r > 15 || g > 15 || b > 15) {
            continue;
        }
        Cell& q = cells_[index + dir.offset];
        if (q.count == 0) {
            continue;
        }
        const std::uint64_t cost = mergeCost(p, q);
        if (cost < best) {
            best = cost;
            bestDirection = static_cast<std::uint8_t>(d);
        }
        if (cost < q.cost || q.direction == dir.opposite) {
            q.cost = cost;
        }
    }
    p.cost = best;
    p.direction = bestDirection;
}

// Squared error of both cells against their merged mean, weighted by counts.
std::uint64_t HistogramBoxes::mergeCost(const Cell& p, const Cell& q) const {
    const std::uint32_t* squares = ColourTables::instance().squares();
    const std::uint64_t total = p.count + q.count;
    std::uint64_t pError = 0;
    std::uint64_t qError = 0;
    for (int c = 0; c < 3; ++c) {
        const int merged = static_cast<int>((p.sum[c] + q.sum[c] + total / 2) / total);
        pError += squares[p.mean[c] - merged];
        qError += squares[q.mean[c] - merged];
    }
    return q.count * qError + p.count * pError;
}

// Inserts ahead of the first listed cell whose cost is equal or greater.
void HistogramBoxes::insert(int index) {
    Cell& cell = cells_[index];
    int before = kNoCell;
    int after = head_;
    while (after != kNoCell && cells_[after].cost < cell.cost) {
        before = after;
        after = cells_[after].next;
    }
    cell.previous = static_cast<std::int16_t>(before);
    cell.next = static_cast<std::int16_t>(after);
    if (before == kNoCell) {
        head_ = index;
    } else {
        cells_[before].next = static_cast<std::int16_t>(index);
    }
    if (after != kNoCell) {
        cells_[after].previous = static_cast<std::int16_t>(index);
    }
}

void HistogramBoxes::unlink(int index) {
    Cell& cell = cells_[index];
    if (cell.previous == kNoCell) {
        head_ = cell.next;
    } else {
        cells_[cell.previous].next = cell.next;
    }
    if (cell.next != kNoCell) {
        cells_[cell.next].previous = cell.previous;
    }
    cell.previous = cell.next = kNoCell;
}

void HistogramBoxes::updateMean(Cell& cell) {
    for (int c = 0; c < 3; ++c) {
        cell.mean[c] = static_cast<int>((cell.sum[c] + cell.count / 2) / cell.count);
    }
}

int HistogramBoxes::storeMeans(ReducePalette& palette) const {
    int index = kFirstIndex + live_ - 1;
    for (int cell = head_; cell != kNoCell; cell = cells_[cell].next, --index) {
        const Cell& c = cells_[cell];
        palette[index] = {c.mean[0], c.mean[1], c.mean[2]};
    }
    return live_;
}

}  // namespace piclib
