#pragma once

#include <cstdint>
#include <functional>

namespace platform {
class Surface;
}
namespace sprites {
class SpriteStore;
}

namespace windows {

// What the auxiliary windows need of the workspace view. Points are table
// coordinates; the view applies its own rules (pause, sounds, scoring) as for
// its own mouse input.
struct WindowHost {
    // The groups on the table, or null while no puzzle is cut.
    std::function<sprites::SpriteStore*()> store;
    // The table colour, 0x00BBGGRR.
    std::function<std::uint32_t()> tableColour;
    // The picture the puzzle is cut from (null when none is loaded) and its
    // slot in the image library (-1 when it has none).
    std::function<const platform::Surface*()> picture;
    std::function<int()> imageSlot;
    // Picks up the group at the point; true when one is held afterwards.
    std::function<bool(int x, int y)> pickUp;
    // The held group follows the point.
    std::function<void(int x, int y)> moveHeld;
    // Drops the held group at the point (snapping and scoring as a drop on
    // the table does).
    std::function<void(int x, int y)> drop;
    // Repaints the workspace window.
    std::function<void()> repaintTable;
    // Posts a command to the view (a window closed: refresh the menus).
    std::function<void(int command)> post;
};

}  // namespace windows
