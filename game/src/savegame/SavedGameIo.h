#pragma once

#include <optional>
#include <string>

#include "savegame/SavedGame.h"

// Saved-game files on disk. A save never leaves a half-written file under
// the player's name: it writes a temporary file beside it and renames it over
// the old one. A load parses the whole file before it returns anything, so a
// refused file changes nothing in the running game.
class SavedGameIo {
  public:
    struct LoadResult {
        std::optional<SavedGame> game;
        // Empty on success; otherwise the text to show the player.
        std::string message;
        // The file was readable but is no saved game (wrong identification).
        bool notAPuzzle = false;

        bool ok() const { return game.has_value(); }
    };

    // Returns an empty text on success, else the text to show the player.
    // onGroup follows the groups as they are written.
    static std::string save(const std::string& path, const SavedGame& game,
                            const SavedGame::GroupWritten& onGroup = {});
    // Reads and checks the whole file; the piece set gets buffers of the
    // given screen size.
    static LoadResult load(const std::string& path, int screenWidth, int screenHeight);
};
