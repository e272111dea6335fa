#pragma once

#include <map>

#include "platform/PackedDib.h"

class QWidget;

namespace imagelib {

// One loaded picture: its packed bitmap (24 bits, or 8 bits with a colour
// table, rows bottom-up) and the display settings stored with it.
struct Slot {
    platform::PackedDib dib;
    std::uint16_t displayOption = 0;
    QWidget* window = nullptr;
    int windowMode = 0;
};

// The numbered slots of the library. Numbers are the smallest free ones, so a
// freed number is handed out again. Only the window thread uses the table.
class SlotTable {
  public:
    int add(platform::PackedDib dib);
    Slot* find(int slot);
    void remove(int slot);

  private:
    std::map<int, Slot> slots_;
};

SlotTable& slotTable();

}  // namespace imagelib
