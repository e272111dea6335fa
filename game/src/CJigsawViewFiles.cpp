// The view's saved games and the end of a finished game.
#include <QApplication>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

#include "CClockHold.h"
#include "CJigsawApp.h"
#include "CJigsawView.h"
#include "dialogs/CSavingDlg.h"
#include "imagelib.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "savegame/SavedGameDialog.h"
#include "savegame/SavedGameIo.h"
#include "scores/CResultDlg.h"
#include "scores/EndOfGame.h"
#include "view/PictureLoader.h"
#include "view/ViewInteraction.h"

namespace {

constexpr std::uint32_t kRimDark = 0x808080;
constexpr std::uint32_t kRimLight = 0xC0C0C0;
constexpr int kLightRimMode = 1;
constexpr int kDarkRimMode = 2;

void showError(QWidget* parent, const std::string& text) {
    MessageBeep(MB_OK);
    MessageBoxA(parent, text.c_str(), CJigsawApp::kTitle, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

EndOfGame::Hooks& CJigsawView::endOfGameHooks() {
    static EndOfGame::Hooks hooks;
    return hooks;
}

QSize CJigsawView::screenSize() const {
    const QSize screen = this->screen() ? this->screen()->size() : QSize(1920, 1080);
    return {std::max(screen.width(), viewport()->width()),
            std::max(screen.height(), viewport()->height())};
}

// Save (into the restored file when there is one) and Save As. The clock
// stands still while the dialog is open and the file is written.
bool CJigsawView::saveGame(bool intoRestoredFile) {
    if (session_.puzzle() == nullptr) {
        return false;
    }
    CClockHold hold(&soundDialogBusy_);
    const bool wasPaused = session_.clock.Paused();
    if (wasPaused) {
        session_.clock.Resume();
    }
    stopAssembly();
    if (!intoRestoredFile) {
        savedPath_.clear();
    }
    std::string path = savedPath_;
    if (path.empty()) {
        const QString proposed =
            intoRestoredFile ? SavedGameDialog::proposedName(pictureName_) : QString();
        SavedGameDialog dialog(SavedGameDialog::Mode::Save, SavedGameDialog::initialDirectory(),
                               proposed, this);
        if (dialog.exec() == QDialog::Accepted) {
            path = dialog.chosenPath().toStdString();
        }
    }
    bool saved = false;
    if (!path.empty()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const std::string error = saveGameTo(path, hold.Duration());
        QApplication::restoreOverrideCursor();
        saved = error.empty();
        if (!saved) {
            showError(this, error);
        }
    }
    if (wasPaused) {
        session_.clock.Pause();
    }
    session_.clock.Correct(hold);
    updateState();
    return saved;
}

std::string CJigsawView::saveGameTo(const std::string& path, long heldSeconds) {
    Puzzle* puzzle = session_.puzzle();
    if (puzzle == nullptr) {
        return "There is no game to save.";
    }
    SavedGame game;
    fillHeader(game.header, *puzzle);
    game.header.elapsedSeconds = static_cast<std::int32_t>(session_.clock.Elapsed() - heldSeconds);
    // The file is written from the puzzle's own store, lent for the write.
    game.store = std::move(puzzle->store);
    game.lowerRightRims = std::move(puzzle->lowerRightRims);
    game.upperLeftRims = std::move(puzzle->upperLeftRims);
    const std::string error = SavedGameIo::save(path, game);
    puzzle->store = std::move(game.store);
    puzzle->lowerRightRims = std::move(game.lowerRightRims);
    puzzle->upperLeftRims = std::move(game.upperLeftRims);
    if (error.empty()) {
        currentFile_ = path;
        state_.modified = false;
        interaction_->ClearModified();
        SavedGameDialog::rememberSaved(path);
    }
    return error;
}

void CJigsawView::fillHeader(SavedGameHeader& h, const Puzzle& puzzle) const {
    const CJigsawApp* app = CJigsawApp::instance();
    h.picturePath = app ? app->pictureFile : std::string();
    h.pieceWidth =
        static_cast<std::int16_t>(std::max(SavedGameHeader::kMinPieceSize, puzzle.pieceWidth));
    h.pieceHeight =
        static_cast<std::int16_t>(std::max(SavedGameHeader::kMinPieceSize, puzzle.pieceHeight));
    h.seed = static_cast<std::int32_t>(puzzle.seed);
    const QRect frame = window()->frameGeometry();
    h.frameLeft = static_cast<std::int16_t>(frame.left());
    h.frameTop = static_cast<std::int16_t>(frame.top());
    h.frameRight = static_cast<std::int16_t>(frame.right() + 1);
    h.frameBottom = static_cast<std::int16_t>(frame.bottom() + 1);
    h.level = static_cast<std::int16_t>(state_.level);
    if (app) {
        h.reservedPreference = static_cast<std::int16_t>(app->prefs.reserved);
        h.smallPieceThreshold = static_cast<std::uint16_t>(app->prefs.smallPieceLimit);
        h.adjustOriginal = static_cast<std::int16_t>(app->prefs.adjustOriginal);
        h.onSnap = static_cast<std::int16_t>(app->prefs.onTopOnSnap);
        h.moveAside = static_cast<std::int16_t>(app->prefs.moveAside);
        h.autoScroll = static_cast<std::int16_t>(app->prefs.autoScroll);
    }
    h.background = static_cast<std::int32_t>(background_);
    h.totalScore = session_.score.total();
    h.assists = session_.score.assists();
    h.pictureName = SavedGameHeader::fitName(pictureName_);
    h.bonusSum = session_.score.bonusSum();
    h.pictureRight = puzzle.pictureWidth;
    h.pictureBottom = puzzle.pictureHeight;
    h.scrollX = puzzle.store->scrollX();
    h.scrollY = puzzle.store->scrollY();
    h.zoomOutLevel = static_cast<std::int16_t>(state_.zoomOutLevel);
    h.zoomInLevel = static_cast<std::int16_t>(state_.zoomInLevel);
    h.largestZoomOut = static_cast<std::int16_t>(puzzle.largestZoomOut);
    h.pieceCount = static_cast<std::int16_t>(puzzle.pieceCount);
    h.workspaceWidth = static_cast<std::int16_t>(puzzle.store->workspaceWidth());
    h.workspaceHeight = static_cast<std::int16_t>(puzzle.store->workspaceHeight());
}

// Restore: the named file when it exists, else the one the dialog chooses.
void CJigsawView::restoreGame(const QString& given) {
    CClockHold hold;
    stopAssembly();
    QString path = given;
    if (askToSave()) {
        if (path.isEmpty() || !platform::fileExists(platform::resolvePath(path.toStdString()))) {
            if (!path.isEmpty() && !reportMissingFile(path)) {
                session_.clock.Correct(hold);
                return;
            }
            SavedGameDialog dialog(SavedGameDialog::Mode::Restore,
                                   SavedGameDialog::initialDirectory(),
                                   SavedGameDialog::lastSavedName(), this);
            path = dialog.exec() == QDialog::Accepted ? dialog.chosenPath() : QString();
        }
        if (!path.isEmpty() && restoreGameFrom(path.toStdString())) {
            return;  // the clock now runs from the saved elapsed time
        }
    }
    session_.clock.Correct(hold);
}

// The whole file is read and checked before anything of the current game
// changes; so is the picture. A refused file keeps the current game.
bool CJigsawView::restoreGameFrom(const std::string& path) {
    const QSize screen = screenSize();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SavedGameIo::LoadResult loaded = SavedGameIo::load(path, screen.width(), screen.height());
    QApplication::restoreOverrideCursor();
    if (!loaded.ok()) {
        showError(this, loaded.message);
        return false;
    }
    SavedGame& game = *loaded.game;
    CJigsawApp* app = CJigsawApp::instance();
    PictureLoader::Request request;
    request.path = game.header.picturePath;
    request.clientRight = game.header.pictureWidth();
    request.clientBottom = game.header.pictureHeight();
    request.fixedSize = true;
    request.loadingPriority = app ? app->prefs.loadingPriority : 2;
    PictureLoader::Result picture;
    std::string error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = PictureLoader::Load(request, {}, picture, &error);
    QApplication::restoreOverrideCursor();
    if (!ok || picture.bitmap.width() != game.header.pictureWidth() ||
        picture.bitmap.height() != game.header.pictureHeight()) {
        if (ok && picture.slot >= 0 && (!app || picture.slot != app->imageSlot)) {
            IMGFree(picture.slot);
        }
        showError(this, error.empty() ? std::string("The picture cannot be loaded.") : error);
        return false;
    }
    takeOverSettings(game.header);
    if (app) {
        if (app->imageSlot >= 0 && app->imageSlot != picture.slot) {
            IMGFree(app->imageSlot);
        }
        app->imageSlot = picture.slot;
        app->pictureFile = request.path;
        app->pictureWidth = static_cast<unsigned>(picture.bitmap.width());
        app->pictureHeight = static_cast<unsigned>(picture.bitmap.height());
    }
    state_.pictureHasHelp = picture.hasHelp;
    adoptSavedGame(game, std::move(picture.bitmap));
    savedPath_ = path;
    currentFile_ = path;
    window()->setWindowTitle(QStringLiteral("%1 - %2").arg(
        QString::fromLatin1(CJigsawApp::kTitle), QString::fromLocal8Bit(pictureName_.c_str())));
    return true;
}

// The saved settings hold for the rest of the run; only the level is
// written, as choosing a level always is.
void CJigsawView::takeOverSettings(const SavedGameHeader& h) {
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
    background_ = static_cast<COLORREF>(h.background);
    state_.level = h.level;
    applyLevel();
    pictureName_ = h.pictureName;
}

void CJigsawView::adoptSavedGame(SavedGame& game, platform::Surface picture) {
    const SavedGameHeader& h = game.header;
    session_.SetPicture(std::move(picture));
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
    platform::Surface& bitmap = session_.picture();
    puzzle->lowerRightRims.drawLines(bitmap, 0, 0, kRimDark, nullptr, kDarkRimMode);
    puzzle->upperLeftRims.drawLines(bitmap, 0, 0, kRimLight, nullptr, kLightRimMode);
    sprites::SpriteStore& store = *puzzle->store;
    store.setPicture(&bitmap);
    store.repaintLockedBevels();
    store.setBackgroundColour(background_);
    store.setWorkspace(h.workspaceWidth, h.workspaceHeight);
    session_.Adopt(std::move(puzzle));
    session_.score.Restore(h.totalScore, h.bonusSum, h.assists);
    session_.clock.SetStartTime(CClockHold::Now() - h.elapsedSeconds);
    state_.zoomInLevel = 0;
    state_.zoomOutLevel = 0;
    state_.modified = false;
    interaction_->ClearModified();
    horizontalScrollBar()->setRange(0, std::max(0, h.workspaceWidth - viewport()->width()));
    verticalScrollBar()->setRange(0, std::max(0, h.workspaceHeight - viewport()->height()));
    redrawAll();
    scrollTableTo(h.scrollX, h.scrollY);
    noteInput();
    updateState();
}

// Before an unsaved game would be lost: "Saving?". False when the player
// cancels (or the save he asked for failed).
bool CJigsawView::askToSave() {
    updateState();
    if (session_.puzzle() == nullptr || !state_.modified) {
        return true;
    }
    CClockHold hold;
    dialogs::CSavingDlg dialog(this);
    const int answer = dialog.exec();
    session_.clock.Correct(hold);
    if (answer == IDCANCEL) {
        return false;
    }
    return answer != IDOK || saveGame(true);
}

// The player's own action left one group: rank, results and high scores.
void CJigsawView::runEndOfGame() {
    GameResults::Input input;
    input.totalScore = session_.score.total();
    input.elapsedSeconds = session_.clock.Elapsed();
    input.pieceCount = session_.puzzle()->pieceCount;
    input.bonusSum = session_.score.bonusSum();
    input.misses = session_.score.misses();
    input.pointsPerMiss = session_.score.missedFact();
    input.description = pictureName_;
    input.savedGamePath = currentFile_;
    EndOfGame::Hooks hooks = endOfGameHooks();
    hooks.playSound = [this](int event) { playSound(event); };
    hooks.clearPuzzle = [this] { session_.Clear(); };
    hooks.showCompletePicture = [this] {
        savedPath_.clear();
        currentFile_.clear();
        state_.modified = false;
        redrawAll();
        updateState();
    };
    EndOfGame::run(input, std::move(hooks), this);
}
