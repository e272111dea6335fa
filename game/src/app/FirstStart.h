#pragma once

#include <string>

// Before the settings are first read, make sure the program finds a settings
// file it may write and the shipped pictures, sounds and a folder for saved
// games. An installed program's folder is usually not writable by the player,
// and a build tree's holds no settings: then the registry entry of the shared
// files is pointed at the player's own folder, which is seeded once with the
// shipped default settings. Nothing the player has saved is ever replaced;
// only Locations that are empty or name a folder that no longer exists are
// filled with the shipped folders (so moving or upgrading an installation
// repairs them).

// The shipped data of the program in programDir (share/tessella beside its
// bin folder, as in the build tree and after installation); empty when there
// is none.
std::string SharedDataDirectory(const std::string& programDir);

// The player's own folder: $XDG_DATA_HOME/tessella, else
// $HOME/.local/share/tessella. Ends in a separator.
std::string UserDataDirectory();

// The first-start step for the program in programDir (ending in a
// separator). Returns the folder that holds the settings file afterwards,
// ending in a separator.
std::string PrepareSettings(const std::string& programDir);

// PrepareSettings for the running program.
void FirstStart();
