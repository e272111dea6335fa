// A whole saved-game file as the restore command reads it.
#include "FuzzSupport.h"
#include "savegame/SavedGame.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SavedGame game;
    SavedGame::decode({data, size}, 320, 240, game);
    return 0;
}
