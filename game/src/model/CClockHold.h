#pragma once

#include <ctime>
#include <functional>

// Holds the game clock while a modal dialog is open or the game is paused:
// made on the stack around the held operation. While any hold exists the
// automatic pause does not act and the game clock stands still: the process
// keeps the total of seconds during which at least one hold was alive, and
// GameClock leaves that time out of the play time. Nested or overlapping
// holds (a dialog opened while paused) are thus taken off exactly once, and
// no caller corrects the clock itself. Window thread only.
class CClockHold {
  public:
    // busyFlag, when given, is set to 1 for the hold's lifetime (the view's
    // busy flag around the sound dialog and saving).
    explicit CClockHold(int* busyFlag = nullptr);
    ~CClockHold();
    CClockHold(const CClockHold&) = delete;
    CClockHold& operator=(const CClockHold&) = delete;

    // Seconds since the hold was made.
    long Duration() const;

    // Holds alive in the process.
    static int ActiveCount();
    // Seconds, since the process started, during which any hold was alive
    // (including the running stretch). Only differences are meaningful.
    static long HeldSeconds();
    // The calendar clock (std::time unless a test puts another in its place;
    // an empty function restores it).
    static void SetTimeSource(std::function<std::time_t()> source);
    static std::time_t Now();

  private:
    std::time_t started_;
    int* busyFlag_;
};
