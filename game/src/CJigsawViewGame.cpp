#include "CJigsawView.h"

#include <QApplication>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>
#include <ctime>

#include "CJigsawApp.h"
#include "IniStore.h"
#include "PIXPICK32.h"
#include "SettingsKeys.h"
#include "dialogs/CPieceSizeDlg.h"
#include "imagelib.h"
#include "platform/MessageBox.h"
#include "view/PictureLoader.h"
#include "view/ViewInteraction.h"

// New game, loading a picture and cutting it: the start of every puzzle.

// New game: the player chooses a picture from the galleries.
void CJigsawView::newGame() {
    CClockHold hold;
    stopAssembly();
    if (!askToSave()) {
        session_.clock.Correct(hold);
        return;
    }
    char path[256] = {};
    short width = -1;
    short height = -1;
    UseOnlyPPX(0);
    const int handle = LoadFromGallerySingle(this, path, 255, "New Game", &width, &height,
                                             "Tessella.hlp>Screens", 0x27004);
    session_.clock.Correct(hold);
    if (handle != 0) {
        loadPicture(QString::fromLocal8Bit(path), handle - 1);
    }
    viewport()->update();
}

bool CJigsawView::loadPicture(const QString& path, int slot) {
    stopAssembly();
    CJigsawApp* app = CJigsawApp::instance();
    if (app && app->imageSlot >= 0 && app->imageSlot != slot) {
        IMGFree(app->imageSlot);
        app->imageSlot = -1;
    }
    PictureLoader::Request request;
    request.path = path.toStdString();
    request.clientRight = viewport()->width();
    request.clientBottom = viewport()->height();
    request.slot = slot;
    if (app) {
        request.adjustToWindow = app->prefs.adjustOriginal != 0;
        request.loadingPriority = app->prefs.loadingPriority;
    }
    PictureLoader::Result result;
    std::string error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = PictureLoader::Load(request, {}, result, &error);
    QApplication::restoreOverrideCursor();
    if (!loaded || result.bitmap.isNull()) {
        MessageBeep(MB_OK);
        MessageBoxA(this, error.c_str(), CJigsawApp::kTitle, MB_OK);
        setPicture({});
        return false;
    }
    if (app) {
        app->imageSlot = result.slot;
        app->pictureFile = request.path;
        app->pictureWidth = static_cast<unsigned>(result.bitmap.width());
        app->pictureHeight = static_cast<unsigned>(result.bitmap.height());
    }
    state_.pictureHasHelp = result.hasHelp;
    pictureName_ = result.title;
    savedPath_.clear();
    currentFile_.clear();
    setPicture(std::move(result.bitmap));
    window()->setWindowTitle(QStringLiteral("%1 - %2").arg(
        QString::fromLocal8Bit(result.title.c_str()), QString::fromLatin1(CJigsawApp::kTitle)));
    return true;
}

// Start: the Piece Size and Placement dialog chooses the grid and where the
// pieces go; the clock stands still while it is open.
void CJigsawView::startFromDialog() {
    CClockHold hold;
    dialogs::PieceSizeRequest request;
    request.pictureWidth = session_.picture().width();
    request.pictureHeight = session_.picture().height();
    request.visibleWidth = viewport()->width();
    request.visibleHeight = viewport()->height();
    request.background = background_;
    request.picture = &session_.picture();
    if (const CJigsawApp* app = CJigsawApp::instance()) {
        request.currentPieceWidth = app->pieceWidth;
    }
    dialogs::CPieceSizeDlg dialog(request, this);
    const int result = dialog.exec();
    session_.clock.Correct(hold);
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

void CJigsawView::startGame(unsigned seed) {
    if (!session_.HasPicture()) {
        MessageBeep(MB_OK);
        MessageBoxA(this, "You have to load a picture before jumbling", "Error", MB_OK);
        return;
    }
    stopAssembly();
    CJigsawApp* app = CJigsawApp::instance();
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
    request.clientWidth = viewport()->width();
    request.clientHeight = viewport()->height();
    const QSize screen = this->screen() ? this->screen()->size() : QSize(1920, 1080);
    request.screenWidth = std::max(screen.width(), request.clientWidth);
    request.screenHeight = std::max(screen.height(), request.clientHeight);
    if (app) {
        request.moveAside = app->prefs.moveAside != 0;
        request.smallPieceThreshold = app->prefs.smallPieceLimit;
        request.placementFlags = (app->prefs.onTopOnMove ? sprites::SpriteStore::kOnMove : 0) |
                                 (app->prefs.onTopOnSnap ? sprites::SpriteStore::kOnSnap : 0);
    }
    request.background = background_;
    state_.cutting = true;
    sounds_.PlayLooped(1123);
    PuzzleBuilder::Hooks hooks;
    hooks.piece = [this](int) { viewport()->update(); };
    zoom_.Reset();
    interaction_->inverseMap = nullptr;
    Puzzle& puzzle = session_.Cut(request, hooks, &window_);
    sounds_.Stop();
    state_.cutting = false;
    state_.modified = false;
    interaction_->ClearModified();
    horizontalScrollBar()->setRange(0, std::max(0, puzzle.workspaceWidth - viewport()->width()));
    verticalScrollBar()->setRange(0, std::max(0, puzzle.workspaceHeight - viewport()->height()));
    scrollTableTo(puzzle.scrollX, puzzle.scrollY);
    noteInput();
    updateState();
}
