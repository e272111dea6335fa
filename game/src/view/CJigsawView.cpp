#include "view/CJigsawView.h"

#include <QCursor>
#include <QDir>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimerEvent>

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "app/CJigsawApp.h"
#include "app/CJigsawDoc.h"
#include "commands/CommandIds.h"
#include "model/CClockHold.h"
#include "model/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"
#include "settings/SnapSettings.h"
#include "sound/SoundEvent.h"
#include "view/ViewInteraction.h"
#include "windows/AuxWindows.h"

namespace {

constexpr int kLowestLevel = 2;
constexpr int kHighestLevel = 5;

std::string findOtherGames() {
    const std::string path =
        platform::resolvePath(QDir::currentPath().toStdString() + "/OtherGam.Hlp");
    return platform::fileExists(path) ? path : std::string();
}

int levelFor(int command) {
    return command - cmd::kBeginner + kLowestLevel;
}

}  // namespace

CJigsawView::CJigsawView(CJigsawDoc* doc, QWidget* parent)
    : QAbstractScrollArea(parent),
      doc_(doc),
      session_({[this](int event) { playSound(event); }, [] { MessageBeep(MB_OK); },
                [this] { return askLockedPiece(); }}),
      inputWatch_([this] { tick(); }, nullptr) {
    setObjectName(QStringLiteral("workspace"));
    CJigsawApp* app = CJigsawApp::instance();
    if (app) {
        app->view = this;
    }
    if (doc_) {
        doc_->setView(this);
    }
    const COLORREF before = app ? app->background : RGB(0, 0, 255);
    background_ = ParseColour(
        GetIniString(keys::kBackground, keys::kBackgroundDefault, keys::kOptions), before);
    if (app) {
        app->background = background_;
    }
    const int level = GetIniInt(keys::kLevelDefault, keys::kLevel);
    state_.level = level >= kLowestLevel && level <= kHighestLevel ? level : keys::kLevelDefault;
    state_.otherGamesPath = findOtherGames();

    sounds_.Load(SoundSettingsIo::iniStore());
    session_.score.SetMissedFact(
        GetIniInt(keys::kExpertMissedFactDefault, keys::kExpertMissedFact));
    applyLevel();
    // Every move is input, and one without the button drops a held group.
    viewport()->setMouseTracking(true);
    interaction_ = makeInteraction();
    windows_ = std::make_unique<AuxWindowLink>(*this, window());
    postCommand(cmd::kRefreshMenu);
    clockTimerId_ = startTimer(kClockIntervalMs);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    playSound(sound::kIntro);
}

CJigsawView::~CJigsawView() {
    if (clockTimerId_ != 0) {
        killTimer(clockTimerId_);
    }
    windows_.reset();
    CJigsawApp* app = CJigsawApp::instance();
    if (app && app->view == this) {
        app->view = nullptr;
    }
}

bool CJigsawView::QueryClose() {
    return files_.askToSave();
}

void CJigsawView::postCommand(int id) {
    QMetaObject::invokeMethod(
        this, [this, id] { onCommand(id); }, Qt::QueuedConnection);
}

void CJigsawView::onCommand(int id) {
    if (busy()) {
        return;  // a picture is being loaded or cut
    }
    switch (id) {
        case cmd::kRefreshMenu:
            refreshMenuState();
            break;
        case cmd::kBeginner:
        case cmd::kNovice:
        case cmd::kStandard:
        case cmd::kExpert:
            setLevel(levelFor(id));
            break;
        case cmd::kNewGame:
        case kNewGameFromFile:
            flow_.newGame(id == kNewGameFromFile);
            break;
        case cmd::kStart:
            stopAssembly();
            if (session_.clock.Paused()) {
                playSound(sound::kPause);
            } else if (session_.HasPicture()) {
                flow_.startFromDialog();
            }
            break;
        case cmd::kPause:
            togglePause();
            break;
        case cmd::kAutoAssemble:
            flow_.toggleAssembly();
            break;
        case cmd::kPreferences:
            options_.showPreferences();
            break;
        case cmd::kSound:
            options_.showSoundOptions();
            break;
        case cmd::kBackgroundColor:
            options_.chooseBackground();
            break;
        case cmd::kSave:
        case cmd::kSaveAs:
            files_.save(id == cmd::kSave);
            break;
        case cmd::kRestore:
            files_.restore(QString());
            break;
        case cmd::kZoomIn:
        case cmd::kZoomOut:
        case cmd::kNormalSize:
            zoomCommand(id);
            break;
        default:
            windows_->command(id);
            break;
    }
}

void CJigsawView::refreshMenuState() {
    if (windows_) {
        windows_->sync();
    }
    emit menuStateChanged(state_);
}

void CJigsawView::restoreGameFile(const QString& path) {
    files_.restore(path);
}

void CJigsawView::loadPictureFile(const QString& path) {
    if (reportMissingFile(path)) {
        flow_.loadPicture(path, -1);
    }
}

// A file named on the command line that does not exist is reported once and
// otherwise ignored. Returns true when the file is there.
bool CJigsawView::reportMissingFile(const QString& path) {
    if (platform::fileExists(platform::resolvePath(path.toStdString()))) {
        return true;
    }
    const QByteArray text = QStringLiteral("The file %1 was not found.").arg(path).toLocal8Bit();
    MessageBeep(MB_ICONEXCLAMATION);
    MessageBoxA(this, text.constData(), "Tessella", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void CJigsawView::setLevel(int level) {
    state_.level = level;
    applyLevel();
    refreshMenuState();
}

void CJigsawView::applyLevel() {
    session_.ApplyLevel(state_.level, SnapSettings::load(state_.level),
                        GetIniInt(0, keys::kBonusOnExact) != 0);
    WriteIniInt(state_.level, keys::kOn, keys::kOff, keys::kLevel);
}

void CJigsawView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == clockTimerId_) {
        inputWatch_.tickDue();
        emit clockTicked();
        return;
    }
    QAbstractScrollArea::timerEvent(event);
}

void CJigsawView::playSound(int event) {
    sounds_.PlayEvent(event);
}

void CJigsawView::noteInput() {
    inputWatch_.noteInput();
}

void CJigsawView::updateState() {
    state_.pictureLoaded = session_.HasPicture();
    state_.puzzleExists = session_.puzzle() != nullptr;
    state_.paused = session_.clock.Paused();
    state_.autoAssembling = session_.assembly.Running();
    state_.modified = state_.modified || interaction_->Modified();
    if (Puzzle* p = session_.puzzle()) {
        state_.maxZoomOutLevel = p->largestZoomOut;
    }
    refreshMenuState();
}

void CJigsawView::setPicture(platform::Surface picture) {
    stopAssembly();
    session_.SetPicture(std::move(picture));
    if (windows_) {
        windows_->windows().pictureChanged(
            CJigsawApp::instance() ? CJigsawApp::instance()->imageSlot : -1);
    }
    state_.modified = false;
    updateScrollRanges();  // the picture alone spans twice its size
    scrollTableTo(0, 0);
    updateState();
    redrawAll();
}

// Forgets the puzzle on the table; the picture stays loaded.
void CJigsawView::clearPuzzle() {
    closePieceTip();
    resetZoom();
    interaction_->ClearModified();
    session_.Clear();  // also resumes a pause and stops the automatic assembly
    session_.score.Reset();
    pauseDisplay_.Reset();
    state_.modified = false;
    state_.maxZoomOutLevel = 0;
    windows_->windows().puzzleCleared();
    if (CJigsawApp* app = CJigsawApp::instance()) {
        app->SetStatusPaneText(1, QString());
        app->SetStatusPaneText(2, QString());
    }
    updateScrollRanges();  // the picture alone spans twice its size
    scrollTableTo(0, 0);
    updateState();
    redrawAll();
}

void CJigsawView::resetZoom() {
    interaction_->Forget();
    zoom_.Reset();
    interaction_->inverseMap = nullptr;
    state_.zoomInLevel = 0;
    state_.zoomOutLevel = 0;
}

void CJigsawView::markUnmodified() {
    state_.modified = false;
    interaction_->ClearModified();
}

void CJigsawView::resetDrops(int pieceCount) {
    interaction_->ResetDrops(pieceCount);
}

void CJigsawView::scrollTableTo(int x, int y) {
    x = std::clamp(x, 0, std::max(0, session_.TableWidth() - zoom_.toTable(viewport()->width())));
    y = std::clamp(y, 0, std::max(0, session_.TableHeight() - zoom_.toTable(viewport()->height())));
    horizontalScrollBar()->setValue(x);
    verticalScrollBar()->setValue(y);
    sprites::SpriteStore* store = session_.store();
    if (store == nullptr) {
        redrawAll();  // the picture alone, before a puzzle is cut
        return;
    }
    store->scrollTo(x, y, false);
    store->showBuffer(window_);
    viewport()->update();
}

void CJigsawView::scrollContentsBy(int, int) {
    // While a thumb is dragged the table moves in steps of two pixels.
    const auto position = [](const QScrollBar* bar) {
        return bar->isSliderDown() ? bar->value() & ~1 : bar->value();
    };
    scrollTableTo(position(horizontalScrollBar()), position(verticalScrollBar()));
}

// Before a puzzle is cut the window shows the picture, centred when smaller.
void CJigsawView::showPictureAlone() {
    if (!session_.HasPicture()) {
        return;
    }
    const platform::Surface& picture = session_.picture();
    const int ox = picture.width() < window_.width() ? (window_.width() - picture.width()) / 2 : 10;
    const int oy =
        picture.height() < window_.height() ? (window_.height() - picture.height()) / 2 : 10;
    window_.blit(ox - horizontalScrollBar()->value(), oy - verticalScrollBar()->value(),
                 picture.width(), picture.height(), picture, 0, 0);
}

void CJigsawView::redrawAll() {
    const platform::Pixel background = platform::pixelFromColorRef(background_);
    if (sprites::SpriteStore* store = session_.store()) {
        store->scrollTo(store->scrollX(), store->scrollY(), true);
        store->showBuffer(window_);
        // The buffer has the screen's size; a larger window shows background beyond it.
        const platform::Surface& buffer = store->buffer();
        window_.fill({buffer.width(), 0, window_.width(), window_.height()}, background);
        window_.fill({0, buffer.height(), buffer.width(), window_.height()}, background);
    } else {
        window_.fill(window_.bounds(), background);
        showPictureAlone();
    }
    viewport()->update();
    if (windows_) {
        windows_->windows().tableChanged();
    }
    notifyAll();
}

void CJigsawView::togglePause() {
    if (!session_.puzzle()) {
        return;
    }
    if (session_.clock.Paused()) {
        session_.clock.Resume();
        redrawAll();
    } else {
        stopAssembly();
        interaction_->PutDown();  // a held group is not drawn
        session_.clock.Pause();
        pauseDisplay_.Reset();
        viewport()->update();
        PuzzleFlow::runHook(keys::kPromotionPaused);
    }
    updateState();
}

void CJigsawView::tick() {
    if (busy()) {
        return;  // a picture is being loaded or cut
    }
    GameTimer::Input in;
    in.paused = session_.clock.Paused();
    in.assembling = session_.assembly.Running();
    in.puzzleExists = session_.puzzle() != nullptr;
    in.activeHolds = CClockHold::ActiveCount() - (in.paused ? 1 : 0);
    in.msSinceInput = inputWatch_.msSinceInput();
    in.cursorOutsideView = !viewport()->rect().contains(viewport()->mapFromGlobal(QCursor::pos()));
    in.minimised = window()->isMinimized();
    in.busy = soundDialogBusy_ != 0;
    const GameTimer::Plan plan = GameTimer::Decide(in);
    if (plan.advancePause) {
        pauseDisplay_.Advance();
    }
    if (plan.hideTip) {
        closePieceTip();
    }
    if (plan.assemblyStep) {
        if (!session_.AssemblyStep(&window_)) {
            stopAssembly();
        }
        windows_->windows().tableChanged();
    }
    if (plan.beep) {
        MessageBeep(MB_OK);
    }
    if (plan.autoPause) {
        togglePause();
    }
    if (plan.updateStatus) {
        windows_->updateStatusTexts();
    }
    viewport()->update();
}

void CJigsawView::resizeEvent(QResizeEvent* event) {
    // The clock stands still while the window changes size.
    const CClockHold hold;
    QAbstractScrollArea::resizeEvent(event);
    window_ =
        platform::Surface(std::max(viewport()->width(), 1), std::max(viewport()->height(), 1));
    updateScrollRanges();
    // A window larger than the table shows it from its upper-left corner.
    if (const sprites::SpriteStore* store = session_.store()) {
        if (zoom_.toTable(viewport()->width()) > store->workspaceWidth() ||
            zoom_.toTable(viewport()->height()) > store->workspaceHeight()) {
            scrollTableTo(0, 0);
        }
    }
    redrawAll();
}

void CJigsawView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QImage image(reinterpret_cast<const uchar*>(window_.bits()), window_.width(),
                       window_.height(), window_.bytesPerLine(), QImage::Format_RGB32);
    // Only what needs painting: during a cut that is one piece's rectangle.
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), image, area);
    if (session_.clock.Paused()) {
        pauseDisplay_.Paint(painter, viewport()->size());
    }
}

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
    sounds_.PlayUnlessBusy(sound::kLoading);
    return 1;
}

windows::AuxWindows& CJigsawView::auxWindows() {
    return windows_->windows();
}
