#include "CJigsawView.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

#include "CJigsawApp.h"
#include "view/PieceMenu.h"
#include "view/ViewInteraction.h"

// Mouse input on the table and the right-button piece menu.

void CJigsawView::mousePressEvent(QMouseEvent* event) {
    noteInput();
    stopAssembly();
    if (session_.clock.Paused()) {
        sounds_.PlayWait(1160);
        return;
    }
    if (event->button() == Qt::LeftButton) {
        CJigsawApp* app = CJigsawApp::instance();
        interaction_->Press(event->position().toPoint().x(), event->position().toPoint().y(),
                            app && app->prefs.dragBackground != 0);
    }
}

void CJigsawView::mouseMoveEvent(QMouseEvent* event) {
    noteInput();
    if (!session_.clock.Paused()) {
        interaction_->Move(event->position().toPoint().x(), event->position().toPoint().y(), false);
    }
}

void CJigsawView::mouseReleaseEvent(QMouseEvent* event) {
    noteInput();
    if (session_.clock.Paused() || event->button() != Qt::LeftButton) {
        return;
    }
    interaction_->Release(event->position().toPoint().x(), event->position().toPoint().y());
    // The drag composition may have painted past the table's edge.
    redrawAll();
    if (CJigsawApp* app = CJigsawApp::instance()) {
        app->SetStatusPaneText(1, QString::fromStdString(session_.score.TotalText()));
    }
    finishIfComplete();
    updateState();
}

void CJigsawView::mouseDoubleClickEvent(QMouseEvent* event) {
    noteInput();
    if (session_.clock.Paused() || event->button() != Qt::LeftButton) {
        return;
    }
    interaction_->DoubleClick(event->position().toPoint().x(), event->position().toPoint().y());
    if (CJigsawApp* app = CJigsawApp::instance()) {
        app->SetStatusPaneText(1, QString::fromStdString(session_.score.TotalText()));
    }
    finishIfComplete();
    updateState();
}

void CJigsawView::contextMenuEvent(QContextMenuEvent* event) {
    noteInput();
    stopAssembly();
    sprites::SpriteStore* store = session_.store();
    if (store == nullptr) {
        return;
    }
    if (session_.clock.Paused()) {
        sounds_.PlayWait(1160);
        return;
    }
    menuGroup_ =
        store->hitTest(event->pos().x() + store->scrollX(), event->pos().y() + store->scrollY());
    if (menuGroup_ == nullptr) {
        return;
    }
    QMenu menu(this);
    PieceMenu::Fill(menu, *menuGroup_);
    const QAction* chosen = menu.exec(event->globalPos() - QPoint(0, 3));
    if (chosen != nullptr) {
        pieceCommand(chosen->data().toInt());
    }
}

void CJigsawView::pieceMenuCommand(int id, const QPoint& at) {
    sprites::SpriteStore* store = session_.store();
    if (store == nullptr || session_.clock.Paused()) {
        return;
    }
    menuGroup_ = store->hitTest(at.x() + store->scrollX(), at.y() + store->scrollY());
    pieceCommand(id);
}

void CJigsawView::pieceCommand(int id) {
    sprites::SpriteStore* store = session_.store();
    if (store == nullptr || menuGroup_ == nullptr || store->indexOf(menuGroup_) < 0) {
        return;
    }
    stopAssembly();
    switch (id) {
        case PieceMenu::kLock:
        case PieceMenu::kUnlock:
            playSound(PieceMenu::ToggleLock(*store, menuGroup_));
            break;
        case PieceMenu::kAssist:
            state_.modified = true;
            session_.AssistGroup(menuGroup_, &window_, nullptr);
            break;
        case PieceMenu::kSendToBack:
            store->sendToBack(menuGroup_);
            break;
        default:
            return;
    }
    menuGroup_ = nullptr;
    redrawAll();
    finishIfComplete();
    updateState();
}
