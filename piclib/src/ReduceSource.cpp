#include "ReduceSource.h"

#include <cstdlib>

#include "platform/MessageBox.h"

namespace piclib {

ReduceSource::ReduceSource(const platform::PackedDib& source) {
    valid_ = check(source);
}

bool ReduceSource::check(const platform::PackedDib& source) {
    if (source.isNull() || source.size() < platform::BitmapInfoHeader::kBytes) {
        return false;
    }
    const platform::BitmapInfoHeader h = source.header();
    bitCount_ = h.bitCount;
    if (h.size < platform::BitmapInfoHeader::kBytes || h.compression != 0 || h.width <= 0 ||
        h.height == 0 ||
        (bitCount_ != 1 && bitCount_ != 4 && bitCount_ != 8 && bitCount_ != 24 &&
         bitCount_ != 32)) {
        return false;
    }
    width_ = h.width;
    storedHeight_ = h.height;
    rows_ = std::abs(h.height);
    stride_ = platform::dibStride(width_, bitCount_);
    const std::uint64_t colours = platform::dibColourCount(h);
    const std::uint64_t tableEnd = h.size + 4 * colours;
    const std::uint64_t rowBytes = static_cast<std::uint64_t>(stride_) * rows_;
    const std::uint64_t stated = h.sizeImage != 0 ? h.sizeImage : rowBytes;
    if (tableEnd + stated > source.size()) {
        MessageBoxA(nullptr, "UUPS", "Error", MB_OK);
    }
    if (colours > 256 || tableEnd + rowBytes > source.size()) {
        return false;
    }
    for (std::uint64_t i = 0; i < colours; ++i) {
        const std::uint8_t* q = source.data() + h.size + 4 * i;
        colours_[4 * i] = q[0];
        colours_[4 * i + 1] = q[1];
        colours_[4 * i + 2] = q[2];
    }
    pixels_ = source.data() + tableEnd;
    if (bitCount_ != 24) {
        scratch_.resize(3 * static_cast<std::size_t>(width_));
    }
    return true;
}

const std::uint8_t* ReduceSource::row(int i) {
    const std::uint8_t* in = pixels_ + static_cast<std::size_t>(i) * stride_;
    if (bitCount_ == 24) {
        return in;
    }
    expand(in, scratch_.data());
    return scratch_.data();
}

std::array<std::uint8_t, 3> ReduceSource::pixelFromTop(int x, int y) {
    const int stored = storedHeight_ > 0 ? rows_ - 1 - y : y;
    const std::uint8_t* p = row(stored) + 3 * static_cast<std::size_t>(x);
    return {p[2], p[1], p[0]};
}

// Indices beyond the colour table read as black.
void ReduceSource::expand(const std::uint8_t* in, std::uint8_t* out) const {
    for (int x = 0; x < width_; ++x, out += 3) {
        if (bitCount_ == 32) {
            out[0] = in[4 * x];
            out[1] = in[4 * x + 1];
            out[2] = in[4 * x + 2];
            continue;
        }
        const int perByte = 8 / bitCount_;
        const int shift = 8 - bitCount_ * (x % perByte + 1);
        const int index = (in[x / perByte] >> shift) & ((1 << bitCount_) - 1);
        out[0] = colours_[4 * index];
        out[1] = colours_[4 * index + 1];
        out[2] = colours_[4 * index + 2];
    }
}

}  // namespace piclib
