#include "view/SavedGames.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>

#include "PIXPICK32.h"
#include "app/CJigsawApp.h"
#include "commands/CommandIds.h"
#include "commands/GameState.h"
#include "dialogs/CSavingDlg.h"
#include "imagelib.h"
#include "model/CClockHold.h"
#include "model/GameSession.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "savegame/SavedGameDialog.h"
#include "savegame/SavedGameIo.h"
#include "savegame/SavedGameProgress.h"
#include "view/GameFlowHost.h"
#include "view/PictureLoader.h"
#include "windows/AuxWindows.h"

namespace {

constexpr std::uint32_t kRimDark = 0x808080;
constexpr std::uint32_t kRimLight = 0xC0C0C0;
constexpr int kLightRimMode = 1;
constexpr int kDarkRimMode = 2;

void showError(QWidget* parent, const std::string& text) {
    MessageBeep(MB_OK);
    MessageBoxA(parent, text.c_str(), CJigsawApp::kTitle, MB_OK | MB_ICONEXCLAMATION);
}

constexpr const char* kSavingLabel = "Saving";             // string 106
constexpr const char* kLoadingLabel = "Loading";           // string 103
constexpr const char* kRebuildLabel = "Reconstruct Game";  // string 108

// The busy cursor for the lifetime of the object.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The view's placement within the main window, as the window system would
// report it; kept in the file for the record only.
WindowPlacementRecord placementOf(const QWidget& view) {
    constexpr std::int32_t kShowNormal = 1;
    constexpr std::int32_t kNoPosition = -1;
    const QRect r = view.geometry();
    WindowPlacementRecord p;
    p.showCmd = kShowNormal;
    p.minX = p.minY = p.maxX = p.maxY = kNoPosition;
    p.normalLeft = r.left();
    p.normalTop = r.top();
    p.normalRight = r.right() + 1;
    p.normalBottom = r.bottom() + 1;
    return p;
}

// The picture file's name without directory and extension: the name a saved
// game carries and proposes for its file.
std::string pictureFileName() {
    const CJigsawApp* app = CJigsawApp::instance();
    const std::string path = app ? app->pictureFile : std::string();
    const std::size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

// The puzzle a saved game describes; its store and rims move out of game.
std::unique_ptr<Puzzle> puzzleFrom(SavedGame& game) {
    const SavedGameHeader& h = game.header;
    auto puzzle = std::make_unique<Puzzle>();
    puzzle->store = std::move(game.store);
    puzzle->lowerRightRims = std::move(game.lowerRightRims);
    puzzle->upperLeftRims = std::move(game.upperLeftRims);
    puzzle->seed = static_cast<unsigned>(h.seed);
    puzzle->pieceCount = h.pieceCount;
    puzzle->pieceWidth = h.pieceWidth;
    puzzle->pieceHeight = h.pieceHeight;
    puzzle->pictureWidth = h.pictureWidth();
    puzzle->pictureHeight = h.pictureHeight();
    puzzle->columns = h.pictureWidth() / h.pieceWidth;
    puzzle->rows = h.pictureHeight() / h.pieceHeight;
    puzzle->workspaceWidth = h.workspaceWidth;
    puzzle->workspaceHeight = h.workspaceHeight;
    puzzle->scrollX = h.scrollX;
    puzzle->scrollY = h.scrollY;
    puzzle->largestZoomOut = h.largestZoomOut;
    return puzzle;
}

// The saved game to restore: given when it exists; otherwise (after a beep
// when a given file is missing) the one the open dialog chooses, or empty.
QString chooseRestoreFile(const QString& given, QWidget* owner) {
    if (!given.isEmpty()) {
        // A stored name may differ from the file's in letter case or separators.
        const std::string found = platform::resolvePath(given.toStdString());
        if (platform::fileExists(found)) {
            return QString::fromStdString(found);
        }
        MessageBeep(MB_OK);
    }
    SavedGameDialog dialog(SavedGameDialog::Mode::Restore, SavedGameDialog::initialDirectory(),
                           SavedGameDialog::lastSavedName(), owner);
    return dialog.exec() == QDialog::Accepted ? dialog.chosenPath() : QString();
}

// Loads the game's picture at its saved size into a slot of its own, so that
// a failure leaves the current picture as it is. The image library reports
// the read to the progress indicator.
bool loadSavedPicture(const SavedGameHeader& h, SavedGameProgress& progress,
                      PictureLoader::Result& picture, std::string& error) {
    const CJigsawApp* app = CJigsawApp::instance();
    PictureLoader::Request request;
    request.path = h.picturePath;
    request.clientRight = h.pictureWidth();
    request.clientBottom = h.pictureHeight();
    request.fixedSize = true;
    request.loadingPriority = app ? app->prefs.loadingPriority : 2;
    WaitCursor wait;
    IMGSetProgress(&progress, SavedGameProgress::imageProgress, 1);
    const bool ok = PictureLoader::Load(request, {}, picture, &error);
    IMGSetProgress(nullptr, nullptr, 0);
    if (ok && picture.bitmap.width() == h.pictureWidth() &&
        picture.bitmap.height() == h.pictureHeight()) {
        return true;
    }
    if (ok && picture.slot >= 0 && (!app || picture.slot != app->imageSlot)) {
        IMGFree(picture.slot);
    }
    if (error.empty()) {
        error = "The picture " + h.picturePath + " cannot be loaded.";
    }
    return false;
}

// The screen's size, at least the table's: the largest table a saved game
// may ask for.
QSize screenSize(QWidget* view, const QWidget* table) {
    const QSize screen = view->screen() ? view->screen()->size() : QSize(1920, 1080);
    return {std::max(screen.width(), table->width()), std::max(screen.height(), table->height())};
}

}  // namespace

SavedGames::SavedGames(GameFlowHost& host) : host_(host), session_(host.session()) {}

// Save (into the restored file when there is one) and Save As. The clock
// stands still while the dialog is open and the file is written; a paused
// game is resumed for the save and paused again after it.
bool SavedGames::save(bool intoRestoredFile) {
    if (session_.puzzle() == nullptr) {
        return false;
    }
    const bool wasPaused = session_.clock.Paused();
    const CClockHold hold(host_.dialogBusyFlag());
    if (wasPaused) {
        session_.clock.Resume();
    }
    host_.stopAssembly();
    if (!intoRestoredFile) {
        savedPath_.clear();
    }
    std::string path = savedPath_;
    if (path.empty()) {
        const QString proposed =
            intoRestoredFile ? SavedGameDialog::proposedName(pictureFileName()) : QString();
        SavedGameDialog dialog(SavedGameDialog::Mode::Save, SavedGameDialog::initialDirectory(),
                               proposed, host_.widget());
        if (dialog.exec() == QDialog::Accepted) {
            path = dialog.chosenPath().toStdString();
        }
    }
    std::string error;
    if (!path.empty()) {
        SavedGameProgress progress(host_.table(), kSavingLabel, SavedGameProgress::kSaveEnd);
        WaitCursor wait;
        // Every group shows its number; every fourth is left to the next.
        error =
            saveTo(path, [&progress](int written) { progress.report(written, written % 4 != 0); });
        progress.report(SavedGameProgress::kSaveEnd);
    }
    if (wasPaused) {
        session_.clock.Pause();
    }
    host_.updateState();
    if (!error.empty()) {
        showError(host_.widget(), error);
    }
    return !path.empty() && error.empty();
}

std::string SavedGames::saveTo(const std::string& path,
                               const std::function<void(int written)>& onGroup) {
    Puzzle* puzzle = session_.puzzle();
    if (puzzle == nullptr) {
        return "There is no game to save.";
    }
    SavedGame game;
    fillHeader(game.header, *puzzle);
    game.header.elapsedSeconds = static_cast<std::int32_t>(session_.clock.Elapsed());
    // The file is written from the puzzle's own store, lent for the write;
    // nothing lets events through meanwhile.
    game.store = std::move(puzzle->store);
    game.lowerRightRims = std::move(puzzle->lowerRightRims);
    game.upperLeftRims = std::move(puzzle->upperLeftRims);
    const std::string error = SavedGameIo::save(path, game, onGroup);
    puzzle->store = std::move(game.store);
    puzzle->lowerRightRims = std::move(game.lowerRightRims);
    puzzle->upperLeftRims = std::move(game.upperLeftRims);
    if (error.empty()) {
        currentFile_ = path;
        host_.markUnmodified();
        SavedGameDialog::rememberSaved(path);
    }
    return error;
}

void SavedGames::fillHeader(SavedGameHeader& h, const Puzzle& puzzle) const {
    const CJigsawApp* app = CJigsawApp::instance();
    h.picturePath = app ? app->pictureFile : std::string();
    h.pieceWidth =
        static_cast<std::int16_t>(std::max(SavedGameHeader::kMinPieceSize, puzzle.pieceWidth));
    h.pieceHeight =
        static_cast<std::int16_t>(std::max(SavedGameHeader::kMinPieceSize, puzzle.pieceHeight));
    h.seed = static_cast<std::int32_t>(puzzle.seed);
    const QRect frame = host_.widget()->window()->frameGeometry();
    h.frameLeft = static_cast<std::int16_t>(frame.left());
    h.frameTop = static_cast<std::int16_t>(frame.top());
    h.frameRight = static_cast<std::int16_t>(frame.right() + 1);
    h.frameBottom = static_cast<std::int16_t>(frame.bottom() + 1);
    h.level = static_cast<std::int16_t>(host_.state().level);
    if (app) {
        h.reservedPreference = static_cast<std::int16_t>(app->prefs.reserved);
        h.smallPieceThreshold = static_cast<std::uint16_t>(app->prefs.smallPieceLimit);
        h.adjustOriginal = static_cast<std::int16_t>(app->prefs.adjustOriginal);
        h.onSnap = static_cast<std::int16_t>(app->prefs.onTopOnSnap);
        h.moveAside = static_cast<std::int16_t>(app->prefs.moveAside);
        h.autoScroll = static_cast<std::int16_t>(app->prefs.autoScroll);
    }
    h.background = static_cast<std::int32_t>(host_.background());
    h.totalScore = session_.score.total();
    h.assists = session_.score.assists();
    h.pictureName = SavedGameHeader::fitName(pictureFileName());
    h.bonusSum = session_.score.bonusSum();
    h.pictureRight = puzzle.pictureWidth;
    h.pictureBottom = puzzle.pictureHeight;
    h.scrollX = puzzle.store->scrollX();
    h.scrollY = puzzle.store->scrollY();
    h.zoomOutLevel = static_cast<std::int16_t>(host_.state().zoomOutLevel);
    h.zoomInLevel = static_cast<std::int16_t>(host_.state().zoomInLevel);
    h.largestZoomOut = static_cast<std::int16_t>(puzzle.largestZoomOut);
    h.pieceCount = static_cast<std::int16_t>(puzzle.pieceCount);
    h.workspaceWidth = static_cast<std::int16_t>(puzzle.store->workspaceWidth());
    h.workspaceHeight = static_cast<std::int16_t>(puzzle.store->workspaceHeight());
    h.placement = placementOf(*host_.widget());
}

// Restore: the named file when it exists, else the one the dialog chooses.
void SavedGames::restore(const QString& given) {
    const CClockHold hold;
    host_.stopAssembly();
    if (askToSave()) {
        const QString path = chooseRestoreFile(given, host_.widget());
        if (!path.isEmpty()) {
            restoreFrom(path.toStdString());  // the clock goes on from the saved play time
        }
    }
}

// The whole file is read and checked before anything of the current game
// changes; so is the picture. A refused file keeps the current game.
bool SavedGames::restoreFrom(const std::string& path) {
    const QSize screen = screenSize(host_.widget(), host_.table());
    SavedGameIo::LoadResult loaded;
    {
        WaitCursor wait;
        loaded = SavedGameIo::load(path, screen.width(), screen.height());
    }
    if (!loaded.ok()) {
        showError(host_.widget(), loaded.message);
        return false;
    }
    SavedGame& game = *loaded.game;
    auto progress = std::make_unique<SavedGameProgress>(host_.table(), kLoadingLabel,
                                                        SavedGameProgress::kLoadEnd);
    PictureLoader::Result picture;
    std::string error;
    if (!loadSavedPicture(game.header, *progress, picture, error)) {
        progress.reset();
        showError(host_.widget(), error);
        return false;
    }
    CJigsawApp* app = CJigsawApp::instance();
    takeOverSettings(game.header);
    if (app) {
        if (app->imageSlot >= 0 && app->imageSlot != picture.slot) {
            IMGFree(app->imageSlot);
        }
        app->imageSlot = picture.slot;
        app->pictureFile = game.header.picturePath;
        app->pictureWidth = static_cast<unsigned>(picture.bitmap.width());
        app->pictureHeight = static_cast<unsigned>(picture.bitmap.height());
    }
    host_.state().pictureHasHelp = picture.hasHelp;
    host_.state().artistHasHelp =
        picture.hasHelp && AuthorHelpAvailable(game.header.picturePath.c_str()) != 0;
    pictureName_ = picture.title;
    progress->show(kRebuildLabel, SavedGameProgress::kRebuildEnd);
    adoptSavedGame(game, std::move(picture.bitmap), *progress);
    savedPath_ = path;
    host_.widget()->window()->setWindowTitle(
        QStringLiteral("%1 - %2").arg(QString::fromLatin1(CJigsawApp::kTitle),
                                      QString::fromLocal8Bit(game.header.pictureName.c_str())));
    host_.redrawAll();
    session_.clock.SetStartTime(CClockHold::Now() - game.header.elapsedSeconds);
    currentFile_ = path;
    progress->report(SavedGameProgress::kLoadEnd);
    progress.reset();
    scrollToSaved(game.header);
    return true;
}

// The saved settings hold for the rest of the run; only the level is
// written, as choosing a level always is.
void SavedGames::takeOverSettings(const SavedGameHeader& h) {
    if (CJigsawApp* app = CJigsawApp::instance()) {
        app->pieceWidth = h.pieceWidth;
        app->pieceHeight = h.pieceHeight;
        app->prefs.reserved = h.reservedPreference;
        app->prefs.smallPieceLimit = h.smallPieceThreshold;
        app->prefs.adjustOriginal = h.adjustOriginal;
        app->prefs.onTopOnSnap = h.onSnap;
        app->prefs.moveAside = h.moveAside;
        app->prefs.autoScroll = h.autoScroll;
        app->background = static_cast<COLORREF>(h.background);
    }
    host_.setBackground(static_cast<COLORREF>(h.background));
    host_.state().level = h.level;
    host_.applyLevel();
}

// The current puzzle gives way to the saved one: the picture gets its bevels
// and the groups draw from it, at the saved zoom step.
void SavedGames::adoptSavedGame(SavedGame& game, platform::Surface picture,
                                SavedGameProgress& progress) {
    const SavedGameHeader& h = game.header;
    host_.resetZoom();
    session_.SetPicture(std::move(picture));  // clears the puzzle, resumes a pause
    host_.auxWindows().puzzleCleared();
    if (const CJigsawApp* app = CJigsawApp::instance()) {
        host_.auxWindows().pictureChanged(app->imageSlot);
    }
    std::unique_ptr<Puzzle> puzzle = puzzleFrom(game);
    progress.report(SavedGameProgress::kRebuildEnd / 4);
    platform::Surface& bitmap = session_.picture();
    puzzle->lowerRightRims.drawLines(bitmap, 0, 0, kRimDark, nullptr, kDarkRimMode);
    puzzle->upperLeftRims.drawLines(bitmap, 0, 0, kRimLight, nullptr, kLightRimMode);
    sprites::SpriteStore& store = *puzzle->store;
    store.setPicture(&bitmap);
    store.repaintLockedBevels();
    store.setBackgroundColour(host_.background());
    store.setWorkspace(h.workspaceWidth, h.workspaceHeight);
    session_.Adopt(std::move(puzzle));
    session_.score.Restore(h.totalScore, h.bonusSum, h.assists);
    host_.markUnmodified();
    if (CJigsawApp* app = CJigsawApp::instance()) {
        app->SetStatusPaneText(1, QString());
        app->SetStatusPaneText(2, QString());
    }
    progress.report(SavedGameProgress::kRebuildEnd / 2);
    host_.updateScrollRanges();
    applySavedZoom(h);
    progress.report(SavedGameProgress::kRebuildEnd);
}

// The saved zoom step, reached one command at a time as the player would;
// the commands set the scroll range of the zoomed table.
void SavedGames::applySavedZoom(const SavedGameHeader& h) {
    const int steps = h.zoomOutLevel != 0 ? h.zoomOutLevel : h.zoomInLevel;
    const int command = h.zoomOutLevel != 0 ? cmd::kZoomOut : cmd::kZoomIn;
    for (int i = 0; i < steps; ++i) {
        host_.zoomCommand(command);
    }
    host_.updateState();
}

void SavedGames::scrollToSaved(const SavedGameHeader& h) {
    // The scroll bars the restored table needs take their room first, so
    // the saved position is not cut to a window that is about to shrink.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    host_.scrollTableTo(h.scrollX, h.scrollY);
    host_.noteInput();
    host_.updateState();
}

// Before an unsaved game would be lost: "Saving?". False when the player
// cancels (or the save he asked for failed).
bool SavedGames::askToSave() {
    host_.updateState();
    if (session_.puzzle() == nullptr || !host_.state().modified) {
        return true;
    }
    int answer = IDCANCEL;
    {
        const CClockHold hold;
        dialogs::CSavingDlg dialog(host_.widget());
        answer = dialog.exec();
    }
    if (answer == IDCANCEL) {
        return false;
    }
    return answer != IDOK || save(true);
}

void SavedGames::newPicture(const std::string& pictureName) {
    pictureName_ = pictureName;
    forgetFiles();
}

void SavedGames::forgetFiles() {
    savedPath_.clear();
    currentFile_.clear();
}
