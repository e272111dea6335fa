#include "app/CJigsawApp.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>

#include "PIXPICK32.h"
#include "app/CJigsawDoc.h"
#include "app/CMainFrame.h"
#include "app/CommandLine.h"
#include "app/FirstStart.h"
#include "app/FramePlacement.h"
#include "app/GuardedApplication.h"
#include "commands/CommandIds.h"
#include "controls/ControlClasses.h"
#include "dialogs/CAboutDlg.h"
#include "platform/Look.h"
#include "settings/IniStore.h"
#include "view/CJigsawView.h"

namespace {

CJigsawApp* theApp = nullptr;

constexpr int kStartPieceSize = 60;

}  // namespace

CJigsawApp::CJigsawApp(int& argc, char** argv)
    : hooks_(EventHooks::forSystem([this] { return pictureFile; })) {
    if (QApplication::instance() == nullptr) {
        ownedApp_ = std::make_unique<GuardedApplication>(argc, argv);
    }
    QApplication::setApplicationName(QString::fromUtf8(kTitle));
    QApplication::setApplicationVersion(CAboutDlg::version());
    theApp = this;
}

CJigsawApp::~CJigsawApp() {
    frame_.reset();
    doc_.reset();
    theApp = nullptr;
}

CJigsawApp* CJigsawApp::instance() {
    return theApp;
}

bool CJigsawApp::InitInstance(const std::string& commandLine) {
    applyGreyDialogs();
    pieceHeight = kStartPieceSize;
    pieceWidth = kStartPieceSize;
    FirstStart();
    setWindowIcon();
    // The game sounds load their settings with the view that plays them.
    loadPreferences();
    controls::RegisterProgramClasses(nullptr);
    platform::applyClassicLook(*qApp);
    InitPictloadLib();
    createFrame();
    controls::RegisterSliderClasses();
    frame_->postCommand(cmd::kRefreshMenu);
    frame_->setWindowTitle(QString::fromUtf8(kTitle));
    processCommandLine(commandLine);
    return true;
}

int CJigsawApp::Run() {
    showFrame();
    return QApplication::exec();
}

void CJigsawApp::showFrame() {
    frame_->show();
    if (pendingPicture_.isEmpty()) {
        return;
    }
    CJigsawView* target = frame_->view();
    QMetaObject::invokeMethod(
        target, [target, path = pendingPicture_] { target->loadPictureFile(path); },
        Qt::QueuedConnection);
    pendingPicture_.clear();
}

void CJigsawApp::SetStatusPaneText(int pane, const QString& text) {
    if (frame_) {
        frame_->SetPaneText(pane, text);
    }
}

// The icon of every window: the installed theme icon, else the one shipped
// with the program's data.
void CJigsawApp::setWindowIcon() {
    const std::string data = SharedDataDirectory(ProgramDirectory());
    const QIcon shipped =
        data.empty() ? QIcon() : QIcon(QString::fromStdString(data + "icons/tessella.svg"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tessella"), shipped));
}

// Dialogs get a light grey background with black text.
void CJigsawApp::applyGreyDialogs() {
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    QApplication::setPalette(palette);
}

void CJigsawApp::loadPreferences() {
    prefs = Preferences();
    background = RGB(0, 0, 255);
    prefs.load();
}

void CJigsawApp::createFrame() {
    doc_ = std::make_unique<CJigsawDoc>();
    frame_ = std::make_unique<CMainFrame>(doc_.get());
    frame_->setGeometry(FramePlacement::initial());
}

void CJigsawApp::processCommandLine(const std::string& commandLine) {
    const CommandLineAction action = parseCommandLine(commandLine);
    if (action.enableOldtimer) {
        EnableOldtimer();
        return;
    }
    CJigsawView* target = frame_->view();
    const QString path = QString::fromStdString(action.path);
    if (action.restoreGame) {
        QMetaObject::invokeMethod(
            target, [target, path] { target->restoreGameFile(path); }, Qt::QueuedConnection);
    }
    if (action.loadPicture) {
        pendingPicture_ = path;
    }
    if (action.newGame) {
        target->postCommand(cmd::kNewGame);
    }
}
