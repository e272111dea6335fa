#pragma once

#include <utility>

// While the game is paused a mouse gesture on the table only plays the pause
// sound, once per gesture: the sound plays synchronously, and one for every
// move of a drag would stall the pointer. A gesture starts with a button
// going down (also the second press of a double-click).
class PausedGesture {
  public:
    // A button went down; true when it sounds (while paused).
    bool press(bool paused) {
        sounded_ = paused;
        return paused;
    }
    // A drag move or a button-up while paused (the button may have gone down
    // before the pause): true when the gesture has not sounded yet.
    bool dragOrDrop() { return !std::exchange(sounded_, true); }

  private:
    bool sounded_ = false;
};
