#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace piclib {

// One remembered answer of type T for every 24-bit colour, 0 meaning none
// yet. The colours of one 16 x 16 x 16 box of colour space lie together
// (slot = box * 4096 + colour within the box), so that neighbouring colours
// share cache lines and a box can forget its answers at once. The memory is
// zero-filled on demand: only the boxes a picture touches take room.
template <class T>
class ColourMemo {
  public:
    static constexpr int kColoursPerBox = 4096;
    static constexpr std::size_t kColours = std::size_t{1} << 24;

    // Throws std::bad_alloc when memory is short.
    ColourMemo() : slots_(static_cast<T*>(std::calloc(kColours, sizeof(T)))) {
        if (!slots_) {
            throw std::bad_alloc();
        }
    }

    static int box(int red, int green, int blue) {
        return ((red >> 4) << 8) | ((green >> 4) << 4) | (blue >> 4);
    }
    static int slot(int box, int red, int green, int blue) {
        return (box << 12) | ((red & 15) << 8) | ((green & 15) << 4) | (blue & 15);
    }

    T& operator[](int slot) { return slots_.get()[slot]; }
    void forgetBox(int box) {
        std::memset(slots_.get() + static_cast<std::size_t>(box) * kColoursPerBox, 0,
                    kColoursPerBox * sizeof(T));
    }

  private:
    struct Release {
        void operator()(T* p) const { std::free(p); }
    };
    std::unique_ptr<T[], Release> slots_;
};

}  // namespace piclib
