// SPDX-License-Identifier: GPL-3.0-or-later
// The figures push-puzzle players compare solutions by, counted over a level and its moves.
#pragma once

#include "level/game_level.h"
#include "level/solver/solver.h"

#include <vector>

namespace kelvaro {

struct WinStatistics {
    int actions = 0;
    int pushes = 0;
    // Pushes of another object than the push before.
    int object_changes = 0;
    // Runs of pushes with no walk between them.
    int push_runs = 0;
    bool operator==(const WinStatistics&) const = default;
};

// `moves` must win `level` from its start, as a kept or found solution does.
WinStatistics winStatistics(const GameLevel& level, const std::vector<Action>& moves);

} // namespace kelvaro
