#pragma once

#include <QAbstractScrollArea>
#include <QElapsedTimer>
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
#include "view/AutoScroll.h"
#include "view/PauseDisplay.h"
#include "view/ViewZoom.h"
#include "windows/WindowHost.h"

class ViewInteraction;
namespace controls {
class PieceToolTip;
}

namespace windows {
class AuxWindows;
}

class CJigsawDoc;
struct SavedGame;
struct SavedGameHeader;
class SavedGameProgress;

// The workspace view: the table the pieces lie on. It owns the game state,
// runs the one-second game timer (timer 3) and serves the game's commands.
class CJigsawView : public QAbstractScrollArea {
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
    GameState& state() { return state_; }
    const GameState& state() const { return state_; }
    int clockTimerId() const { return clockTimerId_; }
    COLORREF background() const { return background_; }

    // Whether the document may close (the program may end): a cut puzzle
    // with unsaved changes asks "Saving?" first.
    bool QueryClose();

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

    // Writes the game to path without asking; heldSeconds of the clock do
    // not count as play; onGroup follows the groups as they are written.
    // Returns an empty text or the reason it failed.
    std::string saveGameTo(const std::string& path, long heldSeconds = 0,
                           const std::function<void(int written)>& onGroup = {});
    // The Save command (also the document's save); true when the game was
    // written.
    bool saveCommand() { return saveGame(true); }
    // Reads the whole file, then replaces the current game by it; a refused
    // file keeps the current game (the reason was shown).
    bool restoreGameFrom(const std::string& path);
    // The file the game was restored from (Save writes there without
    // asking); empty for none.
    const std::string& savedGamePath() const { return savedPath_; }
    // Hooks every end-of-game sequence starts from (tests intercept the
    // results dialog here).
    static EndOfGame::Hooks& endOfGameHooks();
    // The colour chooser of Background Color: true with the chosen colour in
    // colour, false when the player cancels. Tests answer it here.
    using ColourChooser = std::function<bool(COLORREF& colour, QWidget* owner)>;
    static ColourChooser& colourChooser();
    // The game's sound player (tests give it a recording player).
    CSoundOptions& soundOptions() { return sounds_; }
    // A picture is being loaded or cut: commands and timer ticks wait.
    bool busy() const { return busyCount_ > 0; }
    // The original-picture, overview and status windows.
    windows::AuxWindows& auxWindows();

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
    void setLevel(int level);
    void applyLevel();
    bool reportMissingFile(const QString& path);
    void newGame(bool fromFileDialog);
    void startFromDialog();
    bool loadPicture(const QString& path, int slot);
    void clearPuzzle();
    void remakePicture();
    void enableMenuBar(bool enable);
    void showCutCursor(int pieces);
    PuzzleBuilder::Request cutRequest(unsigned seed);
    void runHook(const char* key) const;
    void chooseBackground();
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
    // Saved games and the end of a game (CJigsawViewFiles.cpp).
    QSize screenSize() const;
    bool saveGame(bool intoRestoredFile);
    void fillHeader(SavedGameHeader& header, const Puzzle& puzzle) const;
    void restoreGame(const QString& path);
    void takeOverSettings(const SavedGameHeader& header);
    void adoptSavedGame(SavedGame& game, platform::Surface picture, SavedGameProgress& progress);
    void applySavedZoom(const SavedGameHeader& header);
    void scrollToSaved(const SavedGameHeader& header);
    bool askToSave();
    void runEndOfGame();
    // Zoom In, Zoom Out and Normal Size.
    void zoomCommand(int id);
    // Scroll bar ranges and steps from the (mapped) table size.
    void updateScrollRanges();
    // Mouse helpers (CJigsawViewMouse.cpp).
    std::unique_ptr<ViewInteraction> makeInteraction();
    void dropAt(const QPoint& at);
    void showGameCursor(int cursor);
    void runAutoScrollTimer(AutoScroll::Timer timer, int intervalMs);
    bool autoScrollTimerEvent(int qtTimerId);
    void showPieceTip(const char* text, int x, int y);
    void closePieceTip();
    Assist::LockedChoice askLockedPiece();
    void afterDrop();
    // The auxiliary windows (CJigsawViewWindows.cpp).
    windows::WindowHost makeWindowHost();
    bool pickUpAtTable(int x, int y);
    bool windowCommand(int id);
    void updateStatusTexts();
    void syncWindows();

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
    std::unique_ptr<windows::AuxWindows> windows_;
    QElapsedTimer lastInput_;
    PauseDisplay pauseDisplay_;
    ViewZoom zoom_;
    sprites::Sprite* menuGroup_ = nullptr;
    // The auto-scroll timer running (AutoScroll's ids 1 and 2) and the id Qt
    // gave it.
    AutoScroll::Timer autoScrollTimer_ = AutoScroll::Timer::None;
    int autoScrollTimerId_ = 0;
    controls::PieceToolTip* pieceTip_ = nullptr;  // owned by the viewport
    std::string savedPath_;                       // the restored or last saved file
    std::string pictureName_;                     // the picture's short description
    std::string currentFile_;  // the last saved or restored file, offered for deletion at the end
    // The grid and placement the Start dialog chose for the next cut.
    struct StartChoice {
        int pieceWidth;
        int pieceHeight;
        ScatterPlacement::Options placement;
    };
    std::optional<StartChoice> chosen_;  // the group the piece menu was opened for
};
