#pragma once

#include <string>

// What the menus and the tool bar depend on. The workspace view owns one and
// changes it as the game goes on; the menu state is computed from it.
struct GameState {
    bool pictureLoaded = false;
    bool pictureHasHelp = false;  // the loaded picture has a help file
    bool artistHasHelp = false;   // ... and a topic about its artist
    bool puzzleExists = false;    // the picture has been cut
    bool cutting = false;         // the cutting step is running
    bool paused = false;
    bool autoAssembling = false;
    bool modified = false;    // changes since the last save
    int zoomInLevel = 0;      // 0 to 2
    int zoomOutLevel = 0;     // 0 to maxZoomOutLevel
    int maxZoomOutLevel = 0;  // computed when the picture is cut
    bool overviewShown = false;
    bool originalShown = false;
    bool statusShown = false;
    int level = 4;               // skill level: 2 Beginner to 5 Expert
    std::string otherGamesPath;  // "OtherGam.Hlp" found at start-up, or empty
};
