#pragma once

#include <vector>

#include "commands/GameState.h"

// Enabled and checked state of one command.
struct CommandState {
    int id;
    bool enabled;
    bool checked;
};

// The state of every game-dependent command for the given game state: the
// menu refresh and the update rules folded into one evaluation. Commands the
// result does not name keep their state. otherGamesExists tells whether the
// "OtherGam.Hlp" path names an existing file.
std::vector<CommandState> computeMenuState(const GameState& state, bool otherGamesExists);
