#include "PictureHandle.h"

#include <cstring>

#include "imagelib.h"

namespace piclib {

platform::PackedDib copyPicture(int handle) {
    const std::uint8_t* block = IMGGetDib(slotOf(handle), nullptr, nullptr, nullptr);
    if (block == nullptr) {
        return {};
    }
    return platform::PackedDib::fromBlock({block, block + IMGGetDibSize(slotOf(handle))});
}

bool storePicture(int handle, const platform::PackedDib& dib) {
    std::uint8_t* block = IMGGetDib(slotOf(handle), nullptr, nullptr, nullptr);
    if (block == nullptr || IMGGetDibSize(slotOf(handle)) != dib.size() ||
        std::memcmp(block, dib.data(), platform::BitmapInfoHeader::kBytes) != 0) {
        return false;
    }
    std::memcpy(block, dib.data(), dib.size());
    return true;
}

int newPicture(const platform::PackedDib& dib) {
    const int slot = IMGCreateFromDib(dib.data(), static_cast<std::uint32_t>(dib.size()));
    return slot < 0 ? 0 : slot + 1;
}

}  // namespace piclib
