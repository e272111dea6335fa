#pragma once

#include <utility>

namespace platform {

// Runs work and returns its result, or failure when it throws: memory that
// cannot be had (std::bad_alloc, the region code's memory exception) ends the
// one call with the call's own failure value instead of ending the program.
// Every exported C function that allocates runs its work through this, so no
// exception crosses a library boundary.
template <class Result, class Work>
Result withoutThrowing(Result failure, Work&& work) noexcept {
    try {
        return std::forward<Work>(work)();
    } catch (...) {
        return failure;
    }
}

}  // namespace platform
