#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "PIXPICK32_export.h"
#include "ReduceFrame.h"

namespace piclib {

// Maps colours to the optimised palette (method 3). Each 16 x 16 x 16 box of
// colour space gets, on first use, the list of chosen colours that can be
// nearest to some colour in it. While fewer than 236 colours are chosen, a
// colour far from every candidate becomes a new palette entry itself.
//
// Each built box also remembers the index found for each of its 4096
// colours; a box forgets them whenever its candidate list changes, so the
// answers are those of a fresh search.
class PIXPICK32_EXPORT ColourCandidates {
  public:
    static constexpr int kFirstIndex = 10;    // palette index of the first chosen colour
    static constexpr int kMostColours = 236;  // chosen colours at most (indices 10 to 245)

    // palette holds chosen colours at indices 10 to 10 + chosen - 1. Throws
    // std::bad_alloc when memory is short (also later, from map).
    ColourCandidates(const ReducePalette& palette, int chosen);

    std::uint8_t map(int red, int green, int blue);
    const ReducePalette& palette() const { return palette_; }
    int chosen() const { return chosen_; }

  private:
    static constexpr int kBoxes = 4096;
    static constexpr int kColoursPerBox = 4096;
    static constexpr std::uint8_t kUnknown = 255;  // never a chosen index

    struct Box {
        std::uint32_t bound = 0;  // least farthest-point distance of any colour
        int count = 0;
        // The remembered indices of the box's colours, then its list of
        // candidate indices; null until the box is first used.
        std::unique_ptr<std::uint8_t[]> storage;
        std::uint8_t* memo() const { return storage.get(); }
        std::uint8_t* list() const { return storage.get() + kColoursPerBox; }
    };

    void build(int box);
    std::uint8_t nearest(const Box& box, int red, int green, int blue,
                         std::uint32_t& distance) const;
    std::uint8_t add(int red, int green, int blue);
    bool update(Box& box, int boxIndex, int colour);
    std::uint32_t nearDistance(int colour, int box) const;
    std::uint32_t farDistance(int colour, int box) const;

    ReducePalette palette_;
    int chosen_;
    std::vector<Box> boxes_;
    std::vector<int> built_;        // boxes with a list, in order of building
    const std::uint32_t* squares_;  // min(d * d, 10000) at d + 255
};

}  // namespace piclib
