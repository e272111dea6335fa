#include "SlotTable.h"

namespace bkit {

bool SlotTable::put(std::unique_ptr<WaveRecord> wave) {
    for (int s = kFirst; s < kSlots; ++s) {
        if (!slots_[s]) {
            slots_[s] = std::move(wave);
            if (highWater_ < s + 1) {
                highWater_ = s + 1;
            }
            return true;
        }
    }
    return false;
}

std::unique_ptr<WaveRecord> SlotTable::take(int slot) {
    std::unique_ptr<WaveRecord> wave = std::move(slots_[slot]);
    lowerHighWater();
    return wave;
}

int SlotTable::find(std::uint32_t playId) const {
    for (int s = kFirst; s < highWater_; ++s) {
        if (slots_[s] && slots_[s]->playId == playId) {
            return s;
        }
    }
    return -1;
}

void SlotTable::clear() {
    for (auto& slot : slots_) {
        slot.reset();
    }
    highWater_ = kFirst;
}

void SlotTable::lowerHighWater() {
    while (highWater_ > kFirst && !slots_[highWater_ - 1]) {
        --highWater_;
    }
}

}  // namespace bkit
