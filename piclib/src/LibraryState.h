#pragma once

namespace piclib {

// Process-wide state behind the exports. Only the window thread touches it.
struct LibraryState {
    bool initialised = false;
    bool oldTimer = false;
};

LibraryState& state();

}  // namespace piclib
