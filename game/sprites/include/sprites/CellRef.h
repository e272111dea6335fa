#pragma once

#include <cstdint>

namespace sprites {

// One grid cell held by a group: 4 bytes in the saved form.
struct CellRef {
    std::int16_t column = 0;
    std::int16_t row = 0;
    bool operator==(const CellRef&) const = default;
};

}  // namespace sprites
