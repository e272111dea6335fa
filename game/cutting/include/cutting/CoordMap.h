#pragma once

#include <cstdint>
#include <vector>

namespace cutting {

// A zoom map or inverse zoom map: a table of signed 16-bit entries that turns
// a coordinate of one space into the other, used for both axes. The table
// covers the indices first() to last(); an index outside that range is clamped
// to the nearest end, so a run beyond the table collapses to nothing instead
// of reading outside it. A map without entries passes coordinates unchanged.
// Entries never decrease from one index to the next, as for every zoom.
class CoordMap {
  public:
    CoordMap() = default;
    CoordMap(int first, std::vector<std::int16_t> entries)
        : first_(first), entries_(std::move(entries)) {}

    int operator[](int i) const {
        if (entries_.empty()) {
            return i;
        }
        int k = i - first_;
        if (k < 0) {
            k = 0;
        } else if (k >= static_cast<int>(entries_.size())) {
            k = static_cast<int>(entries_.size()) - 1;
        }
        return entries_[static_cast<std::size_t>(k)];
    }

    int first() const { return first_; }
    int last() const { return first_ + static_cast<int>(entries_.size()) - 1; }
    // Entry 100 below 100: several table pixels fall on one screen pixel.
    bool reduces() const { return (*this)[100] < 100; }
    // Entry 111 equal to 111 marks a map that leaves coordinates as they are.
    bool keepsCoordinates() const { return (*this)[111] == 111; }

  private:
    int first_ = 0;
    std::vector<std::int16_t> entries_;
};

}  // namespace cutting
