#include "savegame/SavedGameProgress.h"

#include <QWidget>

SavedGameProgress::Observer& SavedGameProgress::observer() {
    static Observer watching;
    return watching;
}

SavedGameProgress::SavedGameProgress(QWidget* view, const char* label, long end) : view_(view) {
    show(label, end);
}

SavedGameProgress::~SavedGameProgress() {
    delete frame_.data();
}

void SavedGameProgress::show(const char* label, long end) {
    const QString text = QString::fromLatin1(label);
    if (observer().shown) {
        observer().shown(text, end);
    }
    // A fresh frame for every label, so that no bar of the last one remains.
    delete frame_.data();
    if (view_ == nullptr) {
        return;
    }
    frame_ = controls::ProgressIndicator::createBelow(view_);
    if (frame_ == nullptr) {
        return;
    }
    frame_->raise();
    frame_->setLabel(text);
    frame_->setRange(0, end);
    frame_->report(0);
    frame_->repaint();
}

void SavedGameProgress::report(long value, bool redraw) {
    if (observer().reported) {
        observer().reported(value);
    }
    if (frame_ == nullptr) {
        return;
    }
    const int before = frame_->lastPercent();
    frame_->report(value);
    if (redraw && frame_->lastPercent() != before) {
        frame_->repaint();
    }
}

int SavedGameProgress::imageProgress(void* record, int percent) {
    static_cast<SavedGameProgress*>(record)->report(percent);
    return 0;
}
