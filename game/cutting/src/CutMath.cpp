#include "cutting/CutMath.h"

#include <cstdlib>
#include <utility>

namespace cutting {

namespace {

// Above this the root is taken of a quarter of the value and doubled, which
// keeps the Newton steps within small numbers.
constexpr std::int64_t kRootScaleLimit = 32000;

}  // namespace

std::int64_t rnd(std::int64_t a, std::int64_t b) {
    if (b < a) {
        std::swap(a, b);
    }
    return a + static_cast<std::int64_t>(std::rand()) % (b - a + 1);
}

std::int64_t easeCurve(std::int64_t x, std::int64_t n, std::int64_t h) {
    if (h == 0) {
        return 0;
    }
    if (n <= 0) {
        return x <= 0 ? 0 : h;
    }
    if (x <= n / 2) {
        return ((h + 1) * x * 2 / n) * x / n;
    }
    return h - easeCurve(n - x, n, h);
}

std::int64_t scaledSqrt(std::int64_t v) {
    if (v <= 0) {
        return 0;
    }
    std::int64_t scale = 1;
    while (v > kRootScaleLimit) {
        v /= 4;
        scale *= 2;
    }
    std::int64_t x = v;
    while (!(x * x <= v && v < (x + 1) * (x + 1))) {
        x = (x + v / x) / 2;
    }
    return scale * x;
}

}  // namespace cutting
