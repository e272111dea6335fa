// Start and end of the library.

#include "LibraryState.h"
#include "PIXPICK32.h"
#include "PictControls.h"

extern "C" {

int InitPictloadLib(void) {
    piclib::registerPictControls();
    piclib::state().initialised = true;
    return 1;
}

int ExitPicloadLib(void) {
    piclib::LibraryState& s = piclib::state();
    s.dropPalette();
    s.dialogBusy = false;
    s.mainWindow = nullptr;
    s.selection.clear();
    s.selectionCount = 0;
    // The file dialog keeps no drawing object of its own between calls.
    return 0;
}

void UnloadLibrary(void) {
    piclib::state() = piclib::LibraryState{};
}

void EnableOldtimer(void) {
    piclib::state().oldTimer = true;
}

int UseOnlyPPX(int flag) {
    piclib::state().onlyPpx = flag != 0;
    return 1;
}
}
