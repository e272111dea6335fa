#include "model/CClockHold.h"

#include <utility>

namespace {

int holds = 0;
// Held seconds of the stretches that ended, and when the running one began.
long heldBefore = 0;
std::time_t heldSince = 0;

std::function<std::time_t()>& timeSource() {
    static std::function<std::time_t()> source;
    return source;
}

}  // namespace

CClockHold::CClockHold(int* busyFlag) : started_(Now()), busyFlag_(busyFlag) {
    if (holds++ == 0) {
        heldSince = started_;
    }
    if (busyFlag_ != nullptr) {
        *busyFlag_ = 1;
    }
}

CClockHold::~CClockHold() {
    if (--holds == 0) {
        heldBefore += static_cast<long>(Now() - heldSince);
    }
    if (busyFlag_ != nullptr) {
        *busyFlag_ = 0;
    }
}

long CClockHold::Duration() const {
    return static_cast<long>(Now() - started_);
}

int CClockHold::ActiveCount() {
    return holds;
}

long CClockHold::HeldSeconds() {
    return heldBefore + (holds > 0 ? static_cast<long>(Now() - heldSince) : 0);
}

void CClockHold::SetTimeSource(std::function<std::time_t()> source) {
    // A running stretch goes on in the new clock's time.
    heldBefore = HeldSeconds();
    timeSource() = std::move(source);
    heldSince = Now();
}

std::time_t CClockHold::Now() {
    return timeSource() ? timeSource()() : std::time(nullptr);
}
