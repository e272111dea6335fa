#include "SlotTable.h"

#include <utility>

namespace imagelib {

int SlotTable::add(platform::PackedDib dib) {
    int slot = 0;
    for (const auto& entry : slots_) {
        if (entry.first != slot) {
            break;
        }
        ++slot;
    }
    Slot s;
    s.dib = std::move(dib);
    slots_.emplace(slot, std::move(s));
    return slot;
}

Slot* SlotTable::find(int slot) {
    auto it = slots_.find(slot);
    return it == slots_.end() ? nullptr : &it->second;
}

void SlotTable::remove(int slot) {
    slots_.erase(slot);
}

SlotTable& slotTable() {
    static SlotTable table;
    return table;
}

}  // namespace imagelib
