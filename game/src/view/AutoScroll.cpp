#include "view/AutoScroll.h"

#include <algorithm>

#include "view/GameCursors.h"

AutoScroll::Direction AutoScroll::Decide(const Pointer& p, const Scroll& s) {
    if (p.x >= p.clientWidth - kBand && p.x > p.lastX && s.x < s.maxX && s.maxX > 0) {
        return kRight;
    }
    if (p.y >= p.clientHeight - kBand && p.y > p.lastY && s.y < s.maxY && s.maxY > 0) {
        return kDown;
    }
    if (p.x < kBand && p.x <= p.lastX && s.x > 0) {
        return kLeft;
    }
    if (p.y < kBand && p.y < p.lastY && s.y > 0) {
        return kUp;
    }
    return kNone;
}

int AutoScroll::CursorFor(Direction d) {
    switch (d) {
        case kRight:
            return GameCursors::kScrollRight;
        case kLeft:
            return GameCursors::kScrollLeft;
        case kUp:
            return GameCursors::kScrollUp;
        case kDown:
            return GameCursors::kScrollDown;
        default:
            return 0;
    }
}

bool AutoScroll::EdgeAhead(Direction d, const Scroll& s) {
    switch (d) {
        case kRight:
            return s.x < s.maxX;
        case kLeft:
            return s.x > 0;
        case kUp:
            return s.y > 0;
        case kDown:
            return s.y < s.maxY;
        default:
            return false;
    }
}

AutoScroll::Scroll AutoScroll::Advance(Direction d, Scroll s, int step) {
    if (!EdgeAhead(d, s)) {
        return s;
    }
    const int dx = d == kRight ? step : d == kLeft ? -step : 0;
    const int dy = d == kDown ? step : d == kUp ? -step : 0;
    s.x = std::clamp(s.x + dx, 0, std::max(0, s.maxX));
    s.y = std::clamp(s.y + dy, 0, std::max(0, s.maxY));
    return s;
}

void AutoScroll::Moved(Direction d, bool enabled) {
    direction_ = d;
    if (d == kNone) {
        timer_ = Timer::None;
    } else if (timer_ == Timer::None && enabled) {
        timer_ = Timer::Start;
    }
}

void AutoScroll::StartElapsed() {
    if (timer_ == Timer::Start) {
        timer_ = Timer::Repeat;
    }
}

bool AutoScroll::Repeat(bool holding, int shownCursor, const Scroll& s) {
    if (timer_ != Timer::Repeat || !holding || direction_ == kNone) {
        return false;
    }
    if (shownCursor != CursorFor(direction_)) {
        direction_ = kNone;
        return false;
    }
    return EdgeAhead(direction_, s);
}

void AutoScroll::Stop() {
    direction_ = kNone;
    timer_ = Timer::None;
}

int AutoScroll::interval() const {
    switch (timer_) {
        case Timer::Start:
            return kStartDelayMs;
        case Timer::Repeat:
            return kRepeatMs;
        default:
            return 0;
    }
}
