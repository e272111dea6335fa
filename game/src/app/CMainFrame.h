#pragma once

#include <QMainWindow>
#include <QString>

#include <map>

#include "commands/GameState.h"

class CJigsawDoc;
class CJigsawView;
class HelpCommands;
class QAction;
class QLabel;
class QMenu;
class QToolBar;

// The main frame: menu bar, tool bar, three-pane status bar and the workspace
// view in the middle. Every command is a QAction named "cmd<number>"; the
// actions also belong to the frame itself so that their accelerators keep
// working while the menu bar is hidden.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kPaneCount = 3;
    static constexpr int kPaneWidth = 80;  // panes 2 and 3, pixels

    explicit CMainFrame(CJigsawDoc* doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* action(int id) const;
    CJigsawView* view() const { return view_; }
    CJigsawDoc* document() const { return doc_; }
    HelpCommands& helpCommands() const { return *help_; }
    QToolBar* toolBar() const { return toolBar_; }
    bool menuBarShown() const;

    // Pane texts; pane numbers of 3 and above are ignored.
    // NOLINTNEXTLINE(readability-identifier-naming): the framework's name
    void SetPaneText(int pane, const QString& text);
    QString paneText(int pane) const;

    // Queues a command for this frame, as posting it would.
    void postCommand(int id);

    // The frame's context menu, which stands in for the window system menu:
    // "Show Menu Bar", enabled only while the menu bar is hidden.
    QMenu* createPopupMenu() override;

  public slots:
    void onCommand(int id);
    void applyMenuState(const GameState& state);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void setInitialMenuState();
    bool handleFrameCommand(int id);
    void toggleMenuBar();
    bool putMenuBack();
    void toggleBar(QWidget* bar);
    void updateFrameChecks();
    void showAbout();

    CJigsawDoc* doc_;
    CJigsawView* view_ = nullptr;
    HelpCommands* help_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* panes_[kPaneCount] = {};
    QAction* showMenuBar_ = nullptr;
    std::map<int, QAction*> actions_;
};
