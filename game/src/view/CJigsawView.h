#pragma once

#include <QAbstractScrollArea>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "commands/GameState.h"
#include "model/Assist.h"
#include "model/GameSession.h"
#include "platform/Surface.h"
#include "scores/EndOfGame.h"
#include "settings/PackedValues.h"
#include "sound/CSoundOptions.h"
#include "view/AutoScrollTimer.h"
#include "view/AuxWindowLink.h"
#include "view/GameFlowHost.h"
#include "view/InputWatch.h"
#include "view/OptionDialogs.h"
#include "view/PauseDisplay.h"
#include "view/PausedGesture.h"
#include "view/PuzzleFlow.h"
#include "view/SavedGames.h"
#include "view/ViewZoom.h"

class ViewInteraction;
namespace controls {
class PieceToolTip;
}

namespace windows {
class AuxWindows;
}

class CJigsawDoc;

// The workspace view: the table the pieces lie on. It owns the game state,
// runs the one-second game timer (timer 3), takes the input on the table,
// paints, scrolls and zooms, and serves the game's commands; the puzzle's
// course and the saved games are its helpers' (PuzzleFlow, SavedGames),
// which work through its GameFlowHost face.
class CJigsawView : public QAbstractScrollArea, public GameFlowHost {
    Q_OBJECT
  public:
    // The window system's number of the one-second timer; Qt hands out its
    // own timer ids, so the id Qt gave is kept beside it.
    static constexpr int kClockTimer = 3;
    static constexpr int kClockIntervalMs = 1000;
    // New game through the file dialog alone (on no menu; posted).
    static constexpr int kNewGameFromFile = 40052;
    // The private message that asks for the loading sound.
    static constexpr int kLoadingSoundMessage = 0x4C8;

    CJigsawView(CJigsawDoc* doc, QWidget* parent = nullptr);
    ~CJigsawView() override;

    // The game state; tests and the game rules change it, then refresh.
    GameState& state() override { return state_; }
    const GameState& state() const { return state_; }
    int clockTimerId() const { return clockTimerId_; }
    Colour background() const override { return background_; }

    // Whether the document may close (the program may end): a cut puzzle
    // with unsaved changes asks "Saving?" first.
    bool QueryClose();

    // Queues a command for this view, as posting it would.
    void postCommand(int id) override;

    GameSession& session() override { return session_; }
    // What the view shows, one pixel per window pixel.
    const platform::Surface& windowSurface() const { return window_; }
    platform::Surface& windowSurface() override { return window_; }
    // Takes a picture bitmap as the loaded picture (no puzzle yet).
    void setPicture(platform::Surface picture) override;
    // Cuts the loaded picture with the grid and placement the Start dialog
    // chose, or else with the stored piece size and placement.
    void startGame(unsigned seed) { flow_.startGame(seed); }
    // The piece menu's commands (Lock, Unlock, Assist, Send to back) for the
    // group under the window point.
    void pieceMenuCommand(int id, const QPoint& at);
    // One tick of the one-second game timer.
    void tick();
    const ViewInteraction& interaction() const { return *interaction_; }

    // Writes the game to path without asking, with the play time so far;
    // onGroup follows the groups as they are written.
    // Returns an empty text or the reason it failed.
    std::string saveGameTo(const std::string& path,
                           const std::function<void(int written)>& onGroup = {}) {
        return files_.saveTo(path, onGroup);
    }
    // The Save command (also the document's save); true when the game was
    // written.
    bool saveCommand() { return files_.save(true); }
    // Reads the whole file, then replaces the current game by it; a refused
    // file keeps the current game (the reason was shown).
    bool restoreGameFrom(const std::string& path) { return files_.restoreFrom(path); }
    // The file the game was restored from (Save writes there without
    // asking); empty for none.
    const std::string& savedGamePath() const { return files_.savedPath(); }
    // Hooks every end-of-game sequence starts from (tests intercept the
    // results dialog here).
    static EndOfGame::Hooks& endOfGameHooks() { return PuzzleFlow::endOfGameHooks(); }
    // The colour chooser of Background Color: true with the chosen colour in
    // colour, false when the player cancels. Tests answer it here.
    using ColourChooser = OptionDialogs::ColourChooser;
    static ColourChooser& colourChooser() { return OptionDialogs::colourChooser(); }
    // The game's sound player (tests give it a recording player).
    CSoundOptions& soundOptions() override { return sounds_; }
    // A picture is being loaded or cut: commands and timer ticks wait.
    bool busy() const { return busyCount_ > 0; }
    // The original-picture, overview and status windows.
    windows::AuxWindows& auxWindows() override;

    // The auxiliary windows' face (WorkspaceHost); positions are table
    // pixels.
    QWidget* widget() override { return this; }
    void redrawAll() override;
    void redrawSprite(const sprites::Sprite& sprite) override;
    void redrawArea(const platform::Rect& table) override;
    bool holdingPiece() const override;
    bool pickUpAt(int x, int y) override;
    void moveHeldTo(int x, int y) override;
    void dropHeldAt(int x, int y) override;

  public slots:
    // Game commands the frame does not serve itself.
    void onCommand(int id);
    // Command 40040: recompute the menu state from the game state.
    void refreshMenuState();
    // Private message 0x405: restore the saved game at path.
    void restoreGameFile(const QString& path);
    // Private message 0x404: load the picture at path as a new game.
    void loadPictureFile(const QString& path);
    // Private message 0x4C8: plays the loading sound unless a sound is
    // playing. Answers 1.
    int loadingSound();

  signals:
    void menuStateChanged(const GameState& state);
    // Timer 3 went off: one second of game time passed.
    void clockTicked();

  protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
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
    void showPictureAlone();
    // The helpers' face (GameFlowHost).
    void updateState() override;
    void setBackground(Colour colour) override { background_ = colour; }
    void applyLevel() override;
    QWidget* table() override { return viewport(); }
    int& busyCount() override { return busyCount_; }
    int* dialogBusyFlag() override { return &soundDialogBusy_; }
    void clearPuzzle() override;
    void resetZoom() override;
    // Zoom In, Zoom Out and Normal Size.
    void zoomCommand(int id) override;
    // Scroll bar ranges and steps from the (mapped) table size.
    void updateScrollRanges() override;
    void scrollTableTo(int x, int y) override;
    void markUnmodified() override;
    void resetDrops(int pieceCount) override;
    void noteInput() override;
    void stopAssembly() override { flow_.stopAssembly(); }

    void setLevel(int level);
    bool reportMissingFile(const QString& path);
    void togglePause();
    void playSound(int event);
    void pieceCommand(int id);
    // A table point as a window point.
    // Mouse helpers (CJigsawViewMouse.cpp).
    std::unique_ptr<ViewInteraction> makeInteraction();
    void dropAt(const QPoint& at);
    void showGameCursor(int cursor);
    void showPieceTip(const char* text, int x, int y);
    void closePieceTip();
    Assist::LockedChoice askLockedPiece();
    void afterDrop();
    // The auxiliary windows (CJigsawViewWindows.cpp).

    CJigsawDoc* doc_;
    GameState state_;
    COLORREF background_;
    int clockTimerId_ = 0;
    int soundDialogBusy_ = 0;  // set while the Sound dialog is open
    int busyCount_ = 0;        // long operations running (loading, cutting)
    CSoundOptions sounds_;
    GameSession session_;
    platform::Surface window_;
    std::unique_ptr<ViewInteraction> interaction_;
    std::unique_ptr<AuxWindowLink> windows_;
    InputWatch inputWatch_;
    PausedGesture gesture_;
    PauseDisplay pauseDisplay_;
    ViewZoom zoom_;
    sprites::Sprite* menuGroup_ = nullptr;  // the group the piece menu was opened for
    AutoScrollTimer autoScrollTimer_;
    controls::PieceToolTip* pieceTip_ = nullptr;  // owned by the viewport
    SavedGames files_{*this};
    PuzzleFlow flow_{*this, files_};
    OptionDialogs options_{*this};
};
