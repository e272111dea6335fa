#include "ChunkReader.h"

#include <algorithm>

namespace bkit {

void ChunkReader::setCallback(WAVECALLBACK callback, std::intptr_t first, std::intptr_t second) {
    callback_ = callback;
    first_ = first;
    second_ = second;
}

std::size_t ChunkReader::read(std::FILE* file, long offset, std::uint8_t* into, std::size_t bytes) {
    if (std::fseek(file, offset, SEEK_SET) != 0) {
        return 0;
    }
    reading_ = true;
    const WAVECALLBACK callback = suspended_ == 0 ? callback_ : nullptr;
    ++suspended_;
    std::size_t total = 0;
    while (total < bytes) {
        const std::size_t want = std::min(kPieceBytes, bytes - total);
        const std::size_t got = std::fread(into + total, 1, want, file);
        total += got;
        if (callback != nullptr) {
            callback(first_, second_);
        }
        if (got < want) {
            break;
        }
    }
    --suspended_;
    reading_ = false;
    return total;
}

}  // namespace bkit
