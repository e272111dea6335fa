#pragma once

// Command numbers of the menus, accelerators and tool bar. Every command is a
// QAction named "cmd<number>".
namespace cmd {

inline constexpr int kShowMenuBarSys = 4;  // frame context menu entry
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;
inline constexpr int kHelpIndex = 57666;
inline constexpr int kHelpUsing = 57667;
inline constexpr int kContextHelp = 57668;
inline constexpr int kHelp = 57669;
inline constexpr int kNewGame = 57601;
inline constexpr int kSaveAs = 57604;
inline constexpr int kToolBar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kExitButton = 2192;

inline constexpr int kOriginal = 40001;
inline constexpr int kStart = 40002;
inline constexpr int kPreferences = 40003;
inline constexpr int kOverview = 40005;
inline constexpr int kSave = 40006;
inline constexpr int kRestore = 40007;
inline constexpr int kPause = 40008;
inline constexpr int kBackgroundColor = 40011;
inline constexpr int kAutoAssemble = 40012;
inline constexpr int kMenuBar = 40013;
inline constexpr int kHighScores = 40014;
inline constexpr int kBeginner = 40017;
inline constexpr int kNovice = 40018;
inline constexpr int kStandard = 40019;
inline constexpr int kExpert = 40020;
inline constexpr int kAboutPuzzle = 40021;
inline constexpr int kAboutArtist = 40022;
inline constexpr int kOtherGames = 40024;
inline constexpr int kNormalSize = 40033;
inline constexpr int kZoomIn = 40036;
inline constexpr int kZoomOut = 40037;
inline constexpr int kRefreshMenu = 40040;
inline constexpr int kSound = 40041;
inline constexpr int kStatus = 40045;
inline constexpr int kHelpContents = 40046;
inline constexpr int kHowToPlay = 40047;
inline constexpr int kCommandsHelp = 40048;
inline constexpr int kHelpSearch = 40049;

}  // namespace cmd
