#include "Progress.h"

namespace imagelib {
namespace {

struct Installed {
    void* record = nullptr;
    IMGProgressProc proc = nullptr;
    int last = -1;  // last percent reported, so each value is sent once
};

Installed& installed() {
    static Installed i;
    return i;
}

}  // namespace

void Progress::install(void* record, IMGProgressProc proc) {
    installed() = Installed{record, proc, -1};
}

Progress::Progress(int from, int to) : from_(from), to_(to) {
    if (from_ == 0) {
        installed().last = -1;
    }
}

void Progress::step(long long done, long long total) {
    Installed& i = installed();
    if (i.proc == nullptr || total <= 0) {
        return;
    }
    if (done > total) {
        done = total;
    }
    const int percent = from_ + static_cast<int>((to_ - from_) * done / total);
    if (percent > i.last) {
        i.last = percent;
        i.proc(i.record, percent);
    }
}

}  // namespace imagelib
