#pragma once

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QString>

#include <memory>
#include <optional>

#include "CSoundOptions.h"
#include "GameState.h"
#include "PackedValues.h"
#include "model/GameSession.h"
#include "platform/Surface.h"
#include "view/PauseDisplay.h"
#include "view/ViewZoom.h"

class ViewInteraction;

class CJigsawDoc;

// The workspace view: the table the pieces lie on. It owns the game state,
// runs the one-second game timer (timer 3) and serves the game's commands.
class CJigsawView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    // The window system's number of the one-second timer; Qt hands out its
    // own timer ids, so the id Qt gave is kept beside it.
    static constexpr int kClockTimer = 3;
    static constexpr int kClockIntervalMs = 1000;

    CJigsawView(CJigsawDoc* doc, QWidget* parent = nullptr);
    ~CJigsawView() override;

    // The game state; tests and the game rules change it, then refresh.
    GameState& state() { return state_; }
    const GameState& state() const { return state_; }
    int clockTimerId() const { return clockTimerId_; }
    COLORREF background() const { return background_; }

    // Whether the document may close (the program may end). Only a cut
    // puzzle with unsaved changes could be lost; none exists before games
    // can be cut, so closing always goes on.
    bool QueryClose() const;

    // Queues a command for this view, as posting it would.
    void postCommand(int id);

    GameSession& session() { return session_; }
    // What the view shows, one pixel per window pixel.
    const platform::Surface& windowSurface() const { return window_; }
    // Takes a picture bitmap as the loaded picture (no puzzle yet).
    void setPicture(platform::Surface picture);
    // Cuts the loaded picture with the grid and placement the Start dialog
    // chose, or else with the stored piece size and placement.
    void startGame(unsigned seed);
    // The piece menu's commands (Lock, Unlock, Assist, Send to back) for the
    // group under the window point.
    void pieceMenuCommand(int id, const QPoint& at);
    // One tick of the one-second game timer.
    void tick();

  public slots:
    // Game commands the frame does not serve itself.
    void onCommand(int id);
    // Command 40040: recompute the menu state from the game state.
    void refreshMenuState();
    // Private message 0x405: restore the saved game at path.
    void restoreGameFile(const QString& path);
    // Private message 0x404: load the picture at path as a new game.
    void loadPictureFile(const QString& path);

  signals:
    void menuStateChanged(const GameState& state);
    // Timer 3 went off: one second of game time passed.
    void clockTicked();

  protected:
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void setLevel(int level);
    void applyLevel();
    bool reportMissingFile(const QString& path);
    void newGame();
    void startFromDialog();
    bool loadPicture(const QString& path, int slot);
    void togglePause();
    void toggleAssembly();
    void stopAssembly();
    void finishIfComplete();
    void redrawAll();
    void scrollTableTo(int x, int y);
    void noteInput();
    void playSound(int event);
    void pieceCommand(int id);
    void updateState();
    void showPreferences();
    void applyPreferencesToPuzzle();
    void showSoundOptions();
    // Zoom In, Zoom Out and Normal Size.
    void zoomCommand(int id);

    CJigsawDoc* doc_;
    GameState state_;
    COLORREF background_;
    int clockTimerId_ = 0;
    int soundDialogBusy_ = 0;  // set while the Sound dialog is open
    CSoundOptions sounds_;
    GameSession session_;
    platform::Surface window_;
    std::unique_ptr<ViewInteraction> interaction_;
    QElapsedTimer lastInput_;
    PauseDisplay pauseDisplay_;
    ViewZoom zoom_;
    sprites::Sprite* menuGroup_ = nullptr;
    // The grid and placement the Start dialog chose for the next cut.
    struct StartChoice {
        int pieceWidth;
        int pieceHeight;
        ScatterPlacement::Options placement;
    };
    std::optional<StartChoice> chosen_;  // the group the piece menu was opened for
};
