// The zoom commands of the workspace view.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

#include "commands/CommandIds.h"
#include "view/CJigsawView.h"
#include "view/ViewInteraction.h"

namespace {

constexpr int kLineStep = 2;  // window pixels per scroll-bar arrow click

int ScreenWidth(const QWidget* w) {
    const QScreen* screen = w->screen() != nullptr ? w->screen() : QGuiApplication::primaryScreen();
    return std::max(screen != nullptr ? screen->size().width() : 0, w->width());
}

}  // namespace

void CJigsawView::updateScrollRanges() {
    // Scroll positions are table pixels: the bars cover the part of the
    // table the window cannot show at the current zoom step.
    const int visibleW = zoom_.toTable(viewport()->width());
    const int visibleH = zoom_.toTable(viewport()->height());
    horizontalScrollBar()->setRange(0, std::max(0, session_.TableWidth() - visibleW));
    verticalScrollBar()->setRange(0, std::max(0, session_.TableHeight() - visibleH));
    horizontalScrollBar()->setPageStep(std::max(1, zoom_.toTable(viewport()->width() / 4)));
    verticalScrollBar()->setPageStep(std::max(1, zoom_.toTable(viewport()->height() / 4)));
    horizontalScrollBar()->setSingleStep(std::max(1, zoom_.toTable(kLineStep)));
    verticalScrollBar()->setSingleStep(std::max(1, zoom_.toTable(kLineStep)));
}

void CJigsawView::zoomCommand(int id) {
    closePieceTip();
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
    updateScrollRanges();
    const bool fits = visibleW >= puzzle->workspaceWidth && visibleH >= puzzle->workspaceHeight;
    int x = fits ? 0 : store->scrollX();
    int y = fits ? 0 : store->scrollY();
    // Back at normal size the last group handled comes to the window's middle.
    if (const sprites::Sprite* g = interaction_->LastGroup();
        id == cmd::kNormalSize && g != nullptr && store->indexOf(g) >= 0) {
        x = g->x + g->width / 2 - visibleW / 2;
        y = g->y + g->height / 2 - visibleH / 2;
    }
    window_.fill(window_.bounds(), platform::pixelFromColorRef(background_));
    store->scrollTo(store->scrollX(), store->scrollY(), true);
    scrollTableTo(x, y);
    redrawAll();
    refreshMenuState();
}
