#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

#include "controls/ProgressIndicator.h"

// The progress indicator of a save or a restore, placed as every progress
// frame of the view is (ProgressIndicator::createBelow). The work runs on the
// window thread without returning to the event loop, so every change the
// frame draws is painted at once. The frame closes when this object ends.
class SavedGameProgress {
  public:
    static constexpr long kSaveEnd = 200;     // "Saving"
    static constexpr long kLoadEnd = 300;     // "Loading"
    static constexpr long kRebuildEnd = 100;  // "Reconstruct Game"

    // Tests follow the indicator here: every label with its range as it is
    // shown, and every value reported.
    struct Observer {
        std::function<void(const QString& label, long end)> shown;
        std::function<void(long value)> reported;
    };
    static Observer& observer();

    SavedGameProgress(QWidget* view, const char* label, long end);
    ~SavedGameProgress();
    SavedGameProgress(const SavedGameProgress&) = delete;
    SavedGameProgress& operator=(const SavedGameProgress&) = delete;

    // A new label and range, shown from 0.
    void show(const char* label, long end);
    // Shows value against the range; without redraw the frame is brought up
    // to date but painted with the next change.
    void report(long value, bool redraw = true);

    // The image library's progress function while the picture is read;
    // record is a SavedGameProgress.
    static int imageProgress(void* record, int percent);

  private:
    QPointer<QWidget> view_;
    QPointer<controls::ProgressIndicator> frame_;
};
