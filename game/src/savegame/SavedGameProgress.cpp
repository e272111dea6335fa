#include "savegame/SavedGameProgress.h"

#include <QStatusBar>
#include <QWidget>

#include <algorithm>

namespace {

// The frame lies over the main window's status bar while that is shown, as
// the frame of a picture load does, else along the bottom of the view.
QWidget* hostFor(QWidget* view, QRect& area) {
    QWidget* frame = view->window();
    auto* bar =
        frame ? frame->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (bar != nullptr && bar->isVisible() && !bar->rect().isEmpty()) {
        area = bar->rect();
        return bar;
    }
    const int height = std::clamp(view->height(), 1, SavedGameProgress::kHeight);
    area = QRect(0, view->height() - height,
                 std::clamp(view->width(), 1, SavedGameProgress::kMaxWidth), height);
    return view;
}

}  // namespace

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
    QRect area;
    QWidget* host = hostFor(view_, area);
    frame_ = controls::ProgressIndicator::create(host, area);
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
