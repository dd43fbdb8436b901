// SPDX-License-Identifier: GPL-3.0-or-later
// A solution's figures: the depth replay names the objects pushed, the runs are read off the moves.
#include "level/analysis/win_statistics.h"

#include "level/analysis/level_depth.h"

namespace kelvaro {

WinStatistics winStatistics(const GameLevel& level, const std::vector<Action>& moves)
{
    Solution solution;
    solution.verdict = Verdict::solvable;
    solution.moves = moves;
    const Depth depth = measureDepth(level, solution, DepthLimits{.max_states = 0, .full = false});
    WinStatistics statistics{static_cast<int>(moves.size()), depth.pushes, depth.object_changes, 0};
    bool pushing = false;
    for (const Action& action : moves) {
        statistics.push_runs += action.push && !pushing;
        pushing = action.push;
    }
    return statistics;
}

} // namespace kelvaro
