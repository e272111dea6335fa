#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "cutting/SpanRegion.h"
#include "savegame/SavedGameHeader.h"
#include "sprites/SpriteStore.h"

// A game as a saved-game file holds it: the header, the two rim collections
// in picture coordinates and the piece set with every group in drawing
// order. The picture is not part of it; the header names its file.
struct SavedGame {
    SavedGameHeader header;
    cutting::SpanRegion lowerRightRims;
    cutting::SpanRegion upperLeftRims;
    // The groups, bottom first; null only in a default-constructed game.
    std::unique_ptr<sprites::SpriteStore> store;

    // Told the number of groups written so far after each group.
    using GroupWritten = std::function<void(int written)>;

    // The whole file. The header's group count is taken from the store.
    std::vector<std::uint8_t> encode(const GroupWritten& onGroup = {}) const;
    // The header as written: its group count is the store's.
    SavedGameHeader headerToWrite() const;

    // Reads a whole file into game, or returns why it cannot be a saved game
    // (kNotAPuzzle for a wrong identification). Nothing outside game is
    // touched, so a refused file leaves the running game as it was. The
    // store gets buffers of the given screen size.
    static std::string decode(std::span<const std::uint8_t> bytes, int screenWidth,
                              int screenHeight, SavedGame& game);
};
