#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "WaveRecord.h"

namespace bkit {

// The 1,024 entries of playing waves. Entries 0..4 belong to the output
// ring (kept by the engine itself); memory-wave instances use 5..1023, so at
// most 1,019 play at once. Scans run from 5 to below the high-water mark.
class SlotTable {
  public:
    static constexpr int kSlots = 1024;
    static constexpr int kFirst = 5;

    int highWater() const { return highWater_; }
    WaveRecord* at(int slot) const { return slots_[slot].get(); }
    // Puts an instance into the first empty entry; false (the instance is
    // released) when all are taken.
    bool put(std::unique_ptr<WaveRecord> wave);
    std::unique_ptr<WaveRecord> take(int slot);
    // The entry of the instance with that play id, or -1.
    int find(std::uint32_t playId) const;
    bool empty() const { return highWater_ == kFirst; }
    void clear();

  private:
    void lowerHighWater();

    std::array<std::unique_ptr<WaveRecord>, kSlots> slots_;
    int highWater_ = kFirst;
};

}  // namespace bkit
