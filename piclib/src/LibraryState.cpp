#include "LibraryState.h"

namespace piclib {

LibraryState& state() {
    static LibraryState s;
    return s;
}

}  // namespace piclib
