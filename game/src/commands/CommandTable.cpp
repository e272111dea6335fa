#include "commands/CommandTable.h"

#include "commands/CommandIds.h"

using namespace cmd;

const std::vector<CommandInfo>& commandTable() {
    static const std::vector<CommandInfo> table = {
        {kNewGame, "&New...\tCtrl+N", "Ctrl+N", "Load a new game", "New game"},
        {kRestore, "&Restore...\tCtrl+R", "Ctrl+R", "Continue with a puzzle that has been saved",
         "Restore game"},
        {kSave, "&Save...\tCtrl+S", "Ctrl+S", "Save current puzzle", "Save game"},
        {kSaveAs, "Save &As...", nullptr, "Save current puzzle with a new name", nullptr},
        {kHighScores, "&High Scores...", nullptr, "Show high score list", nullptr},
        {kExit, "E&xit", nullptr, "Exit the application", nullptr},
        {kStart, "&Start...\tF2", "F2", "Start the game", "Start"},
        {kPause, "&Pause\tCtrl+F2", "Ctrl+F2", "Pause or resume playing", "Pause"},
        {kAutoAssemble, "&Automatic assemble", nullptr, "The computer will assemble the puzzle",
         nullptr},
        {kStatus, "Status\tF4", "F4", "Shows or hides status information about current game",
         "Status"},
        {kOriginal, "O&riginal\tF3", "F3", "Shows or hides original picture", "Original"},
        {kOverview, "O&verview \tCtrl+F3", "Ctrl+F3",
         "Shows or hides the overview of the workplace", "Overview"},
        {kZoomOut, "Zoom &Out\t-", "-", "Displays the pieces in smaller size", "Zoom out"},
        {kZoomIn, "Zoom &In\t+", "+", "Displays the pieces in larger size", "Zoom in"},
        {kNormalSize, "&Normal Size\t*", "*", "Reset to normal size", "Normal size"},
        {kMenuBar, "&Menu Bar\tCtrl+M", "Ctrl+M", "Show or hide menu bar", "Menu bar"},
        {kToolBar, "&Tool Bar\tCtrl+T", "Ctrl+T", "Show or hide the tool bar", "Tool bar"},
        {kStatusBar, "&Status Bar\tCtrl+B", "Ctrl+B", "Show or hide the status bar", "Status bar"},
        {kSound, "&Sound...", nullptr, "Define sound settings", nullptr},
        {kBeginner, "Beginner", nullptr, "Beginner level", nullptr},
        {kNovice, "Novice", nullptr, "Novice level", nullptr},
        {kStandard, "Standard", nullptr, "Standard level", nullptr},
        {kExpert, "Expert", nullptr, "Expert level", nullptr},
        {kPreferences, "&Preferences...", nullptr, "Define play options", nullptr},
        {kBackgroundColor, "Background &Color...", nullptr, "Select background color ", nullptr},
        {kAboutPuzzle, "About this &Puzzle", nullptr, "Provides information about this puzzle",
         "About this puzzle"},
        {kAboutArtist, "About the &Artist", nullptr, "Provides information about the artist",
         "About the artist"},
        {kOtherGames, "&Other Games", nullptr, "Other games available", nullptr},
        {kHelpContents, "&Contents", nullptr, "Display help contents", "Help contents"},
        {kHowToPlay, "&How to Play", nullptr, "Display instructions about how to play", nullptr},
        {kCommandsHelp, "C&ommands", nullptr, "Display commands help", nullptr},
        {kHelpSearch, "&Search for Help on...", nullptr,
         "Search for a help topic by typing or selecting a keyword", nullptr},
        {kHelpIndex, "&Index", nullptr, "List help topics", nullptr},
        {kHelpUsing, "&Using Help", nullptr, "Display instructions about how to use help", nullptr},
        {kAbout, "&About Tessella...", nullptr, "Display program information", nullptr},
        {kHelp, nullptr, "F1", nullptr, nullptr},
        {kContextHelp, nullptr, "Shift+F1", nullptr, nullptr},
        {kExitButton, nullptr, nullptr, "Exit the application", "Exit"},
        {kRefreshMenu, nullptr, nullptr, nullptr, nullptr},
    };
    return table;
}

const CommandInfo* findCommand(int id) {
    for (const CommandInfo& info : commandTable()) {
        if (info.id == id) {
            return &info;
        }
    }
    return nullptr;
}

const std::vector<MenuSpec>& menuLayout() {
    static const std::vector<MenuSpec> layout = {
        {"&Game",
         {kNewGame, kSeparator, kRestore, kSave, kSaveAs, kSeparator, kHighScores, kSeparator,
          kExit}},
        {"&Play", {kStart, kSeparator, kPause, kSeparator, kAutoAssemble}},
        {"&View",
         {kStatus, kOriginal, kOverview, kSeparator, kZoomOut, kZoomIn, kNormalSize, kSeparator,
          kMenuBar, kToolBar, kStatusBar}},
        {"&Options", {kSound, kSkillSubmenu, kPreferences, kBackgroundColor}},
        {"&Information", {kAboutPuzzle, kAboutArtist, kSeparator, kOtherGames}},
        {"&Help",
         {kHelpContents, kHowToPlay, kCommandsHelp, kSeparator, kHelpSearch, kHelpIndex, kHelpUsing,
          kSeparator, kAbout}},
    };
    return layout;
}

const std::vector<int>& skillLevelCommands() {
    static const std::vector<int> levels = {kBeginner, kNovice, kStandard, kExpert};
    return levels;
}

const std::vector<int>& toolBarSlots() {
    static const std::vector<int> toolSlots = {
        kNewGame,     kSeparator,    kSave,      kRestore,   kSeparator, kStart,     kPause,
        kSeparator,   kStatus,       kOriginal,  kOverview,  kSeparator, kZoomOut,   kZoomIn,
        kNormalSize,  kSeparator,    kMenuBar,   kToolBar,   kStatusBar, kSeparator, kAboutPuzzle,
        kAboutArtist, kHelpContents, kSeparator, kSeparator, kExitButton};
    return toolSlots;
}
