#include "LibraryState.h"

namespace piclib {

HandleState LibraryState::stateOf(int handle) const {
    const auto it = handleStates.find(handle);
    return it == handleStates.end() ? HandleState::kIdle : it->second;
}

void LibraryState::setState(int handle, HandleState s) {
    if (s == HandleState::kIdle) {
        handleStates.erase(handle);
    } else {
        handleStates[handle] = s;
    }
}

void LibraryState::dropPalette() {
    paletteCached = false;
    cachedPalette.clear();
}

LibraryState& state() {
    static LibraryState s;
    return s;
}

}  // namespace piclib
