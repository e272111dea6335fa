#pragma once

#include <string>

// Help topics of the program's help file that commands and menus lead to.
namespace help {

inline constexpr unsigned kMenusGeneral = 1502;
inline constexpr unsigned kMenusView = 1519;
inline constexpr unsigned kMenusOptions = 1529;
inline constexpr unsigned kMenusGame = 1511;
inline constexpr unsigned kMenusPlay = 1515;
inline constexpr unsigned kMenusInformation = 1531;
inline constexpr unsigned kMenusHelp = 1536;
inline constexpr unsigned kHowToPlay = 2;
inline constexpr unsigned kIndex = 10;
inline constexpr unsigned kCommands = 1501;

inline constexpr const char* kScreensWindow = ">Screens";
inline constexpr const char* kMenusWindow = ">Menus";

// The help context shown for a command picked in context-help mode. The
// skill-level submenu maps as its levels do.
unsigned menuContextFor(int commandId);

// The program's help file: TESSELLA.HLP in share/tessella/help beside the
// program's bin directory (the build tree has the installed layout).
std::string applicationHelpFile();

}  // namespace help
