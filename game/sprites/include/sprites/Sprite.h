#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "cutting/SpanRegion.h"
#include "platform/Surface.h"
#include "sprites/CellRef.h"

namespace platform {
class ByteReader;
class ByteWriter;
}  // namespace platform

namespace cutting {
class CoordMap;
}  // namespace cutting

namespace sprites {

class SpriteStore;

// Bevel colours (0x00BBGGRR): grey for free groups, red for locked ones.
constexpr std::uint32_t kBevelLight = 0xC0C0C0;
constexpr std::uint32_t kBevelDark = 0x808080;
constexpr std::uint32_t kLockedLight = 0x0000FF;
constexpr std::uint32_t kLockedDark = 0x000080;

// The rectangle of one grid cell in picture pixels.
struct CellRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A piece or group on the table: its pixels are those of the picture under
// its region, which is kept in box coordinates ((0, 0) is the box's upper-left
// corner). Table coordinates are signed 16-bit.
class Sprite {
  public:
    // A one-cell sprite whose box lies at (x, y) (the cell's picture position
    // less the margins, also its source position) with the mask's size. A
    // null mask makes the region the whole box.
    static std::unique_ptr<Sprite> create(platform::Surface* picture, int x, int y, int width,
                                          int height, const CellRect& cell,
                                          const cutting::MaskBits* mask);

    platform::Rect box() const { return {x, y, x + width, y + height}; }
    // The region's pixels at (px, py), table coordinates.
    bool holds(int px, int py) const { return region.contains(px - x, py - y); }
    // Draws the upper-left and lower-right rims into the picture at the source
    // position, red when locked, grey otherwise.
    void paintBevel();
    // Shows a freshly cut piece: paints its bevel into the picture and copies
    // it to the window at its picture place shifted by the display offset.
    void showCut(platform::Surface& window, int offsetX, int offsetY);
    // Copies the sprite through its region onto target at (tx, ty).
    bool drawTo(platform::Surface& target, int tx, int ty,
                const cutting::CoordMap* map = nullptr) const;

    void write(platform::ByteWriter& out) const;
    // Refuses (false, reason in in.error()) a record that cannot be a group:
    // a negative size or cell count, more cells than the data holds, or a
    // region reaching outside the box.
    bool read(platform::ByteReader& in);

    SpriteStore* owner = nullptr;
    cutting::SpanRegion region;
    platform::Surface* picture = nullptr;
    std::int16_t homeColumn = 0;
    std::int16_t homeRow = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int sourceX = 0;
    int sourceY = 0;
    std::int16_t grabX = 0;
    std::int16_t grabY = 0;
    std::int16_t pieceWidth = 0;
    std::int16_t pieceHeight = 0;
    std::int16_t lastPointerX = 0;
    std::int16_t lastPointerY = 0;
    std::int16_t reserved = 0;
    std::vector<CellRef> cells;
    std::int16_t dragged = 0;
    std::int16_t locked = 0;
    std::int16_t reserved2[2] = {0, 0};
    const cutting::CoordMap* zoomMap = nullptr;
    const cutting::CoordMap* inverseMap = nullptr;

    int cellCount() const { return static_cast<int>(cells.size()); }
};

}  // namespace sprites
