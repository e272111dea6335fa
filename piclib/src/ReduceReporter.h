#pragma once

#include "ColourReduction.h"

namespace piclib {

// Passes progress to the caller's function and remembers a request to stop.
class ReduceReporter {
  public:
    ReduceReporter(ReduceProgress progress, void* context)
        : progress_(progress), context_(context) {}

    // Reports done of total; returns false when the caller asked to stop.
    bool report(long done, long total) {
        if (progress_ != nullptr && progress_(context_, done, total) != 0) {
            stopped_ = true;
        }
        return !stopped_;
    }

  private:
    ReduceProgress progress_;
    void* context_;
    bool stopped_ = false;
};

}  // namespace piclib
