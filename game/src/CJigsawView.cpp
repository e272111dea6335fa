#include "CJigsawView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimerEvent>

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "CJigsawApp.h"
#include "CJigsawDoc.h"
#include "CommandIds.h"
#include "IniStore.h"
#include "PIXPICK32.h"
#include "SettingsKeys.h"
#include "dialogs/CPieceSizeDlg.h"
#include "imagelib.h"
#include "model/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "view/PictureLoader.h"
#include "view/PieceMenu.h"
#include "view/ViewInteraction.h"

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
      session_({[this](int event) { playSound(event); }, [] { MessageBeep(MB_OK); }, {}}) {
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
    viewport()->setMouseTracking(false);
    interaction_ = std::make_unique<ViewInteraction>(
        session_, window_,
        ViewInteraction::Hooks{[this](int event) { playSound(event); },
                               [this] { viewport()->update(); },
                               [this](int x, int y) { scrollTableTo(x, y); },
                               {}});
    lastInput_.start();
    postCommand(cmd::kRefreshMenu);
    clockTimerId_ = startTimer(kClockIntervalMs);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    playSound(1011);
}

CJigsawView::~CJigsawView() {
    if (clockTimerId_ != 0) {
        killTimer(clockTimerId_);
    }
    CJigsawApp* app = CJigsawApp::instance();
    if (app && app->view == this) {
        app->view = nullptr;
    }
}

bool CJigsawView::QueryClose() {
    return askToSave();
}

void CJigsawView::postCommand(int id) {
    QMetaObject::invokeMethod(
        this, [this, id] { onCommand(id); }, Qt::QueuedConnection);
}

void CJigsawView::onCommand(int id) {
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
            newGame();
            break;
        case cmd::kStart:
            stopAssembly();
            if (session_.clock.Paused()) {
                playSound(1160);
            } else if (session_.HasPicture()) {
                startFromDialog();
            }
            break;
        case cmd::kPause:
            togglePause();
            break;
        case cmd::kAutoAssemble:
            toggleAssembly();
            break;
        case cmd::kPreferences:
            showPreferences();
            break;
        case cmd::kSound:
            showSoundOptions();
            break;
        case cmd::kSave:
        case cmd::kSaveAs:
            saveGame(id == cmd::kSave);
            break;
        case cmd::kRestore:
            restoreGame(QString());
            break;
        case cmd::kZoomIn:
        case cmd::kZoomOut:
        case cmd::kNormalSize:
            zoomCommand(id);
            break;
        default:
            break;
    }
}

void CJigsawView::refreshMenuState() {
    emit menuStateChanged(state_);
}

void CJigsawView::restoreGameFile(const QString& path) {
    restoreGame(path);
}

void CJigsawView::loadPictureFile(const QString& path) {
    if (reportMissingFile(path)) {
        loadPicture(path, -1);
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
    session_.ApplyLevel(state_.level, SnapValues::load(state_.level),
                        GetIniInt(0, keys::kBonusOnExact) != 0);
    WriteIniInt(state_.level, keys::kOn, keys::kOff, keys::kLevel);
}

void CJigsawView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == clockTimerId_) {
        tick();
        emit clockTicked();
        return;
    }
    QAbstractScrollArea::timerEvent(event);
}

void CJigsawView::playSound(int event) {
    sounds_.Play(event);
}

void CJigsawView::noteInput() {
    lastInput_.restart();
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
    state_.modified = false;
    horizontalScrollBar()->setRange(0, 0);
    verticalScrollBar()->setRange(0, 0);
    updateState();
    redrawAll();
}

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

void CJigsawView::scrollTableTo(int x, int y) {
    sprites::SpriteStore* store = session_.store();
    if (store == nullptr) {
        return;
    }
    x = std::clamp(x, 0, std::max(0, store->workspaceWidth() - zoom_.toTable(viewport()->width())));
    y = std::clamp(y, 0,
                   std::max(0, store->workspaceHeight() - zoom_.toTable(viewport()->height())));
    store->scrollTo(x, y, false);
    store->showBuffer(window_);
    horizontalScrollBar()->setValue(x);
    verticalScrollBar()->setValue(y);
    viewport()->update();
}

void CJigsawView::scrollContentsBy(int, int) {
    if (sprites::SpriteStore* store = session_.store()) {
        scrollTableTo(horizontalScrollBar()->value(), verticalScrollBar()->value());
        (void)store;
    }
}

void CJigsawView::redrawAll() {
    window_.fill(window_.bounds(), platform::pixelFromColorRef(background_));
    if (sprites::SpriteStore* store = session_.store()) {
        store->scrollTo(store->scrollX(), store->scrollY(), true);
        store->showBuffer(window_);
    } else if (session_.HasPicture()) {
        const platform::Surface& picture = session_.picture();
        const int ox =
            picture.width() < window_.width() ? (window_.width() - picture.width()) / 2 : 10;
        const int oy =
            picture.height() < window_.height() ? (window_.height() - picture.height()) / 2 : 10;
        window_.blit(ox, oy, picture.width(), picture.height(), picture, 0, 0);
    }
    viewport()->update();
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
        session_.clock.Pause();
        pauseDisplay_.Reset();
        viewport()->update();
    }
    updateState();
}

void CJigsawView::toggleAssembly() {
    if (session_.assembly.Running()) {
        stopAssembly();
        return;
    }
    if (!session_.puzzle() || session_.clock.Paused()) {
        return;
    }
    sprites::SpriteStore* store = session_.store();
    if (session_.StartAssembly(&window_, store->scrollX(), store->scrollY()) !=
        AutoAssembly::StartResult::Started) {
        MessageBeep(MB_OK);
        MessageBoxA(this, "Error: Upper Left Piece not found", "", MB_OK);
    }
    updateState();
}

void CJigsawView::stopAssembly() {
    if (!session_.assembly.Running()) {
        return;
    }
    session_.assembly.Stop();
    if (session_.Complete()) {
        session_.Clear();
        redrawAll();
    }
    updateState();
}

// One group left: the whole picture is shown in place of the table.
void CJigsawView::finishIfComplete() {
    if (!session_.Complete()) {
        return;
    }
    CJigsawApp* app = CJigsawApp::instance();
    if (app) {
        app->SetStatusPaneText(1, QString::fromStdString(session_.score.TotalText()));
    }
    runEndOfGame();
}

void CJigsawView::tick() {
    GameTimer::Input in;
    in.paused = session_.clock.Paused();
    in.assembling = session_.assembly.Running();
    in.puzzleExists = session_.puzzle() != nullptr;
    in.activeHolds = CClockHold::ActiveCount() - (in.paused ? 1 : 0);
    in.msSinceInput = static_cast<long>(lastInput_.elapsed());
    in.minimised = window()->isMinimized();
    in.busy = soundDialogBusy_ != 0;
    const GameTimer::Plan plan = GameTimer::Decide(in);
    if (plan.advancePause) {
        pauseDisplay_.Advance();
    }
    if (plan.assemblyStep && !session_.AssemblyStep(&window_)) {
        stopAssembly();
    }
    if (plan.beep) {
        MessageBeep(MB_OK);
    }
    if (plan.autoPause) {
        togglePause();
    }
    if (plan.updateStatus && session_.puzzle()) {
        const Puzzle& p = *session_.puzzle();
        const GameTimer::Status status = GameTimer::Update(
            session_.score, session_.clock, p.groups(), p.pieceCount,
            CJigsawApp::instance() && CJigsawApp::instance()->prefs.scoringOff != 0);
        CJigsawApp* app = CJigsawApp::instance();
        if (app && status.score) {
            app->SetStatusPaneText(2, QString::fromStdString(*status.score));
        }
    }
    viewport()->update();
}

void CJigsawView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    window_ =
        platform::Surface(std::max(viewport()->width(), 1), std::max(viewport()->height(), 1));
    redrawAll();
}

void CJigsawView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QImage image(reinterpret_cast<const uchar*>(window_.bits()), window_.width(),
                       window_.height(), window_.bytesPerLine(), QImage::Format_RGB32);
    painter.drawImage(0, 0, image);
    if (session_.clock.Paused()) {
        pauseDisplay_.Paint(painter, viewport()->size());
    }
}

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
