#include "view/AuxWindowLink.h"

#include <QWidget>

#include "PIXPICK32.h"
#include "app/CJigsawApp.h"
#include "commands/CommandIds.h"
#include "commands/GameState.h"
#include "model/GameSession.h"
#include "model/GameTimer.h"
#include "view/GameFlowHost.h"
#include "windows/AuxWindows.h"

namespace {

int currentSlot() {
    const CJigsawApp* app = CJigsawApp::instance();
    return app ? app->imageSlot : -1;
}

}  // namespace

AuxWindowLink::AuxWindowLink(GameFlowHost& host, QWidget* frame)
    : host_(host), windows_(std::make_unique<windows::AuxWindows>(makeHost(), frame)) {}

AuxWindowLink::~AuxWindowLink() = default;

windows::WindowHost AuxWindowLink::makeHost() {
    windows::WindowHost host;
    host.store = [this] { return host_.session().store(); };
    host.tableColour = [this] { return host_.background(); };
    host.picture = [this]() -> const platform::Surface* {
        GameSession& session = host_.session();
        return session.HasPicture() ? &session.picture() : nullptr;
    };
    host.imageSlot = [] { return currentSlot(); };
    host.pickUp = [this](int x, int y) { return host_.pickUpAt(x, y); };
    host.moveHeld = [this](int x, int y) { host_.moveHeldTo(x, y); };
    host.drop = [this](int x, int y) { host_.dropHeldAt(x, y); };
    host.repaintTable = [this] { host_.table()->update(); };
    host.post = [this](int command) { host_.postCommand(command); };
    return host;
}

bool AuxWindowLink::command(int id) {
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
    host_.updateState();
    return true;
}

void AuxWindowLink::updateStatusTexts() {
    GameSession& session = host_.session();
    const Puzzle* p = session.puzzle();
    if (p == nullptr) {
        return;
    }
    CJigsawApp* app = CJigsawApp::instance();
    const GameTimer::Status status =
        GameTimer::Update(session.score, session.clock, p->groups(), p->pieceCount,
                          app != nullptr && app->prefs.scoringOff != 0);
    if (app && status.score) {
        app->SetStatusPaneText(2, QString::fromStdString(*status.score));
    }
    const QString time = QString::fromStdString(status.time.value_or(std::string()));
    windows_->clockTexts(status.time ? &time : nullptr, QString::fromStdString(status.pieces));
}

void AuxWindowLink::sync() {
    GameState& state = host_.state();
    state.originalShown = windows_->originalShown();
    state.overviewShown = windows_->overviewShown();
    state.statusShown = windows_->statusShown();
    const GameSession& session = host_.session();
    if (session.puzzle() != nullptr) {
        windows_->scoreTexts(session.score.total(), session.score.penalty(),
                             session.score.bonusSum());
    }
}
