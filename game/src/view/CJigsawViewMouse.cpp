#include "view/CJigsawView.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

#include "app/CJigsawApp.h"
#include "controls/PieceToolTip.h"
#include "dialogs/CPieceLockedDlg.h"
#include "model/CClockHold.h"
#include "platform/MessageBox.h"
#include "settings/SettingsKeys.h"
#include "sound/SoundEvent.h"
#include "sprites/SpriteStore.h"
#include "view/GameCursors.h"
#include "view/PieceMenu.h"
#include "view/ViewInteraction.h"
#include "windows/AuxWindows.h"

// Mouse input on the table, the right-button piece menu, the cursors, the
// auto-scroll timers and the piece tool tip.

std::unique_ptr<ViewInteraction> CJigsawView::makeInteraction() {
    ViewInteraction::Hooks hooks;
    hooks.sound = [this](int event) { playSound(event); };
    hooks.changed = [this] {
        viewport()->update();
        if (session_.store() != nullptr && session_.store()->held() != nullptr) {
            windows_->windows().heldMoved();
        }
    };
    hooks.scrollTo = [this](int x, int y) { scrollTableTo(x, y); };
    hooks.lockedTip = [this](const char* text, int x, int y) { showPieceTip(text, x, y); };
    hooks.closeTip = [this] { closePieceTip(); };
    hooks.cursor = [this](int cursor) { showGameCursor(cursor); };
    hooks.timer = [this](AutoScroll::Timer timer, int ms) { autoScrollTimer_.run(timer, ms); };
    autoScrollTimer_.elapsed = [this](AutoScroll::Timer timer) {
        if (!session_.clock.Paused()) {  // the table stays still while paused
            interaction_->TimerElapsed(timer);
        }
    };
    hooks.promotion = [this] { PuzzleFlow::runHook(keys::kPromotionPieces); };
    return std::make_unique<ViewInteraction>(session_, window_, std::move(hooks));
}

void CJigsawView::showGameCursor(int cursor) {
    if (cursor == ViewInteraction::kSizeAllCursor) {
        viewport()->setCursor(Qt::SizeAllCursor);
    } else {
        viewport()->setCursor(GameCursor(cursor));
    }
}

void CJigsawView::showPieceTip(const char* text, int x, int y) {
    closePieceTip();
    pieceTip_ = new controls::PieceToolTip(viewport(), QString::fromLatin1(text));
    pieceTip_->placeAt(QPoint(x, y));
    pieceTip_->show();
}

void CJigsawView::closePieceTip() {
    delete pieceTip_;
    pieceTip_ = nullptr;
}

// "Piece is locked": Assist found a locked neighbour. The clock stands still
// while the player decides.
Assist::LockedChoice CJigsawView::askLockedPiece() {
    int result = IDCANCEL;
    {
        const CClockHold hold;
        dialogs::CPieceLockedDlg dialog(this);
        result = dialog.exec();
    }
    switch (result) {
        case dialogs::CPieceLockedDlg::kUnlockAndMove:
            return Assist::LockedChoice::UnlockAndMove;
        case dialogs::CPieceLockedDlg::kMoveToLocked:
            return Assist::LockedChoice::MoveToLocked;
        default:
            return Assist::LockedChoice::Cancel;
    }
}

void CJigsawView::mousePressEvent(QMouseEvent* event) {
    noteInput();
    stopAssembly();
    if (gesture_.press(session_.clock.Paused())) {
        playSound(sound::kPause);
        return;
    }
    if (event->button() == Qt::LeftButton) {
        CJigsawApp* app = CJigsawApp::instance();
        interaction_->autoScrollOn = app == nullptr || app->prefs.autoScroll != 0;
        interaction_->Press(event->position().toPoint().x(), event->position().toPoint().y(),
                            app && app->prefs.dragBackground != 0);
    }
}

void CJigsawView::mouseMoveEvent(QMouseEvent* event) {
    noteInput();
    if (session_.clock.Paused()) {
        if (event->buttons() != Qt::NoButton && gesture_.dragOrDrop()) {
            playSound(sound::kPause);
        }
        return;
    }
    const QPoint at = event->position().toPoint();
    const bool leftDown = event->buttons() & Qt::LeftButton;
    // The button went up where this window did not see it.
    if (interaction_->Holding() && !leftDown) {
        dropAt(at);
    } else if (leftDown || interaction_->Holding() || event->modifiers() & Qt::ShiftModifier) {
        interaction_->Move(at.x(), at.y(), false);
    }
}

void CJigsawView::mouseReleaseEvent(QMouseEvent* event) {
    noteInput();
    if (session_.clock.Paused()) {
        if (gesture_.dragOrDrop()) {
            playSound(sound::kPause);
        }
        return;
    }
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        dropAt(at);
    } else if (event->button() == Qt::RightButton && session_.store() != nullptr) {
        // A right-button release over a group (outside the piece menu) asks
        // for Assist.
        pieceMenuCommand(PieceMenu::kAssist, at);
    }
}

void CJigsawView::dropAt(const QPoint& at) {
    interaction_->Release(at.x(), at.y());
    afterDrop();
}

void CJigsawView::afterDrop() {
    // The drag composition may have painted past the table's edge.
    redrawAll();
    if (CJigsawApp* app = CJigsawApp::instance()) {
        app->SetStatusPaneText(1, QString::fromStdString(session_.score.TotalText()));
    }
    flow_.finishIfComplete();
    updateState();
}

void CJigsawView::mouseDoubleClickEvent(QMouseEvent* event) {
    noteInput();
    if (gesture_.press(session_.clock.Paused())) {
        playSound(sound::kPause);
    }
    if (session_.clock.Paused() || event->button() != Qt::LeftButton) {
        return;
    }
    interaction_->DoubleClick(event->position().toPoint().x(), event->position().toPoint().y());
    if (CJigsawApp* app = CJigsawApp::instance()) {
        app->SetStatusPaneText(1, QString::fromStdString(session_.score.TotalText()));
    }
    flow_.finishIfComplete();
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
        if (event->reason() != QContextMenuEvent::Mouse) {  // the button-down sounded
            playSound(sound::kPause);
        }
        return;
    }
    menuGroup_ = store->hitTest(interaction_->ToTable(event->pos().x()) + store->scrollX(),
                                interaction_->ToTable(event->pos().y()) + store->scrollY());
    if (menuGroup_ == nullptr) {
        return;
    }
    QMenu menu(this);
    PieceMenu::Fill(menu, *menuGroup_);
    const QAction* chosen = menu.exec(PieceMenu::Origin(event->globalPos(), menu.sizeHint(),
                                                        viewport()->width() - event->pos().x()));
    if (chosen != nullptr) {
        pieceCommand(chosen->data().toInt());
    }
}

void CJigsawView::pieceMenuCommand(int id, const QPoint& at) {
    sprites::SpriteStore* store = session_.store();
    if (store == nullptr || session_.clock.Paused()) {
        return;
    }
    menuGroup_ = store->hitTest(interaction_->ToTable(at.x()) + store->scrollX(),
                                interaction_->ToTable(at.y()) + store->scrollY());
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
    flow_.finishIfComplete();
    updateState();
}

void CJigsawView::redrawSprite(const sprites::Sprite& sprite) {
    if (sprites::SpriteStore* store = session_.store()) {
        store->redrawSprite(&window_, &sprite, true);
        viewport()->update();
        notifySprite(sprite);
    }
}

void CJigsawView::redrawArea(const platform::Rect& table) {
    if (sprites::SpriteStore* store = session_.store()) {
        store->redrawArea(&window_, table, true);
        viewport()->update();
        notifyArea(table);
    }
}

bool CJigsawView::holdingPiece() const {
    return interaction_->Holding();
}

// Table-point input from the auxiliary windows follows the rules of the
// view's own mouse input: nothing moves while paused, a press then sounds.
bool CJigsawView::pickUpAt(int x, int y) {
    noteInput();
    stopAssembly();
    if (session_.clock.Paused()) {
        playSound(sound::kPause);
        return false;
    }
    return interaction_->PressTable(x, y);
}

void CJigsawView::moveHeldTo(int x, int y) {
    noteInput();
    if (!session_.clock.Paused()) {
        interaction_->MoveHeldTable(x, y);
    }
}

void CJigsawView::dropHeldAt(int x, int y) {
    noteInput();
    if (!session_.clock.Paused()) {
        interaction_->ReleaseTable(x, y);
        afterDrop();
    }
}
