#include <map>
#include <vector>

#include "imagelib.h"
#include "platform/PackedDib.h"

namespace {

std::map<int, platform::PackedDib>& slots() {
    static std::map<int, platform::PackedDib> table;
    return table;
}

}  // namespace

extern "C" {

int IMGCreateFromDib(const std::uint8_t* packedDib, std::uint32_t size) {
    if (packedDib == nullptr) {
        return -1;
    }
    auto dib = platform::PackedDib::fromBlock({packedDib, packedDib + size});
    if (dib.isNull()) {
        return -1;
    }
    int slot = 0;
    while (slots().count(slot) != 0) {
        ++slot;
    }
    slots().emplace(slot, std::move(dib));
    return slot;
}

void IMGFree(int slot) { slots().erase(slot); }
}
