#include "model/CClockHold.h"

#include <utility>

namespace {

int holds = 0;

std::function<std::time_t()>& timeSource() {
    static std::function<std::time_t()> source;
    return source;
}

}  // namespace

CClockHold::CClockHold(int* busyFlag) : started_(Now()), busyFlag_(busyFlag) {
    ++holds;
    if (busyFlag_ != nullptr) {
        *busyFlag_ = 1;
    }
}

CClockHold::~CClockHold() {
    --holds;
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

void CClockHold::SetTimeSource(std::function<std::time_t()> source) {
    timeSource() = std::move(source);
}

std::time_t CClockHold::Now() {
    return timeSource() ? timeSource()() : std::time(nullptr);
}
