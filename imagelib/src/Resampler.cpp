#include "Resampler.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "DibConvert.h"
#include "Progress.h"
#include "imagelib.h"

namespace imagelib {
namespace {

constexpr int kWeightBits = 14;
constexpr int kWeightOne = 1 << kWeightBits;

// The source samples that make one destination sample: the first source
// index and a weight (fixed point, summing to kWeightOne) per sample.
struct Contribution {
    int first = 0;
    std::vector<int> weights;
};

// Tent filter between the two nearest samples.
Contribution linearAt(double centre, int sourceSize) {
    const double pos = std::clamp(centre - 0.5, 0.0, static_cast<double>(sourceSize - 1));
    const int first = std::min(static_cast<int>(pos), sourceSize - 1);
    const int upper = static_cast<int>((pos - first) * kWeightOne + 0.5);
    if (first + 1 >= sourceSize || upper == 0) {
        return {first, {kWeightOne}};
    }
    return {first, {kWeightOne - upper, upper}};
}

// Box filter: every source sample weighted by how much of it the
// destination sample covers.
Contribution areaAt(double begin, double end, int sourceSize) {
    const int first = std::max(0, static_cast<int>(begin));
    const int last = std::min(sourceSize - 1, static_cast<int>(std::ceil(end)) - 1);
    Contribution c{first, {}};
    const double span = end - begin;
    int sum = 0;
    for (int i = first; i <= last; ++i) {
        const double cover = std::min<double>(end, i + 1) - std::max<double>(begin, i);
        const int w = static_cast<int>(cover / span * kWeightOne + 0.5);
        c.weights.push_back(w);
        sum += w;
    }
    if (c.weights.empty()) {
        return {std::min(first, sourceSize - 1), {kWeightOne}};
    }
    c.weights.back() += kWeightOne - sum;  // rounding rest, so flat areas stay flat
    return c;
}

std::vector<Contribution> contributions(int sourceSize, int targetSize, bool area) {
    std::vector<Contribution> out(static_cast<std::size_t>(targetSize));
    const double scale = static_cast<double>(sourceSize) / targetSize;
    for (int i = 0; i < targetSize; ++i) {
        out[i] = area && scale > 1.0 ? areaAt(i * scale, (i + 1) * scale, sourceSize)
                                     : linearAt((i + 0.5) * scale, sourceSize);
    }
    return out;
}

std::uint8_t toByte(int weighted) {
    return static_cast<std::uint8_t>(
        std::clamp((weighted + kWeightOne / 2) >> kWeightBits, 0, 255));
}

// One row of width x 3 bytes filtered horizontally.
void filterRow(const std::uint8_t* in, std::uint8_t* out, const std::vector<Contribution>& cs) {
    for (std::size_t x = 0; x < cs.size(); ++x) {
        const Contribution& c = cs[x];
        int b = 0;
        int g = 0;
        int r = 0;
        const std::uint8_t* p = in + 3 * c.first;
        for (const int w : c.weights) {
            b += p[0] * w;
            g += p[1] * w;
            r += p[2] * w;
            p += 3;
        }
        out[3 * x] = toByte(b);
        out[3 * x + 1] = toByte(g);
        out[3 * x + 2] = toByte(r);
    }
}

// Source rows filtered horizontally, made on demand and kept in a small
// ring. The vertical pass asks for rows in rising order and each output row
// shares at most its first rows with the one before, so a row is seldom
// filtered twice.
class FilteredRows {
  public:
    FilteredRows(const platform::PackedDib& source, const std::vector<Contribution>& columns,
                 std::size_t rowBytes)
        : source_(source), columns_(columns), rowBytes_(rowBytes), rows_(kKept * rowBytes) {}

    const std::uint8_t* row(int y) {
        const std::size_t slot = static_cast<std::size_t>(y) % kKept;
        std::uint8_t* out = rows_.data() + slot * rowBytes_;
        if (held_[slot] != y) {
            filterRow(source_.row(y), out, columns_);
            held_[slot] = y;
        }
        return out;
    }

  private:
    static constexpr std::size_t kKept = 4;
    const platform::PackedDib& source_;
    const std::vector<Contribution>& columns_;
    std::size_t rowBytes_;
    std::vector<std::uint8_t> rows_;
    int held_[kKept] = {-1, -1, -1, -1};
};

}  // namespace

platform::PackedDib Resampler::resample(const platform::PackedDib& source, int width, int height,
                                        Progress& progress) const {
    if (source.isNull() || !sizeAllowed(width, height)) {
        return {};
    }
    if (source.bitCount() != 24 || priority_ == IMG_PRIORITY_SPEED) {
        return nearest(source, width, height, progress);
    }
    return filtered(source, width, height, progress);
}

platform::PackedDib Resampler::nearest(const platform::PackedDib& source, int width, int height,
                                       Progress& progress) const {
    const int bytes = source.bitCount() / 8;
    auto dib = platform::PackedDib::create(width, height, source.bitCount(),
                                           static_cast<int>(source.colourCount()));
    for (std::uint32_t i = 0; i < source.colourCount(); ++i) {
        dib.setColour(i, source.colour(i));
    }
    const int sw = source.width();
    const int sh = source.height();
    std::vector<int> columns(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        columns[x] = static_cast<int>(static_cast<long long>(x) * sw / width) * bytes;
    }
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in =
            source.row(static_cast<int>(static_cast<long long>(y) * sh / height));
        std::uint8_t* out = dib.row(y);
        for (int x = 0; x < width; ++x) {
            std::memcpy(out + x * bytes, in + columns[x], static_cast<std::size_t>(bytes));
        }
        progress.step(y + 1, height);
    }
    return dib;
}

platform::PackedDib Resampler::filtered(const platform::PackedDib& source, int width, int height,
                                        Progress& progress) const {
    const bool area = priority_ == IMG_PRIORITY_QUALITY;
    const auto columns = contributions(source.width(), width, area);
    const auto rows = contributions(source.height(), height, area);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    // Horizontal pass row by row as the vertical pass asks for the rows, so
    // memory stays a few rows wide whatever the sizes.
    FilteredRows across(source, columns, rowBytes);
    auto dib = platform::PackedDib::create(width, height, 24);
    std::vector<int> sums(rowBytes);
    for (int y = 0; y < height; ++y) {
        const Contribution& c = rows[y];
        std::fill(sums.begin(), sums.end(), 0);
        for (std::size_t k = 0; k < c.weights.size(); ++k) {
            const std::uint8_t* in = across.row(c.first + static_cast<int>(k));
            const int w = c.weights[k];
            for (std::size_t i = 0; i < rowBytes; ++i) {
                sums[i] += in[i] * w;
            }
        }
        std::uint8_t* out = dib.row(y);
        for (std::size_t i = 0; i < rowBytes; ++i) {
            out[i] = toByte(sums[i]);
        }
        progress.step(y + 1, height);
    }
    return dib;
}

}  // namespace imagelib
