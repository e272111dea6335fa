#include "app/CMainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <memory>

#include "app/CJigsawDoc.h"
#include "app/FramePlacement.h"
#include "app/MenuBarStyle.h"
#include "app/ToolBarBitmap.h"
#include "commands/CommandIds.h"
#include "commands/CommandTable.h"
#include "commands/MenuState.h"
#include "dialogs/CAboutDlg.h"
#include "help/HelpCommands.h"
#include "help/HelpContext.h"
#include "model/CClockHold.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "scores/CHighScoreDlg.h"
#include "view/CJigsawView.h"

namespace {

constexpr int kButtonSize = 26;

bool isCheckable(int id) {
    using namespace cmd;
    switch (id) {
        case kStatus:
        case kOriginal:
        case kOverview:
        case kPause:
        case kMenuBar:
        case kToolBar:
        case kStatusBar:
        case kBeginner:
        case kNovice:
        case kStandard:
        case kExpert:
            return true;
        default:
            return false;
    }
}

}  // namespace

CMainFrame::CMainFrame(CJigsawDoc* doc, QWidget* parent) : QMainWindow(parent), doc_(doc) {
    help_ = new HelpCommands(this, help::applicationHelpFile());
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    setInitialMenuState();
    view_ = new CJigsawView(doc_, this);
    setCentralWidget(view_);
    connect(view_, &CJigsawView::menuStateChanged, this, &CMainFrame::applyMenuState);
    resize(800, 600);
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::action(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

bool CMainFrame::menuBarShown() const {
    return !menuBar()->isHidden();
}

void CMainFrame::SetPaneText(int pane, const QString& text) {
    if (pane >= 0 && pane < kPaneCount) {
        panes_[pane]->setText(text);
    }
}

QString CMainFrame::paneText(int pane) const {
    return pane >= 0 && pane < kPaneCount ? panes_[pane]->text() : QString();
}

void CMainFrame::postCommand(int id) {
    QMetaObject::invokeMethod(
        this, [this, id] { onCommand(id); }, Qt::QueuedConnection);
}

void CMainFrame::createActions() {
    for (const CommandInfo& info : commandTable()) {
        auto* a = new QAction(info.text ? QString::fromUtf8(info.text) : QString(), this);
        a->setObjectName(QStringLiteral("cmd%1").arg(info.id));
        if (info.keys) {
            a->setShortcut(QKeySequence(QString::fromUtf8(info.keys)));
        }
        if (info.prompt) {
            a->setStatusTip(QString::fromUtf8(info.prompt));
        }
        if (info.tip) {
            a->setToolTip(QString::fromUtf8(info.tip));
        }
        a->setCheckable(isCheckable(info.id));
        const int id = info.id;
        connect(a, &QAction::triggered, this, [this, id] { onCommand(id); });
        actions_[id] = a;
        addAction(a);
    }
    showMenuBar_ = new QAction(QString::fromUtf8(kShowMenuBarText), this);
    showMenuBar_->setObjectName(QStringLiteral("cmd%1").arg(cmd::kShowMenuBarSys));
    connect(showMenuBar_, &QAction::triggered, this, [this] { onCommand(cmd::kShowMenuBarSys); });
}

void CMainFrame::createMenus() {
    auto* style = new MenuBarStyle;
    style->setParent(menuBar());
    menuBar()->setStyle(style);
    const std::vector<MenuSpec>& layout = menuLayout();
    for (const MenuSpec& entry : layout) {
        if (&entry == &layout.back()) {
            menuBar()->addSeparator();  // Help stands at the right
        }
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(entry.title));
        for (int id : entry.items) {
            if (id == kSeparator) {
                menu->addSeparator();
            } else if (id == kSkillSubmenu) {
                QMenu* skill = menu->addMenu(QString::fromUtf8(kSkillSubmenuTitle));
                skill->menuAction()->setStatusTip(QString::fromUtf8(kSkillSubmenuPrompt));
                for (int level : skillLevelCommands()) {
                    skill->addAction(action(level));
                }
            } else {
                menu->addAction(action(id));
            }
        }
    }
}

void CMainFrame::createToolBar() {
    toolBar_ = new QToolBar(tr("Standard"), this);
    toolBar_->setObjectName(QStringLiteral("toolbar%1").arg(ToolBarBitmap::kResourceId));
    toolBar_->setIconSize(QSize(ToolBarBitmap::kImageWidth, ToolBarBitmap::kImageHeight));
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : toolBarSlots()) {
        if (id == kSeparator) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* a = action(id);
        a->setIcon(ToolBarBitmap::iconFor(id));
        toolBar_->addAction(a);
        toolBar_->widgetForAction(a)->setFixedSize(kButtonSize, kButtonSize);
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusbar"));
    for (int i = 0; i < kPaneCount; ++i) {
        panes_[i] = new QLabel(bar);
        panes_[i]->setObjectName(QStringLiteral("pane%1").arg(i));
        if (i == 0) {
            bar->addWidget(panes_[i], 1);
        } else {
            panes_[i]->setMinimumWidth(kPaneWidth);
            panes_[i]->setFrameShape(QFrame::Panel);
            panes_[i]->setFrameShadow(QFrame::Sunken);
            bar->addPermanentWidget(panes_[i], 1);
        }
    }
}

// The menu resource's own state, before the first refresh.
void CMainFrame::setInitialMenuState() {
    action(cmd::kPause)->setEnabled(false);
    action(cmd::kNormalSize)->setEnabled(false);
    action(cmd::kOriginal)->setEnabled(false);
    action(cmd::kStandard)->setChecked(true);
    updateFrameChecks();
}

void CMainFrame::onCommand(int id) {
    if (help_->inContextMode() && id != cmd::kContextHelp) {
        help_->showMenuHelp(id);
        return;
    }
    if (handleFrameCommand(id)) {
        return;
    }
    if (help_->handle(id, view_->state().otherGamesPath)) {
        return;
    }
    view_->onCommand(id);
}

bool CMainFrame::handleFrameCommand(int id) {
    switch (id) {
        case cmd::kMenuBar:
        case cmd::kShowMenuBarSys:
            toggleMenuBar();
            return true;
        case cmd::kToolBar:
            toggleBar(toolBar_);
            return true;
        case cmd::kStatusBar:
            toggleBar(statusBar());
            return true;
        case cmd::kExit:
            close();
            return true;
        case cmd::kExitButton:
            postCommand(cmd::kExit);
            return true;
        case cmd::kAbout:
            showAbout();
            return true;
        case cmd::kHighScores: {
            const CClockHold hold;
            CHighScoreDlg::showTable(this);
            return true;
        }
        case cmd::kRefreshMenu:
            view_->refreshMenuState();
            return true;
        default:
            return false;
    }
}

void CMainFrame::applyMenuState(const GameState& state) {
    const bool otherGames =
        !state.otherGamesPath.empty() && platform::fileExists(state.otherGamesPath);
    for (const CommandState& s : computeMenuState(state, otherGames)) {
        QAction* a = action(s.id);
        a->setEnabled(s.enabled);
        if (a->isCheckable()) {
            a->setChecked(s.checked);
        }
    }
    updateFrameChecks();
}

void CMainFrame::toggleMenuBar() {
    if (menuBarShown()) {
        menuBar()->hide();
    } else if (!putMenuBack()) {
        MessageBoxA(this, "OOps!", "Tessella", MB_OK);
    }
    updateFrameChecks();
}

// Shows the default menu again; false when there is none to show.
bool CMainFrame::putMenuBack() {
    menuBar()->show();
    return menuBarShown() && !menuBar()->actions().isEmpty();
}

void CMainFrame::toggleBar(QWidget* bar) {
    bar->setVisible(bar->isHidden());
    updateFrameChecks();
}

void CMainFrame::updateFrameChecks() {
    action(cmd::kMenuBar)->setChecked(menuBarShown());
    action(cmd::kToolBar)->setChecked(!toolBar_->isHidden());
    action(cmd::kStatusBar)->setChecked(!statusBar()->isHidden());
    showMenuBar_->setEnabled(!menuBarShown());
}

void CMainFrame::showAbout() {
    const CClockHold hold;  // reading the box is no play time
    CAboutDlg dialog(this);
    dialog.exec();
}

QMenu* CMainFrame::createPopupMenu() {
    auto* menu = new QMenu(this);
    menu->addAction(showMenuBar_);
    return menu;
}

void CMainFrame::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu(createPopupMenu());
    menu->exec(event->globalPos());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (doc_ && !doc_->canCloseFrame()) {
        event->ignore();
        return;
    }
    help_->quitHelp();
    FramePlacement::save(*this);
    event->accept();
}
