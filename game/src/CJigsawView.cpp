#include "CJigsawView.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QTimerEvent>

#include <cstdlib>
#include <ctime>

#include "CJigsawApp.h"
#include "CJigsawDoc.h"
#include "CommandIds.h"
#include "IniStore.h"
#include "SettingsKeys.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"

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
    : QAbstractScrollArea(parent), doc_(doc) {
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

    postCommand(cmd::kRefreshMenu);
    clockTimerId_ = startTimer(kClockIntervalMs);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
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

bool CJigsawView::QueryClose() const {
    return true;
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
        default:
            break;
    }
}

void CJigsawView::refreshMenuState() {
    emit menuStateChanged(state_);
}

void CJigsawView::restoreGameFile(const QString& path) {
    reportMissingFile(path);
}

void CJigsawView::loadPictureFile(const QString& path) {
    reportMissingFile(path);
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
    WriteIniInt(level, keys::kOn, keys::kOff, keys::kLevel);
    refreshMenuState();
}

void CJigsawView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == clockTimerId_) {
        emit clockTicked();
        return;
    }
    QAbstractScrollArea::timerEvent(event);
}

void CJigsawView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), QColor(GetRValue(background_), GetGValue(background_),
                                                GetBValue(background_)));
}
