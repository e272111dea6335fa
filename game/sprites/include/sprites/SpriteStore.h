#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "cutting/PaintMask.h"
#include "platform/Surface.h"
#include "sprites/BandWorker.h"
#include "sprites/Sprite.h"

namespace sprites {

// Every group on the table, in drawing order (index 0 at the bottom), and the
// off-screen picture of the visible part of the table. The window the store
// draws to is a Surface the view shows; null means "off-screen only". The
// store never moves the held sprite into the off-screen picture: it is
// composed on top of it in a scratch buffer while it moves.
class SpriteStore {
  public:
    // Placement flag bits.
    static constexpr int kOnMove = 1;
    static constexpr int kOnSnap = 2;

    // Off-screen and scratch buffers of the screen's size. Buffers that
    // cannot be had show "Internal failture, not enought resources left" and
    // raise cutting::ResourceException.
    SpriteStore(int pieces, int screenWidth, int screenHeight);

    // --- the array and z-order ---
    int count() const { return static_cast<int>(sprites_.size()); }
    Sprite* at(int i) const { return sprites_[static_cast<std::size_t>(i)].get(); }
    int indexOf(const Sprite* s) const;
    void add(std::unique_ptr<Sprite> s);
    // The topmost sprite with a pixel at the table point, strictly inside its
    // box; its grab point becomes the point relative to the box.
    Sprite* hitTest(int px, int py);
    void bringToFront(Sprite* s);
    void sendToBack(Sprite* s);
    void remove(Sprite* s);
    // Merges absorbed into kept; the caller then removes absorbed.
    void join(Sprite* kept, Sprite* absorbed);
    Sprite* findOrigin() const;
    void clear();

    // --- holding and moving ---
    Sprite* held() const { return held_; }
    // Makes s the held sprite, marked dragged; returns its previous flag.
    int setHeld(Sprite* s);
    void releaseHeld();
    void setPosition(Sprite* s, int x, int y);
    bool allowed(const Sprite& s, int x, int y) const;
    // Moves the held sprite so that its grab point lies under the pointer
    // (window coordinates plus the scroll position), clamped to the table, and
    // composes it there.
    void moveHeldToPointer(platform::Surface* window, int px, int py);
    // Sets s at (x, y), clamped like a drag and kept from sticking out left
    // or above.
    void placeAt(Sprite* s, int x, int y);
    // Animates the held sprite s to (tx, ty) in 21 steps; with abort given, a
    // waiting input stops the glide and sets *abort.
    void glide(platform::Surface* window, Sprite* s, int tx, int ty, bool* abort);
    // Scatters the free groups lying under dropped; returns 0 when a glide
    // was aborted, else 1.
    int moveAside(platform::Surface* window, Sprite* dropped, const platform::Rect* area,
                  bool* abort, int clientWidth, int clientHeight);
    void reorderForSmaller(Sprite* s);
    // The test for waiting input used by glides (none: never waiting).
    void setInputWaiting(std::function<bool()> test) { inputWaiting_ = std::move(test); }

    // --- bulk updates ---
    void setPicture(platform::Surface* picture);
    void setZoomMaps(const cutting::CoordMap* zoom, const cutting::CoordMap* inverse);
    void repaintLockedBevels();
    // Adds the lower-right (or upper-left) rim of one sprite, or of all, in
    // picture coordinates to into; an unallocated into takes the first rim.
    void collectRims(cutting::SpanRegion& into, bool lowerRight, const Sprite* one = nullptr) const;

    // --- compositing ---
    void setBackgroundColour(std::uint32_t colorRef);
    // Records the table size and repaints the whole off-screen picture; the
    // caller then shows the buffer.
    void setWorkspace(int width, int height);
    void redrawArea(platform::Surface* window, const platform::Rect& area, bool toScreen,
                    const platform::Rect* second = nullptr);
    void redrawSprite(platform::Surface* window, const Sprite* s, bool toScreen);
    void showBuffer(platform::Surface& window) const;
    void drawHeldAt(platform::Surface* window, int px, int py, int scrollX, int scrollY);
    // Shows the table from (x, y): the buffer content is shifted and only the
    // uncovered strips are repainted, unless forced or zoomed (then all of
    // it). The caller then shows the buffer.
    void scrollTo(int x, int y, bool force);
    const platform::Surface& buffer() const { return buffer_; }

    // --- saved form ---
    void write(platform::ByteWriter& out) const;
    // Reads the store's own fields; the sprites follow one by one (the saved
    // count is returned through savedCount). The buffer size stays that of
    // this screen.
    bool read(platform::ByteReader& in, int* savedCount);

    std::int16_t marginX = 0;
    std::int16_t marginY = 0;
    std::int16_t snapTolerance = 32;
    std::int16_t reserved = 0;
    std::int16_t groupThreshold = 0;
    std::int16_t placementFlags = 0;
    std::int16_t moveAsideOn = 0;
    std::int16_t reserved3[3] = {0, 0, 0};
    platform::Rect pending{};

    int scrollX() const { return scrollX_; }
    int scrollY() const { return scrollY_; }
    int workspaceWidth() const { return workspaceWidth_; }
    int workspaceHeight() const { return workspaceHeight_; }
    int bufferWidth() const { return buffer_.width(); }
    int bufferHeight() const { return buffer_.height(); }
    // Where a patterned background brush starts: the scroll position mod 8.
    int brushOriginX() const { return brushOriginX_; }
    int brushOriginY() const { return brushOriginY_; }

  private:
    // A table coordinate in the buffer, and a buffer length in table pixels.
    int toBuffer(int tableCoordinate, int scroll) const;
    platform::Rect bufferRect(const platform::Rect& table) const;
    int growth() const;
    void paintBorder();
    void composeDrag(platform::Surface* window, int x, int y);
    // Drag composition for the held sprite, a plain position change otherwise.
    void moveTo(platform::Surface* window, Sprite* s, int x, int y);
    void paintBuffer(const platform::Rect& bufferArea);
    // Paints the area of painted, which reset has prepared.
    void paintBand(cutting::PaintMask& painted);
    platform::Rect tableRect(const platform::Rect& bufferArea) const;
    platform::Pixel backgroundPixel() const { return background_.value_or(0xFFFFFF); }
    void clampTo(const Sprite& s, int& x, int& y) const;
    bool underDropped(const Sprite& d, const Sprite& g) const;
    bool inDropped(const Sprite& d, int px, int py) const;
    void drawNewPosition(const Sprite& d, const Sprite& g, int rangeX, int rangeY, int& x,
                         int& y) const;

    std::vector<std::unique_ptr<Sprite>> sprites_;
    platform::Surface buffer_;
    platform::Surface scratch_;
    // The buffer pixels a redraw has painted so far: of the whole area, or of
    // its lower band while the helper thread paints the upper one.
    cutting::PaintMask painted_;
    cutting::PaintMask paintedAside_;
    // Paints and shows the upper band of a large area.
    mutable BandWorker bands_;
    std::optional<platform::Pixel> background_;
    int scrollX_ = 0;
    int scrollY_ = 0;
    int workspaceWidth_ = 0;
    int workspaceHeight_ = 0;
    int brushOriginX_ = 0;
    int brushOriginY_ = 0;
    Sprite* held_ = nullptr;
    const cutting::CoordMap* zoomMap_ = nullptr;
    const cutting::CoordMap* inverseMap_ = nullptr;
    std::function<bool()> inputWaiting_;
};

}  // namespace sprites
