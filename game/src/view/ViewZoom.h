#pragma once

#include "cutting/CoordMap.h"
#include "platform/Surface.h"

struct Puzzle;

// The zoom step of the workspace view: a zoom-out level or a zoom-in level
// (never both above 0), the zoom map that turns table coordinates into screen
// coordinates, its inverse, and the scaled picture the sprites draw from while
// a zoom is active.
class ViewZoom {
  public:
    static constexpr int kMaxZoomIn = 2;

    struct Maps {
        cutting::CoordMap zoom;
        cutting::CoordMap inverse;
    };
    // Maps for zoom-out level (each level shrinks by a factor 1.414); the
    // tables cover the screen width plus the table's larger side.
    static Maps ZoomOutMaps(int level, int screenWidth, int tableWidth, int tableHeight);
    // Maps for zoom-in level (each level enlarges by a factor 1.25).
    static Maps ZoomInMaps(int level, int screenWidth, int tableWidth, int tableHeight);
    // A pointer coordinate (window pixels) as a table coordinate.
    static int ToTable(const cutting::CoordMap* inverse, int pointer, int scroll) {
        return (inverse != nullptr ? (*inverse)[pointer] : pointer) + scroll;
    }

    // The commands; each returns whether the step changed. picture is the
    // unscaled picture the puzzle was cut from.
    bool ZoomOut(Puzzle& puzzle, platform::Surface* picture, int screenWidth);
    bool ZoomIn(Puzzle& puzzle, platform::Surface* picture, int screenWidth);
    void Normal(Puzzle& puzzle, platform::Surface* picture);
    // Forgets the step without touching a puzzle (the puzzle is gone).
    void Reset();

    int outLevel() const { return outLevel_; }
    int inLevel() const { return inLevel_; }
    bool active() const { return outLevel_ != 0 || inLevel_ != 0; }
    const cutting::CoordMap* zoomMap() const { return active() ? &maps_.zoom : nullptr; }
    const cutting::CoordMap* inverseMap() const { return active() ? &maps_.inverse : nullptr; }
    // A table length as seen on the screen.
    int toScreen(int table) const { return active() ? maps_.zoom[table] : table; }
    // A screen length as table pixels.
    int toTable(int screen) const { return active() ? maps_.inverse[screen] : screen; }

  private:
    void apply(Puzzle& puzzle, platform::Surface* picture, int screenWidth);

    int outLevel_ = 0;
    int inLevel_ = 0;
    Maps maps_;
    platform::Surface zoomed_;
};
