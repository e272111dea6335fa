#include "view/PuzzleFlow.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>

#include <algorithm>
#include <ctime>
#include <optional>

#include "PIXPICK32.h"
#include "app/CJigsawApp.h"
#include "commands/GameState.h"
#include "dialogs/CPieceSizeDlg.h"
#include "help/HelpContext.h"
#include "imagelib.h"
#include "model/CClockHold.h"
#include "model/GameSession.h"
#include "platform/MessageBox.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"
#include "sound/CSoundOptions.h"
#include "sound/SoundEvent.h"
#include "view/GameCursors.h"
#include "view/GameFlowHost.h"
#include "view/PictureLoader.h"
#include "view/SavedGames.h"
#include "view/ViewProgress.h"
#include "windows/AuxWindows.h"

// New game, loading a picture and cutting it: the start of every puzzle.

namespace {

constexpr int kMenuBarPopups = 6;  // Game, Play, View, Options, Information, Help
// Longest stretch of a cut without letting window events through (ms).
constexpr int kCutEventsMs = 15;

// The room the table has on the screen once the main window's frame, caption
// and tool bar are taken off; the zoom-out limit is measured against it.
QSize zoomArea(const QWidget* view, QSize screen) {
    const QWidget* frame = view->window();
    int width = screen.width() - (frame->frameGeometry().width() - frame->width());
    const int height = screen.height() - (frame->geometry().y() - frame->frameGeometry().y());
    for (const QToolBar* bar : frame->findChildren<QToolBar*>()) {
        if (bar->isVisible()) {
            width -= std::min(bar->width(), bar->height());
        }
    }
    return {std::max(width, 1), std::max(height, 1)};
}

}  // namespace

PuzzleFlow::PuzzleFlow(GameFlowHost& host, SavedGames& files)
    : host_(host), session_(host.session()), files_(files) {}

EndOfGame::Hooks& PuzzleFlow::endOfGameHooks() {
    static EndOfGame::Hooks hooks;
    return hooks;
}

void PuzzleFlow::runHook(const char* key) {
    if (const CJigsawApp* app = CJigsawApp::instance()) {
        app->eventHooks().run(key);
    } else {
        EventHooks::forSystem({}).run(key);
    }
}

// New game: the player chooses a picture from the galleries, or through the
// file dialog alone (fromFileDialog).
void PuzzleFlow::newGame(bool fromFileDialog) {
    const CClockHold hold;
    const QString directory = QDir::currentPath();
    stopAssembly();
    if (!files_.askToSave()) {
        return;
    }
    char path[256] = {};
    short width = -1;
    short height = -1;
    UseOnlyPPX(0);
    const std::string help = help::applicationHelpFile() + ">Screens";
    const auto chooser = fromFileDialog ? SmallLoadFromGallerySingle : LoadFromGallerySingle;
    const int handle = chooser(host_.widget(), path, 255, "New Game", &width, &height, help.c_str(),
                               help::kPictureSelection);
    if (handle != 0) {
        files_.forgetSavedPath();
        if (session_.puzzle() != nullptr) {
            host_.clearPuzzle();
        }
        QDir::setCurrent(directory);
        loadPicture(QString::fromLocal8Bit(path), handle - 1);
    }
    QDir::setCurrent(directory);
    host_.table()->update();
}

// Loads the picture at path (slot -1: read it through the picture library)
// under the progress indicator. On failure the view is left empty.
bool PuzzleFlow::loadPicture(const QString& path, int slot) {
    stopAssembly();
    QMetaObject::invokeMethod(host_.widget(), "loadingSound", Qt::QueuedConnection);
    ViewProgress progress(host_.widget(), host_.busyCount());
    progress.show(QStringLiteral("Loading"), 100);
    host_.widget()->window()->update();
    CJigsawApp* app = CJigsawApp::instance();
    if (app && app->imageSlot >= 0 && app->imageSlot != slot) {
        IMGFree(app->imageSlot);
        app->imageSlot = -1;
    }
    if (session_.puzzle() != nullptr) {
        host_.clearPuzzle();
    }
    host_.setPicture({});
    PictureLoader::Request request;
    request.path = path.toStdString();
    request.clientRight = host_.table()->width();
    request.clientBottom = host_.table()->height();
    request.slot = slot;
    if (app) {
        request.adjustToWindow = app->prefs.adjustOriginal != 0;
        request.loadingPriority = app->prefs.loadingPriority;
    }
    PictureLoader::Hooks hooks;
    hooks.status = [&progress](const char* text) { progress.step(QString::fromLatin1(text)); };
    hooks.progress = [&progress](int percent) {
        progress.report(percent);
        ViewProgress::letEventsThrough();
    };
    PictureLoader::Result result;
    std::string error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = PictureLoader::Load(request, hooks, result, &error);
    QApplication::restoreOverrideCursor();
    if (!loaded) {
        MessageBeep(MB_OK);
        MessageBoxA(host_.widget(), error.c_str(), CJigsawApp::kTitle, MB_OK);
        return false;
    }
    if (app) {
        app->imageSlot = result.slot;
        app->pictureFile = request.path;
        app->pictureWidth = static_cast<unsigned>(result.bitmap.width());
        app->pictureHeight = static_cast<unsigned>(result.bitmap.height());
    }
    if (result.bitmap.isNull()) {
        MessageBoxA(host_.widget(), "Internal Error on allocating a Bitmap", CJigsawApp::kTitle,
                    MB_OK);
    }
    host_.state().pictureHasHelp = result.hasHelp;
    host_.state().artistHasHelp = result.hasHelp && AuthorHelpAvailable(request.path.c_str()) != 0;
    files_.newPicture(result.title);
    host_.setPicture(std::move(result.bitmap));
    host_.widget()->window()->setWindowTitle(QStringLiteral("%1 - %2").arg(
        QString::fromLocal8Bit(result.title.c_str()), QString::fromLatin1(CJigsawApp::kTitle)));
    progress.report(100);
    return true;
}

// The cut drew the pieces' rims into the picture bitmap; the image still
// holds the clean picture, so the finished puzzle is shown without them.
void PuzzleFlow::remakePicture() {
    const CJigsawApp* app = CJigsawApp::instance();
    if (app && app->imageSlot >= 0 && session_.HasPicture()) {
        platform::Surface clean = PictureLoader::Bitmap(app->imageSlot, session_.picture().width(),
                                                        session_.picture().height());
        if (!clean.isNull()) {
            host_.setPicture(std::move(clean));
        }
    }
    host_.redrawAll();
}

// Start: the Piece Size and Placement dialog chooses the grid and where the
// pieces go; the clock stands still while it is open.
void PuzzleFlow::startFromDialog() {
    std::optional<CClockHold> hold(std::in_place);
    dialogs::PieceSizeRequest request;
    request.pictureWidth = session_.picture().width();
    request.pictureHeight = session_.picture().height();
    request.visibleWidth = host_.table()->width();
    request.visibleHeight = host_.table()->height();
    request.background = host_.background();
    request.picture = &session_.picture();
    if (const CJigsawApp* app = CJigsawApp::instance()) {
        request.currentPieceWidth = app->pieceWidth;
    }
    dialogs::CPieceSizeDlg dialog(request, host_.widget());
    const int result = dialog.exec();
    hold.reset();  // the new game's clock starts after the dialog
    if (result != IDOK) {
        return;
    }
    const dialogs::PlacementChoice& placement = dialog.placement();
    chosen_ = StartChoice{dialog.finalGrid().pieceWidth,
                          dialog.finalGrid().pieceHeight,
                          {placement.reserveForPicture, placement.anywhere, placement.visibleOnly}};
    if (CJigsawApp* app = CJigsawApp::instance()) {
        app->pieceWidth = chosen_->pieceWidth;
        app->pieceHeight = chosen_->pieceHeight;
    }
    startGame(static_cast<unsigned>(std::time(nullptr)));
}

// The six popups of the main window's menu bar, by position.
void PuzzleFlow::enableMenuBar(bool enable) {
    auto* bar =
        host_.widget()->window()->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (bar == nullptr) {
        return;
    }
    int popups = 0;
    for (QAction* entry : bar->actions()) {
        if (entry->menu() != nullptr && popups++ < kMenuBarPopups) {
            entry->setEnabled(enable);
        }
    }
    bar->update();
}

// Cuts the loaded picture and scatters the pieces, with the grid and
// placement the Start dialog chose or else the stored ones. seed makes the
// cut and the places reproducible.
void PuzzleFlow::startGame(unsigned seed) {
    host_.state().cutting = true;
    host_.updateState();
    ViewProgress progress(host_.widget(), host_.busyCount());
    progress.show(QStringLiteral("Cutting"), 100);
    stopAssembly();
    QApplication::setOverrideCursor(GameCursor(GameCursors::kCutA));
    if (!session_.HasPicture()) {
        QApplication::restoreOverrideCursor();
        host_.state().cutting = false;
        host_.updateState();
        MessageBeep(MB_OK);
        MessageBoxA(host_.widget(), "You have to load a picture before jumbling", "Error", MB_OK);
        return;
    }
    enableMenuBar(false);
    runHook(keys::kPromotionJumble);
    const PuzzleBuilder::Request request = cutRequest(seed);
    host_.soundOptions().PlayLooped(sound::kCut);
    PuzzleBuilder::Hooks hooks;
    // Each piece is shown through its own rectangle; the window system gets
    // its turn at most every kCutEventsMs.
    hooks.piece = [this, &progress](int pieces, const platform::Rect& shown) {
        host_.table()->update(shown.left, shown.top, shown.width(), shown.height());
        progress.letEventsThroughEvery(kCutEventsMs);
        showCutCursor(pieces);
    };
    hooks.progress = [&progress](int percent) { progress.report(percent); };
    CJigsawApp* app = CJigsawApp::instance();
    if (app && app->imageSlot >= 0) {
        hooks.resample = [slot = app->imageSlot](platform::Surface& picture, int w, int h) {
            PictureLoader::Resample(slot, picture, w, h);
        };
    }
    host_.resetZoom();
    platform::Surface& window = host_.windowSurface();
    if (session_.puzzle() != nullptr) {
        window.fill(window.bounds(), platform::pixelFromColorRef(host_.background()));
    }
    Puzzle& puzzle = session_.Cut(request, hooks, &window);
    // What arrived since the last piece is refused while the cut still holds.
    ViewProgress::letEventsThrough();
    host_.resetDrops(puzzle.pieceCount);
    host_.soundOptions().Stop();
    if (app) {
        app->pictureWidth = static_cast<unsigned>(puzzle.pictureWidth);
        app->pictureHeight = static_cast<unsigned>(puzzle.pictureHeight);
    }
    host_.state().cutting = false;
    host_.state().modified = false;
    host_.markUnmodified();
    host_.updateScrollRanges();
    host_.scrollTableTo(puzzle.scrollX, puzzle.scrollY);
    enableMenuBar(true);
    QApplication::restoreOverrideCursor();
    progress.report(100);
    host_.noteInput();
    host_.updateState();
}

// The two cutting cursors take turns after every piece while the pointer is
// over the focused view.
void PuzzleFlow::showCutCursor(int pieces) {
    const QWidget* view = host_.widget();
    const bool focused = view->hasFocus() || host_.table()->hasFocus();
    if (focused && view->rect().contains(view->mapFromGlobal(QCursor::pos()))) {
        QApplication::changeOverrideCursor(
            GameCursor(pieces % 2 != 0 ? GameCursors::kCutB : GameCursors::kCutA));
    }
}

PuzzleBuilder::Request PuzzleFlow::cutRequest(unsigned seed) {
    PuzzleBuilder::Request request;
    if (chosen_) {
        request.pieceWidth = chosen_->pieceWidth;
        request.pieceHeight = chosen_->pieceHeight;
        request.placement = chosen_->placement;
        chosen_.reset();
    } else {
        const int size = GetIniInt(60, keys::kPieceSize);
        request.pieceWidth = request.pieceHeight = size;
        request.placement.anywhere = GetIniInt(0, keys::kThrowPiecesOnTable) != 0;
        request.placement.visibleOnly = GetIniInt(1, keys::kThrowPiecesOnVisibleArea) != 0;
        request.placement.reserveSpace = GetIniInt(0, keys::kThrowPiecesOnPict) != 0;
    }
    request.seed = seed;
    request.clientWidth = host_.table()->width();
    request.clientHeight = host_.table()->height();
    const QWidget* view = host_.widget();
    const QSize screen = view->screen() ? view->screen()->size() : QSize(1920, 1080);
    request.screenWidth = std::max(screen.width(), request.clientWidth);
    request.screenHeight = std::max(screen.height(), request.clientHeight);
    const QSize room = zoomArea(view, screen);
    request.zoomAreaWidth = room.width();
    request.zoomAreaHeight = room.height();
    if (const CJigsawApp* app = CJigsawApp::instance()) {
        request.moveAside = app->prefs.moveAside != 0;
        request.smallPieceThreshold = app->prefs.smallPieceLimit;
        request.placementFlags = (app->prefs.onTopOnMove ? sprites::SpriteStore::kOnMove : 0) |
                                 (app->prefs.onTopOnSnap ? sprites::SpriteStore::kOnSnap : 0);
    }
    request.background = host_.background();
    return request;
}

void PuzzleFlow::toggleAssembly() {
    if (session_.assembly.Running()) {
        stopAssembly();
        return;
    }
    if (!session_.puzzle() || session_.clock.Paused()) {
        return;
    }
    sprites::SpriteStore* store = session_.store();
    if (session_.StartAssembly(&host_.windowSurface(), store->scrollX(), store->scrollY()) !=
        AutoAssembly::StartResult::Started) {
        MessageBeep(MB_OK);
        MessageBoxA(host_.widget(), "Error: Upper Left Piece not found", "", MB_OK);
    }
    host_.updateState();
}

// Also after the assembly stopped itself (no neighbour left): the menus
// still show it running until then.
void PuzzleFlow::stopAssembly() {
    if (!session_.assembly.Running() && !host_.state().autoAssembling) {
        return;
    }
    session_.assembly.Stop();
    if (session_.Complete()) {
        host_.clearPuzzle();
        remakePicture();
    }
    host_.updateState();
}

// One group left: the whole picture is shown in place of the table.
void PuzzleFlow::finishIfComplete() {
    if (!session_.Complete()) {
        return;
    }
    CJigsawApp* app = CJigsawApp::instance();
    if (app) {
        app->SetStatusPaneText(1, QString::fromStdString(session_.score.TotalText()));
    }
    runEndOfGame();
}

// The player's own action left one group: rank, results and high scores.
void PuzzleFlow::runEndOfGame() {
    GameResults::Input input;
    input.totalScore = session_.score.total();
    input.elapsedSeconds = session_.clock.Elapsed();
    input.pieceCount = session_.puzzle()->pieceCount;
    input.bonusSum = session_.score.bonusSum();
    input.misses = session_.score.misses();
    input.pointsPerMiss = session_.score.missedFact();
    input.description = files_.pictureName();
    input.savedGamePath = files_.currentFile();
    EndOfGame::Hooks hooks = endOfGameHooks();
    hooks.closeStatusWindow = [this] { host_.auxWindows().closeStatus(); };
    hooks.playSound = [this](int event) { host_.soundOptions().Play(event); };
    hooks.clearPuzzle = [this] { host_.clearPuzzle(); };
    // Clearing again empties the status panes and resets the zoom; the
    // clean picture replaces the one the cut drew rims into.
    hooks.showCompletePicture = [this] {
        files_.forgetFiles();
        host_.clearPuzzle();
        remakePicture();
        host_.updateState();
    };
    EndOfGame::run(input, std::move(hooks), host_.widget());
}
