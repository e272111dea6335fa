#pragma once

#include <vector>

// The program's commands: menu text (a tab separates the shown shortcut),
// accelerator, status-line prompt and tool tip.
struct CommandInfo {
    int id;
    const char* text;    // menu text; null for commands on no menu
    const char* keys;    // QKeySequence text of the accelerator, or null
    const char* prompt;  // status-line prompt, or null
    const char* tip;     // tool tip of the tool-bar button, or null
};

// One top-level menu; kSeparator and kSkillSubmenu stand in the item list for
// a separator and the skill-level submenu.
struct MenuSpec {
    const char* title;
    std::vector<int> items;
};

inline constexpr int kSeparator = 0;
inline constexpr int kSkillSubmenu = -1;
inline constexpr const char* kSkillSubmenuTitle = "Skill &Level";
inline constexpr const char* kSkillSubmenuPrompt = "Select difficulty level";
inline constexpr const char* kShowMenuBarText = "Show &Menu Bar\tCtrl+M";

const std::vector<CommandInfo>& commandTable();
// Null when id is not a command of the table.
const CommandInfo* findCommand(int id);

// The menu bar, left to right; the last menu (Help) stands at the right.
const std::vector<MenuSpec>& menuLayout();
// The four levels of the skill-level submenu.
const std::vector<int>& skillLevelCommands();
// The 26 tool-bar slots; kSeparator marks a separator.
const std::vector<int>& toolBarSlots();
