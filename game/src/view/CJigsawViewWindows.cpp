#include "view/CJigsawView.h"

#include "PIXPICK32.h"
#include "app/CJigsawApp.h"
#include "commands/CommandIds.h"
#include "model/GameTimer.h"
#include "view/ViewInteraction.h"
#include "windows/AuxWindows.h"

// The auxiliary windows (original picture, overview, status) and the
// picture's own help: what they need of the view and what the view tells
// them.

namespace {

int currentSlot() {
    const CJigsawApp* app = CJigsawApp::instance();
    return app ? app->imageSlot : -1;
}

}  // namespace

windows::WindowHost CJigsawView::makeWindowHost() {
    windows::WindowHost host;
    host.store = [this] { return session_.store(); };
    host.tableColour = [this] { return background_; };
    host.picture = [this] { return session_.HasPicture() ? &session_.picture() : nullptr; };
    host.imageSlot = [] { return currentSlot(); };
    host.pickUp = [this](int x, int y) { return pickUpAt(x, y); };
    host.moveHeld = [this](int x, int y) { moveHeldTo(x, y); };
    host.drop = [this](int x, int y) { dropHeldAt(x, y); };
    host.repaintTable = [this] { viewport()->update(); };
    host.post = [this](int command) { postCommand(command); };
    return host;
}

// Original (F3), Overview (Ctrl+F3), Status (F4), About this Puzzle and About
// the Artist. Returns false for any other command.
bool CJigsawView::windowCommand(int id) {
    const CJigsawApp* app = CJigsawApp::instance();
    const char* picture = app && !app->pictureFile.empty() ? app->pictureFile.c_str() : nullptr;
    switch (id) {
        case cmd::kOriginal:
            windows_->toggleOriginal();
            break;
        case cmd::kOverview:
            windows_->toggleOverview();
            break;
        case cmd::kStatus:
            windows_->toggleStatus();
            if (windows_->statusShown()) {
                updateStatusTexts();
            }
            break;
        case cmd::kAboutPuzzle:
            HelpPicture(picture);
            break;
        case cmd::kAboutArtist:
            HelpAuthor(picture);
            break;
        default:
            return false;
    }
    updateState();
    return true;
}

// The clock's texts for the status window (and the score for the status
// bar), as every tick of the game timer shows them.
void CJigsawView::updateStatusTexts() {
    const Puzzle* p = session_.puzzle();
    if (p == nullptr) {
        return;
    }
    CJigsawApp* app = CJigsawApp::instance();
    const GameTimer::Status status =
        GameTimer::Update(session_.score, session_.clock, p->groups(), p->pieceCount,
                          app != nullptr && app->prefs.scoringOff != 0);
    if (app && status.score) {
        app->SetStatusPaneText(2, QString::fromStdString(*status.score));
    }
    const QString time = QString::fromStdString(status.time.value_or(std::string()));
    windows_->clockTexts(status.time ? &time : nullptr, QString::fromStdString(status.pieces));
}

void CJigsawView::syncWindows() {
    if (!windows_) {
        return;
    }
    state_.originalShown = windows_->originalShown();
    state_.overviewShown = windows_->overviewShown();
    state_.statusShown = windows_->statusShown();
    if (session_.puzzle() != nullptr) {
        windows_->scoreTexts(session_.score.total(), session_.score.penalty(),
                             session_.score.bonusSum());
    }
}

windows::AuxWindows& CJigsawView::auxWindows() {
    return *windows_;
}
