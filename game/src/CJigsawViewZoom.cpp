// The zoom commands of the workspace view.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

#include "CJigsawView.h"
#include "CommandIds.h"
#include "view/ViewInteraction.h"

namespace {

int ScreenWidth(const QWidget* w) {
    const QScreen* screen = w->screen() != nullptr ? w->screen() : QGuiApplication::primaryScreen();
    return std::max(screen != nullptr ? screen->size().width() : 0, w->width());
}

}  // namespace

void CJigsawView::zoomCommand(int id) {
    stopAssembly();
    Puzzle* puzzle = session_.puzzle();
    if (puzzle == nullptr || !puzzle->store) {
        zoom_.Reset();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    platform::Surface* picture = &session_.picture();
    bool changed = true;
    if (id == cmd::kZoomOut) {
        changed = zoom_.ZoomOut(*puzzle, picture, ScreenWidth(this));
    } else if (id == cmd::kZoomIn) {
        changed = zoom_.ZoomIn(*puzzle, picture, ScreenWidth(this));
    } else {
        zoom_.Normal(*puzzle, picture);
    }
    QApplication::restoreOverrideCursor();
    interaction_->inverseMap = zoom_.inverseMap();
    state_.zoomOutLevel = zoom_.outLevel();
    state_.zoomInLevel = zoom_.inLevel();
    if (!changed) {
        return;
    }
    sprites::SpriteStore* store = puzzle->store.get();
    const int visibleW = zoom_.toTable(viewport()->width());
    const int visibleH = zoom_.toTable(viewport()->height());
    horizontalScrollBar()->setRange(0, std::max(0, puzzle->workspaceWidth - visibleW));
    verticalScrollBar()->setRange(0, std::max(0, puzzle->workspaceHeight - visibleH));
    const bool fits = visibleW >= puzzle->workspaceWidth && visibleH >= puzzle->workspaceHeight;
    window_.fill(window_.bounds(), platform::pixelFromColorRef(background_));
    store->scrollTo(fits ? 0 : store->scrollX(), fits ? 0 : store->scrollY(), true);
    scrollTableTo(fits ? 0 : store->scrollX(), fits ? 0 : store->scrollY());
    redrawAll();
    refreshMenuState();
}
