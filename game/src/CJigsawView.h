#pragma once

#include <QAbstractScrollArea>
#include <QString>

#include "GameState.h"
#include "PackedValues.h"

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

  private:
    void setLevel(int level);
    bool reportMissingFile(const QString& path);

    CJigsawDoc* doc_;
    GameState state_;
    COLORREF background_;
    int clockTimerId_ = 0;
};
