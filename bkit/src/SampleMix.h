#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace bkit {

// Adds n samples of src onto dst, clamping each sum to -32768..32767.
inline void mixSaturating(std::int16_t* dst, const std::int16_t* src, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const int sum = dst[i] + src[i];
        dst[i] = static_cast<std::int16_t>(std::clamp(sum, -32768, 32767));
    }
}

// Divides every sample by 2 to the power of shift, rounding down as an
// arithmetic shift does.
inline void attenuate(std::int16_t* samples, std::size_t n, int shift) {
    for (std::size_t i = 0; i < n; ++i) {
        samples[i] = static_cast<std::int16_t>(samples[i] >> shift);
    }
}

}  // namespace bkit
