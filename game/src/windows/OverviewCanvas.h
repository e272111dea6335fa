#pragma once

#include <optional>

#include "platform/Surface.h"
#include "windows/OverviewScale.h"

namespace sprites {
class Sprite;
class SpriteStore;
}  // namespace sprites

namespace windows {

// The overview's picture of the table: a bitmap of the table's scaled size
// holding the background and every group, drawn by the sprite engine through
// the overview's forward map from a picture scaled the same way. A group
// being dragged is drawn on top of the others where it is held.
class OverviewCanvas {
  public:
    // The table colour (0x00BBGGRR) a shade darker: each of red, green and
    // blue less one eighth.
    static std::uint32_t darkerShade(std::uint32_t colorRef);

    // Takes the scale, the picture scaled to the forward-mapped picture size
    // and the table colour; the bitmap gets the forward-mapped table size.
    // False (nothing kept) when either bitmap is empty.
    bool build(const OverviewScale& scale, platform::Surface scaledPicture,
               std::uint32_t tableColorRef);
    bool built() const { return !bitmap_.isNull(); }

    // Background, then every group in z-order; the held group last.
    void redrawAll(const sprites::SpriteStore& store);
    // One group at its place, over what is drawn already.
    void redrawSprite(const sprites::Sprite& s);
    // The table rectangle: background, then every group that is not dragged
    // and whose box touches it, clipped to the rectangle's overview image.
    void redrawArea(const sprites::SpriteStore& store, const platform::Rect& table);
    // The held group at table position (x, y): the area it covered is
    // redrawn without it, then it is drawn at its new place. Returns the
    // overview rectangle that changed.
    platform::Rect drawHeldAt(const sprites::SpriteStore& store, const sprites::Sprite& held, int x,
                              int y);

    const platform::Surface& bitmap() const { return bitmap_; }
    const platform::Surface& picture() const { return picture_; }
    const OverviewScale* scale() const { return scale_ ? &*scale_ : nullptr; }

  private:
    void drawAt(const sprites::Sprite& s, int x, int y);

    std::optional<OverviewScale> scale_;
    platform::Surface bitmap_;
    platform::Surface picture_;
    platform::Pixel background_ = 0;
    // Where the held group was last drawn (table coordinates), if anywhere.
    std::optional<platform::Rect> heldBox_;
};

}  // namespace windows
