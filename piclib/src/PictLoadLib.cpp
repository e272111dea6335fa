#include "PIXPICK32.h"

#include "LibraryState.h"

extern "C" {

int InitPictloadLib(void) {
    piclib::state().initialised = true;
    return 1;
}

void EnableOldtimer(void) { piclib::state().oldTimer = true; }
}
