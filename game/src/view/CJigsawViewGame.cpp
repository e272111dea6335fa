#include "view/CJigsawView.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>

#include <algorithm>
#include <ctime>

#include "PIXPICK32.h"
#include "app/CJigsawApp.h"
#include "dialogs/CPieceSizeDlg.h"
#include "help/HelpContext.h"
#include "imagelib.h"
#include "platform/MessageBox.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"
#include "view/GameCursors.h"
#include "view/PictureLoader.h"
#include "view/ViewInteraction.h"
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

bool CJigsawView::event(QEvent* event) {
    if (busy() && event->type() == QEvent::Timer) {
        return true;  // ticks wait until the picture is loaded or cut
    }
    return QAbstractScrollArea::event(event);
}

// While a picture is loaded or cut the table takes no input.
bool CJigsawView::viewportEvent(QEvent* event) {
    if (busy()) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::Wheel:
            case QEvent::ContextMenu:
                return true;
            default:
                break;
        }
    }
    return QAbstractScrollArea::viewportEvent(event);
}

int CJigsawView::loadingSound() {
    sounds_.PlayUnlessBusy(1122);
    return 1;
}

void CJigsawView::runHook(const char* key) const {
    if (const CJigsawApp* app = CJigsawApp::instance()) {
        app->eventHooks().run(key);
    } else {
        EventHooks::forSystem({}).run(key);
    }
}

// New game: the player chooses a picture from the galleries, or through the
// file dialog alone (fromFileDialog).
void CJigsawView::newGame(bool fromFileDialog) {
    CClockHold hold;
    const QString directory = QDir::currentPath();
    stopAssembly();
    if (!askToSave()) {
        session_.clock.Correct(hold);
        return;
    }
    char path[256] = {};
    short width = -1;
    short height = -1;
    UseOnlyPPX(0);
    const std::string help = help::applicationHelpFile() + ">Screens";
    const auto chooser = fromFileDialog ? SmallLoadFromGallerySingle : LoadFromGallerySingle;
    const int handle = chooser(this, path, 255, "New Game", &width, &height, help.c_str(),
                               help::kPictureSelection);
    if (handle != 0) {
        savedPath_.clear();
        if (session_.puzzle() != nullptr) {
            clearPuzzle();
        }
        QDir::setCurrent(directory);
        loadPicture(QString::fromLocal8Bit(path), handle - 1);
    }
    QDir::setCurrent(directory);
    viewport()->update();
    session_.clock.Correct(hold);
}

// Loads the picture at path (slot -1: read it through the picture library)
// under the progress indicator. On failure the view is left empty.
bool CJigsawView::loadPicture(const QString& path, int slot) {
    stopAssembly();
    QMetaObject::invokeMethod(
        this, [this] { loadingSound(); }, Qt::QueuedConnection);
    ViewProgress progress(this, busyCount_);
    progress.show(QStringLiteral("Loading"), 100);
    window()->update();
    CJigsawApp* app = CJigsawApp::instance();
    if (app && app->imageSlot >= 0 && app->imageSlot != slot) {
        IMGFree(app->imageSlot);
        app->imageSlot = -1;
    }
    if (session_.puzzle() != nullptr) {
        clearPuzzle();
    }
    setPicture({});
    PictureLoader::Request request;
    request.path = path.toStdString();
    request.clientRight = viewport()->width();
    request.clientBottom = viewport()->height();
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
        MessageBoxA(this, error.c_str(), CJigsawApp::kTitle, MB_OK);
        return false;
    }
    if (app) {
        app->imageSlot = result.slot;
        app->pictureFile = request.path;
        app->pictureWidth = static_cast<unsigned>(result.bitmap.width());
        app->pictureHeight = static_cast<unsigned>(result.bitmap.height());
    }
    if (result.bitmap.isNull()) {
        MessageBoxA(this, "Internal Error on allocating a Bitmap", CJigsawApp::kTitle, MB_OK);
    }
    state_.pictureHasHelp = result.hasHelp;
    state_.artistHasHelp = result.hasHelp && AuthorHelpAvailable(request.path.c_str()) != 0;
    pictureName_ = result.title;
    savedPath_.clear();
    currentFile_.clear();
    setPicture(std::move(result.bitmap));
    window()->setWindowTitle(QStringLiteral("%1 - %2").arg(
        QString::fromLocal8Bit(result.title.c_str()), QString::fromLatin1(CJigsawApp::kTitle)));
    progress.report(100);
    return true;
}

// Forgets the puzzle on the table; the picture stays loaded.
void CJigsawView::clearPuzzle() {
    closePieceTip();
    zoom_.Reset();
    interaction_->inverseMap = nullptr;
    interaction_->ClearModified();
    session_.Clear();  // also resumes a pause and stops the automatic assembly
    session_.score.Reset();
    pauseDisplay_.Reset();
    state_.modified = false;
    state_.zoomInLevel = 0;
    state_.zoomOutLevel = 0;
    state_.maxZoomOutLevel = 0;
    windows_->puzzleCleared();
    if (CJigsawApp* app = CJigsawApp::instance()) {
        app->SetStatusPaneText(1, QString());
        app->SetStatusPaneText(2, QString());
    }
    horizontalScrollBar()->setRange(0, 0);
    verticalScrollBar()->setRange(0, 0);
    updateState();
    redrawAll();
}

// The cut drew the pieces' rims into the picture bitmap; the image still
// holds the clean picture, so the finished puzzle is shown without them.
void CJigsawView::remakePicture() {
    const CJigsawApp* app = CJigsawApp::instance();
    if (app && app->imageSlot >= 0 && session_.HasPicture()) {
        platform::Surface clean = PictureLoader::Bitmap(app->imageSlot, session_.picture().width(),
                                                        session_.picture().height());
        if (!clean.isNull()) {
            setPicture(std::move(clean));
        }
    }
    redrawAll();
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

// The six popups of the main window's menu bar, by position.
void CJigsawView::enableMenuBar(bool enable) {
    auto* bar = window()->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
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
void CJigsawView::startGame(unsigned seed) {
    state_.cutting = true;
    updateState();
    ViewProgress progress(this, busyCount_);
    progress.show(QStringLiteral("Cutting"), 100);
    stopAssembly();
    QApplication::setOverrideCursor(GameCursor(GameCursors::kCutA));
    if (!session_.HasPicture()) {
        QApplication::restoreOverrideCursor();
        state_.cutting = false;
        updateState();
        MessageBeep(MB_OK);
        MessageBoxA(this, "You have to load a picture before jumbling", "Error", MB_OK);
        return;
    }
    enableMenuBar(false);
    runHook(keys::kPromotionJumble);
    const PuzzleBuilder::Request request = cutRequest(seed);
    sounds_.PlayLooped(1123);
    PuzzleBuilder::Hooks hooks;
    // Each piece is shown through its own rectangle; the window system gets
    // its turn at most every kCutEventsMs.
    hooks.piece = [this, &progress](int pieces, const platform::Rect& shown) {
        viewport()->update(shown.left, shown.top, shown.width(), shown.height());
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
    zoom_.Reset();
    interaction_->inverseMap = nullptr;
    if (session_.puzzle() != nullptr) {
        window_.fill(window_.bounds(), platform::pixelFromColorRef(background_));
    }
    Puzzle& puzzle = session_.Cut(request, hooks, &window_);
    // What arrived since the last piece is refused while the cut still holds.
    ViewProgress::letEventsThrough();
    interaction_->ResetDrops(puzzle.pieceCount);
    sounds_.Stop();
    if (app) {
        app->pictureWidth = static_cast<unsigned>(puzzle.pictureWidth);
        app->pictureHeight = static_cast<unsigned>(puzzle.pictureHeight);
    }
    state_.cutting = false;
    state_.modified = false;
    state_.zoomInLevel = 0;
    state_.zoomOutLevel = 0;
    interaction_->ClearModified();
    updateScrollRanges();
    scrollTableTo(puzzle.scrollX, puzzle.scrollY);
    enableMenuBar(true);
    QApplication::restoreOverrideCursor();
    progress.report(100);
    noteInput();
    updateState();
}

// The two cutting cursors take turns after every piece while the pointer is
// over the focused view.
void CJigsawView::showCutCursor(int pieces) {
    const bool focused = hasFocus() || viewport()->hasFocus();
    if (focused && rect().contains(mapFromGlobal(QCursor::pos()))) {
        QApplication::changeOverrideCursor(
            GameCursor(pieces % 2 != 0 ? GameCursors::kCutB : GameCursors::kCutA));
    }
}

PuzzleBuilder::Request CJigsawView::cutRequest(unsigned seed) {
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
    const QSize room = zoomArea(this, screen);
    request.zoomAreaWidth = room.width();
    request.zoomAreaHeight = room.height();
    if (const CJigsawApp* app = CJigsawApp::instance()) {
        request.moveAside = app->prefs.moveAside != 0;
        request.smallPieceThreshold = app->prefs.smallPieceLimit;
        request.placementFlags = (app->prefs.onTopOnMove ? sprites::SpriteStore::kOnMove : 0) |
                                 (app->prefs.onTopOnSnap ? sprites::SpriteStore::kOnSnap : 0);
    }
    request.background = background_;
    return request;
}
