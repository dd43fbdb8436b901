// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's levels come from: the files of the set in play, the sets a shell lists, and the set it keeps for the next run.
#pragma once

#include "level/game_level.h"
#include "level/result.h"
#include "level/sets/level_set.h"

#include <functional>
#include <string>
#include <vector>

namespace kelvaro {

// Reads level N of what is in play.
using LevelLoader = std::function<Result<GameLevel>(int level)>;

struct LevelShelf {
    LevelLoader loader;
    std::function<std::string(int level)> file_name;  // level N's file, for messages
    // The sets the chooser always lists: the built-in set, then those in the level home.
    std::function<std::vector<LevelSet>()> installed_sets = [] { return std::vector<LevelSet>(); };
    // A set read again from its folder before New game and Next; none: as it was.
    std::function<LevelSet(const LevelSet&)> reread_set = {};
    // The player chose a level of `set` in the chooser: the set to keep for the next run.
    std::function<void(const LevelSet& set)> set_chosen = [](const LevelSet&) {};
};

} // namespace kelvaro
