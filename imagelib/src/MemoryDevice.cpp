#include "MemoryDevice.h"

#include <algorithm>
#include <cstring>

namespace imagelib {

MemoryDevice::MemoryDevice(const std::uint8_t* data, std::size_t size, Progress* progress)
    : data_(data), size_(size), progress_(progress) {
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 MemoryDevice::readData(char* data, qint64 maxSize) {
    const qint64 at = pos();
    const qint64 left = std::max<qint64>(0, static_cast<qint64>(size_) - at);
    const qint64 n = std::min(left, maxSize);
    if (n <= 0) {
        if (maxSize > 0) {
            readPastEnd_ = true;
        }
        return 0;
    }
    std::memcpy(data, data_ + at, static_cast<std::size_t>(n));
    if (progress_ != nullptr) {
        progress_->step(at + n, static_cast<qint64>(size_));
    }
    return n;
}

}  // namespace imagelib
