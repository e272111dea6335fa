#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace cutting {

// One bit per pixel of a piece's box. Every row occupies wordsPerRow() 16-bit
// words, that is bytesPerRow() bytes; row 0 is the top row. Pixel (x, y) is
// bit 7 - (x mod 8) of byte x / 8 of row y (the most significant bit of each
// byte is the leftmost pixel). A set bit means the pixel belongs to the piece.
// Bits beyond the width in the last word of a row are always clear.
class PieceMask {
  public:
    // A mask with every pixel clear. Negative sizes count as 0. Throws
    // MemoryException when the bits cannot be allocated.
    PieceMask(int width, int height);
    // Deep copy; throws MemoryException when the bits cannot be allocated.
    PieceMask(const PieceMask& other);
    PieceMask(PieceMask&& other) noexcept = default;
    PieceMask& operator=(const PieceMask& other) = delete;
    PieceMask& operator=(PieceMask&& other) noexcept = default;
    ~PieceMask() = default;

    int width() const { return width_; }
    int height() const { return height_; }
    int wordsPerRow() const { return wordsPerRow_; }
    int bytesPerRow() const { return wordsPerRow_ * 2; }

    // The rows, height() x bytesPerRow() bytes, owned by the mask.
    const std::uint8_t* bits() const { return reinterpret_cast<const std::uint8_t*>(words_.get()); }
    // The same memory as 16-bit words (aligned for word access).
    const std::uint16_t* words() const { return words_.get(); }
    const std::uint8_t* row(int y) const {
        return bits() + static_cast<std::size_t>(y) * bytesPerRow();
    }

    // Whether pixel (x, y) is set; pixels outside the mask are clear.
    bool pixel(int x, int y) const;
    // Sets or clears the pixels of the rectangle with the corners (x1, y1) and
    // (x2, y2), inclusive on all sides, in either order; clipped to the mask.
    void fill(int x1, int y1, int x2, int y2, bool set);

  private:
    struct FreeBits {
        void operator()(std::uint16_t* p) const { std::free(p); }
    };

    static std::unique_ptr<std::uint16_t, FreeBits> allocate(std::size_t words);
    std::size_t wordCount() const;
    std::uint8_t* mutableRow(int y);
    void fillRow(int y, int left, int right, bool set);

    std::unique_ptr<std::uint16_t, FreeBits> words_;
    int width_;
    int height_;
    int wordsPerRow_;
};

}  // namespace cutting
