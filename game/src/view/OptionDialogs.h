#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>

class GameFlowHost;
class GameSession;

// The view's Options commands: the Preferences and Sound dialogs and the
// table's colour. Each holds the game clock while it is open, so time spent
// in it is not play time.
class OptionDialogs {
  public:
    // The colour chooser of Background Color: true with the chosen colour
    // (COLORREF) in colour, false when the player cancels. Tests answer it
    // here.
    using ColourChooser = std::function<bool(std::uint32_t& colour, QWidget* owner)>;
    static ColourChooser& colourChooser();

    explicit OptionDialogs(GameFlowHost& host);

    void showPreferences();
    void showSoundOptions();
    // Background Color: the table's colour, kept in the settings.
    void chooseBackground();

  private:
    void applyPreferencesToPuzzle();

    GameFlowHost& host_;
    GameSession& session_;
};
