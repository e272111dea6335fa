#include "ColourCandidates.h"

#include <algorithm>
#include <cstdlib>

#include "ColourTables.h"

namespace piclib {
namespace {

constexpr std::uint32_t kFar = ~std::uint32_t{0};

// Corner of a box along each channel (red, green, blue).
int boxLow(int box, int channel) {
    return ((box >> (8 - 4 * channel)) & 15) * 16;
}

int channelOf(const ReduceColour& c, int channel) {
    return channel == 0 ? c.red : channel == 1 ? c.green : c.blue;
}

}  // namespace

ColourCandidates::ColourCandidates(const ReducePalette& palette, int chosen)
    : palette_(palette),
      chosen_(chosen),
      boxes_(kBoxes),
      squares_(ColourTables::instance().squares()) {
    built_.reserve(kBoxes);
}

// Finds the index of a colour not remembered yet, adding it to the palette
// when it lies too far from every chosen colour.
std::uint8_t ColourCandidates::search(int boxIndex, int slot, int red, int green, int blue) {
    Box& box = boxes_[boxIndex];
    if (!box.list) {
        build(boxIndex);
    }
    std::uint32_t distance = 0;
    std::uint8_t index = nearest(box, red, green, blue, distance);
    if (chosen_ < kMostColours) {
        const std::uint32_t q = 256 / (256 - chosen_);
        if (distance > q * q) {
            index = add(red, green, blue);
        }
    }
    memo_[slot] = index;
    return index;
}

// The list's last candidate first; an earlier one wins only when strictly
// nearer.
std::uint8_t ColourCandidates::nearest(const Box& box, int red, int green, int blue,
                                       std::uint32_t& distance) const {
    if (box.count == 0) {
        distance = kFar;
        return 0;
    }
    const std::uint8_t* list = box.list.get();
    std::uint8_t best = list[box.count - 1];
    const ReduceColour& first = palette_[best];
    distance =
        squares_[red - first.red] + squares_[green - first.green] + squares_[blue - first.blue];
    for (int k = box.count - 2; k >= 0 && distance != 0; --k) {
        const ReduceColour& c = palette_[list[k]];
        std::uint32_t d = squares_[red - c.red];
        if (d >= distance) {
            continue;
        }
        d += squares_[green - c.green];
        if (d >= distance) {
            continue;
        }
        d += squares_[blue - c.blue];
        if (d < distance) {
            distance = d;
            best = list[k];
        }
    }
    return best;
}

// The bound is the least farthest-point distance over the chosen colours;
// every colour whose nearest point lies within it is listed, highest index
// first.
void ColourCandidates::build(int boxIndex) {
    Box& box = boxes_[boxIndex];
    box.list = std::make_unique<std::uint8_t[]>(kMostColours);
    box.bound = kFar;
    const int end = kFirstIndex + chosen_;
    for (int i = kFirstIndex; i < end; ++i) {
        box.bound = std::min(box.bound, farDistance(i, boxIndex));
    }
    box.count = 0;
    for (int i = end - 1; i >= kFirstIndex; --i) {
        if (nearDistance(i, boxIndex) <= box.bound) {
            box.list[box.count++] = static_cast<std::uint8_t>(i);
        }
    }
    built_.push_back(boxIndex);
}

std::uint8_t ColourCandidates::add(int red, int green, int blue) {
    const int index = kFirstIndex + chosen_;
    palette_[index] = {red, green, blue};
    ++chosen_;
    for (const int boxIndex : built_) {
        Box& box = boxes_[boxIndex];
        if (update(box, boxIndex, index)) {
            memo_.forgetBox(boxIndex);
        }
    }
    return static_cast<std::uint8_t>(index);
}

// Brings a built list up to date with a new colour; true when it changed.
bool ColourCandidates::update(Box& box, int boxIndex, int colour) {
    const std::uint32_t far = farDistance(colour, boxIndex);
    std::uint8_t* list = box.list.get();
    if (far < box.bound) {
        box.bound = far;
        const auto kept = std::remove_if(list, list + box.count, [&](std::uint8_t i) {
            return nearDistance(i, boxIndex) > box.bound;
        });
        box.count = static_cast<int>(kept - list);
    } else if (nearDistance(colour, boxIndex) > box.bound) {
        return false;
    }
    list[box.count++] = static_cast<std::uint8_t>(colour);
    return true;
}

std::uint32_t ColourCandidates::nearDistance(int colour, int box) const {
    std::uint32_t sum = 0;
    for (int c = 0; c < 3; ++c) {
        const int v = channelOf(palette_[colour], c);
        const int low = boxLow(box, c);
        const int d = v < low ? low - v : v > low + 15 ? v - low - 15 : 0;
        sum += squares_[d];
    }
    return sum;
}

std::uint32_t ColourCandidates::farDistance(int colour, int box) const {
    std::uint32_t sum = 0;
    for (int c = 0; c < 3; ++c) {
        const int v = channelOf(palette_[colour], c);
        const int low = boxLow(box, c);
        sum += squares_[std::max(std::abs(v - low), std::abs(v - low - 15))];
    }
    return sum;
}

}  // namespace piclib
