#pragma once

#include <string>
#include <vector>

// Help topics of the program's help file that commands, menus, dialogs and
// windows lead to. This is the one table of the program's help context
// numbers: dialogs and windows take their numbers from here.
namespace help {

// Menu topics ("Menus" window, context-help mode).
inline constexpr unsigned kMenusGeneral = 1502;
inline constexpr unsigned kMenusView = 1519;
inline constexpr unsigned kMenusOptions = 1529;
inline constexpr unsigned kMenusGame = 1511;
inline constexpr unsigned kMenusPlay = 1515;
inline constexpr unsigned kMenusInformation = 1531;
inline constexpr unsigned kMenusHelp = 1536;
// Topics of the Help menu ("Screens" window).
inline constexpr unsigned kHowToPlay = 2;
inline constexpr unsigned kIndex = 10;
inline constexpr unsigned kCommands = 1501;

// Dialogs and windows open the "Screens" window at kScreensBase plus their
// help number.
inline constexpr unsigned kScreensBase = 0x20000;
inline constexpr unsigned kPieceLockedHelp = 0x3E9;
inline constexpr unsigned kPieceSizeHelp = 0x408;
inline constexpr unsigned kPreferencesHelp = 0x419;
inline constexpr unsigned kSoundHelp = 0x421;
inline constexpr unsigned kResultsHelp = 1039;
inline constexpr unsigned kHighScoresHelp = 152;  // the table dialog's number
inline constexpr unsigned kStatusWindowHelp = 170;
inline constexpr unsigned kOriginalWindowHelp = 0x415;
// The overview has a number of its own: 0x3E9 is the Piece is locked prompt's.
inline constexpr unsigned kOverviewWindowHelp = 0x3EA;
// The picture selection of a new game: the picture library's file-open dialog
// shows this context, its gallery browser this context plus 256.
inline constexpr unsigned kPictureSelection = 0x27004;
inline constexpr unsigned kGalleryBrowserOffset = 256;

inline constexpr const char* kScreensWindow = ">Screens";
inline constexpr const char* kMenusWindow = ">Menus";

constexpr unsigned screenContext(unsigned helpNumber) {
    return kScreensBase + helpNumber;
}

// One context number the program opens its help file at, the window it is
// shown in and what it is for.
struct HelpTopic {
    unsigned context;
    const char* window;
    const char* shows;
};

// Every context number of the program's help file that the program, its
// dialogs, its windows and the picture selection it opens can ask for.
const std::vector<HelpTopic>& helpTopics();

// The help context shown for a command picked in context-help mode. The
// skill-level submenu maps as its levels do.
unsigned menuContextFor(int commandId);

// The program's help file: TESSELLA.HLP in share/tessella/help beside the
// program's bin directory (the build tree has the installed layout).
std::string applicationHelpFile();

}  // namespace help
