#include "view/ViewProgress.h"

#include <QCoreApplication>
#include <QWidget>

ViewProgress::Observer& ViewProgress::observer() {
    static Observer watching;
    return watching;
}

ViewProgress::ViewProgress(QWidget* view, int& busyCount) : view_(view), busyCount_(busyCount) {
    ++busyCount_;
}

ViewProgress::~ViewProgress() {
    close();
    --busyCount_;
}

void ViewProgress::show(const QString& label, long maximum) {
    close();
    label_ = label;
    maximum_ = maximum;
    indicator_ = controls::ProgressIndicator::createBelow(view_);
    if (indicator_) {
        indicator_->setLabel(label);
        indicator_->setRange(0, maximum);
        indicator_->raise();
    }
    report(0);
}

void ViewProgress::report(long value) {
    if (indicator_) {
        indicator_->report(value);
    }
    if (observer()) {
        observer()(label_, value, maximum_);
    }
}

void ViewProgress::letEventsThrough() {
    QCoreApplication::processEvents();
}

void ViewProgress::letEventsThroughEvery(int milliseconds) {
    if (sinceEvents_.isValid() && !sinceEvents_.hasExpired(milliseconds)) {
        return;
    }
    letEventsThrough();
    sinceEvents_.start();
}

void ViewProgress::close() {
    delete indicator_.data();
    indicator_ = nullptr;
}
