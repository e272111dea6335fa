#pragma once

#include <ctime>
#include <functional>

// Holds the game clock while a modal dialog is open or the game is paused:
// made on the stack around the held operation. While any hold exists the
// automatic pause does not act. The caller moves the game's start time
// forward by Duration() when the operation ends, so the time does not count
// as play time. Window thread only.
class CClockHold {
  public:
    // busyFlag, when given, is set to 1 for the hold's lifetime (the view's
    // busy flag around the sound dialog and saving).
    explicit CClockHold(int* busyFlag = nullptr);
    ~CClockHold();
    CClockHold(const CClockHold&) = delete;
    CClockHold& operator=(const CClockHold&) = delete;

    std::time_t Started() const { return started_; }
    // Seconds since the hold was made.
    long Duration() const;

    // Holds alive in the process.
    static int ActiveCount();
    // Whether a hold made now is the one that moves the start time: an
    // enclosing hold, or the pause, accounts for the same seconds itself.
    // pauseResumed: the caller resumes the pause it found before the hold
    // ends, so the pause's own hold does not count.
    static bool NextIsOutermost(bool pauseResumed = false) {
        return ActiveCount() == (pauseResumed ? 1 : 0);
    }
    // The calendar clock (std::time unless a test puts another in its place;
    // an empty function restores it).
    static void SetTimeSource(std::function<std::time_t()> source);
    static std::time_t Now();

  private:
    std::time_t started_;
    int* busyFlag_;
};
