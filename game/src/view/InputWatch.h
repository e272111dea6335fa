#pragma once

#include <QObject>

#include <functional>

// The player's input as the game clock sees it: when the last input on the
// table came (the automatic pause waits for a minute without any), and the
// clock's ticks, which do nothing when input was waiting.
class InputWatch : public QObject {
  public:
    // Milliseconds on a steady clock; tests put a clock of their own here.
    using Clock = std::function<long long()>;
    static Clock& clock();

    InputWatch(std::function<void()> tick, QObject* parent);

    void noteInput() {
        last_ = clock()();
        inputSinceDue_ = true;
    }
    long msSinceInput() const { return static_cast<long>(clock()() - last_); }
    // The clock timer went off: the tick runs after what is queued already.
    void tickDue();

  protected:
    bool event(QEvent* event) override;

  private:
    std::function<void()> tick_;
    long long last_ = 0;
    bool inputSinceDue_ = false;
};
