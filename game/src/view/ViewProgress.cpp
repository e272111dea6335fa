#include "view/ViewProgress.h"

#include <QCoreApplication>
#include <QRect>
#include <QStatusBar>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int kStripHeight = 20;  // pixels, when there is no status bar to cover

// The indicator lies over the main window's status bar while that is shown,
// else over a strip along the bottom of the view.
QWidget* hostFor(QWidget* view, QRect& area) {
    QWidget* frame = view->window();
    auto* bar =
        frame ? frame->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (bar != nullptr && bar->isVisible() && !bar->rect().isEmpty()) {
        area = bar->rect();
        return bar;
    }
    const int height = std::min(kStripHeight, view->height());
    area = QRect(0, view->height() - height, view->width(), height);
    return view;
}

}  // namespace

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
    QRect area;
    QWidget* host = hostFor(view_, area);
    if (!area.isEmpty()) {
        indicator_ = controls::ProgressIndicator::create(host, area);
    }
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

void ViewProgress::close() {
    delete indicator_.data();
    indicator_ = nullptr;
}
