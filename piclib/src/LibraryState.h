#pragma once

#include <map>
#include <string>
#include <vector>

class QWidget;

namespace piclib {

// What a picture handle is going through: a colour reduction may run on it,
// and a deletion asked for meanwhile is left to the reduction.
enum class HandleState { kIdle = 0, kReducing = 1, kDeleteRequested = 2 };

// Process-wide state behind the exports. Only the window thread touches it.
struct LibraryState {
    bool initialised = false;
    bool oldTimer = false;
    bool onlyPpx = false;
    bool dialogBusy = false;
    // The missing-galleries dialog is shown once per process.
    bool missingGalleriesShown = false;
    // The window that owns the library's dialogs.
    QWidget* mainWindow = nullptr;
    // The palette painting keeps between calls (0x00RRGGBB entries).
    bool paletteCached = false;
    std::vector<unsigned> cachedPalette;
    int currentPicture = 0;
    // Multiple selection: names separated by ';', each ending with one.
    std::string selection;
    int selectionCount = 0;
    std::vector<std::string> preselected;
    std::map<int, HandleState> handleStates;
    int reductionsRunning = 0;
    // Language letter, read on first use.
    char language = 0;

    HandleState stateOf(int handle) const;
    void setState(int handle, HandleState s);
    void dropPalette();
};

LibraryState& state();

}  // namespace piclib
