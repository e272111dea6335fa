#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "ColourMemo.h"
#include "PIXPICK32_export.h"
#include "ReduceFrame.h"

namespace piclib {

// Maps colours to the optimised palette (method 3). Each 16 x 16 x 16 box of
// colour space gets, on first use, the list of chosen colours that can be
// nearest to some colour in it. While fewer than 236 colours are chosen, a
// colour far from every candidate becomes a new palette entry itself.
//
// The index found for each colour is remembered; a box forgets the answers
// for its colours whenever its candidate list changes, so they are always
// those of a fresh search.
class PIXPICK32_EXPORT ColourCandidates {
  public:
    static constexpr int kFirstIndex = 10;    // palette index of the first chosen colour
    static constexpr int kMostColours = 236;  // chosen colours at most (indices 10 to 245)

    // palette holds chosen colours at indices 10 to 10 + chosen - 1. Throws
    // std::bad_alloc when memory is short (also later, from map).
    ColourCandidates(const ReducePalette& palette, int chosen);

    std::uint8_t map(int red, int green, int blue) {
        const int box = Memo::box(red, green, blue);
        const int slot = Memo::slot(box, red, green, blue);
        const std::uint8_t known = memo_[slot];
        return known != 0 ? known : search(box, slot, red, green, blue);
    }
    const ReducePalette& palette() const { return palette_; }
    int chosen() const { return chosen_; }

  private:
    static constexpr int kBoxes = 4096;
    // Remembered indices; 0, a reserved index, is never chosen.
    using Memo = ColourMemo<std::uint8_t>;

    struct Box {
        std::uint32_t bound = 0;  // least farthest-point distance of any colour
        int count = 0;
        std::unique_ptr<std::uint8_t[]> list;  // candidate indices; null until first used
    };
    std::uint8_t search(int box, int slot, int red, int green, int blue);
    void build(int box);
    std::uint8_t nearest(const Box& box, int red, int green, int blue,
                         std::uint32_t& distance) const;
    std::uint8_t add(int red, int green, int blue);
    bool update(Box& box, int boxIndex, int colour);
    std::uint32_t nearDistance(int colour, int box) const;
    std::uint32_t farDistance(int colour, int box) const;

    ReducePalette palette_;
    int chosen_;
    Memo memo_;
    std::vector<Box> boxes_;
    std::vector<int> built_;        // boxes with a list, in order of building
    const std::uint32_t* squares_;  // min(d * d, 10000), centred on 0
};

}  // namespace piclib
