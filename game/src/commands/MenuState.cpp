#include "commands/MenuState.h"

#include "commands/CommandIds.h"

std::vector<CommandState> computeMenuState(const GameState& s, bool otherGamesExists) {
    using namespace cmd;
    const bool playing = s.puzzleExists && !s.paused;
    const bool zoomed = s.zoomInLevel != 0 || s.zoomOutLevel != 0;
    const bool pictureHelp = s.pictureLoaded && s.pictureHasHelp;
    return {
        {kStart, !s.cutting && s.pictureLoaded && !s.puzzleExists, false},
        {kSave, s.pictureLoaded && s.puzzleExists, false},
        {kSaveAs, s.puzzleExists, false},
        {kAboutPuzzle, pictureHelp, false},
        {kAboutArtist, pictureHelp && s.artistHasHelp, false},
        {kStatus, playing, s.statusShown},
        {kOriginal, playing, s.originalShown},
        {kOverview, playing, s.overviewShown},
        {kAutoAssemble, playing, false},
        {kNormalSize, playing && zoomed, false},
        {kZoomIn, playing && s.zoomInLevel < 2, false},
        {kZoomOut, playing && s.zoomOutLevel < s.maxZoomOutLevel, false},
        {kPause, s.puzzleExists && !s.autoAssembling, s.paused},
        {kOtherGames, otherGamesExists, false},
        {kBeginner, true, s.level == 2},
        {kNovice, true, s.level == 3},
        {kStandard, true, s.level == 4},
        {kExpert, true, s.level == 5},
    };
}
