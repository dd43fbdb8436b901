// SPDX-License-Identifier: GPL-3.0-or-later
// Starts found backwards: every position of a room walked back from its wins, push undone by push, the farthest taken.
#pragma once

#include "level/forge/forge.h"
#include "level/solver/solver_space.h"

#include <functional>
#include <vector>

namespace kelvaro::forge {

// A start found among a room's positions, with what the shortest ways from it to a win ask.
struct FarStart {
    Drawing drawing;
    int pushes = 0;   // the fewest pushes of any way to a win: no solution has fewer
    int changes = 0;  // the fewest changes of the pushed object among the ways of that many pushes
};

// `space` holds every position of the room `drawing` (complete). Walked back from the
// pushes that win, each push undone (the object pulled back towards the player) one
// step further, every position gets its fewest pushes to a win and the object changes
// along those ways. Of all positions, the `count` with the most changes come back (the
// fewer pushes first among equals), each drawn as a start: the objects where that
// position has them, the player on `pick` of the cells it can walk to there (any number;
// taken modulo). Every one of them can be won, by construction.
std::vector<FarStart> farthestStarts(const Drawing& drawing, const PositionSpace& space, int count,
                                     const std::function<int(int cells)>& pick);

} // namespace kelvaro::forge
