// SPDX-License-Identifier: GPL-3.0-or-later
// How deep a level is: what its shortest solution asks of a player, and where it can be lost.
#pragma once

#include "level/game_level.h"
#include "level/solver/solver.h"

#include <cstddef>

namespace kelvaro {

struct DepthLimits {
    // Positions the level may have for traps and crates that must move to be counted.
    std::size_t max_states = 1'000'000;
    // Whether to look for traps and crates that must move at all: the costly figures.
    bool full = true;
};

struct Depth {
    int pushes = 0;
    int jewel_pushes = 0;
    int crate_pushes = 0;
    // How often the pushed object differs from the one pushed just before.
    int object_changes = 0;
    // Crates the shortest solution moves at all.
    int crates_moved = 0;
    // Crates every solution moves: fixed in place, they leave the level proven unsolvable.
    int crates_must_move = 0;
    // Distinct pushes (object cell and direction) that, made in some position along the
    // shortest solution, leave a position proven unsolvable.
    int traps = 0;
    // Whether one of those pushes is available in the start position.
    bool first_push_loses = false;
    // The most pushes of one object in one direction in a row.
    int longest_run = 0;
    // States the deciding search expanded.
    std::size_t search_effort = 0;
    // Positions the level can reach (the player counted once per area it walks in), or
    // those found before the limit; traps and crates that must move are only counted
    // when all of them were seen.
    std::size_t positions = 0;
    bool space_complete = false;
    bool space_cut = false;  // the positions were counted but did not fit the limit
};

class PositionSpace;

// The figures of a level from its solution (shortest when `solution.shortest`).
Depth measureDepth(const GameLevel& level, const Solution& solution, const DepthLimits& limits = {});

// The same with the level's positions already explored (complete or not).
Depth measureDepth(const GameLevel& level, const Solution& solution, const PositionSpace& space);

} // namespace kelvaro
