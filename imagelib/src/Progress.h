#pragma once

#include "imagelib.h"

namespace imagelib {

// The installed progress function and the span of the whole operation it is
// reporting on. An operation made of several steps maps each step onto a
// part of 0..100 so that the percentage only grows.
class Progress {
  public:
    static void install(void* record, IMGProgressProc proc);

    // Reports done of total for the step that covers from..to percent.
    Progress(int from, int to);
    void step(long long done, long long total);
    void finish() { step(1, 1); }

  private:
    int from_;
    int to_;
};

}  // namespace imagelib
