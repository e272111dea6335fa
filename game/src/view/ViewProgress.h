#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <functional>

#include "controls/ProgressIndicator.h"

class QWidget;

// A long operation of the workspace view (loading or cutting a picture): the
// progress indicator it shows and the guard under which it lets pending
// events through. While a ViewProgress lives, the view's busy count is above
// 0 and the view refuses commands, timer ticks and input on the table, so the
// player cannot start another operation but the window keeps painting.
class ViewProgress {
  public:
    // What the indicator shows: its label and maximum whenever a step
    // begins, then every value reported. Tests watch the operation here.
    using Observer = std::function<void(const QString& label, long value, long maximum)>;
    static Observer& observer();

    ViewProgress(QWidget* view, int& busyCount);
    ~ViewProgress();
    ViewProgress(const ViewProgress&) = delete;
    ViewProgress& operator=(const ViewProgress&) = delete;

    // Shows the indicator afresh with label, counting from 0 to maximum.
    void show(const QString& label, long maximum);
    // A new step with the same maximum.
    void step(const QString& label) { show(label, maximum_); }
    void report(long value);

    // Lets pending events through; the busy count keeps commands and timer
    // ticks of the view out meanwhile.
    static void letEventsThrough();
    // The same, but only once at least milliseconds have passed since this
    // operation last let them through, so that a stream of small steps
    // spends its time working rather than serving the window system.
    void letEventsThroughEvery(int milliseconds);

  private:
    void close();

    QWidget* view_;
    int& busyCount_;
    QPointer<controls::ProgressIndicator> indicator_;
    QString label_;
    long maximum_ = 100;
    QElapsedTimer sinceEvents_;
};
